#include "util/core/message_text.h"

#include <cstdio>
#include <vector>

namespace tav {
namespace {

void append_flat(std::string& line, std::string_view part) {
  for (char c : part) line += (c == '\t' || c == '\r' || c == '\n') ? ' ' : c;
}

}  // namespace

std::string with_arguments(std::string_view text, std::initializer_list<std::string_view> arguments) {
  const std::vector<std::string_view> args(arguments);
  std::string result;
  result.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '%' || i + 1 == text.size()) {
      result += text[i];
      continue;
    }
    const char next = text[i + 1];
    if (next == '%') {
      result += '%';
      ++i;
    } else if (next >= '1' && next <= '9' && static_cast<std::size_t>(next - '1') < args.size()) {
      result += args[static_cast<std::size_t>(next - '1')];
      ++i;
    } else {
      result += '%';
    }
  }
  return result;
}

std::string log_line(const LogTime& time, std::string_view action, std::string_view subject, std::string_view reason) {
  char stamp[32];
  std::snprintf(stamp, sizeof stamp, "%04d-%02d-%02d %02d:%02d:%02d", time.year, time.month, time.day, time.hour,
                time.minute, time.second);
  std::string line(stamp);
  for (std::string_view part : {action, subject, reason}) {
    line += '\t';
    append_flat(line, part);
  }
  line += "\r\n";
  return line;
}

}  // namespace tav
