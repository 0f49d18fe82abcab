#include "util/console_output.h"

#include <windows.h>

#include <string>

#include "util/ansi_text.h"

namespace tav {
namespace {

HANDLE output_handle() {
  static const HANDLE handle = [] {
    HANDLE given = GetStdHandle(STD_OUTPUT_HANDLE);
    if (given && given != INVALID_HANDLE_VALUE && GetFileType(given) != FILE_TYPE_UNKNOWN) return given;
    if (!AttachConsole(ATTACH_PARENT_PROCESS)) return INVALID_HANDLE_VALUE;
    return CreateFileA("CONOUT$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                       OPEN_EXISTING, 0, nullptr);
  }();
  return handle;
}

}  // namespace

void write_output_line(std::string_view text) {
  HANDLE out = output_handle();
  if (out == INVALID_HANDLE_VALUE) return;
  std::string line;
  for (char c : text) {
    if (c == '\n') line += '\r';
    line += c;
  }
  line += "\r\n";
  DWORD mode = 0;
  if (GetConsoleMode(out, &mode)) {
    // A console shows characters, not code page bytes.
    const std::wstring wide = wide_from_ansi(line);
    DWORD written = 0;
    WriteConsoleW(out, wide.data(), static_cast<DWORD>(wide.size()), &written, nullptr);
    return;
  }
  DWORD written = 0;
  WriteFile(out, line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
}

}  // namespace tav
