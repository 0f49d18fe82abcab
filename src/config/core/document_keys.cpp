#include "config/core/document_keys.h"

#include <vector>

#include "config/core/profile_rules.h"

namespace tav {

std::string DocumentKeyReader::text(std::string_view section, std::string_view key, std::string_view default_text,
                                    int size) {
  if (size < 1) return {};
  std::vector<char> buffer(static_cast<std::size_t>(size));
  const int length = read_text(document_, section, key, default_text, buffer.data(), size);
  return std::string(buffer.data(), static_cast<std::size_t>(length));
}

int DocumentKeyReader::integer(std::string_view section, std::string_view key, int default_value) {
  return read_int(document_, section, key, default_value);
}

void DocumentKeyWriter::text(std::string_view section, std::string_view key, std::string_view value) {
  document_.set(section, key, value);
}

void DocumentKeyWriter::integer(std::string_view section, std::string_view key, int value) {
  document_.set(section, key, integer_text(value));
}

void DocumentKeyWriter::flag(std::string_view section, std::string_view key, bool flag) {
  document_.set(section, key, flag_text(flag));
}

}  // namespace tav
