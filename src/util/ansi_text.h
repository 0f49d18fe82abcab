#pragma once
// The program keeps its texts in the ANSI code page, as its files store them; the system's
// wide-character calls (long paths, consoles, the arrow of a control) need them as UTF-16.
#include <string>
#include <string_view>

namespace tav {

// The UTF-16 text of ANSI bytes.
std::wstring wide_from_ansi(std::string_view text);

// The ANSI bytes of a UTF-16 text; a character the code page lacks becomes its nearest.
std::string ansi_from_wide(std::wstring_view text);

}  // namespace tav
