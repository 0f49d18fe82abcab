#pragma once
// The Plotter page (template 174): the plotters of the plotter folder, and the actions that
// change the folder at once: Activate, Duplicate, Deactivate, Remove, the driver settings
// and the serial port.
#include <windows.h>

#include "controls/page_contract.h"

namespace tav {

BOOL plotter_page_open(HWND page, const InstalledVersion& installed_version);
BOOL plotter_page_command(HWND page, WPARAM wparam, LPARAM lparam);
BOOL plotter_page_notify(HWND page, int control_id, NMHDR* notification);
void plotter_page_close(HWND page);

// Whether inactive plotters are listed too: one choice for the whole run.
bool& show_inactive_plotters();

}  // namespace tav
