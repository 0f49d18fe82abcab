#pragma once
// The reading and writing rules of the profile access layer, on a document in memory. The
// Windows layer (config/profile.h) only loads and saves the files around them.

#include <optional>
#include <string>
#include <string_view>

#include "config/core/ini_document.h"

namespace tav {

// Copies text into dest, cut to size - 1 characters, and terminates it. Returns the number
// of characters copied; with size < 1 nothing is written and 0 is returned.
int copy_cut(std::string_view text, char* dest, int size);

// A default text as the system's text reader uses it: trailing spaces dropped.
std::string_view default_text_used(std::string_view default_text);

// The key's value, or the default (trailing spaces dropped) when the section or key is
// missing, cut to size - 1 and terminated. Returns the number of characters copied.
int read_text(const IniDocument& doc, std::string_view section, std::string_view key, std::string_view default_text,
              char* dest, int size);

// The system's integer reader on one stored value: one pair of enclosing quotes (double or
// single) is ignored, only the first 29 characters count, an empty value gives the default;
// then leading blanks and control characters (codes 1 to 32) are skipped, then come an
// optional sign, a base prefix "0x" (hexadecimal), "0o" (octal) or "0b" (binary), in lower
// case only, and the digits up to the first character that is not one. No digits give 0;
// the value wraps modulo 2^32 ("4294967297" reads as 1, "2147483648" as -2147483648).
int integer_value(std::string_view stored, int default_value);
// The same for a key: a missing key, or one without '=', gives the default.
int read_int(const IniDocument& doc, std::string_view section, std::string_view key, int default_value);

// A flag stored as an integer: -1 (the "missing" default) gives the caller's default,
// 0 false, anything else true.
bool flag_from_stored(int stored, bool default_flag);
// Plain decimal without blanks or leading zeros: "7", "-1", "-2147483648".
std::string integer_text(int value);
// "1" or "0".
std::string_view flag_text(bool flag);

// The text reader with indirection and comment stripping. A value that begins and ends with
// '#' names a key of section "STANDARD" whose value (or the default, when "STANDARD" lacks
// it) is taken instead. Then the text is cut before the first ';' or '!' that lies outside
// double quotes. Returns the length kept, blanks included ("Text ;x" keeps 5).
int read_text_indirect(const IniDocument& doc, std::string_view section, std::string_view key,
                       std::string_view default_text, char* dest, int size);
// The comment stripping alone, on the first length characters of text. Returns the length
// kept; when a comment mark is found it is replaced by a terminating zero.
int strip_comment(char* text, int length);

}  // namespace tav
