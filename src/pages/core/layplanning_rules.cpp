#include "pages/core/layplanning_rules.h"

#include <climits>

namespace tav {

int letter_height_shown(int tenths) { return tenths / 10; }

std::optional<int> letter_height_stored(unsigned millimetres) {
  if (millimetres > static_cast<unsigned>(INT_MAX / 10)) return std::nullopt;
  return static_cast<int>(millimetres) * 10;
}

bool knows_autonester(int installed_version) { return installed_version >= 900; }

}  // namespace tav
