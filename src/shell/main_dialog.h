#pragma once
// The main settings dialog (template 101): nine tabs, one page at a time, and the
// buttons OK, Cancel, Defaults and Help.
#include <windows.h>

#include <string>

namespace tav {

INT_PTR CALLBACK main_dialog_procedure(HWND dialog, UINT message, WPARAM wparam, LPARAM lparam);

// Runs the main dialog modally; its result is always 0.
void run_main_dialog(HWND owner);

// The help file that Help opens: "setup.chm" in the current folder, else
// "\taviro\hilfen\setup.chm"; empty when neither exists.
std::string find_help_file();

}  // namespace tav
