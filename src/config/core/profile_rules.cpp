#include "config/core/profile_rules.h"

#include <cstdint>
#include <cstdio>
#include <cstring>

namespace tav {
namespace {

// The system converts integers from a buffer of 30 characters.
constexpr std::size_t kIntegerCharacters = 29;

int digit_value(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'z') return c - 'a' + 10;
  if (c >= 'A' && c <= 'Z') return c - 'A' + 10;
  return -1;
}

}  // namespace

int copy_cut(std::string_view text, char* dest, int size) {
  if (dest == nullptr || size < 1) return 0;
  std::size_t count =
      text.size() < static_cast<std::size_t>(size - 1) ? text.size() : static_cast<std::size_t>(size - 1);
  if (count > 0) std::memcpy(dest, text.data(), count);
  dest[count] = '\0';
  return static_cast<int>(count);
}

std::string_view default_text_used(std::string_view default_text) {
  std::size_t nul = default_text.find('\0');
  if (nul != std::string_view::npos) default_text = default_text.substr(0, nul);
  while (!default_text.empty() && default_text.back() == ' ') default_text.remove_suffix(1);
  return default_text;
}

int read_text(const IniDocument& doc, std::string_view section, std::string_view key, std::string_view default_text,
              char* dest, int size) {
  std::optional<std::string_view> value = doc.find(section, key);
  return copy_cut(value ? *value : default_text_used(default_text), dest, size);
}

int integer_value(std::string_view stored, int default_value) {
  std::size_t nul = stored.find('\0');
  if (nul != std::string_view::npos) stored = stored.substr(0, nul);
  if (stored.size() >= 2 && (stored.front() == '"' || stored.front() == '\'') && stored.back() == stored.front()) {
    stored = stored.substr(1, stored.size() - 2);
  }
  if (stored.size() > kIntegerCharacters) stored = stored.substr(0, kIntegerCharacters);
  if (stored.empty()) return default_value;

  std::size_t i = 0;
  while (i < stored.size() && static_cast<unsigned char>(stored[i]) <= ' ') ++i;
  bool negative = false;
  if (i < stored.size() && (stored[i] == '+' || stored[i] == '-')) {
    negative = stored[i] == '-';
    ++i;
  }
  int base = 10;
  if (stored.size() - i >= 2 && stored[i] == '0') {
    switch (stored[i + 1]) {
      case 'x':
        base = 16;
        i += 2;
        break;
      case 'o':
        base = 8;
        i += 2;
        break;
      case 'b':
        base = 2;
        i += 2;
        break;
      default:
        break;
    }
  }
  std::uint32_t total = 0;
  for (; i < stored.size(); ++i) {
    int digit = digit_value(stored[i]);
    if (digit < 0 || digit >= base) break;
    total = total * static_cast<std::uint32_t>(base) + static_cast<std::uint32_t>(digit);
  }
  if (negative) total = 0u - total;
  return static_cast<int>(total);
}

int read_int(const IniDocument& doc, std::string_view section, std::string_view key, int default_value) {
  std::optional<std::string_view> value = doc.find(section, key);
  return value ? integer_value(*value, default_value) : default_value;
}

bool flag_from_stored(int stored, bool default_flag) { return stored == -1 ? default_flag : stored != 0; }

std::string integer_text(int value) {
  char text[16];
  std::snprintf(text, sizeof text, "%d", value);
  return text;
}

std::string_view flag_text(bool flag) { return flag ? "1" : "0"; }

int strip_comment(char* text, int length) {
  bool inside_quotes = false;
  for (int i = 0; i < length; ++i) {
    if (text[i] == '"') {
      inside_quotes = !inside_quotes;
    } else if (!inside_quotes && (text[i] == ';' || text[i] == '!')) {
      text[i] = '\0';
      return i;
    }
  }
  return length;
}

int read_text_indirect(const IniDocument& doc, std::string_view section, std::string_view key,
                       std::string_view default_text, char* dest, int size) {
  int length = read_text(doc, section, key, default_text, dest, size);
  if (length >= 1 && dest[0] == '#' && dest[length - 1] == '#') {
    std::string name(dest, static_cast<std::size_t>(length));
    // When "STANDARD" lacks the name, the destination holds the default: its length is
    // what the caller gets, not that of the name.
    length = read_text(doc, "STANDARD", name, default_text, dest, size);
  }
  return strip_comment(dest, length);
}

}  // namespace tav
