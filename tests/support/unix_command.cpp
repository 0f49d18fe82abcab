#include "support/unix_command.h"

#include <windows.h>
#include <gtest/gtest.h>

namespace tav::test {

std::string unix_name(const std::string& windows_path) {
  using UnixName = char*(CDECL*)(const WCHAR*);
  auto to_unix = reinterpret_cast<UnixName>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("kernel32.dll"), "wine_get_unix_file_name")));
  EXPECT_NE(to_unix, nullptr) << "these checks need Wine";
  if (to_unix == nullptr) return {};
  WCHAR wide[MAX_PATH];
  MultiByteToWideChar(CP_ACP, 0, windows_path.c_str(), -1, wide, MAX_PATH);
  char* unix_path = to_unix(wide);
  EXPECT_NE(unix_path, nullptr) << windows_path;
  if (unix_path == nullptr) return {};
  std::string name = unix_path;
  HeapFree(GetProcessHeap(), 0, unix_path);
  return name;
}

void run_unix(const std::string& command_line) {
  std::string line = "start.exe /wait /unix " + command_line;
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  ASSERT_TRUE(CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process));
  WaitForSingleObject(process.hProcess, 10000);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
}

void unix_command(const std::string& command, const std::string& windows_path, const std::string& argument) {
  run_unix(command + " " + argument + " " + unix_name(windows_path));
}

bool eventually(const std::function<bool()>& done) {
  for (int tries = 0; tries < 600; ++tries) {
    if (done()) return true;
    Sleep(50);
  }
  return done();
}

}  // namespace tav::test
