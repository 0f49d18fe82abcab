#pragma once
// The installation drive letters of the Drives page (DRIVES) and the drive entries of its
// three lists. A drive entry is a blank, the drive letter and a colon (" C:"). The
// installation list and the start-up list are sorted and always hold the same entries.

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "folders/core/network_rules.h"

namespace tav {

// The drive type of a letter's root, as the system's drive-type query answers it.
using DriveTypeOf = std::function<int(char letter)>;

std::string drive_entry(char letter);
// The letter of an entry (its second character), 0 for a text too short to be one.
char letter_of_entry(std::string_view entry);

// Unknown drives, drives without a root folder and CD-ROM drives do not belong in the lists.
bool listable_drive_type(int type);
// Fixed and remote drives and RAM disks may be the start-up drive.
bool startup_drive_type(int type);

struct CheckedLetters {
  std::string letters;       // the letters kept, in their order
  std::vector<char> listed;  // the letters whose drives are listed, each once, in letter order
  std::string absent;        // the kept letters of drives that are not present
};
// Checks the installation letters against the drives present (bit 0 of the mask is A:).
// A letter of a present drive of an unlistable type is removed; a letter of a drive that
// is not present stays but is not listed. Every letter is judged on its own, wherever it
// stands. Letters are compared without regard to case.
CheckedLetters check_installation_letters(std::string_view letters, std::uint32_t present_drives,
                                          const DriveTypeOf& type_of);

// The drives of the roots that are not installation drives and are of a listable type.
std::vector<char> other_drives(std::string_view letters, const std::vector<DriveRoot>& roots);

// The letters after a move: the letters of the installation list's entries in list order,
// with the letters of absent drives merged in at their place in letter order, so that a
// drive that is merely not connected stays part of the installation. At most 30 letters.
std::string rebuilt_letters(const std::vector<std::string>& entries, std::string_view absent);

// The start-up list's entry to select when none is: the first, in list order, whose drive
// may be the start-up drive; -1 when there is none.
int automatic_startup_entry(const std::vector<std::string>& entries, const DriveTypeOf& type_of);

}  // namespace tav
