#pragma once
// The names and the rotation of numbered backup copies. A file's backups replace its
// extension with "bk" and one digit: taviro_s.kon has taviro_s.bk0 (the newest) up to
// taviro_s.bk9. Backing up a backup file (x.bk3) starts at the next index (x.bk4).

#include <string>
#include <string_view>
#include <vector>

namespace tav {

// A file name shorter than this never gets a backup.
inline constexpr int kShortestBackupName = 7;

// The number of copies kept for the stored setting: below 1 gives 0, above 8 gives 9.
int clamp_backup_count(int stored);

struct BackupCopy {
  std::string from;
  std::string to;
};

// The name of copy `index` (0 to 9) of the ordinary file `name`: its extension replaced by
// "bk" and the digit, or these appended when it has none ("taviro.ini", 2 -> "taviro.bk2").
std::string backup_name(std::string_view name, int index);

// The copies, in the order they are to be made, that back up the file `name` keeping
// `count` copies: first the older copies shift up by one index (the oldest kept one is
// overwritten), then the file itself becomes the newest copy. Empty when no backup is due:
// a name shorter than 7 characters, a count below 1, or a backup file already at index 9.
std::vector<BackupCopy> backup_copies(std::string_view name, int count);

}  // namespace tav
