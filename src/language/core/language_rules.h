#pragma once
// The rules of the installed languages: which configured language switches language mode
// on, which language folders match the installed TAVIRO version, how a path moves into a
// language folder, and what the Language page shows and stores.
//
// A language folder lies directly below \taviro\ and is named by a four-digit language
// code ("0440"); its number (440) is what OPTIONS/LANGUAGE holds. Number 0 is the standard
// language of the base folder.

#include <optional>
#include <string>
#include <string_view>

#include "util/core/text.h"

namespace tav {

// A text that is an integer in decimal: optional blanks, an optional sign, digits, optional
// blanks. nullopt for anything else (and for a value outside the int range).
std::optional<int> decimal_number(std::string_view text);

// The four-character language code of the configured OPTIONS/LANGUAGE text when it can put
// language mode on: a text of 3 or 4 characters (a 3-character one padded with a blank)
// that reads as a number above 0. nullopt otherwise ("0000", "abcd", "12345", "").
std::optional<std::string> configured_language_code(std::string_view language_text);

// Whether the language.ini VERSION of the configured language lets language mode stay on:
// the installed version itself, or any version from 1090 to 1109.
bool startup_version_accepted(int language_version, int installed_version);

// Whether the Language page lists a language folder with this VERSION: within 20 of the
// installed version, or without a version (0 or less) on installations below 1100.
bool language_listed(int language_version, int installed_version);

// The language number of a language folder from the first four characters of its name;
// nullopt when they are not a number.
std::optional<int> folder_language_number(std::string_view folder_name);

// The first item of the Language page, for the base folder's language.ini.
std::string standard_language_item(std::string_view name_exact, std::string_view name_english);
// The item of a language folder.
std::string language_item(std::string_view name_exact, std::string_view name_english);

// LANGNAME from the item text chosen on the Language page: a text of at most 40 characters
// whole; a longer one cut before its first '(' (dropping the character before it, normally
// a blank), or its first 40 characters when the bracket is missing or in the first two
// places. Never longer than 40 characters, and never cut inside a two-byte character.
std::string langname_from_item(std::string_view item_text, LeadBytePredicate is_lead_byte = nullptr);

// The path moved into the language folder: "\taviro\" (found in any letter case) is
// followed by the code and a backslash ("C:\taviro\menues\dialog.ini" becomes
// "C:\taviro\0440\menues\dialog.ini"). nullopt when the path holds no "\taviro\".
std::optional<std::string> path_in_language_folder(std::string_view path, std::string_view code);

}  // namespace tav
