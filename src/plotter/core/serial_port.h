#pragma once
// The serial port of the installation's plotters and cutters: section SERIALPORT of the
// main configuration file and the choices of the serial port dialog. The dialog's lists and
// radio buttons are addressed by position.

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "config/core/ini_document.h"

namespace tav {

inline constexpr const char* kSerialPortSection = "SERIALPORT";

inline constexpr int kBaudRates = 8;       // 300, 600, ..., 38400
inline constexpr int kParities = 5;        // none, odd, even, mark, space
inline constexpr int kDataBitChoices = 4;  // 5 to 8
inline constexpr int kStopBitChoices = 3;  // 1, 1.5, 2
inline constexpr int kHandshakes = 4;      // DSR, CTS/RTS, standard, XON/XOFF

// The baud rate at a position of the list (300 x 2^position) and its item text, right-
// aligned in 5 characters ("  300", "38400").
int baud_rate(int position);
std::string baud_item(int position);

// The choices of the dialog; -1 where nothing is chosen.
struct SerialPortChoice {
  int baud = -1;
  int parity = -1;
  int data_bits = -1;
  int stop_bits = -1;
  int handshake = -1;
};

// The choices that the stored section shows. A stored value that names no item leaves its
// list without a choice, except the baud rate, which then shows 9600. The handshake is
// CTS/RTS for FLOW 8236, standard for 4112, XON/XOFF for 4880 and DSR for anything else,
// the default 8 and an empty value included.
SerialPortChoice serial_port_choice(const IniDocument& main_file);

// The keys to write for the choices, in their order (BAUDRATE, PARITY, DATABIT, STOPBIT,
// FLOW), each with its text; a list without a choice writes nothing. DSR writes FLOW as an
// empty value.
std::vector<std::pair<std::string, std::string>> serial_port_keys(const SerialPortChoice& choice);

}  // namespace tav
