#include "plotter/plot_resolution_dialog.h"

#include <array>
#include <optional>

#include "controls/controls.h"
#include "controls/guarded.h"
#include "controls/page_state.h"
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

struct ResolutionDialogState {
  ResolutionDialogState(DriverSettings& settings)
      : values(settings), comparison(settings.resolution_x, settings.resolution_y) {}
  DriverSettings& values;
  ResolutionComparison comparison;
  bool updating = false;  // the dialog itself is changing a resolution box
};

ResolutionDialogState* state_of(HWND dialog) { return controls::window_state_of<ResolutionDialogState>(dialog); }

void set_read_only(HWND dialog, int id) { SendDlgItemMessageA(dialog, id, EM_SETREADONLY, TRUE, 0); }

void show_resolution(HWND dialog, ResolutionDialogState& state, int id, std::optional<float> resolution) {
  state.updating = true;
  controls::set_text(dialog, id, resolution_text(resolution));
  state.updating = false;
}

std::optional<float>& resolution_of(DriverSettings& values, Axis axis) {
  return axis == Axis::x ? values.resolution_x : values.resolution_y;
}

void open_dialog(HWND dialog, DriverSettings& values) {
  ResolutionDialogState& state = controls::create_window_state<ResolutionDialogState>(dialog, values);
  for (const AxisControls& axis : kAxes) {
    for (const char* preset : kPresets) controls::add_item(dialog, axis.resolution, preset);
    show_resolution(dialog, state, axis.resolution, resolution_of(values, axis.axis));
    // An unknown resolution cannot be corrected by a test plot.
    if (state.comparison.state(axis.axis) != AxisState::open) {
      set_read_only(dialog, axis.desired);
      set_read_only(dialog, axis.actual);
    }
  }
  controls::enable(dialog, IDB_RESOLUTION_RECALCULATE, state.comparison.can_recalculate());
}

// The user picked or typed a resolution: that axis's test plot lengths are of no use now.
void resolution_chosen(HWND dialog, ResolutionDialogState& state, const AxisControls& axis) {
  if (state.updating) return;
  state.comparison.choose(axis.axis);
  for (int id : {axis.desired, axis.actual}) {
    set_read_only(dialog, id);
    controls::set_text(dialog, id, "");
  }
  controls::enable(dialog, IDB_RESOLUTION_RECALCULATE, state.comparison.can_recalculate());
}

void recalculate(HWND dialog, ResolutionDialogState& state) {
  std::array<AxisLengths, 2> lengths;
  for (std::size_t i = 0; i < kAxes.size(); ++i) {
    lengths[i] = {read_decimal_comma(controls::text_of(dialog, kAxes[i].desired)),
                  read_decimal_comma(controls::text_of(dialog, kAxes[i].actual))};
  }
  const std::array<std::optional<float>, 2> results = state.comparison.recalculate(lengths);
  for (std::size_t i = 0; i < kAxes.size(); ++i) {
    if (!results[i]) continue;
    const AxisControls& axis = kAxes[i];
    controls::enable(dialog, axis.resolution, false);
    show_resolution(dialog, state, axis.resolution, *results[i]);
    set_read_only(dialog, axis.desired);
    set_read_only(dialog, axis.actual);
  }
  controls::enable(dialog, IDB_RESOLUTION_RECALCULATE, state.comparison.can_recalculate());
}

// OK: both resolutions must be positive numbers, except that an unknown one may be left
// empty and stays unknown; the first that is neither keeps the dialog open.
void confirm(HWND dialog, ResolutionDialogState& state) {
  std::array<std::optional<float>, 2> resolutions{};
  for (std::size_t i = 0; i < kAxes.size(); ++i) {
    const std::string text = controls::text_of(dialog, kAxes[i].resolution);
    const std::optional<float> read = usable_resolution(read_decimal_comma(text));
    const bool left_unknown =
        !resolution_of(state.values, kAxes[i].axis) && text.find_first_not_of(' ') == std::string::npos;
    if (!read && !left_unknown) {
      char caption[256] = {};
      GetWindowTextA(dialog, caption, sizeof caption);
      const std::string message = controls::load_string(IDS_RESOLUTION_INVALID);
      log_failure("adapt plot resolution", controls::text_of(dialog, kAxes[i].resolution), message);
      MessageBoxA(dialog, message.c_str(), caption, MB_OK | MB_ICONEXCLAMATION);
      SendMessageA(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(GetDlgItem(dialog, kAxes[i].resolution)), TRUE);
      return;
    }
    resolutions[i] = read;
  }
  state.values.resolution_x = resolutions[0];
  state.values.resolution_y = resolutions[1];
  EndDialog(dialog, IDOK);
}

void on_command(HWND dialog, int id, int code) {
  ResolutionDialogState* state = state_of(dialog);
  if (id == IDCANCEL) {
    EndDialog(dialog, IDCANCEL);
    return;
  }
  if (state == nullptr) return;
  if (id == IDOK) {
    confirm(dialog, *state);
  } else if (id == IDB_RESOLUTION_RECALCULATE && code == BN_CLICKED) {
    recalculate(dialog, *state);
  } else if (code == CBN_SELCHANGE || code == CBN_EDITCHANGE) {
    for (const AxisControls& axis : kAxes) {
      if (axis.resolution == id) resolution_chosen(dialog, *state, axis);
    }
  }
}

INT_PTR CALLBACK plot_resolution_procedure(HWND dialog, UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_INITDIALOG:
      open_dialog(dialog, *reinterpret_cast<DriverSettings*>(lparam));
      return TRUE;
    case WM_COMMAND:
      on_command(dialog, LOWORD(wparam), HIWORD(wparam));
      return TRUE;
    case WM_DESTROY:
      controls::destroy_window_state<ResolutionDialogState>(dialog);
      return FALSE;
    default:
      return FALSE;
  }
}

}  // namespace

INT_PTR run_plot_resolution_dialog(HWND owner, DriverSettings& values) {
  return DialogBoxParamA(controls::program_instance(), MAKEINTRESOURCEA(IDD_PLOT_RESOLUTION), owner,
                         controls::guarded<plot_resolution_procedure>, reinterpret_cast<LPARAM>(&values));
}

}  // namespace tav
