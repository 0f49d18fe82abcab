// The serial port dialog on the test installation's main configuration file.
#include <windows.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "pages/page_test_support.h"
#include "plotter/plotter_test_support.h"
#include "plotter/serial_port_dialog.h"
#include "resources/ids.h"
#include "support/gui.h"
#include "support/installation.h"

namespace tav {
namespace {

constexpr const char* kCaption = "TAVIRO - Configure COM port";
constexpr int kHandshakes[] = {IDX_SERIAL_DSR, IDX_SERIAL_CTS_RTS, IDX_SERIAL_STANDARD, IDX_SERIAL_XON_XOFF};

// What the dialog shows: "baud|parity|data bits|stop bits|handshake button".
std::string shown(HWND dialog) {
  const auto selected = [&](int id) {
    const int index = test::combo_selection(dialog, id);
    return index < 0 ? std::string("-") : test::combo_items(dialog, id)[static_cast<std::size_t>(index)];
  };
  std::string handshake = "-";
  for (int id : kHandshakes) {
    if (test::is_checked(dialog, id)) handshake = test::plain_text(test::item_text(dialog, id));
  }
  return selected(IDC_SERIAL_BAUD) + "|" + selected(IDC_SERIAL_PARITY) + "|" + selected(IDC_SERIAL_DATA_BITS) + "|" +
         selected(IDC_SERIAL_STOP_BITS) + "|" + handshake;
}

class SerialPortDialogTest : public ::testing::Test {
 protected:
  void run(test::ModalScript& script) {
    script.run([] { run_serial_port_dialog(nullptr); });
  }
  test::TestInstallation inst;
};

TEST_F(SerialPortDialogTest, WithoutASectionShowsAndWritesTheDefaults) {
  inst.write("taviro.ini", "[OPTIONS]\r\nBAKMAX=2\r\n");
  test::ModalScript script;
  script.on(kCaption, [](HWND dialog) {
    EXPECT_EQ(test::combo_items(dialog, IDC_SERIAL_BAUD),
              (std::vector<std::string>{"  300", "  600", " 1200", " 2400", " 4800", " 9600", "19200", "38400"}));
    EXPECT_EQ(test::combo_items(dialog, IDC_SERIAL_PARITY),
              (std::vector<std::string>{"None", "Odd", "Even", "Mark", "Space"}));
    EXPECT_EQ(shown(dialog), " 9600|None|8|1|Hardware (DSR)");
    test::click(dialog, IDOK);
  });
  run(script);
  EXPECT_EQ(inst.read("taviro.ini"), "[OPTIONS]\r\nBAKMAX=2\r\n[SERIALPORT]\r\nBAUDRATE=9600\r\nPARITY=0\r\n"
                                     "DATABIT=8\r\nSTOPBIT=0\r\nFLOW=\r\n");
}

TEST_F(SerialPortDialogTest, StoredValuesThatNameNoItem) {
  inst.write("taviro.ini", "[SERIALPORT]\r\nBAUDRATE=115200\r\nPARITY=7\r\nDATABIT=9\r\nSTOPBIT=1\r\nFLOW=8\r\n");
  test::ModalScript script;
  script.on(kCaption, [](HWND dialog) {
    EXPECT_EQ(shown(dialog), " 9600|-|-|1.5|Hardware (DSR)");
    test::click(dialog, IDOK);
  });
  run(script);
  EXPECT_EQ(inst.read("taviro.ini"),
            "[SERIALPORT]\r\nBAUDRATE=9600\r\nPARITY=7\r\nDATABIT=9\r\nSTOPBIT=1\r\nFLOW=\r\n");
}

TEST_F(SerialPortDialogTest, ChoicesAreWrittenOnOkOnlyAndShownAgain) {
  const std::string stored = "[SERIALPORT]\r\nBAUDRATE=19200\r\nFLOW=\r\n";
  inst.write("taviro.ini", stored);
  const auto choose = [](HWND dialog) {
    EXPECT_EQ(shown(dialog), "19200|None|8|1|Hardware (DSR)");
    test::choose_combo_item(dialog, IDC_SERIAL_PARITY, 2);
    test::click(dialog, IDX_SERIAL_XON_XOFF);
  };
  test::ModalScript cancelled;
  cancelled.on(kCaption, [&](HWND dialog) {
    choose(dialog);
    test::click(dialog, IDCANCEL);
  });
  run(cancelled);
  EXPECT_EQ(inst.read("taviro.ini"), stored);

  test::ModalScript confirmed;
  confirmed.on(kCaption, [&](HWND dialog) {
    choose(dialog);
    test::click(dialog, IDOK);
  });
  run(confirmed);
  EXPECT_EQ(inst.read("taviro.ini"),
            "[SERIALPORT]\r\nBAUDRATE=19200\r\nFLOW=4880\r\nPARITY=2\r\nDATABIT=8\r\nSTOPBIT=0\r\n");

  test::ModalScript again;
  again.on(kCaption, [](HWND dialog) {
    EXPECT_EQ(shown(dialog), "19200|Even|8|1|Software (XON / XOFF)");
    test::click(dialog, IDCANCEL);
  });
  run(again);
}

TEST_F(SerialPortDialogTest, TheMainDialogsOkKeepsWhatTheDialogWrote) {
  inst.write("taviro.ini", "[SCREEN]\r\nWIDTHMM=300\r\n");
  test::ModalScript script;
  script.on(test::kMainCaption, test::on_plotter_page([](HWND page) { test::post_click(page, IDB_PLOTTER_SERIAL_PORT); }))
      .on(kCaption, [](HWND dialog) {
        test::click(dialog, IDX_SERIAL_CTS_RTS);
        test::click(dialog, IDOK);
      })
      .on(test::kMainCaption, [](HWND dialog) { SendMessageA(dialog, WM_COMMAND, IDOK, 0); });
  test::run_main_dialog_with(script);
  EXPECT_EQ(test::main_value("SERIALPORT", "FLOW"), "8236");
  EXPECT_EQ(test::main_value("SERIALPORT", "BAUDRATE"), "9600");
  EXPECT_EQ(test::main_value("SCREEN", "WIDTHMM"), "300");
}

}  // namespace
}  // namespace tav
