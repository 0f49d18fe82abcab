#pragma once
// The digitizer cursor layouts the Digitizer page offers. A layout text is ">", sixteen
// fields of three characters with the code each cursor button sends (right-aligned, 0 for
// none) and "<".

#include <span>
#include <string_view>

namespace tav {

struct CursorLayout {
  const char* name;
  const char* layout;
};
// "Standard", "Numeric 1", "Numeric 2", in list order.
std::span<const CursorLayout> cursor_layouts();
// The preset whose layout is exactly `layout` (the whole text, no more and no less); -1.
int cursor_layout_item(std::string_view layout);

}  // namespace tav
