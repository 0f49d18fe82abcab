#include "plotter/plot_resolution_dialog.h"

#include <array>
#include <optional>

#include "controls/controls.h"
#include "controls/modal_dialog.h"
#include "plotter/core/plot_resolution.h"
#include "plotter/core/real_text.h"
#include "resources/ids.h"
#include "util/program_log.h"

namespace tav {
namespace {

constexpr std::array<const char*, 4> kPresets = {"0,025", "0,0254", "0,01", "0,1"};

// The controls of one axis.
struct AxisControls {
  Axis axis;
  int resolution;
  int desired;
  int actual;
};
constexpr std::array<AxisControls, 2> kAxes = {{
    {Axis::x, IDC_RESOLUTION_X, IDE_RESOLUTION_DESIRED_X, IDE_RESOLUTION_ACTUAL_X},
    {Axis::y, IDC_RESOLUTION_Y, IDE_RESOLUTION_DESIRED_Y, IDE_RESOLUTION_ACTUAL_Y},
}};

void set_read_only(HWND dialog, int id) { SendDlgItemMessageA(dialog, id, EM_SETREADONLY, TRUE, 0); }

std::optional<float>& resolution_of(DriverSettings& values, Axis axis) {
  return axis == Axis::x ? values.resolution_x : values.resolution_y;
}

class PlotResolutionDialog : public controls::ModalDialog {
 public:
  explicit PlotResolutionDialog(DriverSettings& settings)
      : values_(settings), comparison_(settings.resolution_x, settings.resolution_y) {}

 private:
  bool on_open() override;
  bool on_command(int id, int code) override;
  void show_resolution(int id, std::optional<float> resolution);
  void resolution_chosen(const AxisControls& axis);
  void recalculate();
  void confirm();

  DriverSettings& values_;
  ResolutionComparison comparison_;
  bool updating_ = false;  // the dialog itself is changing a resolution box
};

void PlotResolutionDialog::show_resolution(int id, std::optional<float> resolution) {
  updating_ = true;
  controls::set_text(window(), id, resolution_text(resolution));
  updating_ = false;
}

bool PlotResolutionDialog::on_open() {
  for (const AxisControls& axis : kAxes) {
    for (const char* preset : kPresets) controls::add_item(window(), axis.resolution, preset);
    show_resolution(axis.resolution, resolution_of(values_, axis.axis));
    // An unknown resolution cannot be corrected by a test plot.
    if (comparison_.state(axis.axis) != AxisState::open) {
      set_read_only(window(), axis.desired);
      set_read_only(window(), axis.actual);
    }
  }
  controls::enable(window(), IDB_RESOLUTION_RECALCULATE, comparison_.can_recalculate());
  return true;
}

// The user picked or typed a resolution: that axis's test plot lengths are of no use now.
void PlotResolutionDialog::resolution_chosen(const AxisControls& axis) {
  if (updating_) return;
  comparison_.choose(axis.axis);
  for (int id : {axis.desired, axis.actual}) {
    set_read_only(window(), id);
    controls::set_text(window(), id, "");
  }
  controls::enable(window(), IDB_RESOLUTION_RECALCULATE, comparison_.can_recalculate());
}

void PlotResolutionDialog::recalculate() {
  std::array<AxisLengths, 2> lengths;
  for (std::size_t i = 0; i < kAxes.size(); ++i) {
    lengths[i] = {read_decimal_comma(controls::text_of(window(), kAxes[i].desired)),
                  read_decimal_comma(controls::text_of(window(), kAxes[i].actual))};
  }
  const std::array<std::optional<float>, 2> results = comparison_.recalculate(lengths);
  for (std::size_t i = 0; i < kAxes.size(); ++i) {
    if (!results[i]) continue;
    const AxisControls& axis = kAxes[i];
    controls::enable(window(), axis.resolution, false);
    show_resolution(axis.resolution, *results[i]);
    set_read_only(window(), axis.desired);
    set_read_only(window(), axis.actual);
  }
  controls::enable(window(), IDB_RESOLUTION_RECALCULATE, comparison_.can_recalculate());
}

// OK: both resolutions must be positive numbers, except that an unknown one may be left
// empty and stays unknown; the first that is neither keeps the dialog open.
void PlotResolutionDialog::confirm() {
  std::array<std::optional<float>, 2> resolutions{};
  for (std::size_t i = 0; i < kAxes.size(); ++i) {
    const std::string text = controls::text_of(window(), kAxes[i].resolution);
    const std::optional<float> read = usable_resolution(read_decimal_comma(text));
    const bool left_unknown =
        !resolution_of(values_, kAxes[i].axis) && text.find_first_not_of(' ') == std::string::npos;
    if (!read && !left_unknown) {
      char caption[256] = {};
      GetWindowTextA(window(), caption, sizeof caption);
      const std::string message = controls::load_string(IDS_RESOLUTION_INVALID);
      log_failure("adapt plot resolution", text, message);
      MessageBoxA(window(), message.c_str(), caption, MB_OK | MB_ICONEXCLAMATION);
      SendMessageA(window(), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(GetDlgItem(window(), kAxes[i].resolution)), TRUE);
      return;
    }
    resolutions[i] = read;
  }
  values_.resolution_x = resolutions[0];
  values_.resolution_y = resolutions[1];
  end(IDOK);
}

bool PlotResolutionDialog::on_command(int id, int code) {
  if (id == IDOK) {
    confirm();
  } else if (id == IDB_RESOLUTION_RECALCULATE && code == BN_CLICKED) {
    recalculate();
  } else if (code == CBN_SELCHANGE || code == CBN_EDITCHANGE) {
    for (const AxisControls& axis : kAxes) {
      if (axis.resolution == id) resolution_chosen(axis);
    }
  } else {
    return false;
  }
  return true;
}

}  // namespace

INT_PTR run_plot_resolution_dialog(HWND owner, DriverSettings& values) {
  return PlotResolutionDialog(values).run(owner, IDD_PLOT_RESOLUTION);
}

}  // namespace tav
