#include "controls/list_view.h"

#include <commctrl.h>

#include <vector>

namespace tav::listview {

void add_column(HWND list, const std::string& title, int width) {
  LVCOLUMNA column{};
  column.mask = LVCF_FMT | LVCF_TEXT | LVCF_WIDTH;
  column.fmt = LVCFMT_LEFT;
  column.cx = width;
  column.pszText = const_cast<char*>(title.c_str());
  SendMessageA(list, LVM_INSERTCOLUMNA, static_cast<WPARAM>(column_count(list)), reinterpret_cast<LPARAM>(&column));
}

int column_count(HWND list) {
  HWND header = reinterpret_cast<HWND>(SendMessageA(list, LVM_GETHEADER, 0, 0));
  const LRESULT count = header ? SendMessageA(header, HDM_GETITEMCOUNT, 0, 0) : 0;
  return count < 0 ? 0 : static_cast<int>(count);
}

int insert_row(HWND list, int row, const std::string& text, LPARAM number) {
  LVITEMA item{};
  item.mask = LVIF_TEXT | LVIF_PARAM;
  item.iItem = row;
  item.pszText = const_cast<char*>(text.c_str());
  item.lParam = number;
  const LRESULT inserted = SendMessageA(list, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
  return inserted < 0 ? -1 : static_cast<int>(inserted);
}

void set_cell(HWND list, int row, int column, const std::string& text) {
  LVITEMA item{};
  item.iSubItem = column;
  item.pszText = const_cast<char*>(text.c_str());
  SendMessageA(list, LVM_SETITEMTEXTA, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
}

std::string cell_text(HWND list, int row, int column) {
  // The list hands out no length, so the buffer grows until the text fits.
  for (std::size_t size = 256;; size *= 4) {
    std::vector<char> text(size, '\0');
    LVITEMA item{};
    item.iSubItem = column;
    item.pszText = text.data();
    item.cchTextMax = static_cast<int>(size);
    const LRESULT length =
        SendMessageA(list, LVM_GETITEMTEXTA, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
    if (length < 0) return {};
    if (static_cast<std::size_t>(length) + 1 < size || size >= 65536) return std::string(text.data());
  }
}

int row_count(HWND list) {
  const LRESULT count = SendMessageA(list, LVM_GETITEMCOUNT, 0, 0);
  return count < 0 ? 0 : static_cast<int>(count);
}

LPARAM row_number(HWND list, int row) {
  LVITEMA item{};
  item.mask = LVIF_PARAM;
  item.iItem = row;
  if (!SendMessageA(list, LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item))) return -1;
  return item.lParam;
}

void set_row_number(HWND list, int row, LPARAM number) {
  LVITEMA item{};
  item.mask = LVIF_PARAM;
  item.iItem = row;
  item.lParam = number;
  SendMessageA(list, LVM_SETITEMA, 0, reinterpret_cast<LPARAM>(&item));
}

void delete_row(HWND list, int row) { SendMessageA(list, LVM_DELETEITEM, static_cast<WPARAM>(row), 0); }

int selected_row(HWND list) {
  const LRESULT row = SendMessageA(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED);
  return row < 0 ? -1 : static_cast<int>(row);
}

void select_row(HWND list, int row) {
  LVITEMA item{};
  item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
  item.state = row >= 0 ? LVIS_SELECTED | LVIS_FOCUSED : 0;
  SendMessageA(list, LVM_SETITEMSTATE, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
}

bool is_row_selected(HWND list, int row) {
  return (SendMessageA(list, LVM_GETITEMSTATE, static_cast<WPARAM>(row), LVIS_SELECTED) & LVIS_SELECTED) != 0;
}

void select_all_rows(HWND list, bool selected) {
  LVITEMA item{};
  item.stateMask = LVIS_SELECTED;
  item.state = selected ? LVIS_SELECTED : 0;
  SendMessageA(list, LVM_SETITEMSTATE, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&item));
}

namespace {

// The width the header needs to draw a column's title whole: its text in the header's font
// and the header's margins. The list's own fitting to the title comes out a few pixels
// short under Wine, which cuts the title with an ellipsis.
int title_width(HWND list, int column) {
  char title[260] = {};
  LVCOLUMNA item{};
  item.mask = LVCF_TEXT;
  item.pszText = title;
  item.cchTextMax = sizeof title;
  if (!SendMessageA(list, LVM_GETCOLUMNA, static_cast<WPARAM>(column), reinterpret_cast<LPARAM>(&item))) return 0;
  HWND header = reinterpret_cast<HWND>(SendMessageA(list, LVM_GETHEADER, 0, 0));
  HDC dc = GetDC(header);
  HGDIOBJ old_font = SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageA(header, WM_GETFONT, 0, 0)));
  SIZE extent{};
  GetTextExtentPoint32A(dc, title, lstrlenA(title), &extent);
  SelectObject(dc, old_font);
  ReleaseDC(header, dc);
  constexpr int kHeaderMargins = 16;  // the header's text margin on both sides, and a divider
  return extent.cx > 0 ? extent.cx + kHeaderMargins : 0;
}

}  // namespace

void fit_columns(HWND list, int first, int last, int minimum) {
  const int columns = column_count(list);
  if (first < 0 || last < first || last >= columns) return;
  // The list's drawing is off while the widths are tried: each width otherwise makes the
  // list work out its scroll bars and the areas to paint anew.
  SendMessageA(list, WM_SETREDRAW, FALSE, 0);
  // The list widens its last column to the list's edge when it fits it to its title; an
  // empty column behind it keeps that width out of the measurement.
  const bool spare = last == columns - 1;
  if (spare) add_column(list, "", 0);
  int widest = minimum;
  for (int column = first; column <= last; ++column) {
    for (LPARAM fit : {static_cast<LPARAM>(LVSCW_AUTOSIZE_USEHEADER), static_cast<LPARAM>(LVSCW_AUTOSIZE)}) {
      SendMessageA(list, LVM_SETCOLUMNWIDTH, static_cast<WPARAM>(column), fit);
      const int width = static_cast<int>(SendMessageA(list, LVM_GETCOLUMNWIDTH, static_cast<WPARAM>(column), 0));
      if (width > widest) widest = width;
    }
    const int title = title_width(list, column);
    if (title > widest) widest = title;
  }
  if (spare) SendMessageA(list, LVM_DELETECOLUMN, static_cast<WPARAM>(columns), 0);
  for (int column = first; column <= last; ++column) {
    SendMessageA(list, LVM_SETCOLUMNWIDTH, static_cast<WPARAM>(column), widest);
  }
  SendMessageA(list, WM_SETREDRAW, TRUE, 0);
  InvalidateRect(list, nullptr, TRUE);
}

}  // namespace tav::listview
