// The language, toolbox and text rules on any input: no fault, and the cuts keep their
// promises (never longer than the field, never ending inside a two-byte character).
#include <fuzzer/FuzzedDataProvider.h>

#include <string>

#include "language/core/language_rules.h"
#include "pages/core/toolbox_catalogue_rules.h"
#include "util/core/text.h"

namespace {

void check(bool condition) {
  if (!condition) __builtin_trap();
}

bool lead_byte(unsigned char byte) { return byte >= 0x81 && byte <= 0xFE; }

// Whether text ends inside a two-byte character, or holds a byte after a lead byte that
// cannot follow one (in the two-byte code pages a trail byte is 0x40 or above).
bool splits_a_character(std::string_view text) {
  std::size_t at = 0;
  while (at < text.size()) {
    if (!lead_byte(static_cast<unsigned char>(text[at]))) {
      ++at;
      continue;
    }
    if (at + 1 >= text.size() || static_cast<unsigned char>(text[at + 1]) < 0x40) return true;
    at += 2;
  }
  return false;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider input(data, size);
  const std::string item = input.ConsumeRandomLengthString(120);
  const std::string langname = tav::langname_from_item(item, lead_byte);
  check(langname.size() <= 40);
  if (!splits_a_character(item)) check(!splits_a_character(langname));

  tav::configured_language_code(item);
  tav::folder_language_number(item);
  tav::decimal_number(item);
  tav::path_in_language_folder(item, "0440");

  tav::Field<tav::kDescriptionLength> description;
  if (tav::take_menu_text(description, item.data(), static_cast<int>(item.size()), lead_byte)) {
    const std::string taken(description.data(), tav::kDescriptionLength);
    if (!splits_a_character(item)) check(!splits_a_character(taken.substr(0, taken.find_last_not_of(' ') + 1)));
  }

  std::string field = input.ConsumeRandomLengthString(300);
  const int length = static_cast<int>(field.size());
  check(tav::significant_length(field.data(), length) <= length);
  tav::squeeze(field.data(), length);
  tav::trim(field.data(), length);
  const std::string pattern = input.ConsumeRandomLengthString(8);
  tav::find_text(field.data(), length, pattern.data(), static_cast<int>(pattern.size()));
  tav::find_last_text(field.data(), length, pattern.data(), static_cast<int>(pattern.size()));
  tav::nth_backslash(field.data(), input.ConsumeIntegralInRange(-3, 3), length);
  std::string base = input.ConsumeRandomLengthString(80) + '\0';
  std::string relative = input.ConsumeRemainingBytesAsString() + '\0';
  char result[261];
  tav::resolve_relative_path(base.data(), static_cast<int>(base.size()), relative.data(),
                             static_cast<int>(relative.size()), result, sizeof result);
  return 0;
}
