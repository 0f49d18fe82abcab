#pragma once
// Thin helpers over the dialog controls that the pages share: unsigned numbers in edits,
// label texts, and drop-down lists addressed by the page and the control id.
#include <windows.h>

#include <string>

#include "pages/core/number_text.h"

namespace tav::controls {

inline void set_unsigned(HWND page, int id, int value) {
  SetDlgItemInt(page, id, static_cast<UINT>(value), FALSE);
}

inline std::string text_of(HWND page, int id) {
  char text[256] = {};
  GetDlgItemTextA(page, id, text, sizeof text);
  return text;
}

// True and the number when the edit holds a valid unsigned decimal number (see
// unsigned_number; the system's own reading takes "-5" for 4294967291 under Wine).
inline bool get_unsigned(HWND page, int id, unsigned& value) {
  const std::optional<unsigned> number = unsigned_number(text_of(page, id));
  if (!number) return false;
  value = *number;
  return true;
}

inline void add_item(HWND page, int id, const std::string& text) {
  SendDlgItemMessageA(page, id, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

inline void select_item(HWND page, int id, int index) {
  SendDlgItemMessageA(page, id, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

// The selected item's index, or -1 (CB_ERR) when nothing is selected.
inline int selected_item(HWND page, int id) {
  return static_cast<int>(SendDlgItemMessageA(page, id, CB_GETCURSEL, 0, 0));
}

// The text of an item of a drop-down list; empty when there is no such item.
inline std::string item_text(HWND combo, int index) {
  const LRESULT length = SendMessageA(combo, CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0);
  if (length == CB_ERR) return {};
  std::string text(static_cast<std::size_t>(length) + 1, '\0');
  const LRESULT got = SendMessageA(combo, CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
  text.resize(got == CB_ERR ? 0 : static_cast<std::size_t>(got));
  return text;
}

inline std::string item_text(HWND page, int id, int index) { return item_text(GetDlgItem(page, id), index); }

}  // namespace tav::controls
