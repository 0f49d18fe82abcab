#include "language/core/language_rules.h"

#include <climits>

#include "util/core/text.h"

namespace tav {
namespace {

constexpr int kLangnameLength = 40;

}  // namespace

std::optional<int> decimal_number(std::string_view text) {
  std::size_t at = 0;
  while (at < text.size() && text[at] == ' ') ++at;
  bool negative = false;
  if (at < text.size() && (text[at] == '+' || text[at] == '-')) negative = text[at++] == '-';
  long long value = 0;
  const std::size_t digits_start = at;
  while (at < text.size() && text[at] >= '0' && text[at] <= '9') {
    value = value * 10 + (text[at] - '0');
    if (value > static_cast<long long>(INT_MAX) + 1) return std::nullopt;
    ++at;
  }
  if (at == digits_start) return std::nullopt;
  while (at < text.size() && text[at] == ' ') ++at;
  if (at != text.size()) return std::nullopt;
  if (negative) value = -value;
  if (value > INT_MAX || value < INT_MIN) return std::nullopt;
  return static_cast<int>(value);
}

std::optional<std::string> configured_language_code(std::string_view language_text) {
  if (language_text.size() != 3 && language_text.size() != 4) return std::nullopt;
  std::string code(language_text);
  code.resize(4, ' ');
  const std::optional<int> number = decimal_number(code);
  if (!number || *number <= 0) return std::nullopt;
  return code;
}

bool startup_version_accepted(int language_version, int installed_version) {
  return language_version == installed_version || (language_version >= 1090 && language_version <= 1109);
}

bool language_listed(int language_version, int installed_version) {
  const long long difference = static_cast<long long>(language_version) - installed_version;
  if (difference >= -20 && difference <= 20) return true;
  return installed_version < 1100 && language_version <= 0;
}

std::optional<int> folder_language_number(std::string_view folder_name) {
  return decimal_number(folder_name.substr(0, 4));
}

std::string standard_language_item(std::string_view name_exact, std::string_view name_english) {
  if (name_exact.empty()) return "   -    (standard)";
  return std::string(name_exact) + " (" + std::string(name_english) + ") *";
}

std::string language_item(std::string_view name_exact, std::string_view name_english) {
  return std::string(name_exact) + " (" + std::string(name_english) + ")";
}

std::string langname_from_item(std::string_view item_text, LeadBytePredicate is_lead_byte) {
  if (item_text.size() <= kLangnameLength) return std::string(item_text);
  const std::size_t bracket = item_text.find('(');
  // The bracket at 0-based index 2 or later leaves at least one character before the blank.
  if (bracket != std::string_view::npos && bracket >= 2) {
    // The character before the bracket is dropped whole, also when it takes two bytes.
    std::size_t last = 0;
    for (std::size_t at = 0; at < bracket;) {
      last = at;
      at += is_lead_byte && is_lead_byte(static_cast<unsigned char>(item_text[at])) && at + 1 < bracket ? 2 : 1;
    }
    return std::string(cut_characters(item_text.substr(0, last), kLangnameLength, is_lead_byte));
  }
  return std::string(cut_characters(item_text, kLangnameLength, is_lead_byte));
}

std::optional<std::string> path_in_language_folder(std::string_view path, std::string_view code) {
  static constexpr char kMarker[] = "\\TAVIRO\\";
  constexpr int kMarkerLength = sizeof kMarker - 1;
  std::string upper(path);
  to_upper_case(upper.data(), static_cast<int>(upper.size()));
  const int found = find_text(upper.data(), static_cast<int>(upper.size()), kMarker, kMarkerLength);
  if (found == 0) return std::nullopt;
  const std::size_t keep = static_cast<std::size_t>(found - 1 + kMarkerLength);
  return std::string(path.substr(0, keep)) + std::string(code) + "\\" + std::string(path.substr(keep));
}

}  // namespace tav
