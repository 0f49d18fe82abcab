#pragma once
// Rules of the folder listing that do not need the file system: which name an entry is
// listed by, and the entries of a folder name table.

#include <string_view>

#include "util/core/text.h"

namespace tav {

// True when name fits the 8.3 form: at most 12 characters, a base name of at most 8
// characters before the first dot and at most 3 characters after it (so "a.b.c" fits),
// at most 8 characters when there is no dot, and no blank.
bool has_8_3_form(std::string_view name);

// The name a listing delivers for an entry with the given long name and alternate (8.3)
// name, empty when it has none. With show_alias the alternate name is preferred; without
// it the long name is kept unless it lacks the 8.3 form and an alternate name exists.
std::string_view listed_name(std::string_view long_name, std::string_view alternate_name, bool show_alias);

// One entry of a folder name table: a blank, then the name cut at its first dot and to at
// most 8 characters, blank-padded to 10 characters, in upper case.
using FolderNameEntry = Field<10>;

// Fills entry from a listed name. False (entry untouched) when nothing is left of the
// name before its first dot, as for "." and "..".
bool make_folder_name_entry(std::string_view name, FolderNameEntry& entry);

}  // namespace tav
