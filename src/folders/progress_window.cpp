#include "folders/progress_window.h"

#include <commctrl.h>

#include "controls/controls.h"
#include "controls/guarded.h"
#include "resources/ids.h"
#include "util/core/message_text.h"

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

void ProgressWindow::show_copy(const std::string& folder, std::uint64_t files_done, std::uint64_t files) {
  if (!window_) return;
  // Set only when changed, so that the texts do not flicker at every tick of the bar.
  const std::string count =
      with_arguments(controls::load_string(IDS_PROGRESS_FILES), {std::to_string(files_done), std::to_string(files)});
  if (controls::text_of(window_, IDT_PROGRESS_FOLDER) != folder)
    controls::set_text(window_, IDT_PROGRESS_FOLDER, folder);
  if (controls::text_of(window_, IDT_PROGRESS_FILES) != count) controls::set_text(window_, IDT_PROGRESS_FILES, count);
}

void ProgressWindow::set(int position) {
  if (!window_) return;
  SendDlgItemMessageA(window_, IDC_PROGRESS_BAR, PBM_SETPOS, static_cast<WPARAM>(position), 0);
  UpdateWindow(window_);
}

}  // namespace tav
