#include "plotter/core/driver_file.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <cstdlib>

#include "plotter/core/real_text.h"

namespace tav {
namespace {

// One line of a file: its text and its line ending ("\r\n", "\n" or none at the end).
struct Line {
  std::string_view text;
  std::string_view ending;
};

// Calls visit(line) for every line until it answers false.
template <class Visit>
void for_each_line(std::string_view bytes, Visit visit) {
  std::size_t at = 0;
  while (at < bytes.size()) {
    const std::size_t feed = bytes.find('\n', at);
    const std::size_t next = feed == std::string_view::npos ? bytes.size() : feed + 1;
    std::size_t text_end = feed == std::string_view::npos ? bytes.size() : feed;
    if (feed != std::string_view::npos && text_end > at && bytes[text_end - 1] == '\r') --text_end;
    if (!visit(Line{bytes.substr(at, text_end - at), bytes.substr(text_end, next - text_end)})) return;
    at = next;
  }
}

bool is_tagged(std::string_view line) { return !line.empty() && line.front() == '#'; }

std::string_view tag_of(std::string_view line) { return line.substr(1, 2); }

// The value region of a tagged line: between the first '>' and the next '<'.
struct Region {
  std::size_t begin = 0;
  std::size_t end = 0;
};
std::optional<Region> value_region(std::string_view line) {
  const std::size_t open = line.find('>');
  if (open == std::string_view::npos) return std::nullopt;
  const std::size_t close = line.find('<', open + 1);
  if (close == std::string_view::npos) return std::nullopt;
  return Region{open + 1, close};
}

// The value of a bracket line: after the first '[' up to the next ']', or to the end of the
// line when there is none.
std::string_view bracket_value(std::string_view line, std::size_t open) {
  const std::size_t close = line.find(']', open + 1);
  const std::size_t end = close == std::string_view::npos ? line.size() : close;
  return line.substr(open + 1, end - open - 1);
}

bool yes_at(std::string_view line, std::size_t open) {
  if (open + 1 >= line.size()) return false;
  const char c = line[open + 1];
  return c == 'J' || c == 'j' || c == 'Y' || c == 'y';
}

// The widths of the six device settings in the 16 characters of tag "03".
constexpr std::array<int, 6> kDeviceWidths = {3, 3, 2, 3, 3, 2};
constexpr std::size_t kDeviceLayout = 16;
// Device codes from 5 on are stored 6 higher.
constexpr int kStoredShift = 6;

// One field of the layout: blanks around an optional sign and digits; a blank field is 0.
std::optional<int> device_field(std::string_view field) {
  const std::size_t begin = field.find_first_not_of(' ');
  if (begin == std::string_view::npos) return 0;
  field = field.substr(begin, field.find_last_not_of(' ') - begin + 1);
  std::size_t at = field.front() == '-' || field.front() == '+' ? 1 : 0;
  if (at == field.size()) return std::nullopt;
  for (std::size_t i = at; i < field.size(); ++i) {
    if (field[i] < '0' || field[i] > '9') return std::nullopt;
  }
  return std::atoi(std::string(field).c_str());
}

std::optional<DeviceSettings> read_device_settings(std::string_view region) {
  if (region.size() < kDeviceLayout) return std::nullopt;
  DeviceSettings device{};
  std::size_t at = 0;
  for (std::size_t i = 0; i < device.size(); ++i) {
    const auto width = static_cast<std::size_t>(kDeviceWidths[i]);
    device[i] = device_field(region.substr(at, width));
    at += width;
  }
  std::optional<int>& code = device[kDeviceCode];
  if (code && *code >= 5 + kStoredShift) *code -= kStoredShift;
  return device;
}

// The 16 characters of the layout (each value a blank and at least width - 1 digits; an
// unknown one as `stored` has it), or nothing when a value needs more than its width.
std::optional<std::string> device_layout(DeviceSettings device, std::string_view stored) {
  std::optional<int>& code = device[kDeviceCode];
  if (code && *code > 4) *code += kStoredShift;
  std::string layout;
  for (std::size_t i = 0; i < device.size(); ++i) {
    const std::size_t width = static_cast<std::size_t>(kDeviceWidths[i]);
    if (!device[i]) {
      layout += stored.substr(layout.size(), width);
      continue;
    }
    const long long value = *device[i];
    std::string digits = std::to_string(value < 0 ? -value : value);
    if (digits.size() < width - 1) digits.insert(0, width - 1 - digits.size(), '0');
    if (value < 0) digits.insert(0, 1, '-');
    if (digits.size() > width) return std::nullopt;
    layout.append(width - digits.size(), ' ');
    layout += digits;
  }
  return layout;
}

// A stray CR among the trailing blanks goes with them: left at the end of the line it
// would join the line's LF into a CR LF, and the next rewrite would cut the line anew.
std::string_view without_trailing_blanks(std::string_view text) {
  while (!text.empty() && (text.back() == ' ' || text.back() == '\r')) text.remove_suffix(1);
  return text;
}

// The new text between the brackets of a bracket line that holds a setting; nothing for
// the lines that are carried unchanged.
std::optional<std::string> new_bracket_text(int number, const DriverSettings& values) {
  switch (number) {
    case kPenChangeLine:
      return std::string(values.pen_change ? "J" : "N");
    case kResolutionXLine:
      if (values.resolution_x) return short_decimal(*values.resolution_x);
      return std::nullopt;
    case kResolutionYLine:
      if (values.resolution_y) return short_decimal(*values.resolution_y);
      return std::nullopt;
    case kEachPageLine:
      return std::string(values.each_page ? "J" : "N");
    case kPaperWidthLine:
      if (values.paper_width) return std::to_string(*values.paper_width);
      return std::nullopt;
    default:
      return std::nullopt;
  }
}

}  // namespace

bool read_driver_settings(std::string_view bytes, DriverSettings& values) {
  values.bracket_lines = 0;
  for_each_line(bytes, [&](const Line& line) {
    const std::string_view text = line.text;
    if (is_tagged(text)) {
      if (tag_of(text) == "03") {
        if (const std::optional<Region> region = value_region(text)) {
          values.device =
              read_device_settings(text.substr(region->begin, region->end - region->begin)).value_or(DeviceSettings{});
        }
      }
      return true;
    }
    const std::size_t open = text.find('[');
    if (open == std::string_view::npos) return true;
    const int number = ++values.bracket_lines;
    const std::string_view value = bracket_value(text, open);
    switch (number) {
      case kPenChangeLine:
        values.pen_change = yes_at(text, open);
        break;
      case kResolutionXLine:
      case kResolutionYLine: {
        // A number too large for the resolution's single precision is no resolution.
        std::optional<float>& resolution = number == kResolutionXLine ? values.resolution_x : values.resolution_y;
        resolution.reset();
        if (const std::optional<double> read = leading_real(value); read && std::fabs(*read) <= FLT_MAX) {
          resolution = static_cast<float>(*read);
        }
        break;
      }
      case kCutterLine:
        values.cutter = yes_at(text, open) ? 1 : 0;
        break;
      case kEachPageLine:
        values.each_page = yes_at(text, open);
        break;
      case kPlotterNameLine:
        values.plotter_name.assign(value);
        break;
      case kPaperWidthLine:
        values.paper_width = leading_whole_number(value);
        break;
      default:
        break;
    }
    return true;
  });
  return values.bracket_lines >= 2;
}

std::string rewrite_driver_file(std::string_view bytes, const DriverSettings& values) {
  std::string result;
  result.reserve(bytes.size() + 64);
  int bracket_lines = 0;
  for_each_line(bytes, [&](const Line& line) {
    const std::string_view text = line.text;
    std::string changed;
    bool rewritten = false;
    if (is_tagged(text)) {
      const std::optional<Region> region = value_region(text);
      std::optional<std::string> layout;
      if (tag_of(text) == "03" && region && region->end - region->begin >= kDeviceLayout) {
        layout = device_layout(values.device, text.substr(region->begin, kDeviceLayout));
      }
      if (layout) {
        changed = std::string(text);
        changed.replace(region->begin, kDeviceLayout, *layout);
        std::fill(changed.begin() + static_cast<std::ptrdiff_t>(region->begin + kDeviceLayout),
                  changed.begin() + static_cast<std::ptrdiff_t>(region->end), ' ');
        rewritten = true;
      }
    } else if (const std::size_t open = text.find('['); open != std::string_view::npos) {
      const int number = ++bracket_lines;
      const std::size_t close = text.find(']', open + 1);
      if (close != std::string_view::npos) {
        if (const std::optional<std::string> inner = new_bracket_text(number, values)) {
          changed.reserve(text.size() + inner->size());
          changed.append(text.substr(0, open + 1));
          changed += *inner;
          changed.append(text.substr(close));
          rewritten = true;
        }
      }
    }
    result += rewritten ? without_trailing_blanks(changed) : text;
    result += line.ending;
    return true;
  });
  return result;
}

PlotterNameLine plotter_name_line(std::string_view bytes) {
  PlotterNameLine found;
  for_each_line(bytes, [&](const Line& line) {
    if (is_tagged(line.text)) return true;
    const std::size_t open = line.text.find('[');
    if (open == std::string_view::npos) return true;
    const std::size_t close = line.text.find(']', open + 1);
    if (close == std::string_view::npos) return true;
    if (++found.closed_lines < kPlotterNameLine) return true;
    found.text = std::string(line.text.substr(open + 1, close - open - 1));
    return false;
  });
  return found;
}

std::optional<std::string> listed_plotter_name(std::string_view bytes) {
  PlotterNameLine found = plotter_name_line(bytes);
  if (found.closed_lines < kPlotterNameLine || found.text.empty()) return std::nullopt;
  return std::move(found.text);
}

}  // namespace tav
