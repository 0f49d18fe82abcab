// The Layplanning page through its real controls, ending in what OK writes to the main
// configuration file; "Search" with the system's file-open dialog and, for the retry after
// an invalid preset name, with the chooser's replaceable dialog calls.
#include <windows.h>
#include <cderr.h>
#include <dlgs.h>
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "controls/open_file_dialog.h"
#include "pages/page_test_support.h"
#include "resources/ids.h"
#include "shell/main_dialog.h"
#include "support/gui.h"
#include "support/installation.h"

namespace tav {
namespace {

using test::main_value;

// An installation of the given version (version x 100) with these MARKER keys.
void install(const test::TestInstallation& installation, int version, const std::string& marker_keys) {
  installation.add_program_files();
  installation.write("settings.ini", "[SHELL]\r\nLASTVERSION=" + std::to_string(version) + "\r\n");
  installation.write("taviro.ini", "[MARKER]\r\n" + marker_keys);
}

void on_page(const std::function<void(HWND page)>& step) {
  test::with_page(
      test::kLayplanningTab, [&](HWND page, HWND) { step(page); }, IDOK);
}

std::string autonester_written() {
  return main_value("MARKER", "AUTONESTEREXEC") + " | " + main_value("MARKER", "AUTONESTERPATH") + " | " +
         main_value("MARKER", "AUTONESTERKEY");
}

bool program_usable(HWND page) {
  const bool usable = test::is_enabled(page, IDE_LAYPLAN_PROGRAM);
  EXPECT_EQ(test::is_enabled(page, IDB_LAYPLAN_SEARCH), usable);
  EXPECT_EQ(test::is_enabled(page, IDT_LAYPLAN_PROGRAM), usable);
  return usable;
}

TEST(LayplanningPage, LetterHeightsInWholeMillimetresAndTheTwoOptions) {
  test::TestInstallation installation;
  install(installation, 1100, "MINPLOTLETTER=45\r\nMINPRINTLETTER=38\r\nADDSIZETOFNAME=1\r\n");
  on_page([](HWND page) {
    EXPECT_EQ(test::item_text(page, IDE_LAYPLAN_MIN_PLOT_LETTER), "4");
    EXPECT_EQ(test::item_text(page, IDE_LAYPLAN_MIN_PRINT_LETTER), "3");
    EXPECT_TRUE(test::is_checked(page, IDX_LAYPLAN_ADD_SIZE));
    test::set_item_text(page, IDE_LAYPLAN_MIN_PRINT_LETTER, "214748365");  // too large for tenths: not taken
    test::click(page, IDX_LAYPLAN_ADD_SIZE);
    test::click(page, IDX_LAYPLAN_ONE_PATH);
  });
  EXPECT_EQ(main_value("MARKER", "MINPLOTLETTER"), "40");
  EXPECT_EQ(main_value("MARKER", "MINPRINTLETTER"), "38");
  EXPECT_EQ(main_value("MARKER", "ADDSIZETOFNAME"), "0");
  EXPECT_EQ(main_value("MARKER", "ONEPATHONLY"), "1");
}

TEST(LayplanningPage, AutonesterKeysFollowTheProgramAndTheVersion) {
  test::TestInstallation installation;
  install(installation, 899, "AUTONESTEREXEC=C:\\nest\\nest.exe\r\nAUTONESTERKEY=0\r\n");
  on_page([](HWND page) {
    EXPECT_FALSE(test::is_enabled(page, IDX_LAYPLAN_USE_AUTONESTER));
    EXPECT_FALSE(program_usable(page));
  });
  EXPECT_EQ(autonester_written(), " |  | 0");

  install(installation, 900, "AUTONESTEREXEC=C:\\nest\\nest.exe\r\nAUTONESTERKEY=0\r\n");
  on_page([](HWND page) {
    // Switched off by its key: the program is shown, usable once the box is checked.
    EXPECT_FALSE(test::is_checked(page, IDX_LAYPLAN_USE_AUTONESTER));
    EXPECT_EQ(test::item_text(page, IDE_LAYPLAN_PROGRAM), "C:\\nest\\nest.exe");
    EXPECT_FALSE(program_usable(page));
    test::click(page, IDX_LAYPLAN_USE_AUTONESTER);
    EXPECT_TRUE(program_usable(page));
  });
  EXPECT_EQ(autonester_written(), "C:\\nest\\nest.exe | C:\\nest\\ | 1");

  on_page([](HWND page) { test::set_item_text(page, IDE_LAYPLAN_PROGRAM, "nest.exe"); });
  EXPECT_EQ(autonester_written(), "nest.exe | .\\ | 1");

  on_page([](HWND page) { test::click(page, IDX_LAYPLAN_USE_AUTONESTER); });
  EXPECT_EQ(autonester_written(), " |  | 0");
}

TEST(LayplanningPage, SearchShowsTheChosenProgram) {
  test::TestInstallation installation;
  install(installation, 1100, "");
  installation.write("nest\\nester.exe", "");
  const std::string program = installation.path("nest\\nester.exe");
  test::ModalScript script;
  script.on("TAVIRO - Setup 1.58", [](HWND dialog) {
    test::select_tab(GetDlgItem(dialog, IDC_MAIN_TABS), test::kLayplanningTab);
    test::click(test::current_page(), IDX_LAYPLAN_USE_AUTONESTER);
    test::post_click(test::current_page(), IDB_LAYPLAN_SEARCH);
  });
  script.on("TAVIRO - Autonester", [&](HWND dialog) {
    HWND name = GetDlgItem(dialog, edt1) ? GetDlgItem(dialog, edt1) : GetDlgItem(dialog, cmb13);
    SetWindowTextA(name, program.c_str());
    PostMessageA(dialog, WM_COMMAND, IDOK, 0);
  });
  script.on("TAVIRO - Setup 1.58", [](HWND dialog) { SendMessageA(dialog, WM_COMMAND, IDOK, 0); });
  script.run([] { run_main_dialog(nullptr); });
  EXPECT_EQ(lstrcmpiA(main_value("MARKER", "AUTONESTEREXEC").c_str(), program.c_str()), 0);
  char current[MAX_PATH] = {};
  GetCurrentDirectoryA(MAX_PATH, current);
  EXPECT_STREQ(current, "U:\\") << "the dialog leaves the current folder as it was";
}

// Stand-in for the system's open dialog: Windows refuses a preset such as "nest.exe /x" as
// an invalid file name, which Wine's dialog does not. An empty name is answered with
// g_answer, or cancelled when that is empty.
std::vector<std::string> g_presets;
std::string g_answer;
BOOL WINAPI refusing_open(OPENFILENAMEA* request) {
  g_presets.push_back(request->lpstrFile);
  EXPECT_STREQ(request->lpstrTitle, "TAVIRO - Autonester");
  EXPECT_EQ(request->nMaxFile, 260u);
  if (request->lpstrFile[0] != '\0' || g_answer.empty()) return FALSE;
  lstrcpynA(request->lpstrFile, g_answer.c_str(), static_cast<int>(request->nMaxFile));
  return TRUE;
}
DWORD WINAPI invalid_name_error() { return g_presets.back() == "*.exe" ? 0 : FNERR_INVALIDFILENAME; }

TEST(LayplanningPage, SearchRetriesAnInvalidPresetWithAnEmptyName) {
  test::TestInstallation installation;
  install(installation, 1100, "AUTONESTEREXEC=nest.exe /x\r\nAUTONESTERKEY=AB12\r\n");
  controls::ScopedOpenDialog fake({refusing_open, invalid_name_error});
  const struct {
    const char* typed;
    std::string answer;
    std::vector<std::string> presets;
    const char* shown;
  } cases[] = {{"nest.exe /x", "C:\\nest\\chosen.exe", {"nest.exe /x", ""}, "C:\\nest\\chosen.exe"},
               {"", "C:\\nest\\chosen.exe", {"*.exe"}, ""}};  // an empty program offers *.exe; cancelled
  for (const auto& c : cases) {
    g_presets.clear();
    g_answer = c.answer;
    on_page([&](HWND page) {
      test::set_item_text(page, IDE_LAYPLAN_PROGRAM, c.typed);
      test::click(page, IDB_LAYPLAN_SEARCH);
      EXPECT_EQ(test::item_text(page, IDE_LAYPLAN_PROGRAM), c.shown) << c.typed;
    });
    EXPECT_EQ(g_presets, c.presets) << c.typed;
  }
}

}  // namespace
}  // namespace tav
