#pragma once
// Rules of the Layplanning page: the minimum letter heights, held in tenths of a millimetre
// and shown in whole millimetres, and the installations that know the autonester.

#include <optional>

namespace tav {

// Whole millimetres of a height in tenths, the remainder dropped (45 shows as 4).
int letter_height_shown(int tenths);
// The tenths stored for whole millimetres typed; nullopt when the setting cannot hold them
// (it would be written back negative).
std::optional<int> letter_height_stored(unsigned millimetres);

// The autonester exists from version 9.00 on; -1 (no installation found) is below.
bool knows_autonester(int installed_version);

}  // namespace tav
