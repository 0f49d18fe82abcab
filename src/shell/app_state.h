#pragma once
// Process-wide window state: one instance for the whole run.
#include <windows.h>

namespace tav {

struct WindowState {
  HWND main_dialog = nullptr;    // the main settings dialog while it is open
  HWND page = nullptr;           // the one existing page, or none
  int tab_position = 0;          // 1 to 9 for the page shown; 0 when no page exists
  int page_code = 0;             // code of the page created last (kept after it is destroyed)
};

WindowState& window_state();

}  // namespace tav
