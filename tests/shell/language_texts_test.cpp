// The user interface in each language, read back the way the program reads it: through the
// ANSI functions, in the code page the system gives that language. A tab title (a hidden
// label of the main dialog), a list item (a hidden label of the Screen page) and a message
// of the string table are compared with the expected text; a wrong resource language or
// code page fails here instead of showing as garbled text on a screenshot. The dialog font
// must also hold every character of the tab title, or the text would show as empty boxes.
// The built-in German descriptions of the toolbox commands stay German in every language.
#include <windows.h>
#include <commctrl.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "controls/controls.h"
#include "pages/page_test_support.h"
#include "pages/toolbox_catalogue.h"
#include "resources/ids.h"
#include "support/gui.h"

namespace tav {
namespace {

struct LanguageTexts {
  UINT code_page;
  // Expected texts, UTF-8.
  const char* layplanning_tab;
  const char* cool_grid_colour;  // second item of the Screen page's grid colour list
  const char* file_exists;       // string-table message of the Plotter page
  const char* delete_sizes;      // built-in description of the toolbox command DLSZ
};

std::wstring from_code_page(UINT code_page, const std::string& text) {
  std::wstring wide(text.size() + 1, L'\0');
  wide.resize(static_cast<std::size_t>(MultiByteToWideChar(code_page, 0, text.data(), static_cast<int>(text.size()),
                                                           wide.data(), static_cast<int>(wide.size()))));
  return wide;
}

std::string tab_title(HWND dialog, int index) {
  char text[256] = {};
  TCITEMA item{};
  item.mask = TCIF_TEXT;
  item.pszText = text;
  item.cchTextMax = sizeof text;
  SendDlgItemMessageA(dialog, IDC_MAIN_TABS, TCM_GETITEMA, index, reinterpret_cast<LPARAM>(&item));
  return text;
}

// True when the font of the window has a glyph for every character of the text.
bool font_draws(HWND window, const std::wstring& text) {
  HDC dc = GetDC(window);
  HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageA(window, WM_GETFONT, 0, 0)));
  std::vector<WORD> glyphs(text.size());
  GetGlyphIndicesW(dc, text.c_str(), static_cast<int>(text.size()), glyphs.data(), GGI_MARK_NONEXISTING_GLYPHS);
  SelectObject(dc, old);
  ReleaseDC(window, dc);
  for (WORD glyph : glyphs) {
    if (glyph == 0xFFFF) return false;
  }
  return !text.empty();
}

void check(const LanguageTexts& expected) {
  ASSERT_EQ(GetACP(), expected.code_page);
  const auto utf8 = [](const char* text) { return from_code_page(CP_UTF8, text); };
  const auto ansi = [](const std::string& text) { return from_code_page(CP_ACP, text); };
  test::TestInstallation installation;
  test::with_page(
      test::kScreenTab,
      [&](HWND page, HWND dialog) {
        const std::wstring title = ansi(tab_title(dialog, test::kLayplanningTab));
        EXPECT_EQ(title, utf8(expected.layplanning_tab));
        EXPECT_TRUE(font_draws(GetDlgItem(dialog, IDC_MAIN_TABS), title));
        EXPECT_EQ(ansi(test::combo_items(page, IDC_SCREEN_GRID_COLOUR).at(1)), utf8(expected.cool_grid_colour));
      },
      IDCANCEL);
  EXPECT_EQ(ansi(controls::load_string(IDS_PLOTTER_FILE_EXISTS)), utf8(expected.file_exists));
  set_up_toolbox_catalogue(ToolboxKind::construction, "U:\\no such folder\\dialog.ini");
  std::string description;
  for (const ToolboxCommand& command : toolbox_catalogue(ToolboxKind::construction)) {
    if (command.code.str() == "DLSZ") description = command.description.str();
  }
  EXPECT_EQ(ansi(description), utf8(expected.delete_sizes));
}

TEST(LanguageTexts, English) {
  check({1252, "Layplanning", "cool (blue-grey)", "File already exists. Overwrite?", "Größen löschen"});
}
TEST(LanguageTexts_de, German) {
  check({1252, "Schnittbild", "kühl (blaugrau)", "Die Datei existiert bereits. Überschreiben?", "Größen löschen"});
}
TEST(LanguageTexts_fi, Finnish) {
  check({1252, "Leikkuukuva", "viileä (siniharmaa)", "Tiedosto on jo olemassa. Korvataanko se?", "Größen löschen"});
}
TEST(LanguageTexts_pl, Polish) {
  check({1250, "Układ kroju", "chłodny (niebieskoszary)", "Plik już istnieje. Zastąpić go?", "Größen löschen"});
}
TEST(LanguageTexts_ru, Russian) {
  check({1251, "Раскладка", "холодная (серо-голубая)", "Файл уже существует. Заменить его?", "Groessen loeschen"});
}
TEST(LanguageTexts_zh, Chinese) { check({936, "排料", "冷色（蓝灰）", "文件已存在。是否覆盖？", "Groessen loeschen"}); }

}  // namespace
}  // namespace tav
