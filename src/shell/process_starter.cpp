#include "shell/process_starter.h"

#include <windows.h>

#include <cstring>
#include <string>
#include <vector>

#include "util/core/text.h"

namespace tav {

unsigned long start_program(const char* command_line, const char* working_folder, int folder_length, int show_state,
                            bool wait) {
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = static_cast<WORD>(show_state);
  PROCESS_INFORMATION process{};

  // The system may write into the command line, so it gets a private copy.
  std::vector<char> command(command_line, command_line + std::strlen(command_line) + 1);
  const int folder_significant = working_folder ? significant_length(working_folder, folder_length) : 0;
  const std::string folder(working_folder ? working_folder : "", static_cast<std::size_t>(folder_significant));

  if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, NORMAL_PRIORITY_CLASS, nullptr,
                      folder.empty() ? nullptr : folder.c_str(), &startup, &process)) {
    return GetLastError();
  }
  if (wait) {
    WaitForInputIdle(process.hProcess, 10000);
    DWORD code = 0;
    while (GetExitCodeProcess(process.hProcess, &code) && code == STILL_ACTIVE) Sleep(500);
  }
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return 0;
}

}  // namespace tav
