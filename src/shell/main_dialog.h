#pragma once
// The main settings dialog (template 101): nine tabs, one page at a time, and the
// buttons OK, Cancel, Defaults and Help.
#include <windows.h>

namespace tav {

INT_PTR CALLBACK main_dialog_procedure(HWND dialog, UINT message, WPARAM wparam, LPARAM lparam);

// Runs the main dialog modally; its result is always 0.
void run_main_dialog(HWND owner);

}  // namespace tav
