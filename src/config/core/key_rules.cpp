#include "config/core/key_rules.h"

#include <cstring>

#include "config/core/profile_rules.h"
#include "config/core/settings_record.h"
#include "util/core/text.h"

namespace tav {

int load_drive_letters(std::string_view value, std::string_view current_folder, char* field, int size) {
  if (size < 1) return 0;
  std::memset(field, ' ', static_cast<std::size_t>(size));
  const int count = copy_cut(value, field, size);  // the platform's cut to size - 1
  field[count] = ' ';
  const bool on_drive = current_folder.size() >= 3 && current_folder.substr(1, 2) == ":\\";
  if (on_drive) {
    for (int i = 0; i < count; ++i) {
      if (field[i] == '.') field[i] = current_folder[0];
    }
  }
  return squeeze(field, count);
}

std::string graphics_font_from_file(std::string_view tavirofont) {
  const std::size_t stop = tavirofont.find('.');
  if (tavirofont.empty() || stop == std::string_view::npos || stop == 0) return kDefaultGraphicsFont;
  return std::string(tavirofont.substr(0, stop < 9 ? stop : 9));
}

std::string font_file_from_graphics_font(std::string_view name) { return std::string(name) + ".FNT"; }

std::string autonester_folder(std::string_view program) {
  const std::size_t backslash = program.rfind('\\');
  if (backslash == std::string_view::npos) return ".\\";
  return std::string(program.substr(0, backslash + 1));
}

std::string fixed_digits(int value, int digits) {
  std::string text = integer_text(value);
  if (value < 0 || static_cast<int>(text.size()) > digits) return text;
  return std::string(static_cast<std::size_t>(digits) - text.size(), '0') + text;
}

int clamped(int value, int low, int high) { return value < low ? low : value > high ? high : value; }

}  // namespace tav
