#include "pages/core/hem_position.h"

#include <cmath>

namespace tav::hem {

Layplan layplan_position(double angle) {
  return std::fabs(angle + 90) < 1 ? Layplan::start_of_material : Layplan::end_of_material;
}

Construction construction_position(double angle) {
  if (std::fabs(angle) < 1) return Construction::bottom;
  if (std::fabs(angle - 90) < 1) return Construction::left;
  return Construction::right;
}

int layplan_angle(Layplan position) { return position == Layplan::start_of_material ? -90 : 90; }

int construction_angle(Construction position) {
  switch (position) {
    case Construction::bottom:
      return 0;
    case Construction::left:
      return 90;
    case Construction::right:
      break;
  }
  return -90;
}

}  // namespace tav::hem
