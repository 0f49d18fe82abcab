#pragma once
// Tooltips for controls whose meaning their caption cannot carry: an arrow icon, an
// abbreviation, a one-character column. The texts come from the string table, so they
// follow the language of the user interface.
#include <windows.h>

#include <initializer_list>

namespace tav::controls {

struct Tooltip {
  int control;  // id of the control in the dialog
  int text;     // id of the text in the string table
};

// Gives each control of the dialog its tooltip. The tooltips are made when the mouse first
// comes over the dialog, and end with it; the dialog's procedure passes its messages to
// serve_tooltips. Controls the dialog lacks are left out.
void attach_tooltips(HWND dialog, std::initializer_list<Tooltip> tooltips);

// Gives a list view's column a tooltip over its title, as wide as the column is when the
// mouse first comes over the list. The list's parent dialog serves it.
void attach_column_tooltip(HWND list, int column, int text);

// Called by the procedure of a dialog with tooltips for every message: makes its tooltips
// when the mouse first comes over it (WM_SETCURSOR) and ends them with it (WM_DESTROY).
void serve_tooltips(HWND dialog, UINT message);

}  // namespace tav::controls
