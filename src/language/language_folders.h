#pragma once
// The language folders of the installation ("\taviro\0???") and what the Language page makes
// of each: listed with its item text and number, or left out, with why.
#include <string>
#include <vector>

#include "config/profile.h"

namespace tav {

struct LanguageFolder {
  enum class Verdict {
    listed,
    no_name,        // its language.ini has no NAMEEXACT: not a language
    other_version,  // its VERSION does not match the installed version
    not_a_number,   // the folder name does not begin with a number
  };
  std::string code;  // the first four characters of the folder name
  Verdict verdict = Verdict::listed;
  std::string item;  // the list item of a listed folder
  int number = 0;    // its language number
  int version = 0;   // language.ini VERSION
};

// A text of section LANGUAGE of a language.ini (NAMEEXACT, NAMEENGLISH), empty when missing.
std::string description_text(const profile::ProfileSnapshot& file, const char* key);

// Every language folder in listing order (at most 1000), judged for installed_version.
// Empty when the listing cannot get memory for its names.
std::vector<LanguageFolder> language_folders(int installed_version);

}  // namespace tav
