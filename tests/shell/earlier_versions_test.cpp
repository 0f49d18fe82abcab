// The earlier versions dialog, opened from the main dialog's system menu on a test
// installation with numbered backups.
//
// Faults it must catch: the system menu lacks the item; a backup missing from the list; the
// changes of a version wrong; a restore that does not put the version in place, loses
// today's file or an earlier copy; the main dialog still showing the values it had; a failed
// restore that is silent, not logged or changes the file.
#include <windows.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "controls/list_view.h"
#include "plotter/plotter_test_support.h"
#include "resources/ids.h"
#include "support/captured_log.h"
#include "support/gui.h"
#include "support/installation.h"
#include "support/locked_file.h"
#include "util/program_log.h"

namespace tav {
namespace {

constexpr const char* kCaption = "TAVIRO - Earlier versions";
const std::string kToday = "[SCREEN]\r\nWIDTHMM=320\r\n";
const std::string kCopy0 = "[SCREEN]\r\nWIDTHMM=300\r\n";
const std::string kCopy1 = "[SCREEN]\r\nWIDTHMM=280\r\n";

class EarlierVersionsTest : public ::testing::Test {
 protected:
  EarlierVersionsTest() {
    inst.write("taviro.ini", kToday);
    inst.write("taviro.bk0", kCopy0);
    inst.write("taviro.bk1", kCopy1);
    inst.write("settngsb.bk0", "[SB4]\r\nWINKEL=90\r\n");
  }

  // Opens the dialog from the system menu of the main dialog on the Screen page, runs the
  // steps on it and its message boxes (all of its caption), then `after` on the page shown.
  void run(const std::vector<test::ModalScript::Step>& steps, const std::function<void(HWND)>& after) {
    test::ModalScript script;
    script.on(test::kMainCaption,
              test::on_page([](HWND page) { PostMessageA(GetParent(page), WM_SYSCOMMAND, IDM_EARLIER_VERSIONS, 0); }));
    for (const auto& step : steps) script.on(kCaption, step);
    script.on(test::kMainCaption, test::on_page([&](HWND page) {
                after(page);
                test::close_main_dialog();
              }));
    test::run_main_dialog_with(script);
  }

  test::TestInstallation inst;
  test::CapturedLog log;
};

std::vector<std::string> rows(HWND dialog) {
  HWND list = GetDlgItem(dialog, IDC_VERSIONS_LIST);
  std::vector<std::string> shown;
  for (int row = 0; row < listview::row_count(list); ++row) {
    shown.push_back(listview::cell_text(list, row, 0) + "|" + listview::cell_text(list, row, 1));
  }
  return shown;
}

std::wstring changes(HWND dialog) {
  wchar_t text[512] = {};
  GetDlgItemTextW(dialog, IDE_VERSIONS_CHANGES, text, 512);
  return text;
}

TEST_F(EarlierVersionsTest, ListsTheCopiesShowsTheChangesAndRestoresOne) {
  run({[&](HWND dialog) {
         char item[64] = {};
         GetMenuStringA(GetSystemMenu(GetWindow(dialog, GW_OWNER), FALSE), IDM_EARLIER_VERSIONS, item, sizeof item,
                        MF_BYCOMMAND);
         EXPECT_STREQ(item, "&Earlier versions...");
         EXPECT_EQ(rows(dialog), (std::vector<std::string>{"taviro.ini|taviro.bk0", "taviro.ini|taviro.bk1",
                                                           "settngsb.ini|settngsb.bk0"}));
         EXPECT_EQ(changes(dialog), L"[SCREEN] WIDTHMM: 300 \u2192 320");
         listview::select_row(GetDlgItem(dialog, IDC_VERSIONS_LIST), 1);
         EXPECT_EQ(changes(dialog), L"[SCREEN] WIDTHMM: 280 \u2192 320");
         test::post_click(dialog, IDOK);
       },
       [](HWND question) { test::click(question, IDYES); }},
      [&](HWND page) { EXPECT_EQ(test::item_text(page, IDE_SCREEN_WIDTH), "280"); });
  EXPECT_EQ(inst.read("taviro.ini"), kCopy1);
  EXPECT_EQ(inst.read("taviro.bk0"), kToday);
  EXPECT_EQ(inst.read("taviro.bk1"), kCopy0);
  EXPECT_EQ(inst.read("taviro.bk2"), kCopy1);
  EXPECT_TRUE(log.lines().empty());
}

TEST_F(EarlierVersionsTest, FailedRestoreIsToldAndLoggedAndLeavesTheFile) {
  test::LockedFile locked(inst.path("taviro.ini"), test::LockedFile::reading);
  ASSERT_TRUE(locked.locked());
  run({[](HWND dialog) { test::post_click(dialog, IDOK); }, [](HWND question) { test::click(question, IDYES); },
       [](HWND box) {
         EXPECT_EQ(test::message_text(box).rfind("U:\\taviro\\taviro.ini could not be restored from "
                                                 "U:\\taviro\\taviro.bk0. The file stays as it was.",
                                                 0),
                   0u)
             << test::message_text(box);
         test::click(box, IDOK);
       },
       [](HWND dialog) { test::click(dialog, IDCANCEL); }},
      [](HWND page) { EXPECT_EQ(test::item_text(page, IDE_SCREEN_WIDTH), "320"); });
  locked.release();
  EXPECT_EQ(inst.read("taviro.ini"), kToday);
  EXPECT_TRUE(log.holds_one_line_with("restore earlier version\tU:\\taviro\\taviro.ini\t"));
}

}  // namespace
}  // namespace tav
