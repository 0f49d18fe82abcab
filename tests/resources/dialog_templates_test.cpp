// Checks on the dialog templates and string tables linked into the program: every template
// and every message in all six languages, every language's template identical to the
// English one in its controls' ids, kinds, styles, positions and order (only the texts
// differ), no control id twice within one template, no access key twice within one dialog
// or page, and every text representable in the ANSI code page of its language (the program
// reads all texts through the ANSI functions).
#include <windows.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "resources/ids.h"
#include "resources/resource_reader.h"

namespace {

struct Language {
  LANGID id;
  UINT code_page;
  const char* name;
};
const Language kLanguages[] = {
    {MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US), 1252, "English"},
    {MAKELANGID(LANG_GERMAN, SUBLANG_GERMAN), 1252, "German"},
    {MAKELANGID(LANG_FINNISH, SUBLANG_DEFAULT), 1252, "Finnish"},
    {MAKELANGID(LANG_POLISH, SUBLANG_DEFAULT), 1250, "Polish"},
    {MAKELANGID(LANG_RUSSIAN, SUBLANG_DEFAULT), 1251, "Russian"},
    {MAKELANGID(LANG_CHINESE, SUBLANG_CHINESE_SIMPLIFIED), 936, "Chinese"},
};
const LANGID kEnglish = kLanguages[0].id;

std::string name_of(LANGID language) {
  for (const Language& l : kLanguages) {
    if (l.id == language) return l.name;
  }
  return "language " + std::to_string(language);
}

using tav::test::all_strings;
using tav::test::all_templates;
using tav::test::Control;
using tav::test::Strings;
using tav::test::Template;
using tav::test::Templates;

std::string utf8(const std::wstring& text) {
  std::string out(text.size() * 3 + 1, '\0');
  out.resize(static_cast<std::size_t>(WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()),
                                                          out.data(), static_cast<int>(out.size()), nullptr, nullptr)));
  return out;
}

std::set<LANGID> six_languages() {
  std::set<LANGID> all;
  for (const Language& l : kLanguages) all.insert(l.id);
  return all;
}

TEST(DialogTemplates, EveryTemplateInAllSixLanguages) {
  const Templates templates = all_templates();
  const std::set<int> expected = {
      IDD_MAIN,          IDD_CALIBRATION,    IDD_PAGE_DRIVES,     IDD_PAGE_SCREEN,      IDD_HEM_POSITION,
      IDD_PAGE_OPTIONS,  IDD_PAGE_DIGITIZER, IDD_LINE_TYPES,      IDD_PAGE_LAYPLANNING, IDD_PAGE_TOOLBOX,
      IDD_PAGE_LANGUAGE, IDD_SERIAL_PORT,    IDD_DRIVER_SETTINGS, IDD_PLOT_RESOLUTION,  IDD_PAGE_PLOTTER,
      IDD_PAGE_EXPERT,   IDD_NETWORK,        IDD_PROGRESS};
  for (int id : expected) EXPECT_TRUE(templates.count(id)) << "template " << id << " is missing";
  for (const auto& [id, languages] : templates) {
    std::set<LANGID> present;
    for (const auto& entry : languages) present.insert(entry.first);
    EXPECT_EQ(present, six_languages()) << "template " << id;
  }
  // The tab control, four buttons and the nine hidden title labels.
  EXPECT_EQ(templates.at(IDD_MAIN).at(kEnglish).controls.size(), 14u);
}

TEST(DialogTemplates, EveryMessageInAllSixLanguages) {
  const Strings strings = all_strings();
  ASSERT_TRUE(strings.count(kEnglish));
  const auto& english = strings.at(kEnglish);
  for (UINT id : {IDS_PLOTTER_DELETE_FILE, IDS_PLOTTER_ADD_CAPTION, IDS_SERIAL_PARITY_SPACE, IDS_OPTIONS_ERROR,
                  IDS_MAIN_FILE_UNREADABLE, IDS_MAIN_FILE_NOT_WRITABLE, IDS_HELP_FILE, IDS_HELP_FOLDER}) {
    EXPECT_TRUE(english.count(id)) << "string " << id << " is missing";
  }
  std::set<LANGID> present;
  for (const auto& [language, table] : strings) {
    present.insert(language);
    std::set<UINT> ids, english_ids;
    for (const auto& entry : table) ids.insert(entry.first);
    for (const auto& entry : english) english_ids.insert(entry.first);
    EXPECT_EQ(ids, english_ids) << name_of(language) << " string table";
  }
  EXPECT_EQ(present, six_languages());
}

TEST(DialogTemplates, NoControlIdTwiceWithinOneTemplate) {
  for (const auto& [id, languages] : all_templates()) {
    for (const auto& [language, form] : languages) {
      std::set<DWORD> seen;
      for (const Control& control : form.controls) {
        if (control.id == 0xFFFF || control.id == static_cast<DWORD>(-1)) continue;  // unnamed labels
        EXPECT_TRUE(seen.insert(control.id).second)
            << "template " << id << " (" << name_of(language) << ") uses id " << control.id << " twice";
      }
    }
  }
}

TEST(DialogTemplates, AllLanguagesShareTheEnglishLayout) {
  for (const auto& [id, languages] : all_templates()) {
    ASSERT_TRUE(languages.count(kEnglish)) << "template " << id;
    const Template& english = languages.at(kEnglish);
    for (const auto& [language, form] : languages) {
      EXPECT_EQ(form.style, english.style) << "template " << id << " " << name_of(language);
      EXPECT_EQ(form.cx, english.cx) << "template " << id << " " << name_of(language);
      EXPECT_EQ(form.cy, english.cy) << "template " << id << " " << name_of(language);
      EXPECT_TRUE(std::equal(form.controls.begin(), form.controls.end(), english.controls.begin(),
                             english.controls.end(),
                             [](const Control& a, const Control& b) { return a.same_layout(b); }))
          << "template " << id << " " << name_of(language);
    }
  }
}

// The access key of a text ("&Edit values" -> 'E', "(&D)" -> 'D'), upper case; 0 for none.
wchar_t access_key(const std::wstring& text) {
  for (std::size_t i = 0; i + 1 < text.size(); ++i) {
    if (text[i] != L'&') continue;
    if (text[i + 1] == L'&') {
      ++i;
      continue;
    }
    // CharUpperW knows the capitals of every script; towupper of the C locale only Latin ones.
    return static_cast<wchar_t>(reinterpret_cast<ULONG_PTR>(CharUpperW(reinterpret_cast<LPWSTR>(text[i + 1]))));
  }
  return 0;
}

bool shows_access_key(const Control& control) {
  if (!(control.style & WS_VISIBLE)) return false;  // hidden labels carry list items and messages
  const bool is_static = control.kind == L"#130" || control.kind == L"Static";
  return !(is_static && (control.style & SS_NOPREFIX));
}

// A page is a child dialog shown inside the main dialog: its keys and those of the main
// dialog's buttons are live together.
TEST(DialogTemplates, NoAccessKeyTwiceWithinOneDialogOrPage) {
  const Templates templates = all_templates();
  for (const auto& [id, languages] : templates) {
    for (const auto& [language, form] : languages) {
      std::vector<const Control*> live;
      for (const Control& c : form.controls) live.push_back(&c);
      if ((form.style & WS_CHILD) && templates.count(IDD_MAIN) && templates.at(IDD_MAIN).count(language)) {
        for (const Control& c : templates.at(IDD_MAIN).at(language).controls) live.push_back(&c);
      }
      std::map<wchar_t, std::wstring> keys;
      for (const Control* c : live) {
        const wchar_t key = shows_access_key(*c) ? access_key(c->text) : 0;
        if (!key) continue;
        EXPECT_FALSE(keys.count(key)) << "template " << id << " (" << name_of(language) << "): \"" << utf8(c->text)
                                      << "\" and \"" << utf8(keys[key]) << "\"";
        keys.emplace(key, c->text);
      }
    }
  }
}

bool is_static(const Control& c) { return c.kind == L"#130" || c.kind == L"Static"; }
bool is_button(const Control& c) {  // push button, check box or radio button; not a group box
  return c.kind == L"#128" && (c.style & BS_TYPEMASK) != BS_GROUPBOX;
}
bool takes_input(const Control& c) {  // edit, list, drop-down list or list view the user types or picks in
  return (c.kind == L"#129" || c.kind == L"#131" || c.kind == L"#133" || c.kind == L"SysListView32") &&
         (c.style & WS_TABSTOP);
}

// Every button a user reaches (but OK and Cancel, which Enter and Escape press, and the
// arrow buttons without a word) has an access key of its own or is the control the key of
// the label before it leads to; a label directly before a field has one; a label's key
// leads to a control, not to another label. Russian texts take a Cyrillic key, Chinese
// texts a Latin one in parentheses; a key is a Latin letter or digit or a Cyrillic letter,
// which the program hands to the dialog manager in either case.
TEST(DialogTemplates, EveryLabelAndButtonHasAnAccessKey) {
  for (const auto& [id, languages] : all_templates()) {
    for (const auto& [language, form] : languages) {
      const auto& controls = form.controls;
      const Control* keyed_label = nullptr;  // a label whose key leads to the next tab stop
      for (std::size_t i = 0; i < controls.size(); ++i) {
        const Control& c = controls[i];
        const std::string where =
            "template " + std::to_string(id) + " (" + name_of(language) + "): \"" + utf8(c.text) + "\"";
        const Control* next = i + 1 < controls.size() ? &controls[i + 1] : nullptr;
        if (!(c.style & WS_VISIBLE)) continue;
        const wchar_t key = access_key(c.text);
        EXPECT_TRUE(key < 0x80 || (key >= 0x0410 && key <= 0x044F)) << where << ": an unexpected key";
        if (key && language == MAKELANGID(LANG_RUSSIAN, SUBLANG_DEFAULT) &&
            std::any_of(c.text.begin(), c.text.end(), [](wchar_t ch) { return ch >= 0x0410 && ch <= 0x044F; })) {
          EXPECT_TRUE(key >= 0x0410 && key <= 0x044F) << where << " has a Latin key in a Russian text";
        }
        if (key && language == MAKELANGID(LANG_CHINESE, SUBLANG_CHINESE_SIMPLIFIED) &&
            std::any_of(c.text.begin(), c.text.end(), [](wchar_t ch) { return ch > 0x7F; })) {
          EXPECT_NE(c.text.find(std::wstring(L"(&") + key + L")"), std::wstring::npos) << where;
        }
        if (is_static(c)) {
          if (next && takes_input(*next)) {
            EXPECT_TRUE(key) << where << " labels a field but has no access key";
          }
          if (key) {
            EXPECT_TRUE(next && !is_static(*next)) << where << " leads to no control";
            keyed_label = &c;
          }
          continue;
        }
        const bool has_words =
            std::any_of(c.text.begin(), c.text.end(), [](wchar_t ch) { return IsCharAlphaW(ch) != FALSE; });
        if (is_button(c) && has_words && c.id != IDOK && c.id != IDCANCEL) {
          EXPECT_TRUE(key || keyed_label) << where << " has no access key";
        }
        if (c.style & WS_TABSTOP) keyed_label = nullptr;
      }
    }
  }
}

// The arrow keys move among the radio buttons of a group and no further: the first radio
// button of a group starts it and is its tab stop, the control after the last starts the next.
TEST(DialogTemplates, RadioButtonsFormGroupsOfTheirOwn) {
  const auto is_radio = [](const Control& c) {
    const DWORD type = c.style & BS_TYPEMASK;
    return c.kind == L"#128" && (type == BS_RADIOBUTTON || type == BS_AUTORADIOBUTTON);
  };
  for (const auto& [id, languages] : all_templates()) {
    const auto& controls = languages.at(kEnglish).controls;
    for (std::size_t i = 0; i < controls.size(); ++i) {
      if (!is_radio(controls[i])) continue;
      if (i == 0 || !is_radio(controls[i - 1])) {
        EXPECT_EQ(controls[i].style & (WS_GROUP | WS_TABSTOP), DWORD{WS_GROUP | WS_TABSTOP})
            << "template " << id << " control " << controls[i].id;
      }
      if (i + 1 < controls.size() && !is_radio(controls[i + 1])) {
        EXPECT_TRUE(controls[i + 1].style & WS_GROUP) << "template " << id << " control " << controls[i + 1].id;
      }
    }
  }
}

// Enter presses a dialog's default button, OK, and Escape its Cancel. The exceptions: the
// screen calibration has no Cancel (Escape does nothing there), Enter in the driver settings
// takes the paper width and the network configuration starts nothing on Enter (neither has
// a default button), the progress window has no buttons, and the installation check has one
// button, Close, which both keys press.
TEST(DialogTemplates, EnterIsOkAndEscapeIsCancel) {
  struct Keys {
    bool enter_is_ok, escape_is_cancel;
    bool operator==(const Keys& o) const {
      return enter_is_ok == o.enter_is_ok && escape_is_cancel == o.escape_is_cancel;
    }
  };
  const std::map<int, Keys> exceptions = {{IDD_CALIBRATION, {true, false}},
                                          {IDD_DRIVER_SETTINGS, {false, true}},
                                          {IDD_NETWORK, {false, true}},
                                          {IDD_INSTALLATION_CHECK, {false, true}},
                                          {IDD_PROGRESS, {false, false}}};
  for (const auto& [id, languages] : all_templates()) {
    const Template& form = languages.at(kEnglish);
    if (form.style & WS_CHILD) continue;
    int defaults = 0;
    Keys keys{false, false};
    for (const Control& c : form.controls) {
      if (c.kind == L"#128" && (c.style & BS_TYPEMASK) == BS_DEFPUSHBUTTON) {
        ++defaults;
        keys.enter_is_ok = c.id == IDOK;
      }
      if (c.id == IDCANCEL) keys.escape_is_cancel = true;
    }
    EXPECT_LE(defaults, 1) << "template " << id;
    const auto exception = exceptions.find(id);
    EXPECT_TRUE(keys == (exception == exceptions.end() ? Keys{true, true} : exception->second)) << "template " << id;
  }
}

bool fits_code_page(const std::wstring& text, UINT code_page) {
  if (text.empty()) return true;
  BOOL lost = FALSE;
  const int size = WideCharToMultiByte(code_page, WC_NO_BEST_FIT_CHARS, text.c_str(), static_cast<int>(text.size()),
                                       nullptr, 0, nullptr, &lost);
  return size > 0 && !lost;
}

TEST(DialogTemplates, EveryTextInTheCodePageOfItsLanguage) {
  const Strings strings = all_strings();
  for (const Language& language : kLanguages) {
    for (const auto& [id, languages] : all_templates()) {
      if (!languages.count(language.id)) continue;
      const Template& form = languages.at(language.id);
      EXPECT_TRUE(fits_code_page(form.caption, language.code_page)) << language.name << " template " << id;
      for (const Control& c : form.controls) {
        EXPECT_TRUE(fits_code_page(c.text, language.code_page))
            << language.name << " template " << id << " control " << c.id;
      }
    }
    if (!strings.count(language.id)) continue;
    for (const auto& [id, text] : strings.at(language.id)) {
      EXPECT_TRUE(fits_code_page(text, language.code_page)) << language.name << " string " << id;
    }
  }
}

}  // namespace
