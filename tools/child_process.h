#pragma once
// Runs another program to its end with its standard output and error going to a file, as a
// batch file that redirects them would: the benchmark's command-line runs and the tests that
// start the program or a child of their own share it.
#include <windows.h>

#include <string>

namespace child {

// The exit code answered when the program could not be started. Its exit code can be lost
// the same way, which is why it is not a code a program ends with on purpose.
inline constexpr DWORD kNotStarted = static_cast<DWORD>(-1);
// The exit code answered for a program that had to be ended after the time allowed.
inline constexpr DWORD kTimedOut = WAIT_TIMEOUT;

// Runs command_line in `folder` (null: the current folder) with its output written to
// output_file ("NUL": nowhere) and waits for its end, at most timeout_ms. Answers its exit
// code, kNotStarted or kTimedOut.
inline DWORD run_to_end(std::string command_line, const char* output_file, const char* folder = nullptr,
                        DWORD timeout_ms = INFINITE) {
  SECURITY_ATTRIBUTES inheritable{sizeof inheritable, nullptr, TRUE};
  HANDLE output = CreateFileA(output_file, GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, &inheritable,
                              lstrcmpiA(output_file, "NUL") == 0 ? OPEN_EXISTING : CREATE_ALWAYS, 0, nullptr);
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdOutput = startup.hStdError = output;
  PROCESS_INFORMATION process{};
  const BOOL started =
      CreateProcessA(nullptr, command_line.data(), nullptr, nullptr, TRUE, 0, nullptr, folder, &startup, &process);
  if (output != INVALID_HANDLE_VALUE) CloseHandle(output);
  if (!started) return kNotStarted;
  DWORD code = kTimedOut;
  if (WaitForSingleObject(process.hProcess, timeout_ms) == WAIT_OBJECT_0) {
    GetExitCodeProcess(process.hProcess, &code);
  } else {
    TerminateProcess(process.hProcess, kTimedOut);
  }
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return code;
}

}  // namespace child
