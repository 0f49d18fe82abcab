#include "plotter/core/serial_port.h"

#include <array>
#include <cstdio>

#include "config/core/profile_rules.h"

namespace tav {
namespace {

constexpr int kDefaultBaudPosition = 5;  // 9600
// FLOW for each handshake position; DSR is stored as an empty value.
constexpr std::array<const char*, kHandshakes> kFlowTexts = {"", "8236", "4112", "4880"};
constexpr std::array<int, kHandshakes> kFlowCodes = {0, 0x202C, 0x1010, 0x1310};

int position_within(int position, int count) { return position >= 0 && position < count ? position : -1; }

}  // namespace

int baud_rate(int position) { return 300 << position; }

std::string baud_item(int position) {
  char item[16];
  std::snprintf(item, sizeof item, "%5d", baud_rate(position));
  return item;
}

SerialPortChoice serial_port_choice(const IniDocument& main_file) {
  const auto stored = [&](const char* key, int default_value) {
    return read_int(main_file, kSerialPortSection, key, default_value);
  };
  SerialPortChoice choice;
  choice.baud = kDefaultBaudPosition;
  const int baud = stored("BAUDRATE", 9600);
  for (int position = 0; position < kBaudRates; ++position) {
    if (baud_rate(position) == baud) choice.baud = position;
  }
  choice.parity = position_within(stored("PARITY", 0), kParities);
  choice.data_bits = position_within(stored("DATABIT", 8) - 5, kDataBitChoices);
  choice.stop_bits = position_within(stored("STOPBIT", 0), kStopBitChoices);
  const int flow = stored("FLOW", 8);
  choice.handshake = 0;
  for (int position = 1; position < kHandshakes; ++position) {
    if (kFlowCodes[static_cast<std::size_t>(position)] == flow) choice.handshake = position;
  }
  return choice;
}

std::vector<std::pair<std::string, std::string>> serial_port_keys(const SerialPortChoice& choice) {
  std::vector<std::pair<std::string, std::string>> keys;
  if (choice.baud >= 0 && choice.baud < kBaudRates) keys.emplace_back("BAUDRATE", integer_text(baud_rate(choice.baud)));
  if (choice.parity >= 0) keys.emplace_back("PARITY", integer_text(choice.parity));
  if (choice.data_bits >= 0) keys.emplace_back("DATABIT", integer_text(choice.data_bits + 5));
  if (choice.stop_bits >= 0) keys.emplace_back("STOPBIT", integer_text(choice.stop_bits));
  if (choice.handshake >= 0 && choice.handshake < kHandshakes) {
    keys.emplace_back("FLOW", kFlowTexts[static_cast<std::size_t>(choice.handshake)]);
  }
  return keys;
}

}  // namespace tav
