#include "plotter/core/serial_port.h"

#include <gtest/gtest.h>

namespace tav {
namespace {

using Keys = std::vector<std::pair<std::string, std::string>>;

SerialPortChoice choice_of(const std::string& section) { return serial_port_choice(IniDocument("[SERIALPORT]\r\n" + section)); }

TEST(SerialPort, BaudItemsAreRightAlignedRates) {
  EXPECT_EQ(baud_item(0), "  300");
  EXPECT_EQ(baud_item(5), " 9600");
  EXPECT_EQ(baud_item(7), "38400");
}

TEST(SerialPort, StoredValuesSelectTheirItems) {
  const SerialPortChoice defaults = serial_port_choice(IniDocument());
  EXPECT_EQ((std::array{defaults.baud, defaults.parity, defaults.data_bits, defaults.stop_bits, defaults.handshake}),
            (std::array{5, 0, 3, 0, 0}));
  const SerialPortChoice stored = choice_of("BAUDRATE=19200\r\nPARITY=2\r\nDATABIT=7\r\nSTOPBIT=2\r\nFLOW=4880\r\n");
  EXPECT_EQ((std::array{stored.baud, stored.parity, stored.data_bits, stored.stop_bits, stored.handshake}),
            (std::array{6, 2, 2, 2, 3}));
  const SerialPortChoice unknown = choice_of("BAUDRATE=115200\r\nPARITY=7\r\nDATABIT=9\r\nSTOPBIT=-1\r\nFLOW=\r\n");
  EXPECT_EQ((std::array{unknown.baud, unknown.parity, unknown.data_bits, unknown.stop_bits, unknown.handshake}),
            (std::array{5, -1, -1, -1, 0}));
}

TEST(SerialPort, FlowValuesSelectTheHandshake) {
  const std::pair<const char*, int> cases[] = {{"8236", 1}, {"0x202C", 1}, {"4112", 2}, {"4880", 3},
                                               {"8", 0},    {"", 0},       {"1234", 0}};
  for (const auto& [flow, handshake] : cases) EXPECT_EQ(choice_of(std::string("FLOW=") + flow).handshake, handshake) << flow;
}

TEST(SerialPort, WritesTheChosenKeysInOrder) {
  EXPECT_EQ(serial_port_keys(serial_port_choice(IniDocument())),
            (Keys{{"BAUDRATE", "9600"}, {"PARITY", "0"}, {"DATABIT", "8"}, {"STOPBIT", "0"}, {"FLOW", ""}}));
  EXPECT_EQ(serial_port_keys(SerialPortChoice{7, -1, 0, -1, 1}),
            (Keys{{"BAUDRATE", "38400"}, {"DATABIT", "5"}, {"FLOW", "8236"}}));
  EXPECT_EQ(serial_port_keys(SerialPortChoice{-1, 4, -1, 1, 3}), (Keys{{"PARITY", "4"}, {"STOPBIT", "1"}, {"FLOW", "4880"}}));
  EXPECT_EQ(serial_port_keys(SerialPortChoice{}), Keys{});
}

}  // namespace
}  // namespace tav
