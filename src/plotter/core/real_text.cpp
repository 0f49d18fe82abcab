#include "plotter/core/real_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>

namespace tav {
namespace {

bool is_digit(char c) { return c >= '0' && c <= '9'; }

// A real number filling all of text: an optional sign, then digits with an optional
// decimal point and an optional exponent. Words such as "inf" and "nan" are no numbers.
std::optional<double> whole_text_real(std::string_view text) {
  std::size_t at = 0;
  bool negative = false;
  if (at < text.size() && (text[at] == '+' || text[at] == '-')) negative = text[at++] == '-';
  if (at == text.size() || !(is_digit(text[at]) || text[at] == '.')) return std::nullopt;
  double value = 0;
  const char* first = text.data() + at;
  const char* last = text.data() + text.size();
  const auto [end, error] = std::from_chars(first, last, value, std::chars_format::general);
  if (error != std::errc() || end != last || !std::isfinite(value)) return std::nullopt;
  return negative ? -value : value;
}

// The text from its first non-blank character up to the next blank.
std::string_view leading_word(std::string_view text) {
  std::size_t begin = text.find_first_not_of(' ');
  if (begin == std::string_view::npos) return {};
  text.remove_prefix(begin);
  return text.substr(0, text.find(' '));
}

}  // namespace

std::string short_decimal(float value) {
  char formatted[64];
  std::snprintf(formatted, sizeof formatted, "%.6f", static_cast<double>(value));
  std::string text;
  for (const char* c = formatted; *c != '\0'; ++c) {
    if (*c != ' ') text += *c;
  }
  while (text.size() > 6 && text.back() == '0') text.pop_back();
  while (text.size() > 6 && text.front() == '0') text.erase(0, 1);
  return text;
}

std::string decimal_comma_text(double value, int max_decimals) {
  // Nine decimal places after the point: a value below 1 is formatted with four and
  // padded with zeros, so that it keeps only four.
  char formatted[400];
  if (std::fabs(value) >= 1) {
    std::snprintf(formatted, sizeof formatted, "%20.9f ", value);
  } else {
    std::snprintf(formatted, sizeof formatted, "%15.4f00000 ", value);
  }
  std::string text = formatted;
  const std::size_t point = text.find('.');
  if (point == std::string::npos || point < 1 || text.size() < point + 10) {
    text.erase(std::remove(text.begin(), text.end(), ' '), text.end());
    return text;
  }
  text[point] = ',';
  const std::size_t last = point + 9;  // the ninth decimal place
  if (text[last] == '0' || max_decimals < 9) {
    text[last] = ' ';
    for (std::size_t place = last - 1; place > point; --place) {
      const int decimals = static_cast<int>(place - point);
      if (text[place] != '0' && decimals <= max_decimals) break;
      text[place] = ' ';
    }
  }
  if (text[point + 1] == ' ') text[point] = ' ';
  if (text[point - 1] == ' ') text[point - 1] = '0';
  text.erase(std::remove(text.begin(), text.end(), ' '), text.end());
  return text;
}

std::string resolution_text(std::optional<float> resolution) {
  constexpr int kAllDecimals = 100;  // no limit beyond the display's own nine decimals
  return resolution ? decimal_comma_text(*resolution, kAllDecimals) : std::string();
}

std::optional<double> read_decimal_comma(std::string_view text) {
  std::string cleaned;
  for (char c : text) {
    if (c == ' ') continue;
    cleaned += c == ',' ? '.' : c;
  }
  if (cleaned.empty()) return std::nullopt;
  return whole_text_real(cleaned);
}

std::optional<double> leading_real(std::string_view text) { return whole_text_real(leading_word(text)); }

std::optional<int> leading_whole_number(std::string_view text) {
  const std::string_view word = leading_word(text);
  std::size_t at = 0;
  if (at < word.size() && word[at] == '+') ++at;
  int value = 0;
  const auto [end, error] = std::from_chars(word.data() + at, word.data() + word.size(), value);
  if (error != std::errc() || end != word.data() + word.size() || at == word.size()) return std::nullopt;
  if (at > 0 && value < 0) return std::nullopt;  // "+-5"
  return value;
}

}  // namespace tav
