// Help and F1 open the help page of the tab or sub-dialog shown, in the dialog's language.
// The stand-in hh.exe beside the tests records the command line; the page it names is read
// from the real help file of the demo installation, which says in its "dialog" meta which
// dialog it documents and in its lang attribute its language.
//
// Faults caught:
// - Help or F1 on the main dialog opens the start page, not the tab shown;
// - F1 in a sub-dialog opens the page of the tab behind it (the sub-dialog not recognised,
//   also where its caption is the generic "TAVIRO - Setup" of the plot resolution);
// - a language opens another language's file or folder, or a page that file does not hold;
// - without the language's own file there is no help, instead of the English pages.
#include <windows.h>
#include <gtest/gtest.h>

#include <regex>
#include <string>
#include <vector>

#include "pages/page_test_support.h"
#include "plotter/plotter_page.h"
#include "plotter/plotter_test_support.h"
#include "resources/ids.h"
#include "resources/resource_reader.h"
#include "shell/help_file.h"
#include "shell/main_dialog.h"
#include "support/gui.h"
#include "support/installation.h"
#include "support/probe_log.h"

namespace tav {
namespace {

// How to reach a window: the tab, then buttons that each open a sub-dialog of that template.
struct Route {
  int tab;
  std::vector<std::pair<int, int>> buttons;  // button, template of the dialog it opens
  bool help_button;                          // Help pressed instead of F1
  int system_command = 0;                    // opens the first dialog from the system menu instead
};

// Presses F1 in the dialog as the keyboard does, and handles the key as the dialog's message
// loop does before the script goes on: on a busy machine the key can still be on its way when
// the next step closes the dialog.
void press_f1(HWND dialog) {
  SetForegroundWindow(dialog);
  INPUT inputs[2] = {};
  for (INPUT& input : inputs) {
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = VK_F1;
  }
  inputs[1].ki.dwFlags = KEYEVENTF_KEYUP;
  SendInput(2, inputs, sizeof(INPUT));
  const DWORD start = GetTickCount();
  for (;;) {
    MSG message;
    if (PeekMessageA(&message, nullptr, WM_KEYFIRST, WM_KEYLAST, PM_REMOVE)) {
      if (!IsDialogMessageA(dialog, &message)) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
      }
      if (message.message == WM_KEYUP && message.wParam == VK_F1) return;
    } else if (GetTickCount() - start > 10000) {
      ADD_FAILURE() << "F1 did not reach " << test::window_text(dialog);
      return;
    } else {
      MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_KEY);
    }
  }
}

// The caption of a template in the language the tests run with, as the dialog shows it.
std::string caption_of(int template_id) {
  const auto languages = test::all_templates().at(template_id);
  const auto form = languages.find(LANGIDFROMLCID(GetThreadLocale()));
  const std::wstring& caption = (form != languages.end() ? form : languages.begin())->second.caption;
  std::string text(caption.size() * 2 + 1, '\0');
  text.resize(
      static_cast<std::size_t>(WideCharToMultiByte(CP_ACP, 0, caption.c_str(), static_cast<int>(caption.size()),
                                                   text.data(), static_cast<int>(text.size()), nullptr, nullptr)));
  return text;
}

// The language and the first dialog that the page a command line opens names, read from
// the help file it names: "pl 103".
std::string page_opened_by(const std::string& command) {
  const std::size_t file_at = command.find(' ') + 1, topic_at = command.find("::");
  if (topic_at == std::string::npos) return "(no page)";
  const test::HelpFile file(command.substr(file_at, topic_at - file_at));
  const std::string page = file.read(command.substr(topic_at + 2)).value_or("");
  std::smatch lang, dialog;
  std::regex_search(page, lang, std::regex(R"(<html lang="([a-z]+)\")"));
  std::regex_search(page, dialog, std::regex(R"(<meta name="dialog" content="([0-9]+))"));
  return lang[1].str() + " " + dialog[1].str();
}

struct Opened {
  std::string command;  // that started the viewer
  std::string page;     // page_opened_by the command
};

// Follows the route on a test installation that carries the help files named, asks for help
// there and closes everything.
Opened ask_for_help(const Route& route, const std::vector<std::string>& help_files) {
  test::TestInstallation installation;
  installation.make_folder("hilfen");
  for (const std::string& file : help_files)
    EXPECT_TRUE(CopyFileA(("T:\\taviro\\hilfen\\" + file).c_str(), installation.path("hilfen\\" + file).c_str(), FALSE))
        << file;
  show_inactive_plotters() = true;
  installation.write("plotter\\PEN90.plt", test::driver_file("Stiftplotter 90"));
  test::ProbeLog log;
  test::ModalScript script;
  const std::string main_caption = caption_of(IDD_MAIN);
  script.on(main_caption, [&](HWND dialog) {
    test::select_tab(GetDlgItem(dialog, IDC_MAIN_TABS), route.tab);
    HWND page = test::current_page();
    if (route.tab == test::kPlotterTab) test::select_plotter_row(page, test::plotter_row(page, "PEN90", ""));
    if (route.system_command) {
      PostMessageA(dialog, WM_SYSCOMMAND, route.system_command, 0);
    } else if (route.buttons.empty()) {
      SetFocus(GetNextDlgTabItem(page, nullptr, FALSE));
      route.help_button ? test::click(dialog, IDB_MAIN_HELP) : press_f1(dialog);
    } else {
      test::post_click(page, route.buttons[0].first);
    }
  });
  for (std::size_t i = 0; i < route.buttons.size(); ++i) {
    const bool last = i + 1 == route.buttons.size();
    script.on(caption_of(route.buttons[i].second), [&route, i, last](HWND dialog) {
      last ? press_f1(dialog) : test::post_click(dialog, route.buttons[i + 1].first);
    });
  }
  for (std::size_t i = route.buttons.size(); i-- > 0;) {
    const int closing = route.buttons[i].second == IDD_CALIBRATION ? IDOK : IDCANCEL;
    script.on(caption_of(route.buttons[i].second), [closing](HWND dialog) { test::post_click(dialog, closing); });
  }
  script.on(main_caption, [](HWND dialog) { PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0); });
  script.run([] { run_main_dialog(nullptr); });
  show_inactive_plotters() = false;
  const auto lines = log.lines(1);
  if (lines.size() != 1) return {"(" + std::to_string(lines.size()) + " starts)", ""};
  const std::string command = lines[0].substr(0, lines[0].find('|'));
  return {command, page_opened_by(command)};
}

const std::vector<std::string> kAllHelpFiles = {"setup.chm", "setup_pl.chm", "setup_ru.chm", "setup_zh.chm"};

TEST(HelpTopic, HelpAndF1OpenThePageOfTheTabOrSubDialogShown) {
  const struct {
    const char* what;
    Route route;
    const char* command;
  } cases[] = {
      {"Help on the Options tab", {test::kOptionsTab, {}, true}, "options.html"},
      {"F1 on the Layplanning tab", {test::kLayplanningTab, {}, false}, "layplanning.html"},
      {"F1 in the screen calibration",
       {test::kScreenTab, {{IDB_SCREEN_CALIBRATE, IDD_CALIBRATION}}, false},
       "calibration.html"},
      {"F1 in the network configuration",
       {test::kDrivesTab, {{IDB_DRIVES_NETWORK, IDD_NETWORK}}, false},
       "network.html"},
      {"F1 in the hem position",
       {test::kLayplanningTab, {{IDB_LAYPLAN_HEM_POSITION, IDD_HEM_POSITION}}, false},
       "hem_position.html"},
      {"F1 in the line types",
       {test::kLayplanningTab, {{IDB_LAYPLAN_LINE_TYPES, IDD_LINE_TYPES}}, false},
       "line_types.html"},
      {"F1 in the serial port",
       {test::kPlotterTab, {{IDB_PLOTTER_SERIAL_PORT, IDD_SERIAL_PORT}}, false},
       "serial_port.html"},
      {"F1 in the plotter setup",
       {test::kPlotterTab, {{IDB_PLOTTER_SETTINGS, IDD_DRIVER_SETTINGS}}, false},
       "plotter_setup.html"},
      {"F1 in the plot resolution",
       {test::kPlotterTab,
        {{IDB_PLOTTER_SETTINGS, IDD_DRIVER_SETTINGS}, {IDB_DRIVER_ADAPT, IDD_PLOT_RESOLUTION}},
        false},
       "plot_resolution.html"},
      {"F1 in the earlier versions",
       {test::kScreenTab, {{0, IDD_EARLIER_VERSIONS}}, false, IDM_EARLIER_VERSIONS},
       "earlier_versions.html"},
      {"F1 in the installation check",
       {test::kScreenTab, {{0, IDD_INSTALLATION_CHECK}}, false, IDM_MAIN_INSTALLATION_CHECK},
       "command_line.html"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(ask_for_help(c.route, {"setup.chm"}).command,
              std::string("hh.exe \\taviro\\hilfen\\setup.chm::/en/") + c.command);
  }
}

// In each language the page comes from that language's file and folder, and is a page of
// that language about the dialog shown.
void expect_pages_in(const std::string& file, const std::string& language) {
  const std::string prefix = "hh.exe \\taviro\\hilfen\\" + file + "::/" + language + "/";
  const Opened tab = ask_for_help({test::kDrivesTab, {}, true}, kAllHelpFiles);
  EXPECT_EQ(tab.command, prefix + "drives.html");
  EXPECT_EQ(tab.page, language + " " + std::to_string(IDD_PAGE_DRIVES));
  const Opened dialog =
      ask_for_help({test::kLayplanningTab, {{IDB_LAYPLAN_LINE_TYPES, IDD_LINE_TYPES}}, false}, kAllHelpFiles);
  EXPECT_EQ(dialog.command, prefix + "line_types.html");
  EXPECT_EQ(dialog.page, language + " " + std::to_string(IDD_LINE_TYPES));
}

TEST(HelpTopic_de, GermanPagesOfSetupChm) { expect_pages_in("setup.chm", "de"); }
TEST(HelpTopic_fi, FinnishPagesOfSetupChm) { expect_pages_in("setup.chm", "fi"); }
TEST(HelpTopic_pl, PolishPagesOfTheirOwnFile) {
  expect_pages_in("setup_pl.chm", "pl");
  // An installation without the Polish file still has help: the English pages.
  EXPECT_EQ(ask_for_help({test::kScreenTab, {}, true}, {"setup.chm"}).command,
            "hh.exe \\taviro\\hilfen\\setup.chm::/en/screen.html");
}
TEST(HelpTopic_ru, RussianPagesOfTheirOwnFile) { expect_pages_in("setup_ru.chm", "ru"); }
TEST(HelpTopic_zh, ChinesePagesOfTheirOwnFile) { expect_pages_in("setup_zh.chm", "zh"); }

}  // namespace
}  // namespace tav
