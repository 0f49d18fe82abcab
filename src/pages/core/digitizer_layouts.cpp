#include "pages/core/digitizer_layouts.h"

#include <array>

#include "config/core/settings_record.h"

namespace tav {
namespace {

constexpr std::array<CursorLayout, 3> kLayouts = {{
    {"Standard", kDefaultLupe},
    {"Numeric 1", ">  1  3  4  8  5  6 12 13 14  0  9  2  7 15 10  0<"},
    {"Numeric 2", ">  1  3  4  8  5  6 12 13 14  0  2  7 15 10  9  0<"},
}};

}  // namespace

std::span<const CursorLayout> cursor_layouts() { return kLayouts; }

int cursor_layout_item(std::string_view layout) {
  for (std::size_t i = 0; i < kLayouts.size(); ++i) {
    if (layout == kLayouts[i].layout) return static_cast<int>(i);
  }
  return -1;
}

}  // namespace tav
