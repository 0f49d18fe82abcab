#pragma once
// The special load and write rules of single keys of the main configuration file.

#include <string>
#include <string_view>

namespace tav {

// DRIVES as held: the value read (at most size - 1 characters) goes into field; every full
// stop becomes the drive letter of current_folder when that folder starts with a letter and
// ":\" (otherwise it stays); blanks and zero characters are squeezed out and the rest of the
// field is blank. Answers the number of letters left (the drive letter count).
int load_drive_letters(std::string_view value, std::string_view current_folder, char* field, int size);

// The graphics font named by TAVIROFONT: the characters before the first full stop, cut to
// the 9-character field, when that full stop is at position 2 or later; otherwise "TAVIRO2".
std::string graphics_font_from_file(std::string_view tavirofont);
// TAVIROFONT as written: the font name followed by ".FNT".
std::string font_file_from_graphics_font(std::string_view name);

// The folder of the autonester program: the text up to and including its last backslash,
// ".\" when it has none.
std::string autonester_folder(std::string_view program);

// value as exactly `digits` decimal digits with leading zeros ("0440"); a value that does not
// fit (negative or too large) as plain decimal text, so that no digit is lost.
std::string fixed_digits(int value, int digits);

int clamped(int value, int low, int high);

}  // namespace tav
