// Hostile files and folders, through the real program: whatever the installation holds,
// every page opens, the program tells the user where it has a message for it, and nothing is
// written half or over a file that could not be read.
#include <windows.h>
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "controls/page_contract.h"
#include "folders/folder_test_support.h"
#include "folders/network_dialog.h"
#include "pages/page_test_support.h"
#include "plotter/plotter_page.h"
#include "plotter/plotter_test_support.h"
#include "resources/ids.h"
#include "shell/main_dialog.h"
#include "support/gui.h"
#include "support/installation.h"

namespace tav::test {
namespace {

const std::string kBinary = std::string("\x00\xFF\x1A\r[\x80=\x00\n", 10) + std::string(3000, '\xE9') + "\0\0";
const std::string kLongLine = "[FOREIGN]\r\nKEY=" + std::string(1 << 20, 'x') + "\r\n";
const std::string kFiftyMegabytes = "[FOREIGN]\r\n" + std::string(50 << 20, 'y') + "\r\n";

// Opens every page, then ends the dialog with OK. With `warning`, the program's warning
// about the main configuration file must come first (and is answered). With `refused`, OK
// tells that the file cannot be written and the dialog stays: it is then cancelled.
void every_page_then_ok(bool warning = false, bool refused = false) {
  int pages = 0;
  ModalScript script;
  if (warning) {
    script.on(kMainCaption, [](HWND box) {
      EXPECT_EQ(GetDlgItem(box, IDC_MAIN_TABS), nullptr) << "the warning comes first";
      PostMessageA(box, WM_COMMAND, IDOK, 0);
    });
  }
  script.on(kMainCaption, [&](HWND dialog) {
    ASSERT_NE(GetDlgItem(dialog, IDC_MAIN_TABS), nullptr) << "an unexpected message";
    for (int tab = 0; tab < 9; ++tab) {
      select_tab(GetDlgItem(dialog, IDC_MAIN_TABS), tab);
      if (window_state().page) ++pages;
    }
    PostMessageA(dialog, WM_COMMAND, IDOK, 0);
  });
  if (refused) {
    script.on(kMainCaption, [](HWND box) {
      EXPECT_EQ(GetDlgItem(box, IDC_MAIN_TABS), nullptr) << "the refusal is told";
      click(box, IDOK);
    });
    script.on(kMainCaption, [](HWND dialog) { SendMessageA(dialog, WM_COMMAND, IDCANCEL, 0); });
  }
  script.run([] { run_main_dialog(nullptr); });
  EXPECT_GE(pages, 8) << "every page opens (the Language page closes itself on an old installation)";
}

struct MainFileCase {
  const char* name;
  std::function<void(const TestInstallation&)> lay_out;
  bool warned;           // the program says the file could not be used
  bool written;          // OK replaced the file
  bool refused = false;  // OK says the file cannot be written
};

TEST(HostileFiles, MainConfigurationFile) {
  const std::vector<MainFileCase> cases = {
      {"empty", [](const TestInstallation& i) { i.write("taviro.ini", ""); }, false, true},
      {"binary", [](const TestInstallation& i) { i.write("taviro.ini", kBinary); }, false, true},
      {"line of 1 MB", [](const TestInstallation& i) { i.write("taviro.ini", kLongLine); }, false, true},
      {"50 MB", [](const TestInstallation& i) { i.write("taviro.ini", kFiftyMegabytes); }, false, true},
      {"read-only",
       [](const TestInstallation& i) {
         i.write("taviro.ini", "[SCREEN]\r\nWIDTHMM=345\r\n");
         SetFileAttributesA(i.path("taviro.ini").c_str(), FILE_ATTRIBUTE_READONLY);
       },
       false, false, true},
      {"a folder in its place", [](const TestInstallation& i) { i.make_folder("taviro.ini"); }, true, false},
  };
  for (const MainFileCase& c : cases) {
    TestInstallation installation;
    c.lay_out(installation);
    const std::string before = installation.read("taviro.ini");
    const bool folder = GetFileAttributesA(installation.path("taviro.ini").c_str()) & FILE_ATTRIBUTE_DIRECTORY;
    every_page_then_ok(c.warned, c.refused);
    SetFileAttributesA(installation.path("taviro.ini").c_str(), FILE_ATTRIBUTE_NORMAL);
    if (folder) continue;
    const std::string after = installation.read("taviro.ini");
    if (!c.written) {
      EXPECT_EQ(after, before) << c.name;
    } else {
      // Everything the file held is still there; the settings follow it.
      EXPECT_EQ(after.compare(0, before.size(), before), 0) << c.name;
      EXPECT_NE(after.find("WIDTHMM="), std::string::npos) << c.name;
    }
  }
}

TEST(HostileFiles, MissingInstallationFolder) {
  TestInstallation installation;
  RemoveDirectoryA(installation.path("").c_str());
  every_page_then_ok(false, true);
  EXPECT_FALSE(installation.exists("taviro.ini")) << "nothing is created where the folder is missing";
}

// Files of the plotter folder, the measurement systems, the lay-planning files and the
// language files with contents no program wrote: every page opens, the Plotter page lists
// what it can, and the network configuration lists the systems it can read.
TEST(HostileFiles, OtherFilesOfTheInstallation) {
  for (const std::string& contents : {std::string(), kBinary, kLongLine}) {
    TestInstallation installation;
    installation.write("plotter\\ROLL60A.plt", driver_file("Rollenplotter 60"));
    installation.write("plotter\\ROLL60A.que", queue_file("Rolle", "ROLL60A.PLT"));
    installation.write("plotter\\BAD.que", contents);
    installation.write("plotter\\BAD.plt", contents);
    installation.make_folder("plotter\\FOLDER.que");
    installation.write("plotter\\Lange Datei mit \xE4.plt", driver_file("Umlaut \xE4\xF6\xFC"));
    installation.write("dob\\taviro_s.kon", contents);
    installation.write("settngsb.ini", contents);
    installation.write("lintypes.ini", contents);
    installation.write("language.ini", contents);
    installation.write("menues\\dialog.ini", contents);
    show_inactive_plotters() = true;
    every_page_then_ok();
    ModalScript script;
    script.on(kMainCaption, on_plotter_page([](HWND page) {
                EXPECT_NE(plotter_row(page, "ROLL60A", "ROLL60A"), -1);
                close_main_dialog();
              }));
    run_main_dialog_with(script);
    ModalScript network;
    network.on("TAVIRO - Setup - Network configuration", [](HWND dialog) { click(dialog, IDCANCEL); });
    network.run([] { open_network_dialog(nullptr); });
    EXPECT_EQ(installation.read("dob\\taviro_s.kon"), contents);
    show_inactive_plotters() = false;
  }
}

// Paths of 259, 260 and 300 characters for the plotter folder and a data folder: the pages
// and the network configuration open and show what they can.
TEST(HostileFiles, LongFolderPaths) {
  for (std::size_t length : {259u, 260u, 300u}) {
    TestInstallation installation;
    const std::string path = "\\taviro\\" + std::string(length - 9, 'p') + "\\";
    installation.write("taviro.ini", "[PATH]\r\nPATHPLOT=" + path + "\r\nPATHFORM=" + path + "\r\n");
    every_page_then_ok();
    ModalScript network;
    network.on("TAVIRO - Setup - Network configuration", [](HWND dialog) { click(dialog, IDCANCEL); });
    network.run([] { open_network_dialog(nullptr); });
    EXPECT_NE(installation.read("taviro.ini").find(path), std::string::npos) << length;
  }
}

}  // namespace
}  // namespace tav::test
