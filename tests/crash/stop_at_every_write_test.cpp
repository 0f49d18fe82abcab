// Every action that changes files, ended abruptly at each of its stop points: the main
// dialog's OK and the two lay-planning dialogs.
#include <windows.h>
#include <gtest/gtest.h>

#include "config/settings.h"
#include "crash/stop_point_harness.h"
#include "pages/page_test_support.h"
#include "resources/ids.h"
#include "shell/main_dialog.h"
#include "support/gui.h"

namespace tav::test {
namespace {

constexpr const char* kCaption = "TAVIRO - Setup 1.58";

// Opens the Layplanning page, opens a dialog with `button`, changes it with `step` and
// confirms it, then cancels the main dialog.
void confirm_layplanning_dialog(int button, const char* caption, const std::function<void(HWND)>& step) {
  ModalScript script;
  script.on(kCaption, [&](HWND dialog) {
    select_tab(GetDlgItem(dialog, IDC_MAIN_TABS), kLayplanningTab);
    post_click(current_page(), button);
  });
  script.on(caption, [&](HWND dialog) {
    step(dialog);
    click(dialog, IDOK);
  });
  script.on(kCaption, [](HWND dialog) { SendMessageA(dialog, WM_COMMAND, IDCANCEL, 0); });
  script.run([] { run_main_dialog(nullptr); });
}

const CrashAction kMainDialogOk{
    "main dialog OK",
    [](const TestInstallation& installation) {
      installation.write("taviro.ini", "; users's comment\r\n[SCREEN]\r\nWIDTHMM=345\r\n[FOREIGN]\r\nKEY=1\r\n");
    },
    [] {
      ModalScript script;
      script.on(kCaption, [](HWND dialog) {
        settings().screen.widthmm = 400;
        PostMessageA(dialog, WM_COMMAND, IDOK, 0);
      });
      script.run([] { run_main_dialog(nullptr); });
    },
    {"taviro.ini"}};

const CrashAction kHemPosition{
    "hem position OK",
    [](const TestInstallation& installation) {
      installation.write("settngsb.ini", "[SB3]\r\nX=1\r\n[SB4]\r\nBAHN_ROT=-90\r\nKONSTR_ROT=0\r\n");
    },
    [] {
      confirm_layplanning_dialog(IDB_LAYPLAN_HEM_POSITION, "TAVIRO - Hem position", [](HWND dialog) {
        click(dialog, IDX_HEM_LAYPLAN_END);
        click(dialog, IDX_HEM_CONSTRUCTION_LEFT);
      });
    },
    {"settngsb.ini"}};

const CrashAction kLineTypes{
    "line types OK",
    [](const TestInstallation& installation) {
      installation.write("lintypes.ini", "[LT1]\r\nUSAGE=7\r\n[LT2]\r\nUSAGE=3\r\n[LT3]\r\nUSAGE=4\r\n");
    },
    [] {
      confirm_layplanning_dialog(IDB_LAYPLAN_LINE_TYPES, "TAVIRO - Line types",
                                 [](HWND dialog) { choose_combo_item(dialog, IDC_LINETYPES_GRAIN, 2); });
    },
    {"lintypes.ini"}};

const bool kRegistered =
    register_crash_action(kMainDialogOk) && register_crash_action(kHemPosition) && register_crash_action(kLineTypes);

TEST(StopAtEveryWrite, MainDialogAndLayplanningDialogs) {
  ASSERT_TRUE(kRegistered);
  stop_each_at_every_point({&kMainDialogOk, &kHemPosition, &kLineTypes});
}

}  // namespace
}  // namespace tav::test
