// Keyboard access on the pages: every control a user works with is reached with Tab, and no
// access key is used twice on a page (together with the main dialog's own buttons).
#include <windows.h>
#include <gtest/gtest.h>

#include <cctype>
#include <map>
#include <string>

#include "pages/page_test_support.h"
#include "resources/ids.h"
#include "support/gui.h"
#include "support/installation.h"

namespace tav {
namespace {

// The access key of a caption ("&Edit values" -> 'e'), or 0.
char access_key(const std::string& text) {
  for (std::size_t i = 0; i + 1 < text.size(); ++i) {
    if (text[i] != '&') continue;
    if (text[i + 1] == '&') {
      ++i;
      continue;
    }
    return static_cast<char>(std::tolower(static_cast<unsigned char>(text[i + 1])));
  }
  return 0;
}

bool is_class(HWND window, const char* name) {
  char class_name[32] = {};
  GetClassNameA(window, class_name, sizeof class_name);
  return lstrcmpiA(class_name, name) == 0;
}

// Adds the access keys of the visible children; fails on a key used twice.
void collect_keys(HWND parent, std::map<char, std::string>& keys, const std::string& where) {
  for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    if (!(GetWindowLongPtrA(child, GWL_STYLE) & WS_VISIBLE) || is_class(child, "#32770")) continue;
    const std::string text = test::window_text(child);
    const char key = access_key(text);
    if (!key) continue;
    EXPECT_FALSE(keys.count(key)) << where << ": '" << key << "' in \"" << text << "\" and \"" << keys[key] << "\"";
    keys[key] = text;
  }
}

// Every edit, list and button (other than read-only displays) is a tab stop.
void expect_tab_stops(HWND page, const std::string& where) {
  for (HWND child = GetWindow(page, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    const LONG_PTR style = GetWindowLongPtrA(child, GWL_STYLE);
    const bool group_box = is_class(child, "Button") && (style & BS_TYPEMASK) == BS_GROUPBOX;
    const bool read_only_display = is_class(child, "Edit") && (style & ES_READONLY) && !(style & WS_TABSTOP);
    const bool works = (is_class(child, "Edit") || is_class(child, "ComboBox") || is_class(child, "Button")) &&
                       !group_box && !read_only_display;
    if (works) {
      EXPECT_TRUE(style & WS_TABSTOP) << where << ": control " << GetDlgCtrlID(child);
    }
  }
}

void check_pages(const char* language) {
  test::TestInstallation installation;
  for (int tab : {test::kScreenTab, test::kDigitizerTab, test::kOptionsTab, test::kExpertTab}) {
    test::with_page(
        tab,
        [&](HWND page, HWND dialog) {
          const std::string where = std::string(language) + " tab " + std::to_string(tab + 1);
          std::map<char, std::string> keys;
          for (int id : {IDOK, IDCANCEL, IDB_MAIN_DEFAULTS, IDB_MAIN_HELP}) {
            HWND button = GetDlgItem(dialog, id);
            if (!(GetWindowLongPtrA(button, GWL_STYLE) & WS_VISIBLE)) continue;
            const char key = access_key(test::window_text(button));
            if (key) keys[key] = test::window_text(button);
          }
          collect_keys(page, keys, where);
          expect_tab_stops(page, where);
        },
        IDCANCEL);
  }
}

TEST(PageKeyboard, AccessKeysUniqueAndControlsReachable) { check_pages("English"); }
TEST(PageKeyboard_de, AccessKeysUniqueAndControlsReachable) { check_pages("German"); }

}  // namespace
}  // namespace tav
