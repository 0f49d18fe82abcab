#pragma once
// The network configuration dialog (template 176), opened by "Netzwerk-Setup" of the
// Drives page: where the measurement systems and the five data folders are, and a run
// that relocates the chosen ones at once.
#include <windows.h>

namespace tav {

// Shows the dialog modally; returns when it is closed.
void open_network_dialog(HWND owner);

}  // namespace tav
