#pragma once
// The driver settings dialog (template 165): the settings of one driver file. OK keeps a
// backup copy (the path's ".PLT" replaced by ".BAK") and rewrites the file, changing only
// the lines that hold these settings.
#include <windows.h>

#include <string>

namespace tav {

// Runs the dialog modally for the driver file at path; answers 0.
void run_driver_settings_dialog(HWND owner, const std::string& path);

// The backup copy's path: the first ".PLT" of path (exact case) replaced by ".BAK", or, for a
// path without it, ".BAK" in place of the file's extension.
std::string driver_backup_path(const std::string& path);

}  // namespace tav
