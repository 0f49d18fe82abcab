#include "support/gui.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <cstring>

namespace tav::test {
namespace {

ModalScript* g_active = nullptr;

struct DialogSearch {
  std::vector<HWND> dialogs;
};

BOOL CALLBACK collect_dialog(HWND window, LPARAM data) {
  char class_name[16] = {};
  GetClassNameA(window, class_name, sizeof class_name);
  if (std::string(class_name) == "#32770" && IsWindowVisible(window)) {
    reinterpret_cast<DialogSearch*>(data)->dialogs.push_back(window);
  }
  return TRUE;
}

std::vector<HWND> thread_dialogs() {
  DialogSearch search;
  EnumThreadWindows(GetCurrentThreadId(), collect_dialog, reinterpret_cast<LPARAM>(&search));
  return search.dialogs;
}

}  // namespace

HWND top_dialog() {
  // A modal dialog disables its owner, so the one enabled dialog is the innermost.
  for (HWND dialog : thread_dialogs()) {
    if (IsWindowEnabled(dialog)) return dialog;
  }
  return nullptr;
}

ModalScript& ModalScript::on(std::string caption, Step step) {
  steps_.push_back({std::move(caption), std::move(step)});
  return *this;
}

void CALLBACK ModalScript::tick(HWND, UINT, UINT_PTR, DWORD) {
  if (g_active) g_active->on_tick();
}

void ModalScript::on_tick() {
  // The watchdog also ends a dialog that a step opened with a sent message and waits on.
  if (GetTickCount() - started_ > static_cast<DWORD>(watchdog_ms_)) {
    timed_out_ = true;
    for (HWND dialog : thread_dialogs()) EndDialog(dialog, IDCANCEL);
    return;
  }
  if (busy_) return;
  busy_ = true;
  if (next_ < steps_.size()) {
    HWND dialog = top_dialog();
    if (dialog && window_text(dialog) == steps_[next_].caption) {
      Step step = steps_[next_].step;
      ++next_;
      step(dialog);
    }
  }
  busy_ = false;
}

void ModalScript::run(const std::function<void()>& open, int watchdog_ms) {
  ASSERT_EQ(g_active, nullptr) << "modal scripts do not nest";
  g_active = this;
  watchdog_ms_ = watchdog_ms;
  started_ = GetTickCount();
  const UINT_PTR timer = SetTimer(nullptr, 0, 10, tick);
  open();
  KillTimer(nullptr, timer);
  g_active = nullptr;
  EXPECT_FALSE(timed_out_) << "a dialog did not close in time; step " << next_ << " of " << steps_.size()
                           << (next_ < steps_.size() ? " was waiting for \"" + steps_[next_].caption + "\"" : "");
  EXPECT_EQ(next_, steps_.size()) << "not every expected dialog appeared";
}

std::string window_text(HWND window) {
  char text[1024] = {};
  GetWindowTextA(window, text, sizeof text);
  return text;
}

std::string item_text(HWND dialog, int id) { return window_text(GetDlgItem(dialog, id)); }

std::string plain_text(const std::string& text) {
  std::string plain;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '&' && i + 1 < text.size()) ++i;
    plain += text[i];
  }
  return plain;
}

// The message text is the static control of id 0xFFFF in the system's message box.
std::string message_text(HWND box) { return item_text(box, 0xFFFF); }

void click(HWND dialog, int id) { SendMessageA(GetDlgItem(dialog, id), BM_CLICK, 0, 0); }
void post_click(HWND dialog, int id) { PostMessageA(GetDlgItem(dialog, id), BM_CLICK, 0, 0); }
bool is_checked(HWND dialog, int id) { return IsDlgButtonChecked(dialog, id) == BST_CHECKED; }
bool is_visible(HWND dialog, int id) { return IsWindowVisible(GetDlgItem(dialog, id)) != FALSE; }
bool is_enabled(HWND dialog, int id) { return IsWindowEnabled(GetDlgItem(dialog, id)) != FALSE; }

std::vector<HWND> tooltip_windows() {
  std::vector<HWND> found;
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND candidate, LPARAM windows) -> BOOL {
        char class_name[32] = {};
        GetClassNameA(candidate, class_name, sizeof class_name);
        if (lstrcmpiA(class_name, TOOLTIPS_CLASSA) == 0)
          reinterpret_cast<std::vector<HWND>*>(windows)->push_back(candidate);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&found));
  return found;
}

std::string tooltip_text(HWND window, UINT_PTR id) {
  // Tooltips are made when the mouse first comes over their window (or its parent).
  for (HWND over : {window, GetParent(window)}) {
    if (over) SendMessageA(over, WM_SETCURSOR, reinterpret_cast<WPARAM>(window), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
  }
  for (HWND tooltip : tooltip_windows()) {
    // The ANSI messages hand out no more than 80 characters of a text; the wide ones the
    // whole text, which is then taken into the ANSI code page as the program reads it.
    wchar_t text[1024] = {};
    TTTOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.hwnd = window;
    tool.uId = id;
    tool.lpszText = text;
    if (!SendMessageW(tooltip, TTM_GETTOOLINFOW, 0, reinterpret_cast<LPARAM>(&tool))) continue;
    tool.lpszText = text;
    SendMessageW(tooltip, TTM_GETTEXTW, sizeof text / sizeof text[0], reinterpret_cast<LPARAM>(&tool));
    char ansi[2048] = {};
    WideCharToMultiByte(CP_ACP, 0, text, -1, ansi, sizeof ansi, nullptr, nullptr);
    return ansi;
  }
  return {};
}

void select_tab(HWND tab_control, int index) { SendMessageA(tab_control, TCM_SETCURFOCUS, index, 0); }

void choose_combo_item(HWND dialog, int id, int index) {
  HWND combo = GetDlgItem(dialog, id);
  SendMessageA(combo, CB_SETCURSEL, index, 0);
  SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE), reinterpret_cast<LPARAM>(combo));
}

void choose_list_item(HWND dialog, int id, int index) {
  HWND list = GetDlgItem(dialog, id);
  SendMessageA(list, LB_SETCURSEL, index, 0);
  SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, LBN_SELCHANGE), reinterpret_cast<LPARAM>(list));
}

namespace {
std::vector<std::string> items(HWND control, UINT count_msg, UINT length_msg, UINT text_msg) {
  std::vector<std::string> result;
  const int count = static_cast<int>(SendMessageA(control, count_msg, 0, 0));
  for (int i = 0; i < count; ++i) {
    const int length = static_cast<int>(SendMessageA(control, length_msg, i, 0));
    std::string text(static_cast<std::size_t>(length < 0 ? 0 : length) + 1, '\0');
    SendMessageA(control, text_msg, i, reinterpret_cast<LPARAM>(text.data()));
    text.resize(std::strlen(text.c_str()));
    result.push_back(text);
  }
  return result;
}
}  // namespace

std::vector<std::string> combo_items(HWND dialog, int id) {
  return items(GetDlgItem(dialog, id), CB_GETCOUNT, CB_GETLBTEXTLEN, CB_GETLBTEXT);
}
std::vector<std::string> list_items(HWND dialog, int id) {
  return items(GetDlgItem(dialog, id), LB_GETCOUNT, LB_GETTEXTLEN, LB_GETTEXT);
}
int combo_selection(HWND dialog, int id) {
  return static_cast<int>(SendDlgItemMessageA(dialog, id, CB_GETCURSEL, 0, 0));
}
int list_selection(HWND dialog, int id) {
  return static_cast<int>(SendDlgItemMessageA(dialog, id, LB_GETCURSEL, 0, 0));
}
void set_item_text(HWND dialog, int id, const std::string& text) { SetDlgItemTextA(dialog, id, text.c_str()); }

void pump_messages() {
  MSG message;
  while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
}

}  // namespace tav::test
