// Checks on the dialog templates linked into the program: no control id twice within one
// template, and every language's template identical to the English one in its controls'
// ids, kinds, styles and order (only the texts differ).
#include <windows.h>
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <vector>

#include "resources/ids.h"

namespace {

struct Control {
  DWORD id;
  std::wstring kind;  // class name, or "#" and the predefined class ordinal
  DWORD style;
  short x, y, cx, cy;
  bool operator==(const Control&) const = default;
};

struct Template {
  DWORD style;
  short cx, cy;
  std::vector<Control> controls;
};

class Reader {
 public:
  explicit Reader(const BYTE* data) : p_(data) {}
  WORD word() { WORD v; memcpy(&v, p_, 2); p_ += 2; return v; }
  DWORD dword() { DWORD v; memcpy(&v, p_, 4); p_ += 4; return v; }
  std::wstring text_or_ordinal() {
    const WORD first = word();
    if (first == 0) return {};
    if (first == 0xFFFF) return L"#" + std::to_wstring(word());
    std::wstring text(1, static_cast<wchar_t>(first));
    for (WORD c = word(); c != 0; c = word()) text += static_cast<wchar_t>(c);
    return text;
  }
  void align4(const BYTE* base) {
    while ((p_ - base) % 4) ++p_;
  }
  const BYTE* at() const { return p_; }
  void skip(std::size_t n) { p_ += n; }

 private:
  const BYTE* p_;
};

Template parse(const BYTE* base) {
  Reader r(base);
  Template t{};
  EXPECT_EQ(r.word(), 1);       // version
  EXPECT_EQ(r.word(), 0xFFFF);  // extended template
  r.dword();                    // help id
  r.dword();                    // extended style
  t.style = r.dword();
  const WORD count = r.word();
  r.word();
  r.word();
  t.cx = static_cast<short>(r.word());
  t.cy = static_cast<short>(r.word());
  r.text_or_ordinal();  // menu
  r.text_or_ordinal();  // class
  r.text_or_ordinal();  // caption
  if (t.style & DS_SETFONT) {
    r.word();
    r.word();
    r.skip(2);
    r.text_or_ordinal();
  }
  for (WORD i = 0; i < count; ++i) {
    r.align4(base);
    Control c{};
    r.dword();  // help id
    r.dword();  // extended style
    c.style = r.dword();
    c.x = static_cast<short>(r.word());
    c.y = static_cast<short>(r.word());
    c.cx = static_cast<short>(r.word());
    c.cy = static_cast<short>(r.word());
    c.id = r.dword();
    c.kind = r.text_or_ordinal();
    r.text_or_ordinal();  // text
    r.skip(r.word());     // creation data
    t.controls.push_back(c);
  }
  return t;
}

using Templates = std::map<int, std::map<LANGID, Template>>;  // template id -> language -> template

BOOL CALLBACK each_language(HMODULE module, LPCSTR type, LPCSTR name, WORD language, LONG_PTR data) {
  HRSRC found = FindResourceExA(module, type, name, language);
  const BYTE* bytes = static_cast<const BYTE*>(LockResource(LoadResource(module, found)));
  (*reinterpret_cast<Templates*>(data))[static_cast<int>(reinterpret_cast<ULONG_PTR>(name))][language] = parse(bytes);
  return TRUE;
}

BOOL CALLBACK each_name(HMODULE module, LPCSTR type, LPSTR name, LONG_PTR data) {
  EnumResourceLanguagesA(module, type, name, each_language, data);
  return TRUE;
}

Templates all_templates() {
  Templates templates;
  EnumResourceNamesA(GetModuleHandleA(nullptr), reinterpret_cast<LPCSTR>(RT_DIALOG), each_name,
                     reinterpret_cast<LONG_PTR>(&templates));
  return templates;
}

const LANGID kEnglish = MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US);

TEST(DialogTemplates, EveryTemplateExistsInEnglishAndGerman) {
  const Templates templates = all_templates();
  const std::set<int> expected = {IDD_MAIN,         IDD_PAGE_DRIVES,      IDD_PAGE_SCREEN,  IDD_PAGE_OPTIONS,
                                  IDD_PAGE_DIGITIZER, IDD_PAGE_LAYPLANNING, IDD_PAGE_TOOLBOX, IDD_PAGE_LANGUAGE,
                                  IDD_PAGE_PLOTTER, IDD_PAGE_EXPERT};
  for (int id : expected) {
    ASSERT_TRUE(templates.count(id)) << "template " << id << " is missing";
    EXPECT_TRUE(templates.at(id).count(kEnglish)) << "template " << id << " has no English form";
    EXPECT_TRUE(templates.at(id).count(MAKELANGID(LANG_GERMAN, SUBLANG_GERMAN)))
        << "template " << id << " has no German form";
  }
  // The tab control, four buttons and the nine hidden title labels.
  EXPECT_EQ(templates.at(IDD_MAIN).at(kEnglish).controls.size(), 14u);
}

TEST(DialogTemplates, NoControlIdTwiceWithinOneTemplate) {
  for (const auto& [id, languages] : all_templates()) {
    for (const auto& [language, form] : languages) {
      std::set<DWORD> seen;
      for (const Control& control : form.controls) {
        if (control.id == 0xFFFF || control.id == static_cast<DWORD>(-1)) continue;  // unnamed labels
        EXPECT_TRUE(seen.insert(control.id).second)
            << "template " << id << " (language " << language << ") uses id " << control.id << " twice";
      }
    }
  }
}

TEST(DialogTemplates, AllLanguagesShareTheEnglishLayout) {
  for (const auto& [id, languages] : all_templates()) {
    ASSERT_TRUE(languages.count(kEnglish)) << "template " << id;
    const Template& english = languages.at(kEnglish);
    for (const auto& [language, form] : languages) {
      EXPECT_EQ(form.style, english.style) << "template " << id << " language " << language;
      EXPECT_EQ(form.cx, english.cx) << "template " << id << " language " << language;
      EXPECT_EQ(form.cy, english.cy) << "template " << id << " language " << language;
      EXPECT_TRUE(form.controls == english.controls) << "template " << id << " language " << language;
    }
  }
}

}  // namespace
