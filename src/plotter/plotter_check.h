#pragma once
// The plotter part of the installation check: the files of the plotter folder that the
// Plotter page leaves out or cannot use, judged by the page's own inventory scan.
#include <vector>

#include "controls/check_finding.h"

namespace tav {

std::vector<CheckFinding> plotter_findings();

}  // namespace tav
