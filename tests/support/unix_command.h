#pragma once
// Reaching past Wine to the host: what a test cannot make through the Windows functions
// (names that differ only in case, symbolic links, Unix permissions) it makes with a Unix
// command on the Unix names of its files.
#include <string>

namespace tav::test {

// The Unix name of a Windows path (the file need not exist).
std::string unix_name(const std::string& windows_path);
// Runs a Unix command line (Wine's start /unix) and waits for it.
void run_unix(const std::string& command_line);

}  // namespace tav::test
