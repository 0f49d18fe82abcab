#pragma once
// The Options page (template 116, page code 4): auto-save, the graphic font with its
// preview, the backup count, general on/off options, and the two error logs, opened in
// the text editor.
#include <windows.h>

#include "controls/page_contract.h"

namespace tav {

BOOL options_page_open(HWND page, const InstalledVersion& installed_version);
BOOL options_page_command(HWND page, WPARAM wparam, LPARAM lparam);
BOOL options_page_notify(HWND page, int control_id, NMHDR* notification);
void options_page_close(HWND page);
void options_page_defaults(HWND page);

// Starts an error log's editor command; shows "Error" when the system cannot start it.
void open_error_log(HWND page, const char* command);

}  // namespace tav
