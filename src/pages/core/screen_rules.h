#pragma once
// How the Screen page's lists map to the settings they edit.

namespace tav {

// The menu font size list: item 0 Mini (12 points), 1 Standard (14), 2 Large (18),
// 3 Extra large (24).
inline constexpr int kFontSizeItems = 4;
// The item shown for a stored size: 1 to 12 Mini, 17 to 21 Large, 22 to 30 Extra large,
// every other size (13 to 16, zero or less, above 30) Standard.
int font_size_item(int points);
// The size an item stands for; -1 for an index outside the list.
int font_size_points(int item);

// The button size lists: item 0 32 pixels, item 1 40 pixels.
int button_size_item(int pixels);  // 0 only for exactly 32
int button_size_pixels(int item);  // 32 + 8 * item

}  // namespace tav
