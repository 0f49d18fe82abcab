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
  if (FILE* out = std::fopen(log, "ab")) {
    std::fprintf(out, "%s|%s\n", command_line, folder);
    std::fclose(out);
  }
  return 0;
}
