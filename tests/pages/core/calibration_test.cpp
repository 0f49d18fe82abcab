#include "pages/core/calibration.h"

#include <gtest/gtest.h>

#include <climits>

#include <string>

namespace tav {
namespace {

TEST(CalibrationArithmetic, MillimetresAndPixelsOfThe1280PixelScreen) {
  EXPECT_EQ(calibration_pixels(1280, 360), 355);  // 128000 / 360 = 355.5, truncated
  EXPECT_EQ(calibration_millimetres(1280, 356), 359);
  EXPECT_EQ(calibration_pixels(1024, 0), 0);
  EXPECT_EQ(calibration_pixels(1024, -3), 0);
  EXPECT_EQ(calibration_millimetres(1024, 0), 0);
  // A device reporting a huge resolution does not overflow the intermediate product.
  EXPECT_EQ(calibration_pixels(2000000000, 1000000000), 200);
}

TEST(CalibrationArithmetic, OneClickWiderFromThe19InchPreset) {
  int width_mm = 360, height_mm = 270;
  Calibration calibration(width_mm, height_mm);
  calibration.set_screen({1280, 1024});
  ASSERT_TRUE(calibration.size_from_millimetres());
  EXPECT_EQ(calibration.width(), 355);
  EXPECT_EQ(calibration.height(), 379);  // 102400 / 270
  EXPECT_TRUE(calibration.step(+1, 0));
  EXPECT_EQ(calibration.width(), 356);
  EXPECT_EQ(width_mm, 359);
  EXPECT_EQ(height_mm, 270);  // 102400 / 379 = 270.2
  EXPECT_EQ(preset_after_change(width_mm, height_mm), -1);
}

TEST(CalibrationArithmetic, NonPositiveMillimetresKeepTheRectangle) {
  int width_mm = 0, height_mm = 240;
  Calibration calibration(width_mm, height_mm);
  calibration.set_screen({1024, 768});
  calibration.set_rectangle(150, 160);
  EXPECT_FALSE(calibration.size_from_millimetres());
  EXPECT_EQ(calibration.width(), 150);
  EXPECT_EQ(calibration.height(), 160);
}

TEST(CalibrationArrows, NeverBelowFivePixels) {
  int width_mm = 300, height_mm = 220;
  Calibration calibration(width_mm, height_mm);
  calibration.set_screen({1024, 768});
  calibration.set_rectangle(5, 6);
  EXPECT_FALSE(calibration.step(-1, 0));  // already at the minimum: nothing changes
  EXPECT_EQ(width_mm, 300);
  EXPECT_TRUE(calibration.step(0, -1));
  EXPECT_EQ(calibration.height(), 5);
  EXPECT_EQ(height_mm, 76800 / 5);
  EXPECT_FALSE(calibration.step(0, -1));
  // A rectangle already smaller than the minimum (huge millimetres) grows to it.
  calibration.set_rectangle(1, 1);
  EXPECT_TRUE(calibration.step(-1, 0));
  EXPECT_EQ(calibration.width(), 5);
  EXPECT_EQ(calibration.height(), 5);
}

TEST(CalibrationPresets, ItemZeroMatchesOnlyAtOpening) {
  EXPECT_EQ(preset_at_opening(320, 240), 0);
  EXPECT_EQ(preset_after_change(320, 240), -1);
  EXPECT_EQ(preset_at_opening(664, 374), 9);
  EXPECT_EQ(preset_after_change(664, 374), 9);
  EXPECT_EQ(preset_after_change(300, 225), 5);
  EXPECT_EQ(preset_after_change(300, 224), -1);  // both sizes must match exactly
  EXPECT_EQ(preset_at_opening(240, 320), -1);
  // Sizes at the ends of the integer range match nothing (their differences do not fit an int).
  EXPECT_EQ(preset_at_opening(INT_MIN, INT_MIN + 1), -1);
  EXPECT_EQ(preset_after_change(INT_MAX, INT_MIN), -1);
  const auto presets = monitor_presets();
  ASSERT_EQ(presets.size(), 10u);
  EXPECT_EQ(std::string(presets[0].text), "Windows-Werte");
  EXPECT_EQ(std::string(presets[6].text), "15,4\"-LCD (WXGA, Notebook)");
  EXPECT_EQ(std::string(presets[8].text), "24\"-LCD (WUXGA; 16:10)");
  for (const MonitorPreset& preset : presets) EXPECT_LT(std::string(preset.text).size(), 32u);
}

class CalibrationDrag : public ::testing::Test {
 protected:
  CalibrationDrag() : calibration(width_mm, height_mm) {
    calibration.set_screen({1024, 768});
    calibration.set_rectangle(200, 150);  // right edge at x = 207, bottom edge at y = 157
  }
  int width_mm = 0, height_mm = 0;
  Calibration calibration;
};

TEST_F(CalibrationDrag, RightEdgeDraggedToTwentyStopsAtTheMinimum) {
  calibration.mouse_move(206, 80, false);
  EXPECT_EQ(calibration.cursor(), SizingCursor::right);
  EXPECT_TRUE(calibration.cursor_to_set());
  calibration.mouse_move(206, 80, true);  // starts dragging
  EXPECT_TRUE(calibration.dragging());
  EXPECT_TRUE(calibration.mouse_move(20, 80, true));
  EXPECT_EQ(calibration.width(), 20);  // not 13
  EXPECT_EQ(calibration.height(), 150);
  EXPECT_EQ(width_mm, 102400 / 20);
  EXPECT_EQ(height_mm, 76800 / 150);                   // both follow the rectangle
  EXPECT_FALSE(calibration.mouse_move(19, 80, true));  // still 20: nothing changed
  calibration.mouse_move(19, 80, false);
  EXPECT_FALSE(calibration.dragging());
  EXPECT_EQ(calibration.width(), 20);
}

TEST_F(CalibrationDrag, DiagonalDragFromTheCorner) {
  calibration.mouse_move(208, 156, false);
  EXPECT_EQ(calibration.cursor(), SizingCursor::both);
  calibration.mouse_move(208, 156, true);
  EXPECT_TRUE(calibration.mouse_move(307, 257, true));
  EXPECT_EQ(calibration.width(), 300);
  EXPECT_EQ(calibration.height(), 250);
  // The edges stay grabbed while dragging, wherever the pointer goes.
  EXPECT_EQ(calibration.cursor(), SizingCursor::both);
  calibration.mouse_move(400, 400, false);
  EXPECT_EQ(width_mm, 102400 / 300);
  EXPECT_EQ(height_mm, 76800 / 250);
  // After the drag the edges follow the pointer again.
  calibration.mouse_move(50, 50, false);
  EXPECT_EQ(calibration.cursor(), SizingCursor::arrow);
  EXPECT_TRUE(calibration.cursor_to_set());  // back from a sizing cursor
  calibration.mouse_move(51, 50, false);
  EXPECT_FALSE(calibration.cursor_to_set());  // the arrow is already set
}

TEST_F(CalibrationDrag, EdgeZoneIsLessThanThreePixels) {
  calibration.mouse_move(80, 155, false);
  EXPECT_EQ(calibration.cursor(), SizingCursor::bottom);
  calibration.mouse_move(80, 154, false);
  EXPECT_EQ(calibration.cursor(), SizingCursor::arrow);
  calibration.mouse_move(210, 80, false);
  EXPECT_EQ(calibration.cursor(), SizingCursor::arrow);
  calibration.mouse_move(209, 80, false);
  EXPECT_EQ(calibration.cursor(), SizingCursor::right);
}

TEST_F(CalibrationDrag, DragStartedAwayFromTheEdgesChangesNothing) {
  calibration.mouse_move(100, 100, true);
  EXPECT_TRUE(calibration.dragging());
  EXPECT_FALSE(calibration.mouse_move(300, 300, true));
  EXPECT_EQ(calibration.width(), 200);
  EXPECT_EQ(calibration.height(), 150);
}

TEST(CalibrationClick, AClickWithoutResizingKeepsThePresetsMillimetres) {
  int width_mm = 427, height_mm = 320;  // the 22" monitor
  Calibration calibration(width_mm, height_mm);
  calibration.set_screen({1024, 768});
  ASSERT_TRUE(calibration.size_from_millimetres());
  ASSERT_EQ(calibration.width(), 239);  // and 239 pixels would give back 428 mm
  calibration.mouse_move(100, 100, true);
  calibration.mouse_move(100, 100, false);
  EXPECT_FALSE(calibration.dragging());
  EXPECT_EQ(width_mm, 427);
  EXPECT_EQ(height_mm, 320);
  EXPECT_EQ(preset_after_change(width_mm, height_mm), 3);
}

TEST_F(CalibrationDrag, BottomEdgeOnlyChangesTheHeight) {
  calibration.mouse_move(100, 157, true);
  EXPECT_TRUE(calibration.mouse_move(150, 100, true));
  EXPECT_EQ(calibration.width(), 200);
  EXPECT_EQ(calibration.height(), 93);
  // A pointer above the dialog (negative client coordinate) gives the minimum.
  EXPECT_TRUE(calibration.mouse_move(150, -40, true));
  EXPECT_EQ(calibration.height(), 20);
}

}  // namespace
}  // namespace tav
