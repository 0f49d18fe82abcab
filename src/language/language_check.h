#pragma once
// The language part of the installation check: the language folders that the Language page
// does not list, judged by the page's own listing.
#include <vector>

#include "controls/check_finding.h"

namespace tav {

std::vector<CheckFinding> language_findings();

}  // namespace tav
