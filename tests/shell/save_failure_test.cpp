// A file that cannot be replaced when the user saves (another program holds it open): the
// user is told which file and why, the dialog stays open with the user's changes, OK then
// saves once the file is free, and the log holds one line for the failure.
#include <windows.h>
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "pages/page_test_support.h"
#include "resources/ids.h"
#include "shell/main_dialog.h"
#include "support/captured_log.h"
#include "support/gui.h"
#include "support/installation.h"
#include "support/locked_file.h"
#include "util/program_log.h"

namespace tav {
namespace {

constexpr const char* kMainCaption = "TAVIRO - Setup 1.58";

struct SaveCase {
  const char* file;                  // relative to U:\taviro, held open while OK is first pressed
  std::string before;                // its contents
  int tab;                           // the page with the button that opens the dialog
  int button;                        // 0: the main dialog's own OK
  const char* caption;               // the dialog that saves
  std::function<void(HWND)> change;  // the user's change in that dialog
  std::function<bool(HWND)> kept;    // the change is still shown
  const char* saved;                 // a line of the file once saved
  const char* action;                // the action the log names
};

TEST(SaveFailure, TheDialogStaysWithTheChangesAndOkSavesOnceTheFileIsFree) {
  const SaveCase cases[] = {
      {"taviro.ini", "[SCREEN]\r\nWIDTHMM=345\r\n", test::kScreenTab, 0, kMainCaption,
       [](HWND) { test::click(test::current_page(), IDX_SCREEN_WHITE_DESKTOP); },
       [](HWND) { return test::is_checked(test::current_page(), IDX_SCREEN_WHITE_DESKTOP); }, "BACKGROUND=1",
       "save settings"},
      {"settngsb.ini", "[SB4]\r\nBAHN_ROT=90\r\n", test::kLayplanningTab, IDB_LAYPLAN_HEM_POSITION,
       "TAVIRO - Hem position", [](HWND d) { test::click(d, IDX_HEM_LAYPLAN_START); },
       [](HWND d) { return test::is_checked(d, IDX_HEM_LAYPLAN_START); }, "BAHN_ROT=-90", "save hem position"},
      {"lintypes.ini", "[LT2]\r\nUSAGE=1\r\n", test::kLayplanningTab, IDB_LAYPLAN_LINE_TYPES, "TAVIRO - Line types",
       [](HWND d) { test::choose_combo_item(d, IDC_LINETYPES_SPLIT, 0); },
       [](HWND d) { return test::combo_selection(d, IDC_LINETYPES_SPLIT) == 0; }, "[LT6]\r\nUSAGE=4",
       "save line types"},
      {"taviro.ini", "[SCREEN]\r\nWIDTHMM=345\r\n", test::kPlotterTab, IDB_PLOTTER_SERIAL_PORT,
       "TAVIRO - Configure COM port", [](HWND d) { test::choose_combo_item(d, IDC_SERIAL_BAUD, 0); },
       [](HWND d) { return test::combo_selection(d, IDC_SERIAL_BAUD) == 0; }, "[SERIALPORT]", "save serial port"},
  };
  for (const SaveCase& c : cases) {
    SCOPED_TRACE(c.caption);
    test::TestInstallation installation;
    test::CapturedLog log;
    installation.write(c.file, c.before);
    test::LockedFile lock(installation.path(c.file), test::LockedFile::reading);
    ASSERT_TRUE(lock.locked());
    std::string told;
    bool kept = false;
    const bool own_dialog = c.button != 0;
    test::ModalScript script;
    script.on(kMainCaption, [&](HWND dialog) {
      test::select_tab(GetDlgItem(dialog, IDC_MAIN_TABS), c.tab);
      if (own_dialog) {
        test::post_click(test::current_page(), c.button);
      } else {
        c.change(dialog);
        PostMessageA(dialog, WM_COMMAND, IDOK, 0);
      }
    });
    if (own_dialog) {
      script.on(c.caption, [&](HWND dialog) {
        c.change(dialog);
        test::post_click(dialog, IDOK);
      });
    }
    script.on(c.caption, [&](HWND box) {
      told = test::message_text(box);
      test::click(box, IDOK);
    });
    script.on(c.caption, [&](HWND dialog) {
      kept = c.kept(dialog);
      lock.release();
      PostMessageA(dialog, WM_COMMAND, IDOK, 0);
    });
    if (own_dialog) script.on(kMainCaption, [](HWND dialog) { SendMessageA(dialog, WM_COMMAND, IDCANCEL, 0); });
    script.run([] { run_main_dialog(nullptr); });

    const std::string path = "U:\\taviro\\" + std::string(c.file);
    EXPECT_NE(told.find(path), std::string::npos) << told;
    // The system's reason: Wine refuses to replace a file held open so with "access denied".
    EXPECT_NE(told.find(system_error_text(ERROR_ACCESS_DENIED)), std::string::npos) << told;
    EXPECT_TRUE(kept) << "the dialog still shows the change";
    EXPECT_NE(installation.read(c.file).find(c.saved), std::string::npos) << installation.read(c.file);
    const auto lines = log.lines();
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_NE(lines[0].find(std::string("\t") + c.action + "\t" + path + "\t"), std::string::npos) << lines[0];
  }
}

// The log holds a line for what the user was told, and nothing after a run without failures.
TEST(SaveFailure, TheLogHoldsWhatTheUserWasTold) {
  for (const bool unreadable : {true, false}) {
    SCOPED_TRACE(unreadable ? "main file unreadable" : "nothing fails");
    test::TestInstallation installation;
    test::CapturedLog log;
    if (unreadable) installation.make_folder("taviro.ini");
    test::ModalScript script;
    if (unreadable) script.on(kMainCaption, [](HWND box) { PostMessageA(box, WM_COMMAND, IDOK, 0); });
    script.on(kMainCaption, [](HWND dialog) { SendMessageA(dialog, WM_COMMAND, IDOK, 0); });
    script.run([] { run_main_dialog(nullptr); });
    const auto lines = log.lines();
    ASSERT_EQ(lines.size(), unreadable ? 1u : 0u);
    if (unreadable) {
      EXPECT_NE(lines[0].find("\tread settings\tU:\\taviro\\taviro.ini\t"), std::string::npos) << lines[0];
    } else {
      EXPECT_TRUE(installation.exists("taviro.ini"));
    }
  }
}

}  // namespace
}  // namespace tav
