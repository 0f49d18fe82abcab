#pragma once
// The plot resolution dialog's comparison of a test plot: per axis, the length a line was
// meant to have (desired) and the length the plotter drew (actual) give a corrected
// resolution. Each axis starts open and closes for good either by a recalculation or when
// the user picks or types a resolution for it instead.

#include <array>
#include <optional>

namespace tav {

enum class Axis { x = 0, y = 1 };

enum class AxisState {
  open,          // desired and actual values may still be used
  recalculated,  // the resolution was computed; the resolution box is locked
  chosen,        // the user chose the resolution; desired and actual are emptied and locked
};

// The desired and actual lengths of one axis as read from their fields (nothing for a field
// that holds no number).
struct AxisLengths {
  std::optional<double> desired;
  std::optional<double> actual;
};

class ResolutionComparison {
 public:
  // The resolutions (mm per step) as they stand when the dialog opens; every
  // recalculation starts from them. An axis whose resolution is unknown has nothing to
  // correct: it starts closed, as if chosen.
  ResolutionComparison(std::optional<float> resolution_x, std::optional<float> resolution_y);

  AxisState state(Axis axis) const { return states_[index(axis)]; }
  // The user picked or typed a resolution for the axis: an open axis closes.
  void choose(Axis axis);
  // Recalculates every open axis whose desired and actual lengths are both positive:
  // actual x resolution / desired. That axis closes; the others stay as they were. Answers
  // the new resolution per axis (nothing where no recalculation took place).
  std::array<std::optional<float>, 2> recalculate(const std::array<AxisLengths, 2>& lengths);
  // The recalculation is offered while an axis is open.
  bool can_recalculate() const;

 private:
  static std::size_t index(Axis axis) { return static_cast<std::size_t>(axis); }
  std::array<std::optional<float>, 2> resolutions_;
  std::array<AxisState, 2> states_{AxisState::open, AxisState::open};
};

// A resolution typed or shown in the dialog is usable when it is a positive number that a
// driver file can hold.
std::optional<float> usable_resolution(std::optional<double> read);

}  // namespace tav
