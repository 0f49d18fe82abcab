#include "pages/core/options_rules.h"

#include "resources/ids.h"

namespace tav {

std::string graphic_font_name(int number) { return "TAVIRO" + std::to_string(number); }

int font_preview_bitmap(int number) {
  constexpr int kBitmaps[kGraphicFonts] = {IDBM_FONT_TAVIRO0, IDBM_FONT_TAVIRO1, IDBM_FONT_TAVIRO2,
                                           IDBM_FONT_TAVIRO3, IDBM_FONT_TAVIRO4, IDBM_FONT_TAVIRO5};
  return number >= 0 && number < kGraphicFonts ? kBitmaps[number] : 0;
}

int font_preview_bitmap(int number, int dpi) {
  const int bitmap = font_preview_bitmap(number);
  if (!bitmap) return 0;
  return bitmap + (dpi >= 192 ? IDBM_SCALED_200 : dpi >= 144 ? IDBM_SCALED_150 : 0);
}

namespace {
int within(long long value, int low, int high) {
  if (value < low) return low;
  if (value > high) return high;
  return static_cast<int>(value);
}
}  // namespace

int backup_count_after(int backup_count, int delta) {
  return within(static_cast<long long>(backup_count) - delta, 0, 9);
}
int save_minutes_from(unsigned typed) { return within(typed, 0, 99); }
int backup_count_from(unsigned typed) { return within(typed, 0, 9); }

bool knows_model_check(int installed_version) { return installed_version >= 902; }
bool knows_help_cache_and_autozoom(int installed_version) { return installed_version >= 990; }

}  // namespace tav
