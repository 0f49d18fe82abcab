// Bringing back a removed plotter from the subfolder "diverse", through the Plotter page's
// context menu and its keyboard shortcut.
//
// Faults it must catch: the context menu or Ctrl+B not leading to the dialog; a taken name
// overwritten instead of the next free one; a renamed driver that its queue does not name;
// the list not showing and selecting the plotter brought back; a failed move that leaves a
// queue without its driver, loses a file, or is not told and logged.
#include <windows.h>
#include <commctrl.h>
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "controls/list_view.h"
#include "plotter/plotter_page.h"
#include "plotter/plotter_test_support.h"
#include "resources/ids.h"
#include "support/captured_log.h"
#include "support/gui.h"
#include "support/installation.h"
#include "support/locked_file.h"

namespace tav {
namespace {

constexpr const char* kDialog = "TAVIRO - Bring back plotter";

// Opens the context menu as Shift+F10 does and chooses its item with the keyboard.
void by_context_menu(HWND list) {
  PostMessageA(list, WM_KEYDOWN, VK_DOWN, 0);
  PostMessageA(list, WM_KEYDOWN, VK_RETURN, 0);
  SendMessageA(list, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(list), -1);
}

void by_ctrl_b(HWND list) {
  BYTE keys[256] = {};
  GetKeyboardState(keys);
  keys[VK_CONTROL] = 0x80;
  SetKeyboardState(keys);
  SendMessageA(list, WM_KEYDOWN, 'B', 0);
  keys[VK_CONTROL] = 0;
  SetKeyboardState(keys);
}

class BringBackTest : public ::testing::Test {
 protected:
  BringBackTest() {
    show_inactive_plotters() = false;
    inst.write("plotter\\ROLL60A.plt", test::driver_file("Rollenplotter 60"));
    inst.write("plotter\\ROLL60A.que", test::queue_file("Rolle Halle 1", "ROLL60A.PLT"));
  }
  ~BringBackTest() override { show_inactive_plotters() = false; }

  // On the Plotter page: opens the dialog with `open`, expects `item` as its only item and
  // brings it back; `after` runs on the message boxes that follow, then the selected row
  // must be `selected` (empty: none).
  void bring_back(const std::function<void(HWND list)>& open, const std::string& item,
                  const std::vector<test::ModalScript::Step>& after, const std::string& selected) {
    test::ModalScript script;
    script.on(test::kMainCaption, test::on_plotter_page([&](HWND page) { open(GetDlgItem(page, IDC_PLOTTER_LIST)); }));
    script.on(kDialog, [&](HWND dialog) {
      EXPECT_EQ(test::list_items(dialog, IDC_REMOVED_LIST), std::vector<std::string>{item});
      test::click(dialog, IDOK);
    });
    for (const auto& step : after) script.on(test::kMainCaption, step);
    script.on(test::kMainCaption, test::on_page([&](HWND page) {
                const int row = listview::selected_row(GetDlgItem(page, IDC_PLOTTER_LIST));
                EXPECT_EQ(row < 0 ? "" : test::plotter_rows(page)[static_cast<std::size_t>(row)], selected);
                test::close_main_dialog();
              }));
    test::run_main_dialog_with(script);
  }

  test::TestInstallation inst;
  test::CapturedLog log;
};

TEST_F(BringBackTest, ContextMenuBringsBackUnderTheNextFreeQueueName) {
  inst.write("plotter\\diverse\\CUT160.plt", test::driver_file("Cutter 160", true));
  inst.write("plotter\\diverse\\CUT160.que", test::queue_file("Cutter Halle 2", "CUT160.PLT"));
  inst.write("plotter\\CUT160.que", test::queue_file("Cutter neu", "ROLL60A.PLT"));
  bring_back(by_context_menu, "Cutter 160 (CUT160.plt, CUT160.que)", {[](HWND box) {
               EXPECT_EQ(test::message_text(box),
                         "The plotter folder already held files of these names. The plotter is back under new "
                         "names:\nCUT160.que is now CUT16002.que");
               test::click(box, IDOK);
             }},
             "*|Cutter Halle 2|CUT160|CUT16002");
  EXPECT_EQ(test::file_names(inst.path("plotter")),
            (std::vector<std::string>{"CUT160.plt", "CUT160.que", "CUT16002.que", "ROLL60A.plt", "ROLL60A.que"}));
  EXPECT_EQ(inst.read("plotter\\CUT16002.que"), test::queue_file("Cutter Halle 2", "CUT160.PLT"));
  EXPECT_TRUE(log.lines().empty());
}

TEST_F(BringBackTest, CtrlBBringsBackARenamedDriverThatItsQueueNames) {
  inst.write("plotter\\diverse\\ROLL60A.plt", test::driver_file("Rollenplotter alt"));
  inst.write("plotter\\diverse\\ROLL60A.que", test::queue_file("Rolle alt", "ROLL60A.PLT"));
  bring_back(by_ctrl_b, "Rollenplotter alt (ROLL60A.plt, ROLL60A.que)", {[](HWND box) { test::click(box, IDOK); }},
             "*|Rolle alt|ROLL60A2|ROLL60A2");
  EXPECT_EQ(inst.read("plotter\\ROLL60A2.plt"), test::driver_file("Rollenplotter alt"));
  EXPECT_EQ(inst.read("plotter\\ROLL60A2.que"), test::queue_file("Rolle alt", "ROLL60A2.PLT"));
  EXPECT_EQ(inst.read("plotter\\ROLL60A.que"), test::queue_file("Rolle Halle 1", "ROLL60A.PLT"));
}

TEST_F(BringBackTest, FailedMoveTakesTheDriverBackAndIsToldAndLogged) {
  inst.write("plotter\\diverse\\PEN90.plt", test::driver_file("Stiftplotter 90"));
  inst.write("plotter\\diverse\\PEN90.que", test::queue_file("Stift", "PEN90.PLT"));
  test::LockedFile locked(inst.path("plotter\\diverse\\PEN90.que"), test::LockedFile::reading);
  ASSERT_TRUE(locked.locked());
  bring_back(by_ctrl_b, "Stiftplotter 90 (PEN90.plt, PEN90.que)", {[](HWND box) {
               EXPECT_EQ(test::message_text(box).rfind("U:\\taviro\\plotter\\diverse\\PEN90.que could not be brought "
                                                       "back into the plotter folder.",
                                                       0),
                         0u)
                   << test::message_text(box);
               test::click(box, IDOK);
             }},
             "");
  locked.release();
  EXPECT_EQ(test::file_names(inst.path("plotter\\diverse")), (std::vector<std::string>{"PEN90.plt", "PEN90.que"}));
  EXPECT_FALSE(inst.exists("plotter\\PEN90.plt"));
  EXPECT_TRUE(log.holds_one_line_with("bring back plotter\tU:\\taviro\\plotter\\diverse\\PEN90.que\t"));
}

}  // namespace
}  // namespace tav
