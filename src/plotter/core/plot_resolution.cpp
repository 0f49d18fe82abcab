#include "plotter/core/plot_resolution.h"

#include <cmath>
#include <limits>

namespace tav {

ResolutionComparison::ResolutionComparison(std::optional<float> resolution_x, std::optional<float> resolution_y)
    : resolutions_{resolution_x, resolution_y} {
  for (std::size_t axis = 0; axis < 2; ++axis) {
    if (!resolutions_[axis]) states_[axis] = AxisState::chosen;
  }
}

void ResolutionComparison::choose(Axis axis) {
  if (states_[index(axis)] == AxisState::open) states_[index(axis)] = AxisState::chosen;
}

std::array<std::optional<float>, 2> ResolutionComparison::recalculate(const std::array<AxisLengths, 2>& lengths) {
  std::array<std::optional<float>, 2> results;
  for (std::size_t axis = 0; axis < 2; ++axis) {
    if (states_[axis] != AxisState::open) continue;
    const AxisLengths& given = lengths[axis];
    // An empty field or a length of 0 is no measurement: that axis stays open.
    if (!given.desired || !given.actual || *given.desired <= 0 || *given.actual <= 0) continue;
    const std::optional<float> result =
        usable_resolution(*given.actual * static_cast<double>(*resolutions_[axis]) / *given.desired);
    if (!result) continue;
    results[axis] = result;
    states_[axis] = AxisState::recalculated;
  }
  return results;
}

bool ResolutionComparison::can_recalculate() const {
  return states_[0] == AxisState::open || states_[1] == AxisState::open;
}

std::optional<float> usable_resolution(std::optional<double> read) {
  if (!read || !(*read > 0) || *read > std::numeric_limits<float>::max()) return std::nullopt;
  const float resolution = static_cast<float>(*read);
  if (!(resolution > 0)) return std::nullopt;  // too small for single precision
  return resolution;
}

}  // namespace tav
