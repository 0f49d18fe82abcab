// Entry of the Windows test program: prepares the process as the start-up does and checks
// that windows can be created at all (without a display and without Wine's null graphics
// driver, window creation fails silently and every GUI test would be meaningless).
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include "config/utility_settings_readers.h"
#include "controls/controls.h"
#include "controls/page_contract.h"
#include "support/stop_points_from_environment.h"
#include "util/case_mapping.h"

namespace {

class WindowsEnvironment : public ::testing::Environment {
 public:
  void SetUp() override {
    tav::controls::set_program_instance(GetModuleHandleA(nullptr));
    INITCOMMONCONTROLSEX classes{sizeof classes,
                                 ICC_TAB_CLASSES | ICC_LISTVIEW_CLASSES | ICC_UPDOWN_CLASS | ICC_PROGRESS_CLASS};
    ASSERT_TRUE(InitCommonControlsEx(&classes));
    tav::install_system_case_mappers();
    tav::install_utility_settings_readers();
    HWND probe = CreateWindowExA(0, "STATIC", "probe", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(probe, nullptr) << "windows cannot be created: no display and no null graphics driver";
    DestroyWindow(probe);
  }
};

}  // namespace

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  tav::test::install_stop_points_from_environment();
  ::testing::AddGlobalTestEnvironment(new WindowsEnvironment);
  return RUN_ALL_TESTS();
}
