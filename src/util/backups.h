#pragma once
// Numbered backup copies, made before a configuration file is replaced or removed: the
// file's extension becomes "bk" and a digit, bk0 being the newest copy. The number of
// copies is the setting BAKMAX (section OPTIONS of the main configuration file, read once
// per run at the first backup, clamped to 0..9) or the caller's minimum, whichever is larger.

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

namespace tav {

// Backs up the file name (significant length length), keeping at least minimum copies
// (0 when only BAKMAX counts). The file itself stays in place. Answers whether the last
// copy was made (true when no copy was due); a failed copy of the rotation does not stop it.
bool numbered_backup(const char* name, int length, int minimum);

// A numbered backup copy of a file that is there: its index (0 the newest), its path and
// when it was last written.
struct BackupVersion {
  int index = 0;
  std::string path;
  FILETIME written{};
};

// The copies bk0 to bk9 of the file name that exist, newest first.
std::vector<BackupVersion> backup_versions(const std::string& name);

// Puts the contents of the backup copy `backup` in place of the file name: reads the copy
// whole, backs up today's file keeping every copy there is (the oldest, bk9, excepted), then
// replaces the file in one step (util/atomic_file.h). False when the copy could not be read
// or today's file could not be backed up or written, with the file as it was; GetLastError() then tells why.
bool restore_backup(const std::string& name, const std::string& backup);

}  // namespace tav
