#pragma once
// Copy, delete and move of single files, and copy and delete of folder trees through the
// shell. Names are fixed-length fields passed with their significant length; each
// operation works on a private terminated copy. Nothing here shows a message of its own;
// unexpected system errors go to the error report hook with the operation's tag.

#include <windows.h>

namespace tav {

// True when name is an existing file (not a folder).
bool file_exists(const char* name);

// Each answers true when done; on failure the system's reason is left in GetLastError().

// Copies source to target; an existing target is overwritten unless it is read-only.
// A length of 0 or less reports tag "copy_file-length" and is taken as 0 (so the copy fails).
bool copy_file(const char* source, int source_length, const char* target, int target_length);
// Deletes the file.
bool delete_file(const char* name, int length);
// Moves (renames) the file; fails when the new name exists. A length of 0 or less fails
// with tag "rename_file-1".
bool rename_file(const char* old_name, int old_length, const char* new_name, int new_length);

// Path lists for the shell operations: terminated paths followed by an extra terminator,
// held in a buffer of list_size characters. A list without two terminators in a row within
// its buffer is refused with the operation's tag.

// Copies the trees of the source list to the target list. With one_destination_per_source
// every source has its own entry in the target list; with no_confirmation the shell asks
// nothing. True when the shell reports success.
bool shell_copy_trees(HWND owner, const char* sources, int sources_size, const char* targets, int targets_size,
                      bool one_destination_per_source, bool no_confirmation);

// Moves the items of the list to the recycle bin. Without no_confirmation the shell asks
// first. True when the shell reports success and nothing was aborted.
bool shell_recycle(HWND owner, const char* list, int list_size, bool no_confirmation);

}  // namespace tav
