#include "config/core/ini_differences.h"

#include <string_view>
#include <utility>

namespace tav {
namespace {

std::string_view trimmed(std::string_view text) {
  while (!text.empty() && is_ini_blank(text.front())) text.remove_prefix(1);
  while (!text.empty() && is_ini_blank(text.back())) text.remove_suffix(1);
  return text;
}

bool same_name(std::string_view first, std::string_view second) {
  if (first.size() != second.size()) return false;
  for (std::size_t i = 0; i < first.size(); ++i) {
    auto upper = [](char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; };
    if (upper(first[i]) != upper(second[i])) return false;
  }
  return true;
}

using KeyNames = std::vector<std::pair<std::string, std::string>>;

// The section and key names of the document's key lines, each once, in file order.
void collect_key_names(const IniDocument& document, KeyNames& names) {
  std::string_view bytes = document.bytes();
  if (bytes.substr(0, 3) == "\xEF\xBB\xBF") bytes.remove_prefix(3);
  std::string section;
  while (!bytes.empty()) {
    const std::size_t end = bytes.find_first_of("\r\n");
    std::string_view line = trimmed(bytes.substr(0, end));
    bytes.remove_prefix(end == std::string_view::npos ? bytes.size() : end + 1);
    line = line.substr(0, line.find('\0'));
    if (line.empty() || line.front() == ';') continue;
    const std::size_t close = line.rfind(']');
    if (line.front() == '[' && close != std::string_view::npos) {
      section = std::string(trimmed(line.substr(1, close - 1)));
      continue;
    }
    const std::size_t equals = line.find('=');
    if (equals == std::string_view::npos) continue;
    const std::string_view key = trimmed(line.substr(0, equals));
    bool known = false;
    for (const auto& [known_section, known_key] : names) {
      known = known || (same_name(known_section, section) && same_name(known_key, key));
    }
    if (!known && !key.empty()) names.emplace_back(section, std::string(key));
  }
}

std::optional<std::string> value_of(const IniDocument& document, const std::string& section, const std::string& key) {
  const auto value = document.find(section, key);
  return value ? std::optional<std::string>(std::string(*value)) : std::nullopt;
}

}  // namespace

std::vector<KeyDifference> key_differences(const IniDocument& earlier, const IniDocument& today) {
  KeyNames names;
  collect_key_names(earlier, names);
  collect_key_names(today, names);
  std::vector<KeyDifference> differences;
  for (const auto& [section, key] : names) {
    KeyDifference difference{section, key, value_of(earlier, section, key), value_of(today, section, key)};
    if (difference.earlier != difference.today) differences.push_back(std::move(difference));
  }
  return differences;
}

}  // namespace tav
