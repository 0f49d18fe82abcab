// Any bytes as an INI file (the main configuration file, a queue file, language.ini, the menu
// dialog file, lintypes.ini, settngsb.ini): reading never fails, reading it in two parts
// gives the same answers, and a write changes its key
// and nothing else, reads back as written, and a second write of the same value changes no
// byte.
#include <fuzzer/FuzzedDataProvider.h>

#include <string>
#include <vector>

#include "config/core/ini_document.h"
#include "config/core/profile_rules.h"
#include "plotter/core/queue_file.h"
#include "plotter/core/serial_port.h"

namespace {

void check(bool condition) {
  if (!condition) __builtin_trap();
}

std::string trimmed(std::string_view text) {
  std::size_t b = 0, e = text.size();
  while (b < e && tav::is_ini_blank(text[b])) ++b;
  while (e > b && tav::is_ini_blank(text[e - 1])) --e;
  return std::string(text.substr(b, e - b));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider input(data, size);
  const std::string section = input.ConsumeRandomLengthString(12);
  const std::string key = input.ConsumeRandomLengthString(12);
  const std::string other_section = input.ConsumeRandomLengthString(12);
  const std::string other_key = input.ConsumeRandomLengthString(12);
  std::string value = input.ConsumeRandomLengthString(40);
  const std::size_t cut = input.ConsumeIntegral<std::uint16_t>();
  tav::IniDocument document(input.ConsumeRemainingBytesAsString());

  // The file read in two parts: an answer settled on the first part is the whole file's,
  // and with the rest appended every answer is the whole file's.
  {
    const std::string_view bytes = document.bytes();
    const std::size_t at = cut < bytes.size() ? cut : bytes.size();
    tav::IniDocument part{std::string(bytes.substr(0, at))};
    const tav::IniDocument::Lookup early = part.find_settled(section, key);
    check(!early.settled || early.value == document.find(section, key));
    part.append(bytes.substr(at));
    check(part.find(section, key) == document.find(section, key));
    check(part.find(other_section, other_key) == document.find(other_section, other_key));
  }

  // The readers of the profile layer on whatever the file holds.
  char text[64];
  tav::read_text(document, section, key, "default", text, sizeof text);
  tav::read_text_indirect(document, section, key, "x", text, sizeof text);
  tav::read_int(document, other_section, other_key, -1);
  tav::read_queue_values(document);
  tav::serial_port_keys(tav::serial_port_choice(document));

  const auto other_before = document.find(other_section, other_key);
  const std::string other_value = other_before ? std::string(*other_before) : std::string("<missing>");
  if (!document.set(section, key, value)) return 0;
  const std::string first = document.bytes();

  // The value as it can be stored: up to its first line break or NUL.
  value = value.substr(0, value.find_first_of(std::string("\r\n\0", 3)));
  const auto read = document.find(section, key);
  check(read.has_value() && std::string(*read) == trimmed(value));
  // Another key keeps its value (unless it is the same key by another spelling).
  const auto other_after = document.find(other_section, other_key);
  const std::string other_now = other_after ? std::string(*other_after) : std::string("<missing>");
  const bool same_key = tav::IniDocument(first).find(other_section, other_key) == read && other_now == trimmed(value);
  check(other_now == other_value || same_key);

  // Writing it again, or writing back what was read, changes nothing.
  check(document.set(section, key, value) && document.bytes() == first);
  check(document.set(section, key, std::string(*read)) && document.bytes() == first);
  return 0;
}
