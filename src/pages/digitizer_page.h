#pragma once
// The Digitizer page (template 124, page code 5): the size of the tablet's menu area, the
// codes of the cursor's OK and cancel buttons, the delay after a key press, and the layout
// of the cursor's buttons, chosen from three presets.
#include <windows.h>

#include "controls/page_contract.h"

namespace tav {

BOOL digitizer_page_open(HWND page, const InstalledVersion& installed_version);
void digitizer_page_close(HWND page);
void digitizer_page_defaults(HWND page);

}  // namespace tav
