// Every action that changes files, ended abruptly at each of its stop points: the main
// dialog's OK and the two lay-planning dialogs.
#include <windows.h>
#include <commctrl.h>
#include <gtest/gtest.h>

#include <string>

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

// Restores the earlier version of the main configuration file that holds WIDTHMM=300 (after a
// stop in the rotation of the copies, the first of them).
const CrashAction kRestore{
    "restore an earlier version",
    [](const TestInstallation& installation) {
      installation.write("taviro.ini", "[SCREEN]\r\nWIDTHMM=320\r\n");
      installation.write("taviro.bk0", "[SCREEN]\r\nWIDTHMM=300\r\n");
    },
    [] {
      ModalScript script;
      script.on(kCaption, [](HWND dialog) { PostMessageA(dialog, WM_SYSCOMMAND, IDM_EARLIER_VERSIONS, 0); });
      script.on("TAVIRO - Earlier versions", [](HWND dialog) {
        HWND list = GetDlgItem(dialog, IDC_VERSIONS_LIST);
        for (int row = 0; row < ListView_GetItemCount(list); ++row) {
          ListView_SetItemState(list, row, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
          wchar_t text[256] = {};
          GetDlgItemTextW(dialog, IDE_VERSIONS_CHANGES, text, 256);
          if (std::wstring(text).find(L"WIDTHMM: 300") != std::wstring::npos) break;
        }
        post_click(dialog, IDOK);
      });
      script.on("TAVIRO - Earlier versions", [](HWND box) { click(box, IDYES); });
      script.on(kCaption, [](HWND dialog) { SendMessageA(dialog, WM_COMMAND, IDCANCEL, 0); });
      script.run([] { run_main_dialog(nullptr); });
    },
    {"taviro.ini"},
    [](const TestInstallation& installation) {
      // Both versions are still there, in the file or among its copies.
      std::string found;
      for (const char* name : {"taviro.ini", "taviro.bk0", "taviro.bk1", "taviro.bk2"}) {
        found += installation.read(name) + "|";
      }
      for (const char* width : {"WIDTHMM=320", "WIDTHMM=300"}) {
        EXPECT_NE(found.find(width), std::string::npos) << width << " is lost";
      }
    }};

const bool kRegistered = register_crash_action(kMainDialogOk) && register_crash_action(kHemPosition) &&
                         register_crash_action(kLineTypes) && register_crash_action(kRestore);

TEST(StopAtEveryWrite, MainDialogAndLayplanningDialogs) {
  ASSERT_TRUE(kRegistered);
  stop_each_at_every_point({&kMainDialogOk, &kHemPosition, &kLineTypes, &kRestore});
}

}  // namespace
}  // namespace tav::test
