// The serial port dialog on the test installation's main configuration file.
#include <windows.h>
#include <gtest/gtest.h>

#include <functional>
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
  // Opens the dialog and runs `step`, which closes it.
  void run(const std::function<void(HWND dialog)>& step) {
    test::ModalScript script;
    script.on(kCaption, step);
    script.run([] { run_serial_port_dialog(nullptr); });
  }
  test::TestInstallation inst;
};

// OK on the dialog as it opens writes what it shows: the defaults for what is missing or
// names no item, the stored values otherwise.
TEST_F(SerialPortDialogTest, OkWritesWhatTheDialogShows) {
  const struct {
    const char* stored;
    const char* shown;
    const char* written;
  } cases[] = {
      {"[OPTIONS]\r\nBAKMAX=2\r\n", " 9600|None|8|1|Hardware (DSR)",
       "[OPTIONS]\r\nBAKMAX=2\r\n[SERIALPORT]\r\nBAUDRATE=9600\r\nPARITY=0\r\nDATABIT=8\r\nSTOPBIT=0\r\nFLOW=\r\n"},
      {"[SERIALPORT]\r\nBAUDRATE=115200\r\nPARITY=7\r\nDATABIT=9\r\nSTOPBIT=1\r\nFLOW=8\r\n",
       " 9600|-|-|1.5|Hardware (DSR)",
       "[SERIALPORT]\r\nBAUDRATE=9600\r\nPARITY=7\r\nDATABIT=9\r\nSTOPBIT=1\r\nFLOW=\r\n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.stored);
    inst.write("taviro.ini", c.stored);
    run([&](HWND dialog) {
      EXPECT_EQ(test::combo_items(dialog, IDC_SERIAL_BAUD),
                (std::vector<std::string>{"  300", "  600", " 1200", " 2400", " 4800", " 9600", "19200", "38400"}));
      EXPECT_EQ(test::combo_items(dialog, IDC_SERIAL_PARITY),
                (std::vector<std::string>{"None", "Odd", "Even", "Mark", "Space"}));
      EXPECT_EQ(shown(dialog), c.shown);
      test::click(dialog, IDOK);
    });
    EXPECT_EQ(inst.read("taviro.ini"), c.written);
  }
}

TEST_F(SerialPortDialogTest, ChoicesAreWrittenOnOkOnlyAndShownAgain) {
  const std::string stored = "[SERIALPORT]\r\nBAUDRATE=19200\r\nFLOW=\r\n";
  inst.write("taviro.ini", stored);
  const auto choose_and = [](int button) {
    return [button](HWND dialog) {
      EXPECT_EQ(shown(dialog), "19200|None|8|1|Hardware (DSR)");
      test::choose_combo_item(dialog, IDC_SERIAL_PARITY, 2);
      test::click(dialog, IDX_SERIAL_XON_XOFF);
      test::click(dialog, button);
    };
  };
  run(choose_and(IDCANCEL));
  EXPECT_EQ(inst.read("taviro.ini"), stored);
  run(choose_and(IDOK));
  EXPECT_EQ(inst.read("taviro.ini"),
            "[SERIALPORT]\r\nBAUDRATE=19200\r\nFLOW=4880\r\nPARITY=2\r\nDATABIT=8\r\nSTOPBIT=0\r\n");
  run([](HWND dialog) {
    EXPECT_EQ(shown(dialog), "19200|Even|8|1|Software (XON / XOFF)");
    test::click(dialog, IDCANCEL);
  });
}

TEST_F(SerialPortDialogTest, TheMainDialogsOkKeepsWhatTheDialogWrote) {
  inst.write("taviro.ini", "[SCREEN]\r\nWIDTHMM=300\r\n");
  test::ModalScript script;
  script
      .on(test::kMainCaption, test::on_plotter_page([](HWND page) { test::post_click(page, IDB_PLOTTER_SERIAL_PORT); }))
      .on(kCaption,
          [](HWND dialog) {
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
