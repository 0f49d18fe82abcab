#pragma once
// The command line for administrators: /export FILE, /import FILE, /check and /?. No window
// opens; the messages go to the standard output or the starting console
// (util/console_output.h), failures and findings also to the log. Without arguments the
// program opens its dialog as always.
#include <windows.h>

#include <string>
#include <vector>

namespace tav {

// Exit codes of a command.
inline constexpr int kExitDone = 0;
inline constexpr int kExitMainFileFailed = 1;  // \taviro\taviro.ini could not be read or written
inline constexpr int kExitBadArgument = 2;     // a bad argument, or FILE could not be used
inline constexpr int kExitProblemsFound = 3;   // the installation check found problems

// The arguments of the process after the program name, in the ANSI code page.
std::vector<std::string> program_arguments();

// Runs the command the arguments give; answers its exit code.
int run_command_line(HINSTANCE instance, const std::vector<std::string>& arguments);

}  // namespace tav
