#include "language/language_page.h"

#include <string>

#include "config/core/key_catalogue.h"
#include "config/profile.h"
#include "config/settings.h"
#include "controls/controls.h"
#include "controls/page_contract.h"
#include "controls/page_state.h"
#include "language/language_folders.h"
#include "language/core/language_rules.h"
#include "resources/ids.h"

namespace tav {
namespace {

// Below this installed version the installation knows no language folders.
constexpr int kFirstVersionWithLanguages = 900;

// The page keeps a state object only while it shows the settings: not when it closed
// itself at once, so that its close routine then leaves the settings alone.
struct LanguagePageState {};

bool shows_settings(HWND page) { return controls::window_state_of<LanguagePageState>(page) != nullptr; }

bool is_lead_byte(unsigned char byte) { return IsDBCSLeadByte(byte) != FALSE; }

void add_item(HWND list, const std::string& text, int number, bool select) {
  const LRESULT index = SendMessageA(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
  if (index < 0) return;
  SendMessageA(list, CB_SETITEMDATA, static_cast<WPARAM>(index), static_cast<LPARAM>(number));
  if (select) SendMessageA(list, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

// Stores the language of a list item: its number and, as LANGNAME, its cut text.
void take_language(HWND list, int index) {
  const LRESULT number = SendMessageA(list, CB_GETITEMDATA, static_cast<WPARAM>(index), 0);
  if (number == CB_ERR) return;
  settings().options.language = static_cast<int>(number);
  settings().options.langname.assign(langname_from_item(controls::item_text(list, index), is_lead_byte));
}

}  // namespace

void fill_language_list(HWND list, int preselect, int installed_version) {
  SendMessageA(list, CB_RESETCONTENT, 0, 0);
  const profile::ProfileSnapshot base("\\taviro\\language.ini");
  const std::string name_exact = description_text(base, "NAMEEXACT");
  const std::string name_english = name_exact.empty() ? std::string() : description_text(base, "NAMEENGLISH");
  add_item(list, standard_language_item(name_exact, name_english), 0, true);

  for (const LanguageFolder& folder : language_folders(installed_version)) {
    if (folder.verdict != LanguageFolder::Verdict::listed) continue;
    add_item(list, folder.item, folder.number, folder.number == preselect);
  }
}

BOOL language_page_open(HWND page, const InstalledVersion& installed_version) {
  const int version = installed_version();
  if (version < kFirstVersionWithLanguages) {
    DestroyWindow(page);
    return FALSE;
  }
  fill_language_list(GetDlgItem(page, IDC_LANGUAGE_LIST), settings().options.language, version);
  controls::check(page, IDX_LANGUAGE_USE_TTF, settings().options.use_ttf);
  controls::check(page, IDX_LANGUAGE_MULTIBYTE, settings().options.pttf_supp_unicode);
  controls::create_window_state<LanguagePageState>(page);
  return TRUE;
}

BOOL language_page_command(HWND page, WPARAM wparam, LPARAM lparam) {
  if (!is_current_page(kPageLanguage)) return FALSE;
  if (LOWORD(wparam) != IDC_LANGUAGE_LIST || HIWORD(wparam) != CBN_SELCHANGE) return FALSE;
  HWND list = GetDlgItem(page, IDC_LANGUAGE_LIST);
  const LRESULT index = SendMessageA(list, CB_GETCURSEL, 0, 0);
  if (index != CB_ERR) take_language(list, static_cast<int>(index));
  return TRUE;
}

void language_page_close(HWND page) {
  if (!shows_settings(page)) return;
  controls::destroy_window_state<LanguagePageState>(page);
  settings().options.use_ttf = controls::is_checked(page, IDX_LANGUAGE_USE_TTF);
  settings().options.pttf_supp_unicode = controls::is_checked(page, IDX_LANGUAGE_MULTIBYTE);
}

void language_page_defaults(HWND page) {
  if (!shows_settings(page)) return;
  // What the page shows is what OK writes: the first item's language becomes the setting.
  HWND list = GetDlgItem(page, IDC_LANGUAGE_LIST);
  SendMessageA(list, CB_SETCURSEL, 0, 0);
  take_language(list, 0);
  OptionsSettings& options = settings().options;
  catalogue::reset_to_defaults(settings(), {&options.use_ttf, &options.pttf_supp_unicode});
  controls::check(page, IDX_LANGUAGE_USE_TTF, options.use_ttf);
  controls::check(page, IDX_LANGUAGE_MULTIBYTE, options.pttf_supp_unicode);
}

}  // namespace tav
