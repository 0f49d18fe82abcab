#pragma once
// The earlier versions dialog (template 185), opened from the main dialog's system menu: it
// lists the numbered backups of the main configuration file, settngsb.ini and lintypes.ini
// with the dates they were saved, shows for the one selected the keys whose values differ
// from today's file ("[SCREEN] WIDTHMM: 300 → 320"), and Restore puts that version in
// place of today's file, which is kept as a numbered backup first.
#include <windows.h>

namespace tav {

// Adds the dialog's item to the system menu of the main dialog.
void add_earlier_versions_item(HWND main_dialog);

// Runs the dialog modally; true when it restored the main configuration file, whose values
// the main dialog then loads anew.
bool run_earlier_versions_dialog(HWND owner);

}  // namespace tav
