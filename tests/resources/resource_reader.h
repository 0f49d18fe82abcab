#pragma once
// The dialog templates and string tables linked into the test program (it links the
// program's resources), read from their bytes in every language they are stored in.
#include <windows.h>

#include <map>
#include <string>
#include <vector>

namespace tav::test {

struct Control {
  DWORD id;
  std::wstring kind;  // class name, or "#" and the predefined class ordinal
  DWORD style;
  short x, y, cx, cy;
  std::wstring text;  // "#" and the ordinal for a picture
  bool same_layout(const Control& o) const;
};

struct Template {
  DWORD style;
  short cx, cy;
  std::wstring caption;
  std::vector<Control> controls;
};

using Templates = std::map<int, std::map<LANGID, Template>>;  // template id -> language -> template
Templates all_templates();

// Every entry of the string tables: language -> string id -> text. Empty strings are no entries.
using Strings = std::map<LANGID, std::map<UINT, std::wstring>>;
Strings all_strings();

}  // namespace tav::test
