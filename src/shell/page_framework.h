#pragma once
// The page procedure shared by every page of the main dialog: it places a new page inside
// the tab control, records its code and routes the page's messages to its routines.
#include <windows.h>

namespace tav {

INT_PTR CALLBACK page_procedure(HWND page, UINT message, WPARAM wparam, LPARAM lparam);

// Creates the page with the given code as a child of the main dialog; nullptr when the
// code is unknown or the template cannot be created.
HWND create_page(HWND main_dialog, int page_code);

}  // namespace tav
