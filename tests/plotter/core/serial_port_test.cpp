#include "plotter/core/serial_port.h"

#include <gtest/gtest.h>

namespace tav {
namespace {

SerialPortChoice choice_of(const std::string& section) {
  return serial_port_choice(IniDocument("[SERIALPORT]\r\n" + section));
}

TEST(SerialPort, FlowValuesSelectTheHandshake) {
  const std::pair<const char*, int> cases[] = {{"8236", 1}, {"0x202C", 1}, {"4112", 2}, {"4880", 3},
                                               {"8", 0},    {"", 0},       {"1234", 0}};
  for (const auto& [flow, handshake] : cases)
    EXPECT_EQ(choice_of(std::string("FLOW=") + flow).handshake, handshake) << flow;
}

}  // namespace
}  // namespace tav
