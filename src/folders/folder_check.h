#pragma once
// The folder part of the installation check: measurement-system files that the network
// configuration does not list or cannot relocate, and data-folder keys naming a missing
// folder.
#include <vector>

#include "controls/check_finding.h"

namespace tav {

std::vector<CheckFinding> folder_findings();

}  // namespace tav
