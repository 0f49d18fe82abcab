#pragma once
// Rules of the Options page: the graphic fonts it offers, their preview pictures, the
// backup count, and which options an installation's version knows.

#include <string>

namespace tav {

inline constexpr int kGraphicFonts = 6;
// "TAVIRO" followed by the font number 0 to 5.
std::string graphic_font_name(int number);
// Bitmap resource of the font's preview picture; 0 for a number outside 0 to 5.
int font_preview_bitmap(int number);
// The same picture drawn for the scaling of a screen of `dpi` dots per inch: the 100 %
// picture below 144 (150 %), the 150 % one below 192 (200 %), the 200 % one from there on.
int font_preview_bitmap(int number, int dpi);

// The backup count after the up-down control reported `delta` (-1 for its up arrow in the
// default range): raised by the up arrow, kept within 0 to 9.
int backup_count_after(int backup_count, int delta);
// The auto-save interval typed into the page, kept within 0 to 99 minutes.
int save_minutes_from(unsigned typed);
// The backup count typed (or shown) in the page, kept within 0 to 9.
int backup_count_from(unsigned typed);

// Installations below 9.02 do not know the check of production parts before saving; those
// below 9.90 know neither the help cache, the hiding of mirrored blocks nor the autozoom.
// An installed version of -1 (none found) is below both.
bool knows_model_check(int installed_version);
bool knows_help_cache_and_autozoom(int installed_version);

}  // namespace tav
