#include "pages/calibration_dialog.h"

#include <windowsx.h>

#include <array>
#include <vector>

#include "config/settings.h"
#include "controls/controls.h"
#include "controls/guarded.h"
#include "controls/modal_dialog.h"
#include "controls/page_contract.h"
#include "controls/tooltips.h"
#include "pages/core/calibration.h"
#include "resources/ids.h"

namespace tav {
namespace {

// Each arrow button with its icon and the step it makes.
struct ArrowButton {
  int id;
  int icon;
  int dx;
  int dy;
};
constexpr std::array<ArrowButton, 4> kArrows = {{
    {IDB_CALIB_LOWER, IDI_ARROW_UP, 0, -1},
    {IDB_CALIB_HIGHER, IDI_ARROW_DOWN, 0, +1},
    {IDB_CALIB_NARROWER, IDI_ARROWS_NARROWER, -1, 0},
    {IDB_CALIB_WIDER, IDI_ARROWS_WIDER, +1, 0},
}};
// Size of the arrow icons at 100 % scaling; the icons hold images for the larger scales.
constexpr int kIconSize = 24;
// Room kept between the rectangle and the controls beside and below it.
constexpr int kMargin = 14;
// Posted on a change of scaling, to lay the dialog out again once the system has scaled it.
constexpr UINT kScalingChanged = WM_APP + 1;

struct ControlPlace {
  HWND window;
  POINT origin;  // position in the template's client layout
};

struct CalibrationState {
  CalibrationState() : model(settings().screen.widthmm, settings().screen.hightmm) {}
  Calibration model;
  HICON icons[kArrows.size()] = {};
  int dpi = USER_DEFAULT_SCREEN_DPI;  // the scaling the layout below was taken at
  // The template's client size and the controls beside the rectangle, so that the dialog
  // can grow with a rectangle that does not fit it.
  SIZE template_client{};
  int column_left = 0;
  std::vector<ControlPlace> column;
};

CalibrationState* state_of(HWND dialog) {
  return reinterpret_cast<CalibrationState*>(GetWindowLongPtrA(dialog, DWLP_USER));
}

Screen screen_resolution() {
  HDC screen = GetDC(nullptr);
  const Screen resolution{GetDeviceCaps(screen, HORZRES), GetDeviceCaps(screen, VERTRES)};
  ReleaseDC(nullptr, screen);
  return resolution;
}

// The physical size the system reports for the screen, in millimetres.
void system_millimetres(int& width_mm, int& height_mm) {
  HDC screen = GetDC(nullptr);
  width_mm = GetDeviceCaps(screen, HORZSIZE);
  height_mm = GetDeviceCaps(screen, VERTSIZE);
  ReleaseDC(nullptr, screen);
}

void remember_layout(HWND dialog, CalibrationState& state) {
  RECT client{};
  GetClientRect(dialog, &client);
  state.template_client = {client.right, client.bottom};
  state.column_left = client.right;
  for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    if (GetDlgCtrlID(child) == IDT_CALIB_FRAME) continue;
    RECT place{};
    GetWindowRect(child, &place);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&place), 2);
    state.column.push_back({child, {place.left, place.top}});
    if (place.left < state.column_left) state.column_left = place.left;
  }
}

// Grows the dialog (or shrinks it back, never below the template) so that the rectangle
// and the controls beside it stay visible, but never beyond the screen's work area: a very
// small millimetre value gives a rectangle larger than the screen, and the controls must
// still be reachable then. With relayout the controls are placed even where the dialog's
// size stays.
void fit_dialog(HWND dialog, CalibrationState& state, bool relayout = false) {
  const DWORD style = static_cast<DWORD>(GetWindowLongPtrA(dialog, GWL_STYLE));
  const DWORD ex_style = static_cast<DWORD>(GetWindowLongPtrA(dialog, GWL_EXSTYLE));
  RECT work{};
  SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
  RECT frame{};
  AdjustWindowRectEx(&frame, style, FALSE, ex_style);
  const int max_width = (work.right - work.left) - (frame.right - frame.left);
  const int max_height = (work.bottom - work.top) - (frame.bottom - frame.top);
  const SIZE base = state.template_client;

  const int needed_left = kCalibrationOrigin + state.model.width() + kMargin;
  int shift = needed_left > state.column_left ? needed_left - state.column_left : 0;
  if (base.cx + shift > max_width) shift = max_width > base.cx ? max_width - base.cx : 0;
  int height = kCalibrationOrigin + state.model.height() + kMargin;
  if (height > max_height) height = max_height;
  if (height < base.cy) height = base.cy;
  RECT wanted{0, 0, base.cx + shift, height};
  RECT client{};
  GetClientRect(dialog, &client);
  if (!relayout && client.right == wanted.right && client.bottom == wanted.bottom) return;
  for (const ControlPlace& control : state.column) {
    SetWindowPos(control.window, nullptr, control.origin.x + shift, control.origin.y, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
  AdjustWindowRectEx(&wanted, style, FALSE, ex_style);
  const int width = wanted.right - wanted.left, full_height = wanted.bottom - wanted.top;
  RECT now{};
  GetWindowRect(dialog, &now);
  int x = now.left, y = now.top;
  if (x + width > work.right) x = work.right - width;
  if (y + full_height > work.bottom) y = work.bottom - full_height;
  if (x < work.left) x = work.left;
  if (y < work.top) y = work.top;
  SetWindowPos(dialog, nullptr, x, y, width, full_height, SWP_NOZORDER | SWP_NOACTIVATE);
  InvalidateRect(dialog, nullptr, TRUE);
}

void place_rectangle(HWND dialog, CalibrationState& state, bool relayout = false) {
  MoveWindow(GetDlgItem(dialog, IDT_CALIB_FRAME), kCalibrationOrigin, kCalibrationOrigin, state.model.width(),
             state.model.height(), TRUE);
  fit_dialog(dialog, state, relayout);
}

// The arrow icons in the size of the dialog's scaling.
void load_icons(HWND dialog, CalibrationState& state) {
  const int size = MulDiv(kIconSize, state.dpi, USER_DEFAULT_SCREEN_DPI);
  for (std::size_t i = 0; i < kArrows.size(); ++i) {
    HICON icon = static_cast<HICON>(LoadImageA(controls::program_instance(), MAKEINTRESOURCEA(kArrows[i].icon),
                                               IMAGE_ICON, size, size, LR_DEFAULTCOLOR));
    SendDlgItemMessageA(dialog, kArrows[i].id, BM_SETIMAGE, IMAGE_ICON, reinterpret_cast<LPARAM>(icon));
    if (state.icons[i]) DestroyIcon(state.icons[i]);
    state.icons[i] = icon;
  }
}

// Moved to a screen of another scaling, the system scales the dialog and its controls, the
// rectangle too. The rectangle goes back to its size in pixels, which is what it measures;
// the layout that the dialog grows from is taken at the new scaling.
void on_scaling_changed(HWND dialog, CalibrationState& state, int dpi) {
  if (dpi <= 0 || dpi == state.dpi) return;
  const auto scale = [&](LONG value) { return MulDiv(value, dpi, state.dpi); };
  state.template_client = {scale(state.template_client.cx), scale(state.template_client.cy)};
  state.column_left = scale(state.column_left);
  for (ControlPlace& control : state.column) control.origin = {scale(control.origin.x), scale(control.origin.y)};
  state.dpi = dpi;
  load_icons(dialog, state);
  place_rectangle(dialog, state, true);
}

void select_preset(HWND dialog, int item) {
  SendDlgItemMessageA(dialog, IDC_CALIB_PRESETS, CB_SETCURSEL, static_cast<WPARAM>(item), 0);
}

void rectangle_changed(HWND dialog, CalibrationState& state) {
  place_rectangle(dialog, state);
  select_preset(dialog, preset_after_change(settings().screen.widthmm, settings().screen.hightmm));
}

BOOL on_init(HWND dialog, CalibrationState& state) {
  controls::remember_template(dialog, IDD_CALIBRATION);  // for F1
  SetWindowLongPtrA(dialog, DWLP_USER, reinterpret_cast<LONG_PTR>(&state));
  state.dpi = controls::dpi_of(dialog);
  load_icons(dialog, state);
  remember_layout(dialog, state);

  // Until the millimetres say otherwise the rectangle keeps the template's size; it always
  // starts at the corner the edges are measured from.
  RECT frame{};
  GetWindowRect(GetDlgItem(dialog, IDT_CALIB_FRAME), &frame);
  state.model.set_rectangle(frame.right - frame.left, frame.bottom - frame.top);
  state.model.set_screen(screen_resolution());
  state.model.size_from_millimetres();
  place_rectangle(dialog, state);

  const Settings& s = settings();
  const int preselected = preset_at_opening(s.screen.widthmm, s.screen.hightmm);
  for (const MonitorPreset& preset : monitor_presets()) {
    SendDlgItemMessageA(dialog, IDC_CALIB_PRESETS, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(preset.text));
  }
  select_preset(dialog, preselected);
  // The arrows show icons only; their tooltips say what a click does.
  controls::attach_tooltips(dialog, {{IDB_CALIB_LOWER, IDS_TIP_CALIB_LOWER},
                                     {IDB_CALIB_HIGHER, IDS_TIP_CALIB_HIGHER},
                                     {IDB_CALIB_NARROWER, IDS_TIP_CALIB_NARROWER},
                                     {IDB_CALIB_WIDER, IDS_TIP_CALIB_WIDER}});
  return TRUE;
}

void on_preset_chosen(HWND dialog, CalibrationState& state) {
  const int item = static_cast<int>(SendDlgItemMessageA(dialog, IDC_CALIB_PRESETS, CB_GETCURSEL, 0, 0));
  const auto presets = monitor_presets();
  if (item < 0 || item >= static_cast<int>(presets.size())) return;
  Settings& s = settings();
  if (item == 0) {
    system_millimetres(s.screen.widthmm, s.screen.hightmm);
    state.model.set_screen(screen_resolution());
  } else {
    s.screen.widthmm = presets[static_cast<std::size_t>(item)].width_mm;
    s.screen.hightmm = presets[static_cast<std::size_t>(item)].height_mm;
  }
  if (state.model.size_from_millimetres()) place_rectangle(dialog, state);
}

LPCSTR cursor_name(SizingCursor cursor) {
  switch (cursor) {
    case SizingCursor::both:
      return IDC_SIZENWSE;
    case SizingCursor::right:
      return IDC_SIZEWE;
    case SizingCursor::bottom:
      return IDC_SIZENS;
    default:
      return IDC_ARROW;
  }
}

void on_mouse_move(HWND dialog, CalibrationState& state, WPARAM wparam, LPARAM lparam) {
  const bool was_dragging = state.model.dragging();
  const bool changed = state.model.mouse_move(GET_X_LPARAM(lparam), GET_Y_LPARAM(lparam), (wparam & MK_LBUTTON) != 0);
  // While dragging the dialog keeps the mouse, so the edge follows it beyond the dialog.
  if (!was_dragging && state.model.dragging()) SetCapture(dialog);
  if (was_dragging && !state.model.dragging() && GetCapture() == dialog) ReleaseCapture();
  if (changed) rectangle_changed(dialog, state);
  if (state.model.cursor_to_set()) SetCursor(LoadCursorA(nullptr, cursor_name(state.model.cursor())));
}

BOOL on_command(HWND dialog, CalibrationState& state, int id, int code) {
  for (const ArrowButton& arrow : kArrows) {
    if (id == arrow.id && code == BN_CLICKED) {
      if (state.model.step(arrow.dx, arrow.dy)) rectangle_changed(dialog, state);
      return TRUE;
    }
  }
  switch (id) {
    case IDC_CALIB_PRESETS:
      if (code == CBN_SELCHANGE) on_preset_chosen(dialog, state);
      return TRUE;
    case IDOK:
      EndDialog(dialog, 1);
      return TRUE;
    case IDCANCEL:
      return TRUE;  // Escape does not end the dialog: there is nothing to cancel
    default:
      return FALSE;
  }
}

}  // namespace

INT_PTR CALLBACK calibration_dialog_procedure(HWND dialog, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_INITDIALOG) return on_init(dialog, *reinterpret_cast<CalibrationState*>(lparam));
  controls::serve_tooltips(dialog, message);
  CalibrationState* state = state_of(dialog);
  if (!state) return FALSE;
  switch (message) {
    case WM_COMMAND:
      return on_command(dialog, *state, LOWORD(wparam), HIWORD(wparam));
    case WM_MOUSEMOVE:
      on_mouse_move(dialog, *state, wparam, lparam);
      return TRUE;
    case WM_SETCURSOR:
      // Over an edge the sizing cursor stays, instead of the class's arrow.
      if (reinterpret_cast<HWND>(wparam) == dialog && LOWORD(lparam) == HTCLIENT &&
          state->model.cursor() != SizingCursor::arrow) {
        SetCursor(LoadCursorA(nullptr, cursor_name(state->model.cursor())));
        SetWindowLongPtrA(dialog, DWLP_MSGRESULT, TRUE);
        return TRUE;
      }
      return FALSE;
    case WM_DPICHANGED:
      PostMessageA(dialog, kScalingChanged, LOWORD(wparam), 0);
      return FALSE;  // the system scales the dialog first
    case kScalingChanged:
      on_scaling_changed(dialog, *state, static_cast<int>(wparam));
      return TRUE;
    case WM_DESTROY:
      if (GetCapture() == dialog) ReleaseCapture();
      for (HICON& icon : state->icons) {
        if (icon) DestroyIcon(icon);
        icon = nullptr;
      }
      SetWindowLongPtrA(dialog, DWLP_USER, 0);
      return FALSE;
    default:
      return FALSE;
  }
}

void run_calibration_dialog(HWND owner) {
  CalibrationState state;
  DialogBoxParamA(controls::program_instance(), MAKEINTRESOURCEA(IDD_CALIBRATION), owner,
                  controls::guarded<calibration_dialog_procedure>, reinterpret_cast<LPARAM>(&state));
}

}  // namespace tav
