#include "resources/resource_reader.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <tuple>

namespace tav::test {
namespace {

class Reader {
 public:
  explicit Reader(const BYTE* data) : p_(data) {}
  WORD word() {
    WORD v;
    std::memcpy(&v, p_, 2);
    p_ += 2;
    return v;
  }
  DWORD dword() {
    DWORD v;
    std::memcpy(&v, p_, 4);
    p_ += 4;
    return v;
  }
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
  t.caption = r.text_or_ordinal();
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
    c.text = r.text_or_ordinal();
    r.skip(r.word());  // creation data
    t.controls.push_back(c);
  }
  return t;
}

// Calls visit with the name, language and bytes of every resource of a type.
using Visit = std::function<void(UINT name, WORD language, const BYTE* bytes)>;

void each_resource(LPCSTR type, const Visit& visit) {
  EnumResourceNamesA(
      GetModuleHandleA(nullptr), type,
      [](HMODULE module, LPCSTR type, LPSTR name, LONG_PTR data) -> BOOL {
        EnumResourceLanguagesA(
            module, type, name,
            [](HMODULE module, LPCSTR type, LPCSTR name, WORD language, LONG_PTR data) -> BOOL {
              HRSRC found = FindResourceExA(module, type, name, language);
              (*reinterpret_cast<const Visit*>(data))(
                  static_cast<UINT>(reinterpret_cast<ULONG_PTR>(name)), language,
                  static_cast<const BYTE*>(LockResource(LoadResource(module, found))));
              return TRUE;
            },
            data);
        return TRUE;
      },
      reinterpret_cast<LONG_PTR>(&visit));
}

}  // namespace

bool Control::same_layout(const Control& o) const {
  return std::tie(id, kind, style, x, y, cx, cy) == std::tie(o.id, o.kind, o.style, o.x, o.y, o.cx, o.cy);
}

Templates all_templates() {
  Templates templates;
  each_resource(reinterpret_cast<LPCSTR>(RT_DIALOG), [&](UINT name, WORD language, const BYTE* bytes) {
    templates[static_cast<int>(name)][language] = parse(bytes);
  });
  return templates;
}

// A block of the table holds 16 counted strings.
Strings all_strings() {
  Strings strings;
  each_resource(reinterpret_cast<LPCSTR>(RT_STRING), [&](UINT block, WORD language, const BYTE* bytes) {
    const auto* p = reinterpret_cast<const WCHAR*>(bytes);
    for (UINT i = 0; i < 16; ++i) {
      const WORD length = *p++;
      if (length) strings[language][(block - 1) * 16 + i] = std::wstring(p, length);
      p += length;
    }
  });
  return strings;
}

}  // namespace tav::test
