#pragma once
// The Layplanning page (template 149, page code 6): the minimum letter heights for plotting
// and printing, two naming and folder options of the lay-planning program, and the
// autonester's program (from version 9.00 on). Its buttons open the hem position and the
// line types dialogs, which write their own files at once.
#include <windows.h>

#include "controls/page_contract.h"

namespace tav {

BOOL layplanning_page_open(HWND page, const InstalledVersion& installed_version);
BOOL layplanning_page_command(HWND page, WPARAM wparam, LPARAM lparam);
void layplanning_page_close(HWND page);

}  // namespace tav
