#include "config/core/settings_transfer.h"

#include <algorithm>
#include <cctype>
#include <charconv>

#include "config/core/ini_document.h"
#include "config/core/key_catalogue.h"

namespace tav {
namespace {

using catalogue::KeyEntry;
using catalogue::LoadRule;
using catalogue::Type;
using catalogue::WriteRule;

class CapturingWriter : public KeyWriter {
 public:
  explicit CapturingWriter(std::vector<WrittenKey>& keys) : keys_(keys) {}
  void text(std::string_view section, std::string_view key, std::string_view value) override {
    keys_.push_back({std::string(section), std::string(key), std::string(value)});
  }
  void integer(std::string_view section, std::string_view key, int value) override {
    text(section, key, std::to_string(value));
  }
  void flag(std::string_view section, std::string_view key, bool flag) override {
    text(section, key, flag ? "1" : "0");
  }

 private:
  std::vector<WrittenKey>& keys_;
};

bool same_name(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::toupper(static_cast<unsigned char>(x)) == std::toupper(static_cast<unsigned char>(y));
         });
}

std::string_view trimmed(std::string_view text) {
  while (!text.empty() && is_ini_blank(text.front())) text.remove_prefix(1);
  while (!text.empty() && is_ini_blank(text.back())) text.remove_suffix(1);
  return text;
}

std::optional<int> whole_number(std::string_view text) {
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

// The values a number key takes: what the page's field can hold or the file format keeps.
std::pair<int, int> accepted_range(const KeyEntry& entry) {
  constexpr int kAny = 0x7fffffff;
  if (entry.type == Type::flag) return {0, 1};
  if (entry.load == LoadRule::clamp_0_to_99) return {0, 99};
  if (entry.load == LoadRule::clamp_0_to_9 || entry.write == WriteRule::one_digit) return {0, 9};
  if (entry.write == WriteRule::four_digits) return {0, 9999};
  return {-kAny - 1, kAny};
}

// The lines of a text: split at CR LF, LF or a lone CR.
std::vector<std::string_view> text_lines(std::string_view text) {
  std::vector<std::string_view> lines;
  std::size_t begin = 0;
  while (begin < text.size()) {
    const std::size_t end = text.find_first_of("\r\n", begin);
    if (end == std::string_view::npos) {
      lines.push_back(text.substr(begin));
      break;
    }
    lines.push_back(text.substr(begin, end - begin));
    begin = end + (text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n' ? 2 : 1);
  }
  return lines;
}

}  // namespace

std::vector<WrittenKey> written_keys(const Settings& record) {
  std::vector<WrittenKey> keys;
  CapturingWriter writer(keys);
  // The menu font height is written by the dialog only after the user changed it; an
  // exported file carries it always.
  Settings every_key = record;
  every_key.font_size_changed = true;
  write_settings(every_key, writer);
  for (const KeyEntry& entry : catalogue::key_table(every_key)) {
    if (entry.write != WriteRule::not_written) continue;
    const auto& member = std::get<catalogue::TextMember>(entry.member);
    writer.text(
        entry.section, entry.key,
        std::string_view(member.chars, static_cast<std::size_t>(significant_length(member.chars, member.size))));
  }
  return keys;
}

std::string exported_text(const Settings& record) {
  IniDocument document;
  for (const WrittenKey& key : written_keys(record)) document.set(key.section, key.key, key.value);
  return document.bytes();
}

std::vector<WrittenKey> changed_keys(const Settings& before, const Settings& after) {
  const std::vector<WrittenKey> old_keys = written_keys(before);
  std::vector<WrittenKey> changed;
  for (const WrittenKey& key : written_keys(after)) {
    if (std::find(old_keys.begin(), old_keys.end(), key) == old_keys.end()) changed.push_back(key);
  }
  return changed;
}

std::optional<RefusedLine> refused_line(std::string_view file_bytes) {
  if (file_bytes.starts_with("\xEF\xBB\xBF")) file_bytes.remove_prefix(3);
  Settings record;
  const std::vector<KeyEntry> table = catalogue::key_table(record);
  std::string_view section;
  bool in_section = false;
  int number = 0;
  for (std::string_view line : text_lines(file_bytes)) {
    ++number;
    line = trimmed(line);
    if (line.empty() || line.front() == ';') continue;
    if (line.front() == '[' && line.find(']') != std::string_view::npos) {
      section = trimmed(line.substr(1, line.rfind(']') - 1));
      in_section = true;
      continue;
    }
    const std::size_t equals = line.find('=');
    RefusedLine refused{
        number, std::string(section), std::string(trimmed(line.substr(0, equals))),
        equals == std::string_view::npos ? std::string() : std::string(trimmed(line.substr(equals + 1)))};
    const auto entry = std::find_if(table.begin(), table.end(), [&](const KeyEntry& known) {
      return in_section && same_name(known.section, section) && same_name(known.key, refused.key);
    });
    if (entry == table.end()) return refused;
    if (entry->type == Type::text || equals == std::string_view::npos) continue;
    const std::optional<int> value = whole_number(refused.value);
    if (!value) {
      refused.problem = LineProblem::not_a_number;
      return refused;
    }
    const auto [low, high] = accepted_range(*entry);
    if (*value < low || *value > high) {
      refused.problem = LineProblem::out_of_range;
      refused.low = low;
      refused.high = high;
      return refused;
    }
  }
  return std::nullopt;
}

}  // namespace tav
