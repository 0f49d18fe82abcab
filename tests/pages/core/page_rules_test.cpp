#include <gtest/gtest.h>

#include <string>

#include "pages/core/digitizer_layouts.h"
#include "pages/core/options_rules.h"
#include "pages/core/screen_rules.h"

namespace tav {
namespace {

TEST(ScreenRules, FontSizeItemsForStoredSizes) {
  const struct {
    int points;
    int item;
  } cases[] = {{-4, 1}, {0, 1},  {1, 0},  {12, 0}, {13, 1}, {16, 1},
               {17, 2}, {21, 2}, {22, 3}, {30, 3}, {31, 1}, {1000, 1}};
  for (const auto& c : cases) EXPECT_EQ(font_size_item(c.points), c.item) << c.points << " points";
  EXPECT_EQ(font_size_points(0), 12);
  EXPECT_EQ(font_size_points(1), 14);
  EXPECT_EQ(font_size_points(2), 18);
  EXPECT_EQ(font_size_points(3), 24);
  EXPECT_EQ(font_size_points(4), -1);
  EXPECT_EQ(font_size_points(-1), -1);
}

TEST(ScreenRules, ButtonSizes) {
  EXPECT_EQ(button_size_item(32), 0);
  EXPECT_EQ(button_size_item(36), 1);
  EXPECT_EQ(button_size_item(40), 1);
  EXPECT_EQ(button_size_item(0), 1);
  EXPECT_EQ(button_size_pixels(0), 32);
  EXPECT_EQ(button_size_pixels(1), 40);
}

TEST(OptionsRules, FontsAndTheirPreviews) {
  EXPECT_EQ(graphic_font_name(0), "TAVIRO0");
  EXPECT_EQ(graphic_font_name(5), "TAVIRO5");
  const int bitmaps[kGraphicFonts] = {134, 139, 136, 137, 138, 135};
  for (int number = 0; number < kGraphicFonts; ++number) EXPECT_EQ(font_preview_bitmap(number), bitmaps[number]);
  EXPECT_EQ(font_preview_bitmap(-1), 0);
  EXPECT_EQ(font_preview_bitmap(6), 0);
  // Larger screens scale: the picture drawn for the scale reached.
  EXPECT_EQ(font_preview_bitmap(1, 96), 139);
  EXPECT_EQ(font_preview_bitmap(1, 143), 139);
  EXPECT_EQ(font_preview_bitmap(1, 144), 239);
  EXPECT_EQ(font_preview_bitmap(1, 192), 339);
  EXPECT_EQ(font_preview_bitmap(6, 192), 0);
}

TEST(OptionsRules, BackupCountFromTheUpDownControl) {
  EXPECT_EQ(backup_count_after(1, -1), 2);  // the up arrow raises
  EXPECT_EQ(backup_count_after(1, +1), 0);
  EXPECT_EQ(backup_count_after(9, -1), 9);
  EXPECT_EQ(backup_count_after(0, +1), 0);
  EXPECT_EQ(backup_count_after(3, -100), 9);
  EXPECT_EQ(backup_count_after(0, -2147483647 - 1), 9);  // no overflow on a wild delta
  EXPECT_EQ(save_minutes_from(250), 99);
  EXPECT_EQ(save_minutes_from(4000000000u), 99);
  EXPECT_EQ(save_minutes_from(15), 15);
  EXPECT_EQ(backup_count_from(12), 9);
}

TEST(OptionsRules, OptionsKnownByVersion) {
  EXPECT_FALSE(knows_model_check(-1));
  EXPECT_FALSE(knows_model_check(901));
  EXPECT_TRUE(knows_model_check(902));
  EXPECT_FALSE(knows_help_cache_and_autozoom(989));
  EXPECT_TRUE(knows_help_cache_and_autozoom(990));
  EXPECT_FALSE(knows_help_cache_and_autozoom(-1));
}

TEST(DigitizerLayouts, ExactMatchOnly) {
  const auto layouts = cursor_layouts();
  ASSERT_EQ(layouts.size(), 3u);
  for (const CursorLayout& layout : layouts) EXPECT_EQ(std::string(layout.layout).size(), 50u) << layout.name;
  EXPECT_EQ(cursor_layout_item(">  1  3  4  2  8  5  6  7 12 13 14 15  0  0  9 10<"), 0);
  EXPECT_EQ(cursor_layout_item(">  1  3  4  8  5  6 12 13 14  0  9  2  7 15 10  0<"), 1);
  EXPECT_EQ(cursor_layout_item(">  1  3  4  8  5  6 12 13 14  0  2  7 15 10  9  0<"), 2);
  // One blank less, or one more character at the end, is no preset.
  EXPECT_EQ(cursor_layout_item(">  1  3  4  2  8  5  6  7 12 13 14 15  0 0  9 10<"), -1);
  EXPECT_EQ(cursor_layout_item(">  1  3  4  2  8  5  6  7 12 13 14 15  0  0  9 10<x"), -1);
  EXPECT_EQ(cursor_layout_item(""), -1);
}

}  // namespace
}  // namespace tav
