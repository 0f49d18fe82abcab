// Every page and sub-dialog opens in each language of the user interface, on an
// installation like a user's (the demo installation of drive T:, copied to the test drive).
// The sub-dialogs are recognised by their captions in that language; Cancel (or OK where a
// dialog has nothing else) closes each, so the main configuration file stays as it was.
#include <windows.h>
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "controls/page_contract.h"
#include "plotter/plotter_test_support.h"
#include "resources/ids.h"
#include "shell/main_dialog.h"
#include "support/gui.h"
#include "support/installation.h"

namespace tav {
namespace {

// Captions of the sub-dialogs in one language, UTF-8.
struct Captions {
  const char* calibration;
  const char* network;
  const char* serial_port;
  const char* driver_settings;
  const char* hem_position;
  const char* line_types;
};

// A UTF-8 text in the ANSI code page, as the dialogs' captions read.
std::string ansi(const char* utf8) {
  std::wstring wide(std::strlen(utf8) + 1, L'\0');
  wide.resize(static_cast<std::size_t>(
      MultiByteToWideChar(CP_UTF8, 0, utf8, -1, wide.data(), static_cast<int>(wide.size())) - 1));
  std::string text(wide.size() * 2 + 1, '\0');
  text.resize(static_cast<std::size_t>(
      WideCharToMultiByte(CP_ACP, 0, wide.c_str(), -1, text.data(), static_cast<int>(text.size()), nullptr, nullptr) -
      1));
  return text;
}

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

// On the main dialog: switch to a tab, then open a sub-dialog with a button of its page.
test::ModalScript::Step open_from(int tab, int button, int select_row = -1) {
  return [=](HWND dialog) {
    test::select_tab(GetDlgItem(dialog, IDC_MAIN_TABS), tab);
    if (select_row >= 0) test::select_plotter_row(window_state().page, select_row);
    test::post_click(window_state().page, button);
  };
}

void open_everything(const Captions& captions) {
  test::TestInstallation installation;
  ASSERT_TRUE(copy_tree("T:\\taviro", "U:\\taviro")) << "the demo installation on T: is missing";
  const std::string before = installation.read("taviro.ini");
  const char* const main_caption = "TAVIRO - Setup 1.58";
  int pages_seen = 0;
  int dialogs_seen = 0;
  const auto close_with = [&](int id) {
    return [&dialogs_seen, id](HWND dialog) {
      ++dialogs_seen;
      test::click(dialog, id);
    };
  };
  test::ModalScript script;
  script.on(main_caption, [&](HWND dialog) {
    HWND tabs = GetDlgItem(dialog, IDC_MAIN_TABS);
    for (int tab = 8; tab >= 0; --tab) {
      test::select_tab(tabs, tab);
      if (window_state().page && IsWindowVisible(window_state().page)) ++pages_seen;
    }
    test::post_click(window_state().page, IDB_SCREEN_CALIBRATE);
  });
  script.on(ansi(captions.calibration), close_with(IDOK))
      .on(main_caption, open_from(1, IDB_DRIVES_NETWORK))
      .on(ansi(captions.network), close_with(IDCANCEL))
      .on(main_caption, open_from(2, IDB_PLOTTER_SERIAL_PORT))
      .on(ansi(captions.serial_port), close_with(IDCANCEL))
      .on(main_caption, open_from(2, IDB_PLOTTER_SETTINGS, 0))
      .on(ansi(captions.driver_settings),
          [&](HWND dialog) {
            ++dialogs_seen;
            test::post_click(dialog, IDB_DRIVER_ADAPT);
          })
      .on("TAVIRO - Setup", close_with(IDCANCEL))  // the plot resolution dialog
      .on(ansi(captions.driver_settings), [](HWND dialog) { test::click(dialog, IDCANCEL); })
      .on(main_caption, open_from(4, IDB_LAYPLAN_HEM_POSITION))
      .on(ansi(captions.hem_position), close_with(IDCANCEL))
      .on(main_caption, open_from(4, IDB_LAYPLAN_LINE_TYPES))
      .on(ansi(captions.line_types), close_with(IDCANCEL))
      .on(main_caption, [](HWND dialog) { SendMessageA(dialog, WM_COMMAND, IDCANCEL, 0); });
  script.run([] { run_main_dialog(nullptr); });
  EXPECT_EQ(pages_seen, 9);
  EXPECT_EQ(dialogs_seen, 7);
  EXPECT_EQ(installation.read("taviro.ini"), before);
}

TEST(Smoke, EveryPageAndSubDialogOpensInEnglish) {
  open_everything({"TAVIRO - Adjust screen size", "TAVIRO - Setup - Network configuration",
                   "TAVIRO - Configure COM port", "TAVIRO - Plotter setup", "TAVIRO - Hem position",
                   "TAVIRO - Line types"});
}

TEST(Smoke_de, EveryPageAndSubDialogOpensInGerman) {
  open_everything({"TAVIRO - Bildschirmgröße einstellen", "TAVIRO - Setup - Konfiguration im Netzwerk",
                   "TAVIRO - Konfiguration COMx", "TAVIRO - Plottereinstellungen ändern", "TAVIRO - Saumlage",
                   "TAVIRO - Linientypen"});
}

TEST(Smoke_fi, EveryPageAndSubDialogOpensInFinnish) {
  open_everything({"TAVIRO - Näytön koon säätö", "TAVIRO - Setup - Verkkoasetukset", "TAVIRO - COM-portin asetukset",
                   "TAVIRO - Plotterin asetukset", "TAVIRO - Helman sijainti", "TAVIRO - Viivatyypit"});
}

TEST(Smoke_pl, EveryPageAndSubDialogOpensInPolish) {
  open_everything({"TAVIRO - Dopasowanie rozmiaru ekranu", "TAVIRO - Setup - Konfiguracja sieciowa",
                   "TAVIRO - Konfiguracja portu COM", "TAVIRO - Ustawienia plotera", "TAVIRO - Położenie obrębu",
                   "TAVIRO - Typy linii"});
}

TEST(Smoke_ru, EveryPageAndSubDialogOpensInRussian) {
  open_everything({"TAVIRO - Настройка размера экрана", "TAVIRO - Setup - Сетевая конфигурация",
                   "TAVIRO - Настройка COM-порта", "TAVIRO - Настройка плоттера", "TAVIRO - Положение низа",
                   "TAVIRO - Типы линий"});
}

TEST(Smoke_zh, EveryPageAndSubDialogOpensInChinese) {
  open_everything({"TAVIRO - 调整屏幕尺寸", "TAVIRO - Setup - 网络配置", "TAVIRO - 配置 COM 端口",
                   "TAVIRO - 绘图仪设置", "TAVIRO - 底边位置", "TAVIRO - 线型"});
}

}  // namespace
}  // namespace tav
