#pragma once
// Helpers for the tests of the pages: open the real main dialog on a test installation,
// switch to a tab the way a user does, and read what OK wrote to the main configuration
// file.
#include <windows.h>

#include <functional>
#include <string>

#include "support/installation.h"

namespace tav::test {

// Tab positions (0-based, from the left) of the pages.
inline constexpr int kScreenTab = 0;
inline constexpr int kDrivesTab = 1;
inline constexpr int kPlotterTab = 2;
inline constexpr int kDigitizerTab = 3;
inline constexpr int kLayplanningTab = 4;
inline constexpr int kToolboxTab = 5;
inline constexpr int kOptionsTab = 7;
inline constexpr int kExpertTab = 8;

// Opens the main dialog, selects the tab, runs step on the page (and the dialog), then
// ends the dialog with closing_command (IDOK or IDCANCEL).
void with_page(int tab, const std::function<void(HWND page, HWND dialog)>& step, int closing_command);

// The value of a key in U:\taviro\taviro.ini as it stands in the file; "<missing>" when the
// file, section or key is missing.
std::string main_value(const std::string& section, const std::string& key);

// The current page of the main dialog.
HWND current_page();

}  // namespace tav::test
