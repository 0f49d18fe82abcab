#pragma once
// Starts another program from a command line and can wait until it has ended.

namespace tav {

// Starts command_line with the show state given (for example SW_SHOWNORMAL). A working
// folder of folder_length characters that are all blanks (or an empty one) means the
// caller's current folder. With wait set, returns only after the program has ended.
// Returns 0 when the program was started, else the system's error code of the failed start.
unsigned long start_program(const char* command_line, const char* working_folder, int folder_length, int show_state,
                            bool wait);

}  // namespace tav
