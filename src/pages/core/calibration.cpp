#include "pages/core/calibration.h"

#include <array>
#include <cstdlib>

namespace tav {
namespace {

constexpr std::array<MonitorPreset, 10> kPresets = {{
    {"Windows-Werte", 320, 240},
    {"19\"-Monitor", 360, 270},
    {"21\"-Monitor", 400, 300},
    {"22\"-Monitor", 427, 320},
    {"24\"-Monitor", 453, 340},
    {"15\"-LCD (Notebook)", 300, 225},
    {"15,4\"-LCD (WXGA, Notebook)", 329, 263},
    {"19\"-LCD (SXGA)", 373, 299},
    {"24\"-LCD (WUXGA; 16:10)", 510, 321},
    {"30\"-LCD (16:9)", 664, 374},
}};

int first_match(int width_mm, int height_mm, std::size_t from) {
  for (std::size_t i = from; i < kPresets.size(); ++i) {
    // In 64 bits: sizes near the ends of the integer range must not overflow.
    const long long width_off = static_cast<long long>(width_mm) - kPresets[i].width_mm;
    const long long height_off = static_cast<long long>(height_mm) - kPresets[i].height_mm;
    if (std::llabs(width_off) + std::llabs(height_off) == 0) {
      return static_cast<int>(i);
    }
  }
  return -1;
}

int at_least(int value, int minimum) { return value < minimum ? minimum : value; }

}  // namespace

// 64-bit intermediates: 100 times a resolution cannot overflow, whatever the device says.
int calibration_pixels(int resolution, int millimetres) {
  if (millimetres <= 0) return 0;
  return static_cast<int>(100LL * resolution / millimetres);
}

int calibration_millimetres(int resolution, int pixels) {
  if (pixels <= 0) return 0;
  return static_cast<int>(100LL * resolution / pixels);
}

std::span<const MonitorPreset> monitor_presets() { return kPresets; }

int preset_at_opening(int width_mm, int height_mm) { return first_match(width_mm, height_mm, 0); }
int preset_after_change(int width_mm, int height_mm) { return first_match(width_mm, height_mm, 1); }

bool Calibration::size_from_millimetres() {
  if (width_mm_ <= 0 || height_mm_ <= 0) return false;
  width_ = calibration_pixels(screen_.horizontal, width_mm_);
  height_ = calibration_pixels(screen_.vertical, height_mm_);
  return true;
}

void Calibration::millimetres_from_rectangle() {
  if (width_ > 0) width_mm_ = calibration_millimetres(screen_.horizontal, width_);
  if (height_ > 0) height_mm_ = calibration_millimetres(screen_.vertical, height_);
}

bool Calibration::step(int dx, int dy) {
  const int width = at_least(width_ + dx, kArrowMinimum);
  const int height = at_least(height_ + dy, kArrowMinimum);
  if (width == width_ && height == height_) return false;
  width_ = width;
  height_ = height;
  millimetres_from_rectangle();
  return true;
}

bool Calibration::mouse_move(int x, int y, bool left_button) {
  bool changed = false;
  if (!dragging_) {
    right_edge_ = std::abs(x - (kCalibrationOrigin + width_)) < kEdgeZone;
    bottom_edge_ = std::abs(y - (kCalibrationOrigin + height_)) < kEdgeZone;
    // Dragging starts with the first move with the button down, wherever the pointer is;
    // it resizes only along the edges the pointer was on at that moment.
    if (left_button) dragging_ = true;
  } else if (left_button) {
    int width = width_;
    int height = height_;
    if (right_edge_ && x - kCalibrationOrigin != width_) width = at_least(x - kCalibrationOrigin, kDragMinimum);
    if (bottom_edge_ && y - kCalibrationOrigin != height_) height = at_least(y - kCalibrationOrigin, kDragMinimum);
    if (width != width_ || height != height_) {
      width_ = width;
      height_ = height;
      millimetres_from_rectangle();
      changed = true;
    }
  } else {
    // The millimetres followed every change of the drag already. Taking them from the
    // rectangle once more would turn a mere click into a change: a rectangle sized from a
    // preset's millimetres does not always give them back (427 mm on 1024 pixels make 239
    // pixels, and 239 pixels make 428 mm).
    dragging_ = false;
  }

  SizingCursor wanted = SizingCursor::arrow;
  if (right_edge_ && bottom_edge_) {
    wanted = SizingCursor::both;
  } else if (right_edge_) {
    wanted = SizingCursor::right;
  } else if (bottom_edge_) {
    wanted = SizingCursor::bottom;
  }
  cursor_to_set_ = wanted != SizingCursor::arrow || cursor_ != SizingCursor::arrow;
  cursor_ = wanted;
  return changed;
}

}  // namespace tav
