// The Language page through its real controls: the installed languages, the choice of one,
// the extended options, Defaults, and what OK writes.
#include "language/language_page.h"

#include <windows.h>
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "config/profile.h"
#include "controls/page_contract.h"
#include "resources/ids.h"
#include "shell/main_dialog.h"
#include "support/gui.h"
#include "support/installation.h"

namespace tav {
namespace {

using Strings = std::vector<std::string>;
constexpr int kLanguageTab = 6;

std::string written(const char* key) {
  char value[256] = {};
  const int length = profile::get_string("OPTIONS", key, "(missing)", value, sizeof value, profile::kMainFile);
  return std::string(value, static_cast<std::size_t>(length));
}

LRESULT item_data(HWND page, int index) {
  return SendDlgItemMessageA(page, IDC_LANGUAGE_LIST, CB_GETITEMDATA, static_cast<WPARAM>(index), 0);
}

class LanguagePage : public ::testing::Test {
 protected:
  void install(int version, const std::string& options = "") {
    installation.add_program_files();
    installation.write("settings.ini", "[SHELL]\r\nLASTVERSION=" + std::to_string(version) + "\r\n");
    installation.write("taviro.ini", "[OPTIONS]\r\n" + options);
  }
  void add_language(const std::string& folder, const std::string& exact, const std::string& english,
                    const std::string& version_line) {
    std::string text = "[LANGUAGE]\r\n";
    if (!exact.empty()) text += "NAMEEXACT=" + exact + "\r\n";
    text += "NAMEENGLISH=" + english + "\r\n" + version_line;
    installation.write(folder.empty() ? "language.ini" : folder + "\\language.ini", text);
  }
  // The languages of a TAVIRO 11.00 installation, some of which do not belong to it.
  void add_languages() {
    add_language("0440", "english", "english", "VERSION=1100\r\n");
    add_language("0490", "deutsch", "german", "VERSION=1080\r\n");  // 20 below: listed
    add_language("0330",
                 "fran\xE7"
                 "ais",
                 "french", "VERSION=1079\r\n");               // 21 below: not listed
    add_language("0358", "", "finnish", "VERSION=1100\r\n");  // no NAMEEXACT: no language
    add_language("0abc", "abc", "abc", "VERSION=1100\r\n");   // not a number
    installation.make_folder("0123");                         // no language.ini
  }

  // Opens the main dialog on the Language tab, runs step on the page, and ends the dialog.
  void with_page(const std::function<void(HWND dialog, HWND page)>& step, int closing = IDOK) {
    test::ModalScript script;
    script.on("TAVIRO - Setup 1.58", [&](HWND dialog) {
      test::select_tab(GetDlgItem(dialog, IDC_MAIN_TABS), kLanguageTab);
      step(dialog, window_state().page);
      SendMessageA(dialog, WM_COMMAND, closing, 0);
    });
    script.run([] { run_main_dialog(nullptr); });
  }

  test::TestInstallation installation;
};

TEST_F(LanguagePage, ListsTheLanguagesOfTheInstalledVersion) {
  install(1100, "LANGUAGE=0440\r\nLANGNAME=english (english)\r\nUSE_TTF=1\r\n");
  add_languages();
  with_page([](HWND, HWND page) {
    EXPECT_EQ(test::combo_items(page, IDC_LANGUAGE_LIST),
              (Strings{"   -    (standard)", "english (english)", "deutsch (german)"}));
    EXPECT_EQ(item_data(page, 0), 0);
    EXPECT_EQ(item_data(page, 1), 440);
    EXPECT_EQ(item_data(page, 2), 490);
    EXPECT_EQ(test::combo_selection(page, IDC_LANGUAGE_LIST), 1);
    EXPECT_TRUE(test::is_checked(page, IDX_LANGUAGE_USE_TTF));
    EXPECT_FALSE(test::is_checked(page, IDX_LANGUAGE_MULTIBYTE));
  });
  // Opening and closing the page changes nothing.
  EXPECT_EQ(written("LANGUAGE"), "0440");
  EXPECT_EQ(written("LANGNAME"), "english (english)");
  EXPECT_EQ(written("USE_TTF"), "1");
  EXPECT_EQ(written("PTTF_SUPP_UNICODE"), "0");
}

TEST_F(LanguagePage, BaseFolderLanguageAndOlderInstallations) {
  install(1000, "LANGUAGE=0777\r\n");
  add_language("", "deutsch", "german", "");
  add_language("0440", "english", "english", "");                 // no VERSION: listed below 11.00
  add_language("0490", "deutsch", "german", "VERSION=1095\r\n");  // 95 above: not listed
  with_page([](HWND, HWND page) {
    EXPECT_EQ(test::combo_items(page, IDC_LANGUAGE_LIST), (Strings{"deutsch (german) *", "english (english)"}));
    EXPECT_EQ(test::combo_selection(page, IDC_LANGUAGE_LIST), 0);  // 777 is not installed
  });
  EXPECT_EQ(written("LANGUAGE"), "0777");
}

TEST_F(LanguagePage, ChoosingALanguageStoresItsNumberAndName) {
  install(1100, "LANGUAGE=0440\r\nLANGNAME=english (english)\r\n");
  add_languages();
  with_page([](HWND, HWND page) {
    test::choose_combo_item(page, IDC_LANGUAGE_LIST, 2);
    test::choose_combo_item(page, IDC_LANGUAGE_LIST, 0);
  });
  EXPECT_EQ(written("LANGUAGE"), "0000");
  EXPECT_EQ(installation.read("taviro.ini").find("LANGNAME=   -    (standard)\r\n") != std::string::npos, true)
      << installation.read("taviro.ini");
}

TEST_F(LanguagePage, LongLanguageNamesAreCutBeforeTheBracket) {
  install(1100);
  add_language("0351", "portugu\xEAs do Brasil e de Portugal", "Portuguese", "VERSION=1100\r\n");
  with_page([](HWND, HWND page) {
    ASSERT_EQ(test::combo_items(page, IDC_LANGUAGE_LIST).size(), 2u);
    test::choose_combo_item(page, IDC_LANGUAGE_LIST, 1);
  });
  EXPECT_EQ(written("LANGUAGE"), "0351");
  EXPECT_EQ(written("LANGNAME"), "portugu\xEAs do Brasil e de Portugal");
}

TEST_F(LanguagePage, CheckBoxesAreStoredWhenThePageCloses) {
  install(1100, "USE_TTF=1\r\nPTTF_SUPP_UNICODE=0\r\n");
  with_page([](HWND dialog, HWND page) {
    test::click(page, IDX_LANGUAGE_USE_TTF);
    test::click(page, IDX_LANGUAGE_MULTIBYTE);
    test::select_tab(GetDlgItem(dialog, IDC_MAIN_TABS), 0);
    test::select_tab(GetDlgItem(dialog, IDC_MAIN_TABS), kLanguageTab);
    EXPECT_FALSE(test::is_checked(window_state().page, IDX_LANGUAGE_USE_TTF));
    EXPECT_TRUE(test::is_checked(window_state().page, IDX_LANGUAGE_MULTIBYTE));
  });
  EXPECT_EQ(written("USE_TTF"), "0");
  EXPECT_EQ(written("PTTF_SUPP_UNICODE"), "1");
}

TEST_F(LanguagePage, DefaultsShowWhatOkWrites) {
  install(1100, "LANGUAGE=0490\r\nLANGNAME=deutsch (german)\r\nUSE_TTF=1\r\nPTTF_SUPP_UNICODE=1\r\n");
  add_languages();
  with_page([](HWND dialog, HWND page) {
    ASSERT_EQ(test::combo_selection(page, IDC_LANGUAGE_LIST), 2);
    EXPECT_TRUE(test::is_enabled(dialog, IDB_MAIN_DEFAULTS));
    test::click(dialog, IDB_MAIN_DEFAULTS);
    EXPECT_EQ(test::combo_selection(page, IDC_LANGUAGE_LIST), 0);
    EXPECT_FALSE(test::is_checked(page, IDX_LANGUAGE_USE_TTF));
    EXPECT_FALSE(test::is_checked(page, IDX_LANGUAGE_MULTIBYTE));
  });
  EXPECT_EQ(written("LANGUAGE"), "0000");
  EXPECT_EQ(written("LANGNAME"), "-    (standard)");  // the reader drops the leading blanks
  EXPECT_EQ(written("USE_TTF"), "0");
  EXPECT_EQ(written("PTTF_SUPP_UNICODE"), "0");
}

TEST_F(LanguagePage, ClosesItselfBelowVersion900AndKeepsTheOptions) {
  install(800, "LANGUAGE=0440\r\nUSE_TTF=1\r\nPTTF_SUPP_UNICODE=1\r\n");
  add_languages();
  with_page([](HWND dialog, HWND page) {
    EXPECT_FALSE(IsWindow(page));
    test::click(dialog, IDB_MAIN_DEFAULTS);  // no page: nothing to reset
    // The next tab opens normally.
    test::select_tab(GetDlgItem(dialog, IDC_MAIN_TABS), 0);
    EXPECT_NE(window_state().page, nullptr);
  });
  EXPECT_EQ(written("LANGUAGE"), "0440");
  EXPECT_EQ(written("USE_TTF"), "1");
  EXPECT_EQ(written("PTTF_SUPP_UNICODE"), "1");
}

TEST_F(LanguagePage, EnglishCaptions) {
  install(1100);
  with_page(
      [](HWND, HWND page) {
        EXPECT_EQ(test::plain_text(test::item_text(page, IDX_LANGUAGE_USE_TTF)), "Use Windows fonts for plot output");
        EXPECT_EQ(test::plain_text(test::item_text(page, IDX_LANGUAGE_MULTIBYTE)),
                  "Activate multi-byte characters in Taviro texts");
        EXPECT_EQ(GetNextDlgTabItem(page, nullptr, FALSE), GetDlgItem(page, IDC_LANGUAGE_LIST));
      },
      IDCANCEL);
}

class LanguagePage_de : public LanguagePage {};

TEST_F(LanguagePage_de, GermanCaptions) {
  install(1100);
  with_page(
      [](HWND, HWND page) {
        EXPECT_EQ(test::plain_text(test::item_text(page, IDX_LANGUAGE_USE_TTF)),
                  "Windows-Schriften f\xFCr die Plotausgabe verwenden");
        EXPECT_EQ(test::plain_text(test::item_text(page, IDX_LANGUAGE_MULTIBYTE)),
                  "Multibyte-Zeichen in Taviro-Texten aktivieren");
        EXPECT_EQ(test::combo_items(page, IDC_LANGUAGE_LIST), (Strings{"   -    (standard)"}));
      },
      IDCANCEL);
}

}  // namespace
}  // namespace tav
