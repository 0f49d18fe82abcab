#include "controls/core/number_text.h"

namespace tav {

std::optional<unsigned> unsigned_number(std::string_view text) {
  std::size_t at = 0;
  while (at < text.size() && text[at] == ' ') ++at;
  std::size_t end = text.size();
  while (end > at && text[end - 1] == ' ') --end;
  if (at == end) return std::nullopt;
  unsigned long long value = 0;
  for (; at < end; ++at) {
    const char c = text[at];
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + static_cast<unsigned>(c - '0');
    if (value > 4294967295ULL) return std::nullopt;
  }
  return static_cast<unsigned>(value);
}

}  // namespace tav
