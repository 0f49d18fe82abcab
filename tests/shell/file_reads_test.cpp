// How often the program opens each file: once per step of the start-up and once per page
// shown, however many keys it reads from it.
#include <windows.h>
#include <commctrl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>

#include "controls/page_contract.h"
#include "resources/ids.h"
#include "shell/main_dialog.h"
#include "shell/startup.h"
#include "support/gui.h"
#include "support/installation.h"
#include "util/atomic_file.h"

namespace tav {
namespace {

std::map<std::string, int> g_opened;

void record(const char* path) {
  std::string name(path);
  std::transform(name.begin(), name.end(), name.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  ++g_opened[name];
}

// The files opened since the last call, with their counts.
std::map<std::string, int> take_opened() {
  std::map<std::string, int> opened;
  opened.swap(g_opened);
  return opened;
}

std::string listed(const std::map<std::string, int>& opened) {
  std::string text;
  for (const auto& [path, count] : opened) text += path + " x" + std::to_string(count) + "\n";
  return text;
}

void expect_each_once(const std::map<std::string, int>& opened, const std::string& step) {
  for (const auto& [path, count] : opened) EXPECT_EQ(count, 1) << step << ":\n" << listed(opened);
}

TEST(FileReads, EachFileOncePerStartUpStepAndPerPageShown) {
  test::TestInstallation installation;
  installation.add_program_files();
  installation.write("settings.ini", "[SHELL]\r\nLASTVERSION=1100\r\n");
  installation.write("taviro.ini",
                     "[OPTIONS]\r\nLANGUAGE=0440\r\nBAKMAX=3\r\n[PATH]\r\nPATHPLOT=\\taviro\\plotter\\\r\n");
  installation.write("language.ini", "[LANGUAGE]\r\nNAMEEXACT=deutsch\r\nNAMEENGLISH=german\r\n");
  installation.write("0440\\language.ini",
                     "[LANGUAGE]\r\nNAMEEXACT=english\r\nNAMEENGLISH=english\r\nVERSION=1100\r\n");
  installation.write("0440\\menues\\dialog.ini", "[STANDARD]\r\nA=Text\r\n[TOOLBOX]\r\nB0=#A#\r\n");
  installation.write("plotter\\Q0000001.que", "[DEVICE]\r\nNAME=Plotter\r\nDRIVER=D1.PLT\r\n");
  set_file_open_observer(record);

  prepare_run(GetModuleHandleA(nullptr));
  std::map<std::string, int> opened = take_opened();
  expect_each_once(opened, "language step and menu texts");
  EXPECT_EQ(opened["\\taviro\\taviro.ini"], 1);
  EXPECT_EQ(opened[".\\0440\\language.ini"], 1) << listed(opened);

  test::ModalScript script;
  script.on("TAVIRO - Setup 1.58", [&](HWND dialog) {
    opened = take_opened();
    expect_each_once(opened, "dialog opened");
    EXPECT_EQ(opened["\\taviro\\taviro.ini"], 1);
    HWND tabs = GetDlgItem(dialog, IDC_MAIN_TABS);
    const int count = static_cast<int>(SendMessageA(tabs, TCM_GETITEMCOUNT, 0, 0));
    // The two settings the file utilities read once per run, at their first use, are read
    // in the first round; the second round shows what a page reads each time it is shown.
    for (int round = 1; round <= 2; ++round) {
      for (int tab = 0; tab < count; ++tab) {
        test::select_tab(tabs, (tab + 1) % count);
        const std::map<std::string, int> shown = take_opened();
        if (round == 2) expect_each_once(shown, "tab " + std::to_string((tab + 1) % count));
      }
    }
    SendMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
  });
  script.run([] { run_main_dialog(nullptr); });
  set_file_open_observer(nullptr);
}

}  // namespace
}  // namespace tav
