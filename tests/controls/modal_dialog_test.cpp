// The sub-dialog skeleton on a real template: a handler that runs out of memory does not
// take the dialog down, what it threw is logged, and Cancel still closes.
#include "controls/modal_dialog.h"

#include <windows.h>
#include <gtest/gtest.h>

#include <new>

#include "resources/ids.h"
#include "support/captured_log.h"
#include "support/gui.h"
#include "support/installation.h"

namespace tav {
namespace {

class ThrowingDialog : public controls::ModalDialog {
 public:
  int opened = 0;

 private:
  bool on_open() override {
    ++opened;
    return true;
  }
  bool on_command(int id, int /*code*/) override {
    if (id == IDOK) throw std::bad_alloc();
    return false;
  }
};

TEST(ModalDialog, AHandlerThatThrowsIsLoggedAndTheDialogGoesOn) {
  test::TestInstallation installation;
  test::CapturedLog log;
  ThrowingDialog dialog;
  INT_PTR result = 0;
  test::ModalScript script;
  script.on("TAVIRO - Configure COM port", [](HWND window) {
    SendMessageA(window, WM_COMMAND, IDOK, 0);
    EXPECT_TRUE(IsWindowVisible(window));
    test::click(window, IDCANCEL);
  });
  script.run([&] { result = dialog.run(nullptr, IDD_SERIAL_PORT); });
  EXPECT_EQ(dialog.opened, 1);
  EXPECT_EQ(result, IDCANCEL);
  EXPECT_TRUE(log.holds_one_line_with("\tunexpected error\twindow message 273\t"));
}

}  // namespace
}  // namespace tav
