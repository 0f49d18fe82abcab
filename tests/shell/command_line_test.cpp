// The command line through the real program, started as an administrator's batch file
// would, with its output redirected to a file. Faults caught here:
// - an import of what was just exported changes a byte of the installation;
// - an import changes keys its file does not name, or makes no backup before a change;
// - a refused or unreadable FILE changes the installation, or the message does not name
//   the line, or the exit code or the log line is missing;
// - /? or a bad argument gives the wrong exit code, or no text reaches the redirected output;
// - the check misses a file, folder or key that a page leaves out, or flags one it lists;
// - the system menu of the main dialog does not open the check, or the check cannot be
//   closed from the keyboard.
#include "shell/command_line.h"

#include <windows.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "plotter/driver_text.h"
#include "resources/ids.h"
#include "shell/main_dialog.h"
#include "shell/startup.h"
#include "support/gui.h"
#include "support/installation.h"
#include "support/temp_folder.h"
#include "tools/child_process.h"

namespace tav {
namespace {

struct Outcome {
  DWORD exit_code = 0;
  std::vector<std::string> lines;  // the output, line by line
};

std::vector<std::string> lines_of(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t begin = 0;
  while (begin < text.size()) {
    std::size_t end = text.find("\r\n", begin);
    if (end == std::string::npos) end = text.size();
    lines.push_back(text.substr(begin, end - begin));
    begin = end + 2;
  }
  return lines;
}

// Runs tvrsetup.exe (beside the test program's folder) in the current folder, U:\.
Outcome run_program(const std::string& arguments) {
  char tests[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, tests, MAX_PATH);
  std::string program = tests;
  program = program.substr(0, program.rfind('\\'));
  program = program.substr(0, program.rfind('\\')) + "\\tvrsetup.exe";
  test::TempFolder folder;
  Outcome outcome;
  outcome.exit_code =
      child::run_to_end("\"" + program + "\" " + arguments, folder.file("output.txt").c_str(), nullptr, 60000);
  EXPECT_NE(outcome.exit_code, child::kNotStarted) << program;
  EXPECT_NE(outcome.exit_code, child::kTimedOut) << program;
  outcome.lines = lines_of(folder.read("output.txt"));
  return outcome;
}

std::size_t log_size() {
  WIN32_FILE_ATTRIBUTE_DATA data{};
  return GetFileAttributesExA(log_file_name().c_str(), GetFileExInfoStandard, &data) ? data.nFileSizeLow : 0;
}

const std::string kMainFile =
    "; settings of the TAVIRO programs\r\n[SCREEN]\r\nWIDTHMM = 310\r\nBACKGROUND=7\r\n[PATH]\r\nDRIVES=.\r\n"
    "MSEXCELRUN=\"c:\\office\\calc.exe\"\r\n[OPTIONS]\r\nSAVEMINUTES=5\r\nLANGUAGE=0440\r\n[MARKER]\r\n"
    "AUTONESTEREXEC=c:\\nest\\nest.exe\r\nAUTONESTERKEY=0\r\n[OTHER]\r\nKEPT=yes\r\n";

TEST(CommandLine, ImportOfAnExportChangesNoByte) {
  test::TestInstallation installation;
  installation.write("taviro.ini", kMainFile);
  const Outcome exported = run_program("/export U:\\settings.ini");
  EXPECT_EQ(exported.exit_code, 0u);
  ASSERT_EQ(exported.lines.size(), 1u);
  EXPECT_NE(exported.lines[0].find("settings written to U:\\settings.ini."), std::string::npos);
  const Outcome imported = run_program("/import U:\\settings.ini");
  EXPECT_EQ(imported.exit_code, 0u);
  EXPECT_EQ(installation.read("taviro.ini"), kMainFile);
  EXPECT_FALSE(installation.exists("taviro.bk0"));
}

TEST(CommandLine, ImportChangesOnlyTheKeysItNamesAfterABackup) {
  test::TestInstallation installation;
  installation.write("taviro.ini", kMainFile);
  installation.write("..\\part.ini",
                     "[options]\r\nSaveMinutes=20\r\n[PATH]\r\nMSEXCELRUN=\"c:\\office\\calc.exe\"\r\n");
  const Outcome imported = run_program("/import U:\\part.ini");
  EXPECT_EQ(imported.exit_code, 0u);
  std::string expected = kMainFile;
  expected.replace(expected.find("SAVEMINUTES=5"), 13, "SAVEMINUTES=20");
  EXPECT_EQ(installation.read("taviro.ini"), expected);
  EXPECT_EQ(installation.read("taviro.bk0"), kMainFile);
  EXPECT_EQ(imported.lines, std::vector<std::string>{
                                "1 settings of U:\\part.ini applied; the previous file is kept as a backup copy."});
}

TEST(CommandLine, RefusedOrUnreadableFileChangesNothing) {
  const struct {
    const char* file;  // nullptr: no such file
    const char* message;
  } rows[] = {
      {"[OPTIONS]\r\nSAVEMINUTES=20\r\n[OPTIONS]\r\nSAVEMINUTE=20\r\n",
       "U:\\in.ini, line 4: OPTIONS/SAVEMINUTE is not a setting of TAVIRO Setup. Nothing was changed."},
      {"[OPTIONS]\r\nBAKMAX=12\r\n",
       "U:\\in.ini, line 2: OPTIONS/BAKMAX=12 is not between 0 and 9. Nothing was changed."},
      {"[SCREEN]\r\nWIDTHMM=wide\r\n",
       "U:\\in.ini, line 2: SCREEN/WIDTHMM=wide is not a whole number. Nothing was changed."},
      {nullptr, "The file U:\\in.ini could not be read: "},
  };
  for (const auto& row : rows) {
    test::TestInstallation installation;
    installation.write("taviro.ini", kMainFile);
    if (row.file) installation.write("..\\in.ini", row.file);
    const std::size_t logged = log_size();
    const Outcome outcome = run_program("/import U:\\in.ini");
    EXPECT_EQ(outcome.exit_code, 2u) << row.message;
    ASSERT_FALSE(outcome.lines.empty()) << row.message;
    EXPECT_EQ(outcome.lines[0].rfind(row.message, 0), 0u) << outcome.lines[0];
    EXPECT_EQ(installation.read("taviro.ini"), kMainFile);
    EXPECT_GT(log_size(), logged) << row.message;
    installation.remove("..\\in.ini");
  }
}

TEST(CommandLine, UsageAndBadArguments) {
  test::TestInstallation installation;
  const struct {
    const char* arguments;
    DWORD exit_code;
    const char* first_line;
  } rows[] = {
      {"/?", 0, "Usage: tvrsetup.exe [/export FILE | /import FILE | /check | /?]"},
      {"-EXPORT", 2, "Unknown command or missing file: -EXPORT"},
      {"/check now", 2, "Unknown command or missing file: /check now"},
  };
  for (const auto& row : rows) {
    const Outcome outcome = run_program(row.arguments);
    EXPECT_EQ(outcome.exit_code, row.exit_code) << row.arguments;
    ASSERT_FALSE(outcome.lines.empty()) << row.arguments;
    EXPECT_EQ(outcome.lines[0], row.first_line);
  }
}

// An installation with one of each thing the pages leave out, beside things they list.
void lay_out_flawed_installation(const test::TestInstallation& installation) {
  installation.add_program_files();
  installation.write("settings.ini", "[SHELL]\r\nLASTVERSION=1100\r\n");
  installation.write("taviro.ini", "[PATH]\r\nPATHSYMB=\\taviro\\nowhere\\\r\n");
  for (const char* folder : {"forms", "prog", "texte"}) installation.make_folder(folder);
  installation.write("plotter\\ISOQ.QUE", "[DEVICE]\r\nNAME=Iso\r\nDRIVER=ISOPLOT.PLT\r\n");
  installation.write("plotter\\GOOD.PLT", test::DriverText{}.build());
  test::DriverText short_driver;
  short_driver.bracket_lines = 40;
  installation.write("plotter\\SHORT.PLT", short_driver.build());
  installation.write("0440\\language.ini", "[LANGUAGE]\r\nNAMEEXACT=english\r\nVERSION=1100\r\n");
  installation.write("0330\\language.ini", "[LANGUAGE]\r\nNAMEEXACT=francais\r\nVERSION=1079\r\n");
  installation.write("herren\\taviro_s.kon", "Herren\r\nHERREN\r\n\r\n");
  installation.write("damen\\taviro_s.kon", "Damen\r\nHERREN\r\n\r\n");
}

TEST(CommandLine, CheckNamesWhatThePagesLeaveOut) {
  test::TestInstallation installation;
  lay_out_flawed_installation(installation);
  const Outcome outcome = run_program("/check");
  EXPECT_EQ(outcome.exit_code, 3u);
  const std::vector<std::string> expected = {
      "Problems found by the installation check: 5",
      "\\taviro\\plotter\\ISOQ.QUE: prints through the ISO driver ISOPLOT.PLT; not in the plotter list",
      "\\taviro\\plotter\\SHORT.PLT: has 40 of the 51 bracket lines of a plotter driver; not in the plotter list",
      "\\taviro\\0330: made for version 10.79, the installation is version 11.00; not in the language list",
      "\\taviro\\DAMEN\\taviro_s.kon: its code HERREN names another folder; cannot be relocated",
      "PATH/PATHSYMB: the folder \\taviro\\nowhere\\ is missing",
  };
  EXPECT_EQ(outcome.lines, expected);
}

TEST(InstallationCheck, OpensFromTheSystemMenuAndClosesWithEscape) {
  test::TestInstallation installation;
  lay_out_flawed_installation(installation);
  std::vector<std::string> shown;
  test::ModalScript script;
  script
      .on("TAVIRO - Setup 1.58",
          [](HWND dialog) { PostMessageA(dialog, WM_SYSCOMMAND, IDM_MAIN_INSTALLATION_CHECK, 0); })
      .on("TAVIRO - Setup - Installation check",
          [&](HWND check) {
            HWND list = GetDlgItem(check, IDC_CHECK_LIST);
            shown = test::list_items(check, IDC_CHECK_LIST);
            EXPECT_EQ(GetFocus(), list);
            PostMessageA(list, WM_KEYDOWN, VK_ESCAPE, 0);  // the dialog manager turns it into Close
          })
      .on("TAVIRO - Setup 1.58", [](HWND dialog) { SendMessageA(dialog, WM_COMMAND, IDCANCEL, 0); });
  script.run([] { run_main_dialog(nullptr); });
  ASSERT_EQ(shown.size(), 5u);
  EXPECT_EQ(shown[4], "PATH/PATHSYMB: the folder \\taviro\\nowhere\\ is missing");
}

}  // namespace
}  // namespace tav
