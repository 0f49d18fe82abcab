#pragma once
// The screen calibration dialog (template 103): the user sizes a rectangle until it
// measures 10 cm by 10 cm, or picks a monitor preset. The screen's size in millimetres
// (WIDTHMM, HIGHTMM) changes live; only OK ends the dialog and nothing undoes the changes.
#include <windows.h>

namespace tav {

// Runs the dialog modally, owned by `owner`; answers 1 when it was closed with OK.
void run_calibration_dialog(HWND owner);

INT_PTR CALLBACK calibration_dialog_procedure(HWND dialog, UINT message, WPARAM wparam, LPARAM lparam);

}  // namespace tav
