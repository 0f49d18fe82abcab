#include "plotter/driver_settings_dialog.h"

#include "controls/controls.h"
#include "controls/failure_message.h"
#include "controls/modal_dialog.h"
#include "plotter/core/driver_file.h"
#include "plotter/core/real_text.h"
#include "plotter/plot_resolution_dialog.h"
#include "plotter/plotter_inventory.h"
#include "resources/ids.h"
#include "util/atomic_file.h"
#include "util/file_operations.h"
#include "util/program_log.h"

namespace tav {
namespace {

constexpr int kPensCharacters = 2;
constexpr int kPaperWidthCharacters = 7;

struct DriverDialogState {
  std::string path;
  DriverSettings values;
};

void show_resolutions(HWND dialog, const DriverSettings& values) {
  controls::set_text(dialog, IDE_DRIVER_RESOLUTION_X, resolution_text(values.resolution_x));
  controls::set_text(dialog, IDE_DRIVER_RESOLUTION_Y, resolution_text(values.resolution_y));
}

// A number of the file in its field; an unknown one leaves the field empty.
void show_number(HWND dialog, int id, std::optional<int> value) {
  if (value) controls::set_unsigned(dialog, id, *value);
}

void enable_pens(HWND dialog, bool enabled) {
  controls::enable(dialog, IDE_DRIVER_PENS, enabled);
  controls::enable(dialog, IDT_DRIVER_PENS, enabled);
}

// Fills the dialog; true when it has put the keyboard focus on the paper width.
bool open_dialog(HWND dialog, DriverDialogState& state) {
  const std::string& path = state.path;
  controls::limit_text(dialog, IDE_DRIVER_PENS, kPensCharacters);
  controls::limit_text(dialog, IDE_DRIVER_PAPER_WIDTH, kPaperWidthCharacters);
  controls::set_text(dialog, IDE_DRIVER_FILE, path.substr(path.rfind('\\') + 1));
  if (!read_driver_settings_file(path.c_str(), state.values)) {
    // Nothing read, nothing to save: the values would be no driver's own.
    controls::enable(dialog, IDB_DRIVER_OK, false);
    controls::enable(dialog, IDB_DRIVER_ADAPT, false);
    return false;
  }
  const DriverSettings& values = state.values;
  controls::set_text(dialog, IDE_DRIVER_PLOTTER_NAME, values.plotter_name.str());
  show_number(dialog, IDE_DRIVER_PENS, values.device[kPens]);
  if (const std::optional<int> origin = values.device[kOrigin]) {
    CheckRadioButton(dialog, IDX_DRIVER_ORIGIN_CORNER, IDX_DRIVER_ORIGIN_CENTRE,
                     *origin == 0 ? IDX_DRIVER_ORIGIN_CORNER : IDX_DRIVER_ORIGIN_CENTRE);
  }
  show_resolutions(dialog, values);
  show_number(dialog, IDE_DRIVER_PAPER_WIDTH, values.paper_width);
  controls::check(dialog, IDX_DRIVER_EACH_PAGE, values.each_page);
  controls::check(dialog, IDX_DRIVER_PEN_CHANGE, values.pen_change);
  enable_pens(dialog, values.pen_change);
  SetFocus(GetDlgItem(dialog, IDE_DRIVER_PAPER_WIDTH));
  return true;
}

void take_paper_width(HWND dialog, DriverSettings& values) {
  unsigned width = 0;
  if (controls::get_unsigned(dialog, IDE_DRIVER_PAPER_WIDTH, width) && width <= 0x7FFFFFFF) {
    values.paper_width = static_cast<int>(width);
  }
}

// Keeps a backup copy and rewrites the driver file from it. The file is replaced in one
// step, and only from a copy that was really made.
bool save(HWND dialog, DriverDialogState& state) {
  DriverSettings& values = state.values;
  take_paper_width(dialog, values);
  values.each_page = controls::is_checked(dialog, IDX_DRIVER_EACH_PAGE);
  values.pen_change = controls::is_checked(dialog, IDX_DRIVER_PEN_CHANGE);
  // A number of pens or an origin that the file does not hold readably stays as the file has
  // it while the user leaves the field empty and chooses no origin.
  unsigned pens = 0;
  if (controls::get_unsigned(dialog, IDE_DRIVER_PENS, pens)) {
    values.device[kPens] = static_cast<int>(pens);
  } else if (values.device[kPens] || !controls::text_of(dialog, IDE_DRIVER_PENS).empty()) {
    values.device[kPens] = 1;
  }
  if (controls::is_checked(dialog, IDX_DRIVER_ORIGIN_CORNER)) values.device[kOrigin] = 0;
  if (controls::is_checked(dialog, IDX_DRIVER_ORIGIN_CENTRE)) values.device[kOrigin] = 1;

  const std::string backup = driver_backup_path(state.path);
  std::string bytes;
  if (!copy_file(state.path.c_str(), static_cast<int>(state.path.size()), backup.c_str(),
                 static_cast<int>(backup.size())) ||
      read_file(backup.c_str(), bytes) != FileRead::read) {
    const std::string file = controls::full_path(backup);
    const std::string reason = system_error_text(GetLastError());
    controls::tell_failure(dialog, IDS_DRIVER_BACKUP_FAILED, {file, reason}, "back up driver file", file, reason);
    return false;
  }
  if (!write_file_atomically(state.path.c_str(), rewrite_driver_file(bytes, values))) {
    controls::tell_file_not_written(dialog, "save driver settings", state.path, GetLastError());
    return false;
  }
  return true;
}

class DriverSettingsDialog : public controls::ModalDialog {
 public:
  explicit DriverSettingsDialog(const std::string& path) { state_.path = path; }

 private:
  bool on_open() override { return !open_dialog(window(), state_); }
  bool on_command(int id, int code) override;

  DriverDialogState state_;
};

bool DriverSettingsDialog::on_command(int id, int code) {
  if (code != BN_CLICKED) return false;
  const HWND dialog = window();
  switch (id) {
    case IDOK:
      // Enter: the paper width is taken, and the dialog stays open on its OK button.
      take_paper_width(dialog, state_.values);
      SendMessageA(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(GetDlgItem(dialog, IDB_DRIVER_OK)), TRUE);
      return true;
    case IDX_DRIVER_PEN_CHANGE:
      state_.values.pen_change = controls::is_checked(dialog, IDX_DRIVER_PEN_CHANGE);
      enable_pens(dialog, state_.values.pen_change);
      return true;
    case IDB_DRIVER_ADAPT:
      if (run_plot_resolution_dialog(dialog, state_.values) == IDOK) show_resolutions(dialog, state_.values);
      return true;
    case IDB_DRIVER_OK:
      if (save(dialog, state_)) end(IDOK);
      return true;
    default:
      return false;
  }
}

}  // namespace

std::string driver_backup_path(const std::string& path) {
  std::string backup = path;
  const std::size_t plt = backup.find(".PLT");
  if (plt != std::string::npos) return backup.replace(plt, 4, ".BAK");
  const std::size_t dot = backup.rfind('.');
  const std::size_t slash = backup.rfind('\\');
  if (dot != std::string::npos && (slash == std::string::npos || dot > slash)) backup.resize(dot);
  return backup + ".BAK";
}

void run_driver_settings_dialog(HWND owner, const std::string& path) {
  DriverSettingsDialog(path).run(owner, IDD_DRIVER_SETTINGS);
}

}  // namespace tav
