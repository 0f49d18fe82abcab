#include "plotter/serial_port_dialog.h"

#include <array>
#include <string>

#include "config/profile.h"
#include "controls/controls.h"
#include "controls/failure_message.h"
#include "controls/modal_dialog.h"
#include "plotter/core/serial_port.h"
#include "plotter/plotter_inventory.h"
#include "resources/ids.h"

namespace tav {
namespace {

constexpr std::array<int, kHandshakes> kHandshakeButtons = {IDX_SERIAL_DSR, IDX_SERIAL_CTS_RTS, IDX_SERIAL_STANDARD,
                                                            IDX_SERIAL_XON_XOFF};
constexpr std::array<const char*, kStopBitChoices> kStopBits = {"1", "1.5", "2"};

class SerialPortDialog : public controls::ModalDialog {
 private:
  bool on_open() override;
  bool on_command(int id, int code) override;
  bool confirm();
};

bool SerialPortDialog::on_open() {
  const HWND dialog = window();
  // A missing or unreadable file shows the defaults.
  const SerialPortChoice choice = serial_port_choice(profile::ProfileSnapshot(profile::kMainFile).document());
  for (int position = 0; position < kBaudRates; ++position)
    controls::add_item(dialog, IDC_SERIAL_BAUD, baud_item(position));
  for (int position = 0; position < kParities; ++position) {
    controls::add_item(dialog, IDC_SERIAL_PARITY, controls::load_string(IDS_SERIAL_PARITY_NONE + position));
  }
  for (int bits = 5; bits <= 8; ++bits) controls::add_item(dialog, IDC_SERIAL_DATA_BITS, std::to_string(bits));
  for (const char* bits : kStopBits) controls::add_item(dialog, IDC_SERIAL_STOP_BITS, bits);
  controls::select_item(dialog, IDC_SERIAL_BAUD, choice.baud);
  controls::select_item(dialog, IDC_SERIAL_PARITY, choice.parity);
  controls::select_item(dialog, IDC_SERIAL_DATA_BITS, choice.data_bits);
  controls::select_item(dialog, IDC_SERIAL_STOP_BITS, choice.stop_bits);
  controls::check(dialog, kHandshakeButtons[static_cast<std::size_t>(choice.handshake)], true);
  return true;
}

// Writes the chosen values into section SERIALPORT, all in one save of the file; false, with
// the user told why, when the file could not be written.
bool SerialPortDialog::confirm() {
  const HWND dialog = window();
  SerialPortChoice choice;
  choice.baud = controls::selected_item(dialog, IDC_SERIAL_BAUD);
  choice.parity = controls::selected_item(dialog, IDC_SERIAL_PARITY);
  choice.data_bits = controls::selected_item(dialog, IDC_SERIAL_DATA_BITS);
  choice.stop_bits = controls::selected_item(dialog, IDC_SERIAL_STOP_BITS);
  for (int position = kHandshakes - 1; position >= 0; --position) {
    if (controls::is_checked(dialog, kHandshakeButtons[static_cast<std::size_t>(position)]))
      choice.handshake = position;
  }
  profile::ProfileBatch batch(profile::kMainFile);
  for (const auto& [key, value] : serial_port_keys(choice)) batch.write_string(kSerialPortSection, key, value);
  if (batch.save()) return true;
  controls::tell_file_not_written(dialog, "save serial port", profile::kMainFile, GetLastError());
  return false;
}

bool SerialPortDialog::on_command(int id, int code) {
  if (id != IDOK || code != BN_CLICKED) return false;
  if (confirm()) end(IDOK);
  return true;
}

}  // namespace

void run_serial_port_dialog(HWND owner) { SerialPortDialog().run(owner, IDD_SERIAL_PORT); }

}  // namespace tav
