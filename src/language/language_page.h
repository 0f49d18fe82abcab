#pragma once
// The Language page (template 151): the installed languages that match the installed TAVIRO
// version, and the two extended language options.
#include <windows.h>

#include "controls/page_contract.h"

namespace tav {

BOOL language_page_open(HWND page, const InstalledVersion& installed_version);
BOOL language_page_command(HWND page, WPARAM wparam, LPARAM lparam);
void language_page_close(HWND page);
void language_page_defaults(HWND page);

// Fills the drop-down list with the standard language of the base folder and the
// language folders \taviro\0??? that match the installed version; item data = language
// number. Selects the item of `preselect` (the first item when none has it).
void fill_language_list(HWND list, int preselect, int installed_version);

}  // namespace tav
