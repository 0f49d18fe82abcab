#pragma once
// State that a page or dialog needs while it is open lives in one object kept with its
// window (DWLP_USER), never in file-scope variables: created by the open routine, found
// by the other routines, freed by the close routine. A window whose open routine failed
// (or never ran) has no state, and every routine must accept that.
#include <windows.h>

namespace tav::controls {

// Creates the window's state object; a state object it had before is freed first. An
// allocation failure throws, and the window's procedure boundary answers for it.
template <typename State, typename... Args>
State& create_window_state(HWND window, Args&&... args) {
  State* state = new State(static_cast<Args&&>(args)...);
  State* old = reinterpret_cast<State*>(SetWindowLongPtrA(window, DWLP_USER, reinterpret_cast<LONG_PTR>(state)));
  delete old;
  return *state;
}

// The window's state object, or nullptr when it has none.
template <typename State>
State* window_state_of(HWND window) {
  return window ? reinterpret_cast<State*>(GetWindowLongPtrA(window, DWLP_USER)) : nullptr;
}

// Frees the window's state object; nothing when it has none.
template <typename State>
void destroy_window_state(HWND window) {
  State* state = reinterpret_cast<State*>(SetWindowLongPtrA(window, DWLP_USER, 0));
  delete state;
}

}  // namespace tav::controls
