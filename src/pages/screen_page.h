#pragma once
// The Screen page (template 110, page code 1): the screen's size in millimetres with its
// calibration, the menu font and button sizes, the white desktop, menu icons, continuous
// seam lines and the colour type of grid controls.
#include <windows.h>

#include "controls/page_contract.h"

namespace tav {

BOOL screen_page_open(HWND page, const InstalledVersion& installed_version);
BOOL screen_page_command(HWND page, WPARAM wparam, LPARAM lparam);
void screen_page_close(HWND page);
void screen_page_defaults(HWND page);

}  // namespace tav
