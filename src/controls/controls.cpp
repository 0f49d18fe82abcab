#include "controls/controls.h"

#include "controls/core/number_text.h"

namespace tav::controls {
namespace {

HINSTANCE g_instance = nullptr;

LRESULT send(HWND dialog, int id, UINT message, WPARAM wparam = 0, LPARAM lparam = 0) {
  return SendDlgItemMessageA(dialog, id, message, wparam, lparam);
}

int as_index(LRESULT result) { return result < 0 ? -1 : static_cast<int>(result); }

// The text of a list item or combo item, asked for with the given length and text messages.
std::string list_text(HWND control, int index, UINT length_message, UINT text_message) {
  const LRESULT length = SendMessageA(control, length_message, static_cast<WPARAM>(index), 0);
  if (length < 0) return {};
  std::string text(static_cast<std::size_t>(length) + 1, '\0');
  const LRESULT got =
      SendMessageA(control, text_message, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
  text.resize(got < 0 ? 0 : static_cast<std::size_t>(got));
  return text;
}

}  // namespace

HINSTANCE program_instance() { return g_instance; }
void set_program_instance(HINSTANCE instance) { g_instance = instance; }

int dpi_of(HWND window) {
  using DpiForWindow = UINT(WINAPI*)(HWND);
  static const auto dpi_for_window = reinterpret_cast<DpiForWindow>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("user32.dll"), "GetDpiForWindow")));
  if (dpi_for_window && window) {
    if (const UINT dpi = dpi_for_window(window)) return static_cast<int>(dpi);
  }
  HDC screen = GetDC(nullptr);
  const int dpi = screen ? GetDeviceCaps(screen, LOGPIXELSY) : USER_DEFAULT_SCREEN_DPI;
  if (screen) ReleaseDC(nullptr, screen);
  return dpi > 0 ? dpi : USER_DEFAULT_SCREEN_DPI;
}

int scaled(HWND window, int pixels) { return MulDiv(pixels, dpi_of(window), USER_DEFAULT_SCREEN_DPI); }

std::string load_string(int id) {
  // LoadStringA copies into a buffer; the longest messages of the program are far below this.
  char text[1024] = {};
  const int length = LoadStringA(g_instance, static_cast<UINT>(id), text, sizeof text);
  return length > 0 ? std::string(text, static_cast<std::size_t>(length)) : std::string();
}

void check(HWND dialog, int id, bool checked) { CheckDlgButton(dialog, id, checked ? BST_CHECKED : BST_UNCHECKED); }

bool is_checked(HWND dialog, int id) { return IsDlgButtonChecked(dialog, id) == BST_CHECKED; }

void enable(HWND dialog, int id, bool enabled) {
  HWND control = GetDlgItem(dialog, id);
  if (control != nullptr) EnableWindow(control, enabled ? TRUE : FALSE);
}

HBRUSH read_only_field_brush(HDC dc, HWND control) {
  char kind[16] = {};
  GetClassNameA(control, kind, sizeof kind);
  if (lstrcmpiA(kind, "Edit") != 0) return nullptr;
  SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
  return GetSysColorBrush(COLOR_BTNFACE);
}

void show(HWND dialog, int id, int show_code) {
  HWND control = GetDlgItem(dialog, id);
  if (control != nullptr) ShowWindow(control, show_code);
}

std::string text_of(HWND dialog, int id) {
  HWND control = GetDlgItem(dialog, id);
  if (control == nullptr) return {};
  const int length = GetWindowTextLengthA(control);
  if (length <= 0) return {};
  std::string text(static_cast<std::size_t>(length) + 1, '\0');
  const int got = GetWindowTextA(control, text.data(), length + 1);
  text.resize(got > 0 ? static_cast<std::size_t>(got) : 0);
  return text;
}

std::string label_name(HWND dialog, int id) {
  const std::string text = text_of(dialog, id);
  std::string name;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '&' && i + 1 < text.size()) ++i;
    name += text[i];
  }
  // An access key in parentheses after the text ("形状(&S)") is no part of the name.
  const std::size_t open = name.size() >= 3 ? name.size() - 3 : std::string::npos;
  if (open != std::string::npos && name[open] == '(' && name.back() == ')' && text.find('&') != std::string::npos) {
    name.resize(open);
  }
  while (!name.empty() && (name.back() == ':' || name.back() == ' ')) name.pop_back();
  return name;
}

void set_text(HWND dialog, int id, const std::string& text) { SetDlgItemTextA(dialog, id, text.c_str()); }

void limit_text(HWND dialog, int id, int characters) {
  HWND control = GetDlgItem(dialog, id);
  if (control == nullptr) return;
  char class_name[16] = {};
  GetClassNameA(control, class_name, sizeof class_name);
  const bool combo = lstrcmpiA(class_name, "ComboBox") == 0;
  SendMessageA(control, combo ? CB_LIMITTEXT : EM_LIMITTEXT, static_cast<WPARAM>(characters), 0);
}

void set_unsigned(HWND dialog, int id, int value) { SetDlgItemInt(dialog, id, static_cast<UINT>(value), FALSE); }

bool get_unsigned(HWND dialog, int id, unsigned& value) {
  // The system's own reading takes "-5" for 4294967291 under Wine and stops at a length.
  const std::optional<unsigned> number = unsigned_number(text_of(dialog, id));
  if (!number) return false;
  value = *number;
  return true;
}

int add_item(HWND dialog, int id, const std::string& text) {
  return as_index(send(dialog, id, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str())));
}

void select_item(HWND dialog, int id, int index) { send(dialog, id, CB_SETCURSEL, static_cast<WPARAM>(index)); }

int selected_item(HWND dialog, int id) { return as_index(send(dialog, id, CB_GETCURSEL)); }

int item_count(HWND dialog, int id) { return as_index(send(dialog, id, CB_GETCOUNT)); }

void clear_items(HWND dialog, int id) { send(dialog, id, CB_RESETCONTENT); }

std::string item_text(HWND combo, int index) { return list_text(combo, index, CB_GETLBTEXTLEN, CB_GETLBTEXT); }

std::string item_text(HWND dialog, int id, int index) { return item_text(GetDlgItem(dialog, id), index); }

int add_list_item(HWND dialog, int id, const std::string& text) {
  return as_index(send(dialog, id, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str())));
}

void delete_list_item(HWND dialog, int id, int index) { send(dialog, id, LB_DELETESTRING, static_cast<WPARAM>(index)); }

void select_list_item(HWND dialog, int id, int index) { send(dialog, id, LB_SETCURSEL, static_cast<WPARAM>(index)); }

int selected_list_item(HWND dialog, int id) { return as_index(send(dialog, id, LB_GETCURSEL)); }

int list_item_count(HWND dialog, int id) { return as_index(send(dialog, id, LB_GETCOUNT)); }

void clear_list(HWND dialog, int id) { send(dialog, id, LB_RESETCONTENT); }

std::string list_item_text(HWND list, int index) { return list_text(list, index, LB_GETTEXTLEN, LB_GETTEXT); }

std::string list_item_text(HWND dialog, int id, int index) { return list_item_text(GetDlgItem(dialog, id), index); }

}  // namespace tav::controls
