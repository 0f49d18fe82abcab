#pragma once
// The Expert mode page (template 175, page code 9): options of the construction and the
// lay-planning programs for instructed users, one check box each.
#include <windows.h>

#include "controls/page_contract.h"

namespace tav {

BOOL expert_page_open(HWND page, const InstalledVersion& installed_version);
void expert_page_close(HWND page);
void expert_page_defaults(HWND page);

}  // namespace tav
