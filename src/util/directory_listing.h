#pragma once
// Listing the entries of a folder one at a time (list_folder), the drive-ready check every
// listing start makes first, the folder name table built on the listing, and the
// path-exists test. Names are fixed-length, blank-padded fields with a significant length.
//
// list_folder keeps one open search for the whole program; the path-exists test keeps a second,
// separate one, so it may run while a listing is in progress. Starting a search closes a
// search still open in the same slot.

#include <windows.h>

#include <cstdint>

#include "util/core/listing_rules.h"

namespace tav {

enum class ListStep { start, next, close };

enum class ListStatus {
  delivered,       // an entry was delivered, or the search was closed
  no_more,         // the system reported that there are no more files
  not_started,     // at start: drive not ready, or the search could not start
  failed,          // at next: another failure
  invalid_handle,  // at next: the search handle was invalid (or none is open)
};

// The entry record of a delivered entry, date and time in local time. For a folder the
// creation time is used when it is not zero, otherwise the last-write time; all six date
// fields are 0 when the time cannot be converted.
struct ListingEntry {
  std::int32_t size = 0;  // the low 32 bits of the file size
  std::int16_t year = 0;
  std::int16_t month = 0;
  std::int16_t day = 0;
  std::int16_t hour = 0;
  std::int16_t minute = 0;
  std::int16_t second = 0;
};

// One step of the listing.
//  ListStep::start: name holds the pattern (for example "U:\taviro\*.*") with name_length
//    characters, attributes the attribute mask (0: every entry; otherwise only entries with
//    one of its bits, also for the following ListStep::next calls).
//  ListStep::next:  the next entry.
//  ListStep::close: closes the search; delivered.
// On delivery (delivered from start or next) name holds the entry's name, blank-padded to
// declared_length, name_length its significant length, attributes its attribute bits and
// entry its record. A pattern of more than 259 characters is not searched (not_started).
ListStatus list_folder(ListStep step, char* name, int declared_length, int& name_length, std::uint16_t& attributes,
                       ListingEntry& entry);

// The type of the drive of root (a terminated text such as "U:\") when it is usable, else 0.
// Removable and fixed drives must give their volume information, remote drives and CD-ROMs
// their free space; any other type is answered as it is (so "\ta", without a drive letter,
// passes with type 1, and an unknown type 0 does not).
int drive_ready(const char* root);

// Fills table with the entries of the pattern (at most 200 characters; a longer pattern
// gives an empty table): with directories, the folders that are not both hidden and
// system; without, the entries that are not folders. Entries whose name is empty before
// its first dot are left out. Stops at the first listing status other than delivered or when
// max_entries are filled. Answers the number of entries.
int folder_name_table(bool directories, const char* pattern, int pattern_length, FolderNameEntry* table,
                      int max_entries);

// True when a find on exactly this path (its significant length, no wildcards) finds an
// entry, so a folder exists when the find on its own name succeeds. A path of more than
// 259 characters is refused with tag "path_exists-1" and answers false.
bool path_exists(const char* path, int length);

// The entry record of a found entry (reports tag "list_folder-1" when its time cannot be
// converted).
ListingEntry listing_entry_of(const WIN32_FIND_DATAA& found);

}  // namespace tav
