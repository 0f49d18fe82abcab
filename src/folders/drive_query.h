#pragma once
// The drives of the system as the Drives page and the network configuration see them.
#include <string>
#include <vector>

#include "folders/core/network_rules.h"

namespace tav {

// The roots of all logical drives with their types, in the system's order; empty when the
// system does not give them.
std::vector<DriveRoot> logical_drive_roots();
// The type of a drive letter's root ("E:\").
int drive_type_of(char letter);
// The letter of the base drive, the current drive of the process; 0 when the current
// folder lies on no drive letter.
char base_drive_letter();

}  // namespace tav
