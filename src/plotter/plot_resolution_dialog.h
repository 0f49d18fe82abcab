#pragma once
// The plot resolution dialog (template 167): the plot resolution per axis, picked from the
// presets, typed, or recalculated from a test plot's desired and actual lengths.
#include <windows.h>

#include "plotter/core/driver_file.h"

namespace tav {

// Runs the dialog modally on the resolutions of values; OK (IDOK) stores the two
// resolutions shown into values, Cancel (IDCANCEL) leaves them as they were.
INT_PTR run_plot_resolution_dialog(HWND owner, DriverSettings& values);

}  // namespace tav
