#pragma once
// The one exception boundary of the program. No exception may cross a window or dialog
// procedure (the system's message dispatch cannot carry it), so every procedure the
// program registers is wrapped: guarded<procedure>. When memory runs out, or another
// standard exception escapes a routine, the message is answered as an unhandled one would
// be and the dialog goes on; what the routine changed before stays changed. What was caught
// is recorded in the log.
#include <windows.h>

#include <exception>
#include <new>
#include <string>

#include "util/program_log.h"

namespace tav::controls {

template <INT_PTR(CALLBACK* Procedure)(HWND, UINT, WPARAM, LPARAM)>
INT_PTR CALLBACK guarded(HWND window, UINT message, WPARAM wparam, LPARAM lparam) noexcept {
  try {
    return Procedure(window, message, wparam, lparam);
  } catch (const std::exception& caught) {
    try {
      record_caught("window message " + std::to_string(message), caught.what());
    } catch (const std::exception&) {
      // Not even the record fits in memory: the message is still answered.
    }
    return FALSE;
  }
}

}  // namespace tav::controls
