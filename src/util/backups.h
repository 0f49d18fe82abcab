#pragma once
// Numbered backup copies, made before a configuration file is replaced or removed: the
// file's extension becomes "bk" and a digit, bk0 being the newest copy. The number of
// copies is the setting BAKMAX (section OPTIONS of the main configuration file, read once
// per run at the first backup, clamped to 0..9) or the caller's minimum, whichever is larger.

#include <cstdint>

namespace tav {

// Backs up the file name (significant length length), keeping at least minimum copies
// (0 when only BAKMAX counts). The file itself stays in place. Answers whether the last
// copy was made (true when no copy was due); a failed copy of the rotation does not stop it.
bool numbered_backup(const char* name, int length, int minimum);

}  // namespace tav
