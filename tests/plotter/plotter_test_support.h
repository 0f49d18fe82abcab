#pragma once
// Helpers of the plotter tests: a plotter folder laid out in a test installation, and the
// Plotter page's list read and driven as a user does.
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "support/gui.h"
#include "support/installation.h"

namespace tav::test {

inline constexpr const char* kMainCaption = "TAVIRO - Setup 1.58";

// A driver file with the plotter name in its 51st bracket line.
std::string driver_file(const std::string& plotter_name, bool cutter = false);
// A queue file with NAME (left out when empty) and DRIVER.
std::string queue_file(const std::string& name, const std::string& driver);
// Writes a file whose name differs only in case from one already there ("abc.que" beside
// "ABC.que"): Wine would take the name for the file that is there, so Linux names it.
void write_case_twin(const TestInstallation& installation, const std::string& relative, const std::string& bytes);

// The rows of the Plotter page's list as "marker|name|driver|queue", top to bottom.
std::vector<std::string> plotter_rows(HWND page);
// The position of the first row with these driver and queue cells, -1 when there is none.
int plotter_row(HWND page, const std::string& driver, const std::string& queue);
// The position of the first row showing this display name, -1 when there is none.
int plotter_row_named(HWND page, const std::string& display_name);
// Selects a row as a click does (the list notifies the page).
void select_plotter_row(HWND page, int row);
// The list's column titles, separated by commas.
std::string column_titles(HWND page);
// The names of the files in a folder, sorted.
std::vector<std::string> file_names(const std::string& folder);

// A step on the main dialog that switches to the Plotter tab and runs `step` on the page.
ModalScript::Step on_plotter_page(std::function<void(HWND page)> step);
// A step on the main dialog that runs `step` on the page shown.
ModalScript::Step on_page(std::function<void(HWND page)> step);
// Runs the main dialog with the script; its last step must close the dialog.
void run_main_dialog_with(ModalScript& script);
// Ends the main dialog with Cancel.
void close_main_dialog();

}  // namespace tav::test
