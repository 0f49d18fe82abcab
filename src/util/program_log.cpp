#include "util/program_log.h"

#include "util/core/message_text.h"

namespace tav {
namespace {

HANDLE g_log = INVALID_HANDLE_VALUE;

}  // namespace

bool open_program_log(const std::string& path) {
  close_program_log();
  // Appending only: each line goes to the end, also when another run writes the same log.
  g_log = CreateFileA(path.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_ALWAYS,
                      FILE_ATTRIBUTE_NORMAL, nullptr);
  return g_log != INVALID_HANDLE_VALUE;
}

void close_program_log() {
  if (g_log != INVALID_HANDLE_VALUE) CloseHandle(g_log);
  g_log = INVALID_HANDLE_VALUE;
}

void log_failure(std::string_view action, std::string_view subject, std::string_view reason) {
  if (g_log == INVALID_HANDLE_VALUE) return;
  // The error that brought the caller here stays the thread's last error.
  const DWORD error = GetLastError();
  SYSTEMTIME now;
  GetLocalTime(&now);
  const std::string line =
      log_line({now.wYear, now.wMonth, now.wDay, now.wHour, now.wMinute, now.wSecond}, action, subject, reason);
  DWORD written = 0;
  WriteFile(g_log, line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
  SetLastError(error);
}

void record_caught(std::string_view where, std::string_view what) {
  log_failure("unexpected error", where, what);
  const std::string line = "TAVIRO Setup: unexpected error in " + std::string(where) + ": " + std::string(what) + "\n";
  OutputDebugStringA(line.c_str());
}

std::string system_error_text(DWORD error) {
  char* text = nullptr;
  const DWORD length =
      FormatMessageA(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                     nullptr, error, 0, reinterpret_cast<char*>(&text), 0, nullptr);
  std::string result = length > 0 && text ? std::string(text, length) : std::string();
  if (text) LocalFree(text);
  while (!result.empty() && (result.back() == '\n' || result.back() == '\r' || result.back() == ' ')) result.pop_back();
  if (result.empty()) result = "error " + std::to_string(error);
  return result;
}

}  // namespace tav
