#pragma once
// The screen calibration: a rectangle on the screen that the user sizes until it measures
// 10 cm by 10 cm. Its pixel size and the screen's physical size in millimetres follow from
// each other through the screen resolution. The dialog feeds mouse moves and button steps
// into this model and shows what it answers.

#include <span>

namespace tav {

// The rectangle's top-left corner in the dialog's client area, in pixels.
inline constexpr int kCalibrationOrigin = 7;
// The smallest rectangle side reached with the arrow buttons, and by dragging.
inline constexpr int kArrowMinimum = 5;
inline constexpr int kDragMinimum = 20;
// How close (in pixels, exclusive) the pointer must be to an edge to grab it.
inline constexpr int kEdgeZone = 3;

// Pixels of a 100 mm stretch on a screen of `resolution` pixels and `millimetres` size;
// 0 when the size is not positive. Integer arithmetic, quotient truncated.
int calibration_pixels(int resolution, int millimetres);
// The screen size in millimetres when `pixels` measure 100 mm; 0 when pixels is not positive.
int calibration_millimetres(int resolution, int pixels);

struct MonitorPreset {
  const char* text;
  int width_mm;
  int height_mm;
};
// The ten monitor presets, in list order. Item 0 ("Windows-Werte") stands for the size the
// system reports; its sizes here are those it is matched against when the dialog opens.
std::span<const MonitorPreset> monitor_presets();
// The item preselected when the dialog opens: the first of all ten that matches exactly; -1.
int preset_at_opening(int width_mm, int height_mm);
// The item selected after the rectangle changed: the first of items 1 to 9 that matches; -1.
int preset_after_change(int width_mm, int height_mm);

enum class SizingCursor { arrow, both, right, bottom };

struct Screen {
  int horizontal = 0;  // resolution in pixels
  int vertical = 0;
};

class Calibration {
 public:
  // width_mm and height_mm are the settings themselves, changed live.
  Calibration(int& width_mm, int& height_mm) : width_mm_(width_mm), height_mm_(height_mm) {}

  void set_screen(Screen screen) { screen_ = screen; }
  // Sizes the rectangle from the millimetres when both are positive; false otherwise (the
  // rectangle keeps its size).
  bool size_from_millimetres();
  // The rectangle's size before the first size_from_millimetres (the template's frame).
  void set_rectangle(int width, int height) {
    width_ = width;
    height_ = height;
  }

  // An arrow button: one pixel narrower/wider (dx) or lower/higher (dy), never below 5
  // pixels. True when the rectangle changed; then the millimetres follow it.
  bool step(int dx, int dy);

  // A mouse move at client position (x, y), with the left button down or up. True when the
  // rectangle changed (the millimetres then follow it).
  bool mouse_move(int x, int y, bool left_button);
  // The cursor set last, and whether the last mouse_move asks to set it now (the sizing
  // cursors on every move over an edge, the arrow only when another cursor was set last).
  SizingCursor cursor() const { return cursor_; }
  bool cursor_to_set() const { return cursor_to_set_; }

  int width() const { return width_; }
  int height() const { return height_; }
  bool dragging() const { return dragging_; }
  Screen screen() const { return screen_; }

 private:
  void millimetres_from_rectangle();

  int& width_mm_;
  int& height_mm_;
  Screen screen_{};
  int width_ = 0;
  int height_ = 0;
  bool dragging_ = false;
  bool right_edge_ = false;
  bool bottom_edge_ = false;
  SizingCursor cursor_ = SizingCursor::arrow;
  bool cursor_to_set_ = false;
};

}  // namespace tav
