#pragma once
// Commands of the Linux system under Wine (Wine's start /unix), for what the Windows calls
// cannot set up: symbolic links, Unix permissions, two names that differ only in case.
#include <functional>
#include <string>

namespace tav::test {

// The Unix name of a Windows path (the file need not exist); fails the test when not under
// Wine.
std::string unix_name(const std::string& windows_path);

// Runs a Unix command line.
void run_unix(const std::string& command_line);
// Runs "command argument <Unix name of windows_path>".
void unix_command(const std::string& command, const std::string& windows_path, const std::string& argument = "");

// Waits up to 30 seconds for a Unix command's effect (start /unix does not wait for it, and
// on a busy machine the command can take seconds to start); returns as soon as it is there.
bool eventually(const std::function<bool()>& done);

}  // namespace tav::test
