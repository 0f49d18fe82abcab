#pragma once
// The Toolbox page (template 150): the toolboxes of the construction and the lay-planning
// program, edited in the settings record.
#include <windows.h>

#include "controls/page_contract.h"

namespace tav {

BOOL toolbox_page_open(HWND page, const InstalledVersion& installed_version);
BOOL toolbox_page_command(HWND page, WPARAM wparam, LPARAM lparam);
void toolbox_page_close(HWND page);

}  // namespace tav
