// Help button and the start-up's log file.
#include <windows.h>
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "resources/ids.h"
#include "shell/help_file.h"
#include "shell/main_dialog.h"
#include "shell/startup.h"
#include "support/gui.h"
#include "support/installation.h"
#include "support/probe_log.h"

namespace tav {
namespace {

const char* const kCaption = "TAVIRO - Setup 1.58";

// Opens the main dialog, notes whether Help is shown, runs before_press, presses Help and cancels.
bool press_help(const std::function<void()>& before_press = [] {}) {
  bool shown = false;
  test::ModalScript script;
  script.on(kCaption, [&](HWND dialog) {
    shown = test::is_visible(dialog, IDB_MAIN_HELP);
    before_press();
    SendMessageA(dialog, WM_COMMAND, IDB_MAIN_HELP, 0);
    SendMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
  });
  script.run([] { run_main_dialog(nullptr); });
  return shown;
}

// Help is shown where there is a help file and starts the viewer at the page of the tab shown
// without waiting for it, the file in the current folder first; without a file, or once the file is gone, it starts
// nothing.
TEST(Help, ShownAndOpenedWhereThereIsAHelpFile) {
  const struct {
    const char* what;
    bool installed, in_current_folder, removed_before_press;
    std::vector<std::string> commands;
  } cases[] = {
      {"no help file", false, false, false, {}},
      {"the installation's help file", true, false, false, {"hh.exe \\taviro\\hilfen\\setup.chm::/en/screen.html"}},
      {"a help file in the current folder too", true, true, false, {"hh.exe setup.chm::/en/screen.html"}},
      {"the help file removed after the dialog opened", true, false, true, {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    test::TestInstallation installation;
    if (c.installed) installation.write("hilfen\\setup.chm", "help");
    if (c.in_current_folder) {
      ASSERT_TRUE(CopyFileA("U:\\taviro\\hilfen\\setup.chm", "U:\\setup.chm", FALSE));
    }
    test::ProbeLog log;
    EXPECT_EQ(press_help([&] {
                if (c.removed_before_press) installation.remove("hilfen\\setup.chm");
              }),
              c.installed);
    DeleteFileA("U:\\setup.chm");
    std::vector<std::string> commands;
    for (const std::string& line : log.lines(1, c.commands.empty() ? 1000 : test::ProbeLog::kStartTimeout))
      commands.push_back(line.substr(0, line.find('|')));
    EXPECT_EQ(commands, c.commands);
  }
}

// Presses Help on an installation that carries the demo installation's help file; gives the
// command line that started the viewer and the page of the help file it opens.
std::pair<std::string, std::string> command_and_page_of_help() {
  test::TestInstallation installation;
  installation.make_folder("hilfen");
  EXPECT_TRUE(CopyFileA("T:\\taviro\\hilfen\\setup.chm", installation.path("hilfen\\setup.chm").c_str(), FALSE))
      << "the demo installation on T: has no help file";
  test::ProbeLog log;
  press_help();
  const auto lines = log.lines(1);
  if (lines.size() != 1) return {};
  const std::string command = lines[0].substr(0, lines[0].find('|'));
  const std::string argument = command.substr(command.find(' ') + 1);
  const std::size_t topic_at = argument.find("::");
  const test::HelpFile file(argument.substr(0, topic_at));
  // Without a page after the file name the viewer shows the file's default topic.
  std::string topic = "/";
  topic += topic_at == std::string::npos ? file.default_topic() : argument.substr(topic_at + 3);
  return {command, file.read(topic).value_or("")};
}

TEST(Help, OpensTheEnglishPageOfTheFirstTab) {
  const auto [command, page] = command_and_page_of_help();
  EXPECT_EQ(command, "hh.exe \\taviro\\hilfen\\setup.chm::/en/screen.html");
  EXPECT_NE(page.find("<html lang=\"en\">"), std::string::npos) << page.substr(0, 200);
}

TEST(Help_de, OpensTheGermanPageOfTheFirstTab) {
  const auto [command, page] = command_and_page_of_help();
  EXPECT_EQ(command, "hh.exe \\taviro\\hilfen\\setup.chm::/de/screen.html");
  EXPECT_NE(page.find("<html lang=\"de\">"), std::string::npos) << page.substr(0, 200);
}

class Environment {
 public:
  explicit Environment(const char* name) : name_(name) {
    char value[1024] = {};
    had_ = GetEnvironmentVariableA(name, value, sizeof value) > 0;
    old_ = value;
  }
  ~Environment() { SetEnvironmentVariableA(name_, had_ ? old_.c_str() : nullptr); }
  void set(const char* value) { SetEnvironmentVariableA(name_, value); }

 private:
  const char* name_;
  bool had_ = false;
  std::string old_;
};

TEST(Startup, LogFileNameFollowsTmp) {
  Environment tmp("TMP");
  tmp.set("C:\\Temp");
  EXPECT_EQ(log_file_name(), "C:\\Temp\\tvrsetup.log");
  tmp.set(nullptr);
  EXPECT_EQ(log_file_name(), "c:\\tvrsetup.log");
  tmp.set("");
  EXPECT_EQ(log_file_name(), "c:\\tvrsetup.log");
  const std::string long_folder = "C:\\" + std::string(120, 'x');
  tmp.set(long_folder.c_str());
  EXPECT_EQ(log_file_name(), long_folder + "\\tvrsetup.log");
}

TEST(Startup, RunCreatesTheLogFileAndEndsWithZero) {
  test::TestInstallation installation;
  installation.make_folder("tmp");
  Environment tmp("TMP");
  tmp.set("U:\\taviro\\tmp");
  test::ModalScript script;
  script.on(kCaption, [](HWND dialog) { SendMessageA(dialog, WM_COMMAND, IDCANCEL, 0); });
  int exit_code = -1;
  script.run([&] { exit_code = run_setup(GetModuleHandleA(nullptr)); });
  EXPECT_EQ(exit_code, 0);
  EXPECT_TRUE(installation.exists("tmp\\tvrsetup.log"));
  EXPECT_EQ(installation.read("tmp\\tvrsetup.log"), "");
}

}  // namespace
}  // namespace tav
