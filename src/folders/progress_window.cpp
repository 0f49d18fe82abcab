#include "folders/progress_window.h"

#include <commctrl.h>

#include "controls/controls.h"
#include "controls/guarded.h"
#include "resources/ids.h"

namespace tav {
namespace {

constexpr int kBarEnd = 1000;

INT_PTR CALLBACK progress_procedure(HWND, UINT message, WPARAM, LPARAM) { return message == WM_INITDIALOG; }

// Puts the window in the middle of its owner.
void center_over(HWND window, HWND owner) {
  RECT outer{}, inner{};
  if (!GetWindowRect(owner, &outer) || !GetWindowRect(window, &inner)) return;
  const int x = outer.left + ((outer.right - outer.left) - (inner.right - inner.left)) / 2;
  const int y = outer.top + ((outer.bottom - outer.top) - (inner.bottom - inner.top)) / 2;
  SetWindowPos(window, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace

ProgressWindow::ProgressWindow(HWND owner, const std::string& message) {
  window_ = CreateDialogParamA(controls::program_instance(), MAKEINTRESOURCEA(IDD_PROGRESS), owner,
                               controls::guarded<progress_procedure>, 0);
  if (!window_) return;
  char title[256] = {};
  GetWindowTextA(owner, title, sizeof title);
  SetWindowTextA(window_, title);
  controls::set_text(window_, IDT_PROGRESS_MESSAGE, message);
  SendDlgItemMessageA(window_, IDC_PROGRESS_BAR, PBM_SETRANGE32, 0, kBarEnd);
  SendDlgItemMessageA(window_, IDC_PROGRESS_BAR, PBM_SETPOS, 0, 0);
  center_over(window_, owner);
  // The window only shows how far the run is; it is never the one the user works with.
  EnableWindow(window_, FALSE);
  ShowWindow(window_, SW_SHOWNOACTIVATE);
  UpdateWindow(window_);
}

ProgressWindow::~ProgressWindow() {
  if (window_) DestroyWindow(window_);
}

void ProgressWindow::set(int position) {
  if (!window_) return;
  SendDlgItemMessageA(window_, IDC_PROGRESS_BAR, PBM_SETPOS, static_cast<WPARAM>(position), 0);
  UpdateWindow(window_);
}

}  // namespace tav
