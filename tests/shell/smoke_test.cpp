// Every page and sub-dialog opens in each language of the user interface, on an
// installation like a user's (the demo installation of drive T:, copied to the test drive).
#include <windows.h>
#include <gtest/gtest.h>

#include "resources/ids.h"
#include "shell/app_state.h"
#include "shell/main_dialog.h"
#include "support/gui.h"
#include "support/installation.h"

namespace tav {
namespace {

// Copies a folder tree; true when every file was copied.
bool copy_tree(const std::string& from, const std::string& to) {
  bool ok = test::make_folders(to);
  WIN32_FIND_DATAA entry;
  HANDLE search = FindFirstFileA((from + "\\*").c_str(), &entry);
  if (search == INVALID_HANDLE_VALUE) return false;
  do {
    const std::string name = entry.cFileName;
    if (name == "." || name == "..") continue;
    if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
      ok = copy_tree(from + "\\" + name, to + "\\" + name) && ok;
    } else {
      ok = CopyFileA((from + "\\" + name).c_str(), (to + "\\" + name).c_str(), FALSE) && ok;
    }
  } while (FindNextFileA(search, &entry));
  FindClose(search);
  return ok;
}

void open_everything(const char* calibration_caption) {
  test::TestInstallation installation;
  ASSERT_TRUE(copy_tree("T:\\taviro", "U:\\taviro")) << "the demo installation on T: is missing";
  const std::string before = installation.read("taviro.ini");
  int pages_seen = 0;
  bool calibration_seen = false;
  test::ModalScript script;
  script.on("TAVIRO - Setup 1.58", [&](HWND dialog) {
    HWND tabs = GetDlgItem(dialog, IDC_MAIN_TABS);
    for (int tab = 8; tab >= 0; --tab) {
      test::select_tab(tabs, tab);
      if (window_state().page && IsWindowVisible(window_state().page)) ++pages_seen;
    }
    test::post_click(window_state().page, IDB_SCREEN_CALIBRATE);
  });
  script.on(calibration_caption, [&](HWND calibration) {
    calibration_seen = true;
    test::post_click(calibration, IDOK);
  });
  script.on("TAVIRO - Setup 1.58", [](HWND dialog) { SendMessageA(dialog, WM_COMMAND, IDCANCEL, 0); });
  script.run([] { run_main_dialog(nullptr); });
  EXPECT_EQ(pages_seen, 9);
  EXPECT_TRUE(calibration_seen);
  EXPECT_EQ(installation.read("taviro.ini"), before);
}

TEST(Smoke, EveryPageAndSubDialogOpensInEnglish) { open_everything("TAVIRO - Adjust screen size"); }

TEST(Smoke_de, EveryPageAndSubDialogOpensInGerman) {
  open_everything("TAVIRO - Bildschirmgr\xf6\xdf" "e einstellen");
}

}  // namespace
}  // namespace tav
