#pragma once
// The installation check: one line for every plotter file, language folder,
// measurement-system file and data-folder key that the pages would not list or could not
// use, "what: why", in the language of the user interface. Shown by /check and by the
// dialog that the main dialog's system menu opens.
#include <windows.h>

#include <string>
#include <vector>

namespace tav {

std::vector<std::string> installation_check_lines();

// The check as a modal dialog over owner: a read-only list and Close.
void show_installation_check(HWND owner);

}  // namespace tav
