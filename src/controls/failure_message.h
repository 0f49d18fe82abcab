#pragma once
// Telling the user that an action they asked for failed: a message box in the language of
// the user interface, over the dialog they work in, naming what failed and the system's
// reason; and one line in the program's log (util/program_log.h).
#include <windows.h>

#include <initializer_list>
#include <string>
#include <string_view>

namespace tav::controls {

// Shows the string `text_id` with "%1".. filled in by `arguments`, with the stop icon and
// the caption of owner's window, then logs the action, the file or folder and the reason.
void tell_failure(HWND owner, int text_id, std::initializer_list<std::string_view> arguments, std::string_view action,
                  std::string_view subject, std::string_view reason);

// A file could not be written (error: the system's error code). The message names the file
// with its drive and the system's reason, and says that the dialog keeps the changes, so
// that OK tries again and Cancel leaves.
void tell_file_not_written(HWND owner, std::string_view action, const std::string& file, DWORD error);

// A path as the user finds it in the system: absolute, with its drive.
std::string full_path(const std::string& path);

}  // namespace tav::controls
