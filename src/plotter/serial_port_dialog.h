#pragma once
// The serial port dialog (template 156): baud rate, parity, data bits, stop bits and
// handshake of the installation's serial port, kept in section SERIALPORT of the main
// configuration file and written there when the user confirms.
#include <windows.h>

namespace tav {

// Runs the dialog modally; answers 0 for OK and Cancel alike.
void run_serial_port_dialog(HWND owner);

}  // namespace tav
