// Stand-in for the programs that TAVIRO Setup starts (the help viewer, the text editor).
// Built as hh.exe and notepad.exe beside the Windows tests, where the system finds it
// first. It appends its command line and its current folder to the file named by
// TAVIRO_PROBE_LOG; an argument "sleep=N" makes it wait N milliseconds before it ends.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

int main() {
  const char* command_line = GetCommandLineA();
  const char* sleep_arg = std::strstr(command_line, "sleep=");
  if (sleep_arg) Sleep(static_cast<DWORD>(std::atoi(sleep_arg + 6)));
  char log[MAX_PATH] = {};
  if (GetEnvironmentVariableA("TAVIRO_PROBE_LOG", log, MAX_PATH) == 0) return 0;
  char folder[MAX_PATH] = {};
  GetCurrentDirectoryA(MAX_PATH, folder);
  char line[4096] = {};
  const int printed = std::snprintf(line, sizeof line, "%s|%s\n", command_line, folder);
  const DWORD length = printed < 0 ? 0 : static_cast<DWORD>(printed < int{sizeof line} ? printed : sizeof line - 1);
  // The C library appends by moving to the end and then writing, so two stand-ins started
  // together could write over each other's line: each holds the log to itself instead.
  for (int tries = 0; tries < 500; ++tries) {
    HANDLE out =
        CreateFileA(log, FILE_APPEND_DATA, FILE_SHARE_READ, nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (out != INVALID_HANDLE_VALUE) {
      DWORD written = 0;
      WriteFile(out, line, length, &written, nullptr);
      CloseHandle(out);
      return 0;
    }
    if (GetLastError() != ERROR_SHARING_VIOLATION) return 1;
    Sleep(10);
  }
  return 1;
}
