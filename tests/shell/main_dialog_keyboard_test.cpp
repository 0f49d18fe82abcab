// The main dialog driven with real key presses (SendInput), as a user who does not touch the
// mouse: access keys, Ctrl+Tab between the tabs, Enter and Escape.
#include <windows.h>
#include <commctrl.h>
#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

#include "pages/page_test_support.h"
#include "resources/ids.h"
#include "shell/main_dialog.h"
#include "support/gui.h"
#include "support/installation.h"

namespace tav {
namespace {

constexpr char kMain[] = "TAVIRO - Setup 1.58";

// Presses key with the modifiers held, the way the keyboard delivers it.
void press(std::initializer_list<WORD> modifiers, WORD key) {
  std::vector<INPUT> inputs;
  const auto add = [&](WORD vk, bool up) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = vk;
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    inputs.push_back(input);
  };
  for (WORD m : modifiers) add(m, false);
  add(key, false);
  add(key, true);
  for (auto m = std::rbegin(modifiers); m != std::rend(modifiers); ++m) add(*m, true);
  SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

int selected_tab(HWND dialog) {
  return static_cast<int>(SendMessageA(GetDlgItem(dialog, IDC_MAIN_TABS), TCM_GETCURSEL, 0, 0));
}

HWND focused_in_page(int id) { return GetDlgItem(test::current_page(), id); }

// Each step presses keys; the dialog's own message loop handles them before the next step
// looks at the result.
TEST(MainDialogKeyboard, AccessKeysCtrlTabAndEscape) {
  test::TestInstallation installation;
  installation.write("taviro.ini", "[MARKER]\r\nENABLE_BDL_FLIP=0\r\n");
  const std::string before = installation.read("taviro.ini");
  test::ModalScript script;
  // Tab goes from the page to the buttons, then to the tabs and back into the page.
  script
      .on(kMain,
          [](HWND dialog) {
            SetFocus(GetDlgItem(dialog, IDB_MAIN_DEFAULTS));
            press({}, VK_TAB);  // Help is hidden: there is no help file
          })
      .on(kMain,
          [](HWND dialog) {
            EXPECT_EQ(GetFocus(), GetDlgItem(dialog, IDC_MAIN_TABS));
            press({}, VK_TAB);
          })
      .on(kMain,
          [](HWND) {
            EXPECT_EQ(GetFocus(), focused_in_page(IDB_SCREEN_CALIBRATE));
            press({VK_MENU}, 'B');  // "&Button size for Toolbox"
          })
      .on(kMain,
          [](HWND) {
            EXPECT_EQ(GetFocus(), focused_in_page(IDC_SCREEN_TOOL_BUTTONS));
            press({VK_MENU}, 'W');  // the check box "&White TAVIRO desktop" is clicked
          })
      .on(kMain,
          [](HWND) {
            EXPECT_EQ(GetFocus(), focused_in_page(IDX_SCREEN_WHITE_DESKTOP));
            press({VK_CONTROL}, VK_TAB);
          })
      .on(kMain,
          [](HWND dialog) {
            EXPECT_EQ(selected_tab(dialog), test::kDrivesTab);
            EXPECT_NE(focused_in_page(IDC_DRIVES_INSTALLATION), nullptr);
            press({VK_CONTROL, VK_SHIFT}, VK_TAB);
          })
      .on(kMain,
          [](HWND dialog) {
            EXPECT_EQ(selected_tab(dialog), test::kScreenTab);
            press({VK_CONTROL, VK_SHIFT}, VK_TAB);  // from the first tab round to the last
          })
      .on(kMain,
          [](HWND dialog) {
            EXPECT_EQ(selected_tab(dialog), test::kExpertTab);
            EXPECT_NE(focused_in_page(IDX_EXPERT_BDL_FLIP), nullptr);
            press({VK_MENU}, 'I');  // "Permit 'Swap d&irection'"
          })
      .on(kMain, [](HWND) {
        EXPECT_EQ(IsDlgButtonChecked(test::current_page(), IDX_EXPERT_BDL_FLIP), BST_CHECKED);
        press({}, VK_ESCAPE);
      });
  script.run([] { run_main_dialog(nullptr); });
  EXPECT_EQ(installation.read("taviro.ini"), before);
}

// Enter on a page's push button presses that button; Enter elsewhere is OK. In the screen
// calibration Escape does nothing and Enter is its OK.
TEST(MainDialogKeyboard, EnterPressesTheFocusedButtonOrOk) {
  test::TestInstallation installation;
  installation.write("taviro.ini", "[SCREEN]\r\nMENUFONTHIGHT=14\r\n");
  test::ModalScript script;
  script
      .on(kMain,
          [](HWND) {
            ASSERT_EQ(GetFocus(), focused_in_page(IDB_SCREEN_CALIBRATE));  // the page's first control
            press({}, VK_RETURN);                                          // "Edit values" opens the calibration
          })
      .on("TAVIRO - Adjust screen size", [](HWND) { press({}, VK_ESCAPE); })
      .on("TAVIRO - Adjust screen size", [](HWND) { press({}, VK_RETURN); })
      .on(kMain,
          [](HWND) {
            EXPECT_EQ(GetFocus(), focused_in_page(IDB_SCREEN_CALIBRATE));
            press({VK_MENU}, 'F');  // "&Font size for TAVIRO menu"
          })
      .on(kMain,
          [](HWND) {
            ASSERT_EQ(GetFocus(), focused_in_page(IDC_SCREEN_FONT_SIZE));
            press({}, VK_DOWN);
          })
      .on(kMain, [](HWND) { press({}, VK_RETURN); });
  script.run([] { run_main_dialog(nullptr); });
  EXPECT_EQ(script.steps_done(), 6u);
  EXPECT_EQ(test::main_value("SCREEN", "MENUFONTHIGHT"), "18");
}

// The sub-dialogs open with the access keys of their buttons and close with Escape, writing
// nothing; Enter is their OK.
TEST(MainDialogKeyboard, SubDialogsOpenWithTheirKeysAndCloseWithEscape) {
  struct SubDialog {
    int tab;
    char key;
    const char* caption;
    WORD closing_key;
  };
  static const SubDialog kSubDialogs[] = {
      {test::kDrivesTab, 'N', "TAVIRO - Setup - Network configuration", VK_ESCAPE},
      {test::kPlotterTab, 'S', "TAVIRO - Configure COM port", VK_ESCAPE},
      {test::kLayplanningTab, 'L', "TAVIRO - Line types", VK_ESCAPE},
      {test::kLayplanningTab, 'O', "TAVIRO - Hem position", VK_ESCAPE},
      {test::kLayplanningTab, 'O', "TAVIRO - Hem position", VK_RETURN},
  };
  test::TestInstallation installation;
  installation.write("taviro.ini", "[SERIALPORT]\r\nBAUD=9600\r\n");
  test::ModalScript script;
  for (const SubDialog& sub : kSubDialogs) {
    script.on(kMain, [&sub](HWND dialog) {
      test::select_tab(GetDlgItem(dialog, IDC_MAIN_TABS), sub.tab);
      press({VK_MENU}, static_cast<WORD>(sub.key));
    });
    script.on(sub.caption, [&sub, &installation](HWND) {
      EXPECT_FALSE(installation.exists("settngsb.ini")) << sub.caption;
      press({}, sub.closing_key);
    });
  }
  script.on(kMain, [](HWND) { press({}, VK_ESCAPE); });
  script.run([] { run_main_dialog(nullptr); });
  EXPECT_EQ(installation.read("taviro.ini"), "[SERIALPORT]\r\nBAUD=9600\r\n");
  EXPECT_TRUE(installation.exists("settngsb.ini")) << "Enter is the hem position's OK";
}

// Russian texts take Cyrillic access keys. A key typed with Alt arrives as the letter in
// lower case (without Shift); sent through the ANSI functions it is the code page 1251 byte.
TEST(MainDialogKeyboard_ru, CyrillicAccessKeys) {
  test::TestInstallation installation;
  test::ModalScript script;
  script
      .on(kMain, [](HWND) { PostMessageA(GetFocus(), WM_SYSCHAR, 0xF0, 0x20000000); })  // "&Размер шрифта"
      .on(kMain,
          [](HWND) {
            EXPECT_EQ(GetFocus(), focused_in_page(IDC_SCREEN_FONT_SIZE));
            PostMessageA(GetFocus(), WM_SYSCHAR, 0xF6, 0x20000000);  // "&Цветовая схема таблиц"
          })
      .on(kMain, [](HWND dialog) {
        EXPECT_EQ(GetFocus(), focused_in_page(IDC_SCREEN_GRID_COLOUR));
        PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
      });
  script.run([] { run_main_dialog(nullptr); });
}

}  // namespace
}  // namespace tav
