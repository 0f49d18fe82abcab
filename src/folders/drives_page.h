#pragma once
// The Drives page (template 108, page code 2): the drives that belong to the installation
// and the start-up drive among them, the start commands of the spreadsheet and the word
// processor, and the way to the network configuration.
#include <windows.h>

#include "controls/page_contract.h"

namespace tav {

BOOL drives_page_open(HWND page, const InstalledVersion& installed_version);
BOOL drives_page_command(HWND page, WPARAM wparam, LPARAM lparam);
void drives_page_close(HWND page);

}  // namespace tav
