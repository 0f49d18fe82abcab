// The main dialog and the page framework, driven through real windows.
#include "shell/main_dialog.h"

#include <windows.h>
#include <commctrl.h>
#include <gtest/gtest.h>

#include <new>
#include <vector>

#include "config/settings.h"
#include "controls/page_contract.h"
#include "resources/ids.h"
#include "shell/page_framework.h"
#include "shell/page_table_override.h"
#include "support/captured_log.h"
#include "support/gui.h"
#include "support/installation.h"
#include "support/page_recorder.h"

namespace tav {
namespace {

using test::ModalScript;

const char* const kCaption = "TAVIRO - Setup 1.58";

std::vector<std::string> tab_titles(HWND dialog) {
  HWND tabs = GetDlgItem(dialog, IDC_MAIN_TABS);
  std::vector<std::string> titles;
  const int count = TabCtrl_GetItemCount(tabs);
  for (int i = 0; i < count; ++i) {
    char text[256] = {};
    TCITEMA item{};
    item.mask = TCIF_TEXT | TCIF_PARAM;
    item.pszText = text;
    item.cchTextMax = sizeof text;
    SendMessageA(tabs, TCM_GETITEMA, i, reinterpret_cast<LPARAM>(&item));
    EXPECT_EQ(item.lParam, i);
    titles.push_back(text);
  }
  return titles;
}

// Opens the main dialog and runs `step` on it, then ends it with `closing_command`.
void with_main_dialog(const ModalScript::Step& step, int closing_command = IDCANCEL) {
  ModalScript script;
  script.on(kCaption, [&](HWND dialog) {
    step(dialog);
    if (closing_command) SendMessageA(dialog, WM_COMMAND, closing_command, 0);
  });
  script.run([] { run_main_dialog(nullptr); });
}

TEST(MainDialog, NineTabsWithEnglishTitlesAndTheScreenPage) {
  test::TestInstallation installation;
  with_main_dialog([](HWND dialog) {
    const std::vector<std::string> expected = {"Screen",  "Drives",   "Plotter", "Digitizer",  "Layplanning",
                                               "Toolbox", "Language", "Options", "Expert Mode"};
    EXPECT_EQ(tab_titles(dialog), expected);
    EXPECT_EQ(test::window_text(dialog), kCaption);
    EXPECT_EQ(test::item_text(dialog, IDCANCEL), "Cancel");
    EXPECT_EQ(test::plain_text(test::item_text(dialog, IDB_MAIN_DEFAULTS)), "Defaults");
    EXPECT_EQ(window_state().tab_position, 1);
    EXPECT_EQ(window_state().page_code, 1);
    ASSERT_NE(window_state().page, nullptr);
    EXPECT_EQ(GetParent(window_state().page), dialog);
    EXPECT_TRUE(IsWindowVisible(window_state().page));
    EXPECT_TRUE(test::is_enabled(dialog, IDB_MAIN_DEFAULTS));
  });
  EXPECT_EQ(window_state().page, nullptr);
  EXPECT_EQ(window_state().main_dialog, nullptr);
}

TEST(MainDialog_de, NineTabsWithGermanTitles) {
  test::TestInstallation installation;
  with_main_dialog([](HWND dialog) {
    const std::vector<std::string> expected = {"Bildschirm", "Laufwerke", "Plotter",   "Digitizer",     "Schnittbild",
                                               "Toolbox",    "Sprache",   "Sonstiges", "Experten-Modus"};
    EXPECT_EQ(tab_titles(dialog), expected);
    EXPECT_EQ(test::window_text(dialog), kCaption);
    EXPECT_EQ(test::item_text(dialog, IDCANCEL), "Abbruch");
    EXPECT_EQ(test::plain_text(test::item_text(dialog, IDB_MAIN_DEFAULTS)), "Standardwerte");
  });
}

TEST(PageFramework, PagePlacedInsideTheTabDisplayArea) {
  test::TestInstallation installation;
  with_main_dialog([](HWND dialog) {
    HWND tabs = GetDlgItem(dialog, IDC_MAIN_TABS);
    for (int index : {0, 4, 8}) {
      test::select_tab(tabs, index);
      RECT area{};
      GetClientRect(tabs, &area);
      TabCtrl_AdjustRect(tabs, FALSE, &area);
      RECT page{};
      GetWindowRect(window_state().page, &page);
      MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&page), 2);
      EXPECT_EQ(page.left, area.left + 20);
      EXPECT_EQ(page.top, area.top + 10);
      EXPECT_EQ(page.right, area.right);
      EXPECT_EQ(page.bottom, area.bottom);
    }
  });
}

TEST(PageFramework, SwitchingClosesTheOldPageBeforeOpeningTheNew) {
  test::TestInstallation installation;
  test::PageRecorder recorder;
  with_main_dialog([&](HWND dialog) {
    HWND tabs = GetDlgItem(dialog, IDC_MAIN_TABS);
    test::select_tab(tabs, 1);  // Drives
    HWND drives = window_state().page;
    recorder.calls.clear();
    test::select_tab(tabs, 7);  // Options
    EXPECT_FALSE(IsWindow(drives));
    EXPECT_EQ(recorder.page_changes(), (std::vector<std::string>{"close 2", "open 4"}));
    EXPECT_EQ(window_state().tab_position, 8);
    EXPECT_EQ(window_state().page_code, 4);
  });
}

TEST(PageFramework, SelectingTheSelectedTabKeepsThePage) {
  test::TestInstallation installation;
  test::PageRecorder recorder;
  with_main_dialog([&](HWND dialog) {
    HWND tabs = GetDlgItem(dialog, IDC_MAIN_TABS);
    HWND screen = window_state().page;
    recorder.calls.clear();
    test::select_tab(tabs, 0);
    // Even a selection-changed notice for the tab already shown does not recreate it.
    NMHDR notice{tabs, IDC_MAIN_TABS, static_cast<UINT>(TCN_SELCHANGE)};
    SendMessageA(dialog, WM_NOTIFY, IDC_MAIN_TABS, reinterpret_cast<LPARAM>(&notice));
    EXPECT_EQ(window_state().page, screen);
    EXPECT_TRUE(recorder.page_changes().empty());
  });
}

TEST(MainDialog, ArrowKeysOnTheTabsKeepTheFocusThere) {
  test::TestInstallation installation;
  with_main_dialog([](HWND dialog) {
    HWND tabs = GetDlgItem(dialog, IDC_MAIN_TABS);
    SetFocus(tabs);
    ASSERT_EQ(GetFocus(), tabs);
    for (int step = 0; step < 3; ++step) {
      SendMessageA(tabs, WM_KEYDOWN, VK_RIGHT, 0);
      test::pump_messages();
    }
    EXPECT_EQ(window_state().tab_position, 4);
    EXPECT_EQ(GetFocus(), tabs);
  });
}

TEST(PageFramework, EveryTabCreatesItsPageWithItsCodeAndDefaultsButton) {
  test::TestInstallation installation;
  test::PageRecorder recorder;
  with_main_dialog([&](HWND dialog) {
    HWND tabs = GetDlgItem(dialog, IDC_MAIN_TABS);
    const int codes[9] = {1, 2, 3, 5, 6, 7, 8, 4, 9};
    const bool defaults[9] = {true, false, false, true, false, false, true, true, true};
    for (int index = 8; index >= 0; --index) {
      test::select_tab(tabs, index);
      EXPECT_EQ(window_state().tab_position, index + 1);
      EXPECT_EQ(window_state().page_code, codes[index]);
      EXPECT_EQ(test::is_enabled(dialog, IDB_MAIN_DEFAULTS), defaults[index]) << "tab " << index + 1;
      ASSERT_FALSE(recorder.page_changes().empty());
      EXPECT_EQ(recorder.page_changes().back(), "open " + std::to_string(codes[index]));
    }
  });
}

TEST(PageFramework, CommandsReachOnlyTheOpenPage) {
  test::TestInstallation installation;
  test::PageRecorder recorder;
  with_main_dialog([&](HWND dialog) {
    test::select_tab(GetDlgItem(dialog, IDC_MAIN_TABS), 7);  // Options, code 4
    recorder.calls.clear();
    // 1045 is a control id of the Screen page as well as of the Options page.
    SendMessageA(window_state().page, WM_COMMAND, MAKEWPARAM(1045, BN_CLICKED), 0);
    EXPECT_EQ(recorder.calls, (std::vector<std::string>{"command 4 1045"}));
    recorder.calls.clear();
    NMHDR notice{window_state().page, 1091, 0};
    SendMessageA(window_state().page, WM_NOTIFY, 1091, reinterpret_cast<LPARAM>(&notice));
    EXPECT_EQ(recorder.calls, (std::vector<std::string>{"notify 4 1091"}));
  });
}

TEST(PageFramework, DefaultsResetOnlyTheOpenPageAndOnlyWhereEnabled) {
  test::TestInstallation installation;
  test::PageRecorder recorder;
  with_main_dialog([&](HWND dialog) {
    recorder.calls.clear();
    test::click(dialog, IDB_MAIN_DEFAULTS);  // right after opening: the Screen page
    EXPECT_EQ(recorder.calls, (std::vector<std::string>{"defaults 1"}));
    test::select_tab(GetDlgItem(dialog, IDC_MAIN_TABS), 1);  // Drives: no defaults
    recorder.calls.clear();
    SendMessageA(dialog, WM_COMMAND, IDB_MAIN_DEFAULTS, 0);
    EXPECT_TRUE(recorder.calls.empty());
  });
}

TEST(PageFramework, OpenResultCountsOnlyForLanguageAndExpertPages) {
  test::TestInstallation installation;
  test::PageRecorder recorder;
  for (int code = 1; code <= 9; ++code) recorder.open_result[code] = false;
  with_main_dialog([&](HWND dialog) {
    for (int code = 1; code <= 9; ++code) {
      HWND page = CreateWindowExA(0, "STATIC", "", WS_CHILD, 0, 0, 1, 1, dialog, nullptr, nullptr, nullptr);
      const INT_PTR result = page_procedure(page, WM_INITDIALOG, 0, code);
      EXPECT_EQ(result != 0, code != 8 && code != 9) << "page code " << code;
      DestroyWindow(page);
    }
    // An unknown code gets no routine and answers true.
    HWND page = CreateWindowExA(0, "STATIC", "", WS_CHILD, 0, 0, 1, 1, dialog, nullptr, nullptr, nullptr);
    EXPECT_TRUE(page_procedure(page, WM_INITDIALOG, 0, 12));
    DestroyWindow(page);
  });
}

// Page routines that run out of memory: the dialog answers for them and goes on.
BOOL open_out_of_memory(HWND, const InstalledVersion&) { throw std::bad_alloc(); }
BOOL command_out_of_memory(HWND, WPARAM, LPARAM) { throw std::bad_alloc(); }

TEST(PageFramework, AllocationFailureInAPageRoutineLeavesTheDialogWorking) {
  test::TestInstallation installation;
  test::CapturedLog log;
  std::vector<PageEntry> pages(page_entries().begin(), page_entries().end());
  pages[0].open = open_out_of_memory;        // the Screen page, opened first
  pages[1].command = command_out_of_memory;  // the Drives page
  ScopedPageTable table(pages);
  with_main_dialog(
      [](HWND dialog) {
        ASSERT_NE(window_state().page, nullptr);
        test::select_tab(GetDlgItem(dialog, IDC_MAIN_TABS), 1);
        EXPECT_EQ(window_state().tab_position, 2);
        SendMessageA(window_state().page, WM_COMMAND, MAKEWPARAM(1033, BN_CLICKED), 0);
        test::click(dialog, IDOK);
      },
      0);
  EXPECT_TRUE(installation.exists("taviro.ini")) << "OK wrote the settings after the failures";
  // Each caught failure is recorded: the opening, and every command the page was sent.
  const auto lines = log.lines();
  EXPECT_GE(lines.size(), 2u);
  for (const std::string& line : lines) {
    EXPECT_NE(line.find("\tunexpected error\twindow message "), std::string::npos) << line;
  }
}

TEST(MainDialog, OkDestroysThePageBeforeItEnds) {
  test::TestInstallation installation;
  test::PageRecorder recorder;
  with_main_dialog(
      [&](HWND dialog) {
        test::select_tab(GetDlgItem(dialog, IDC_MAIN_TABS), 4);
        recorder.calls.clear();
        test::click(dialog, IDOK);
        EXPECT_EQ(recorder.page_changes(), (std::vector<std::string>{"close 6"}));
        EXPECT_EQ(window_state().page, nullptr);
      },
      0);
}

TEST(MainDialog, CloseBoxEndsLikeCancel) {
  test::TestInstallation installation;
  test::PageRecorder recorder;
  with_main_dialog([&](HWND dialog) { SendMessageA(dialog, WM_SYSCOMMAND, SC_CLOSE, 0); }, 0);
  EXPECT_EQ(recorder.page_changes().back(), "close 1");
}

TEST(MainDialog, CloseBoxWritesNothingAndOkWrites) {
  test::TestInstallation installation;
  const std::string before = "[SCREEN]\r\nWIDTHMM=340\r\n";
  installation.write("taviro.ini", before);
  with_main_dialog(
      [](HWND dialog) {
        settings().screen.widthmm = 999;
        SendMessageA(dialog, WM_SYSCOMMAND, SC_CLOSE, 0);
      },
      0);
  EXPECT_EQ(installation.read("taviro.ini"), before);
  with_main_dialog([](HWND) { settings().screen.widthmm = 999; }, IDOK);
  EXPECT_EQ(installation.read("taviro.ini").rfind("[SCREEN]\r\nWIDTHMM=999\r\n", 0), 0u);
}

TEST(PageFramework, PageThatClosesItselfLeavesTheTabEmpty) {
  test::TestInstallation installation;
  test::PageRecorder recorder;
  recorder.close_on_open[8] = true;
  with_main_dialog([&](HWND dialog) {
    test::select_tab(GetDlgItem(dialog, IDC_MAIN_TABS), 6);  // Language
    EXPECT_EQ(window_state().page, nullptr);
    EXPECT_EQ(window_state().tab_position, 0);
    recorder.calls.clear();
    SendMessageA(dialog, WM_COMMAND, IDB_MAIN_DEFAULTS, 0);
    EXPECT_TRUE(recorder.only("defaults").empty());
    test::select_tab(GetDlgItem(dialog, IDC_MAIN_TABS), 0);  // and the next tab still opens
    EXPECT_EQ(window_state().tab_position, 1);
  });
}

TEST(PageFramework, EveryPageIsOpenedWithTheInstalledVersion) {
  test::TestInstallation installation;
  installation.write("taviro.ini", "");
  installation.write("settings.ini", "[SHELL]\r\nLASTVERSION=1050\r\n");
  test::PageRecorder recorder;
  with_main_dialog([&](HWND dialog) {
    EXPECT_EQ(recorder.opened_with_version, 1050);
    installation.remove("settings.ini");
    installation.write("tavlib.dll", "");
    installation.write("tvrsico.dll", "");
    test::select_tab(GetDlgItem(dialog, IDC_MAIN_TABS), 7);
    EXPECT_EQ(recorder.opened_with_version, 900);  // computed anew for every page
  });
}

}  // namespace
}  // namespace tav
