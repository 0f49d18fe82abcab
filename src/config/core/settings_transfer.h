#pragma once
// Moving the settings of the main configuration file between installations as a file: the
// export writes every key of the catalogue in the main file's format; the import first
// checks every line of such a file against the catalogue, then changes only the keys whose
// written value differs, so that importing what was just exported changes no byte.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "config/core/settings_record.h"

namespace tav {

// One key as the dialog writes it: section, key and the value text.
struct WrittenKey {
  std::string section;
  std::string key;
  std::string value;
  bool operator==(const WrittenKey&) const = default;
};

// Every key of the catalogue as the record would be written, in write order, followed by
// the keys the dialog only reads (as held). MENUFONTHIGHT is always among them.
std::vector<WrittenKey> written_keys(const Settings& record);

// The file text of an export: one section after another, CR LF line ends.
std::string exported_text(const Settings& record);

// The keys whose written value differs between the record before and after an import.
std::vector<WrittenKey> changed_keys(const Settings& before, const Settings& after);

// Why a line of an import file is refused.
enum class LineProblem {
  unknown_key,   // section and key name no key of the catalogue (or a key outside a section)
  not_a_number,  // an integer or flag key with a value that is not a plain whole number
  out_of_range,  // a whole number outside what the key takes
};

struct RefusedLine {
  int number = 0;       // from 1
  std::string section;  // as written in the file
  std::string key;
  std::string value;
  LineProblem problem = LineProblem::unknown_key;
  int low = 0;  // the range the key takes, for out_of_range
  int high = 0;
};

// The first line of an import file that the rules refuse, or nothing when every key line
// names a key of the catalogue with a value it takes. Blank lines, comments and section
// lines are not keys. Texts are never refused: they are cut to their fields on loading.
std::optional<RefusedLine> refused_line(std::string_view file_bytes);

}  // namespace tav
