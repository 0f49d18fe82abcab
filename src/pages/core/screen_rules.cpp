#include "pages/core/screen_rules.h"

namespace tav {

int font_size_item(int points) {
  if (points >= 1 && points <= 12) return 0;
  if (points >= 17 && points <= 21) return 2;
  if (points >= 22 && points <= 30) return 3;
  return 1;
}

int font_size_points(int item) {
  constexpr int kPoints[kFontSizeItems] = {12, 14, 18, 24};
  return item >= 0 && item < kFontSizeItems ? kPoints[item] : -1;
}

int button_size_item(int pixels) { return pixels == 32 ? 0 : 1; }
int button_size_pixels(int item) { return 32 + 8 * item; }

}  // namespace tav
