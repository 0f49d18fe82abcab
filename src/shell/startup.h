#pragma once
// Start-up: prepares the process-wide state, runs the main dialog, and ends the run.
#include <windows.h>

#include <string>

namespace tav {

// The whole run; answers the exit code, always 0.
int run_setup(HINSTANCE instance);

// Steps before the main dialog: common controls, case conversion, language, toolbox labels.
void prepare_run(HINSTANCE instance);

// "tvrsetup.log" in the folder named by TMP, else "c:\tvrsetup.log".
std::string log_file_name();

// The menu dialog file, rewritten into the language folder when a copy exists there.
std::string menu_dialog_file();

}  // namespace tav
