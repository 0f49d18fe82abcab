#pragma once
// The drives of the system as the Drives page and the network configuration see them.
#include <string>
#include <vector>

#include "folders/core/network_rules.h"

namespace tav {

// The roots of all logical drives with their types, in the system's order; empty when the
// system does not give them.
std::vector<DriveRoot> logical_drive_roots();
// The same, kept from the last query until forget_drive_roots: the queries cost a round trip
// to the system per drive, under Wine several milliseconds for a page that opens, and even
// the mask of drive letters costs two.
std::vector<DriveRoot> current_drive_roots();
// Drops the kept drives. The main dialog calls it when it opens, when the system announces
// that a device arrived or left, and when the user comes back from another program, where
// a drive may have been mapped or removed.
void forget_drive_roots();
// The type of a drive letter's root ("E:\").
int drive_type_of(char letter);
// The letter of the base drive, the current drive of the process; 0 when the current
// folder lies on no drive letter.
char base_drive_letter();

}  // namespace tav
