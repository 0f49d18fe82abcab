#pragma once
// The program's log, tvrsetup.log. It is opened when the program starts and closed when it
// ends. A run in which nothing fails leaves it as it was; every failure or refusal that the
// user is told of adds one line at its end: the local time, the action, the file or folder
// concerned and the system's reason (util/core/message_text.h).

#include <windows.h>

#include <string>
#include <string_view>

namespace tav {

// Opens the log at path (created when missing) for the rest of the run; false when it
// cannot be opened, and then nothing is logged. A log opened before is closed first.
bool open_program_log(const std::string& path);
void close_program_log();

// Appends one line; nothing when no log is open.
void log_failure(std::string_view action, std::string_view subject, std::string_view reason);

// Records an exception that a boundary caught and turned into a failed step (the exception
// boundary of the dialog procedures, a worker thread, a routine that must not throw): one
// line in the log naming where it was caught, and the same text to the debugger's output.
void record_caught(std::string_view where, std::string_view what);

// The system's text for an error code, in the user interface's language where the system
// has it, without its final line break; "error N" when the system has no text.
std::string system_error_text(DWORD error);

}  // namespace tav
