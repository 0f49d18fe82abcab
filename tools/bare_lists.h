#pragma once
// The rows a page's lists show, for the bare pages of scripts/bench: read once from the
// program's own page (list boxes, combo boxes and report lists: texts, selection, column
// titles and widths, scroll extent), then put into the bare page of the same template with
// plain Win32 calls before it is shown, so that the yardstick draws what the page draws.
#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

namespace bare {

struct ListRows {
  int id = 0;
  enum Kind { list_box, combo_box, report } kind = list_box;
  std::vector<std::string> rows;                // the first column's texts
  std::vector<std::vector<std::string>> cells;  // report: the other columns' texts
  std::vector<std::string> titles;              // report: the column titles
  std::vector<int> widths;                      // report: the column widths
  int selected = -1;
  int extent = 0;  // list box: the horizontal scroll range
  DWORD extended_style = 0;
};
using PageRows = std::vector<ListRows>;

namespace detail {

inline std::string class_of(HWND window) {
  char name[64] = {};
  GetClassNameA(window, name, sizeof name);
  return name;
}

inline std::string report_text(HWND list, int row, int column) {
  char text[1024] = {};
  LVITEMA item{};
  item.iSubItem = column;
  item.pszText = text;
  item.cchTextMax = sizeof text;
  SendMessageA(list, LVM_GETITEMTEXTA, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
  return text;
}

inline std::string item_text(HWND list, UINT length_message, UINT text_message, int row) {
  const LRESULT length = SendMessageA(list, length_message, static_cast<WPARAM>(row), 0);
  std::string text(length > 0 ? static_cast<std::size_t>(length) + 1 : 1, '\0');
  SendMessageA(list, text_message, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(text.data()));
  text.resize(std::char_traits<char>::length(text.c_str()));
  return text;
}

inline BOOL CALLBACK read_child(HWND child, LPARAM data) {
  PageRows& page = *reinterpret_cast<PageRows*>(data);
  const std::string name = class_of(child);
  ListRows lists;
  lists.id = GetDlgCtrlID(child);
  if (lstrcmpiA(name.c_str(), "ListBox") == 0) {
    const int count = static_cast<int>(SendMessageA(child, LB_GETCOUNT, 0, 0));
    for (int row = 0; row < count; ++row) lists.rows.push_back(item_text(child, LB_GETTEXTLEN, LB_GETTEXT, row));
    lists.selected = static_cast<int>(SendMessageA(child, LB_GETCURSEL, 0, 0));
    lists.extent = static_cast<int>(SendMessageA(child, LB_GETHORIZONTALEXTENT, 0, 0));
  } else if (lstrcmpiA(name.c_str(), "ComboBox") == 0) {
    lists.kind = ListRows::combo_box;
    const int count = static_cast<int>(SendMessageA(child, CB_GETCOUNT, 0, 0));
    for (int row = 0; row < count; ++row) {
      lists.rows.push_back(item_text(child, CB_GETLBTEXTLEN, CB_GETLBTEXT, row));
    }
    lists.selected = static_cast<int>(SendMessageA(child, CB_GETCURSEL, 0, 0));
  } else if (lstrcmpiA(name.c_str(), WC_LISTVIEWA) == 0) {
    lists.kind = ListRows::report;
    lists.extended_style = static_cast<DWORD>(SendMessageA(child, LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0));
    HWND header = reinterpret_cast<HWND>(SendMessageA(child, LVM_GETHEADER, 0, 0));
    const int columns = header ? static_cast<int>(SendMessageA(header, HDM_GETITEMCOUNT, 0, 0)) : 0;
    for (int column = 0; column < columns; ++column) {
      char title[260] = {};
      LVCOLUMNA item{};
      item.mask = LVCF_TEXT | LVCF_WIDTH;
      item.pszText = title;
      item.cchTextMax = sizeof title;
      SendMessageA(child, LVM_GETCOLUMNA, static_cast<WPARAM>(column), reinterpret_cast<LPARAM>(&item));
      lists.titles.push_back(title);
      lists.widths.push_back(item.cx);
    }
    const int count = static_cast<int>(SendMessageA(child, LVM_GETITEMCOUNT, 0, 0));
    for (int row = 0; row < count; ++row) {
      lists.rows.push_back(report_text(child, row, 0));
      std::vector<std::string> cells;
      for (int column = 1; column < columns; ++column) cells.push_back(report_text(child, row, column));
      lists.cells.push_back(std::move(cells));
    }
    lists.selected = static_cast<int>(SendMessageA(child, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
  } else {
    return TRUE;
  }
  page.push_back(std::move(lists));
  return TRUE;
}

}  // namespace detail

// What the lists of a page (the program's) show now.
inline PageRows read_rows(HWND page) {
  PageRows rows;
  EnumChildWindows(page, detail::read_child, reinterpret_cast<LPARAM>(&rows));
  return rows;
}

// Puts the rows into the lists of a bare page, one plain call per row and cell.
inline void insert_rows(HWND page, const PageRows& rows) {
  for (const ListRows& lists : rows) {
    HWND list = GetDlgItem(page, lists.id);
    if (!list) continue;
    switch (lists.kind) {
      case ListRows::list_box:
        for (const std::string& row : lists.rows) {
          SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(row.c_str()));
        }
        if (lists.extent > 0) SendMessageA(list, LB_SETHORIZONTALEXTENT, static_cast<WPARAM>(lists.extent), 0);
        if (lists.selected >= 0) SendMessageA(list, LB_SETCURSEL, static_cast<WPARAM>(lists.selected), 0);
        break;
      case ListRows::combo_box:
        for (const std::string& row : lists.rows) {
          SendMessageA(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(row.c_str()));
        }
        if (lists.selected >= 0) SendMessageA(list, CB_SETCURSEL, static_cast<WPARAM>(lists.selected), 0);
        break;
      case ListRows::report:
        if (lists.extended_style) {
          SendMessageA(list, LVM_SETEXTENDEDLISTVIEWSTYLE, lists.extended_style, lists.extended_style);
        }
        for (std::size_t column = 0; column < lists.titles.size(); ++column) {
          LVCOLUMNA item{};
          item.mask = LVCF_FMT | LVCF_TEXT | LVCF_WIDTH;
          item.fmt = LVCFMT_LEFT;
          item.cx = lists.widths[column];
          item.pszText = const_cast<char*>(lists.titles[column].c_str());
          SendMessageA(list, LVM_INSERTCOLUMNA, column, reinterpret_cast<LPARAM>(&item));
        }
        for (std::size_t row = 0; row < lists.rows.size(); ++row) {
          LVITEMA item{};
          item.mask = LVIF_TEXT;
          item.iItem = static_cast<int>(row);
          item.pszText = const_cast<char*>(lists.rows[row].c_str());
          const int at = static_cast<int>(SendMessageA(list, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item)));
          for (std::size_t column = 0; column < lists.cells[row].size(); ++column) {
            LVITEMA cell{};
            cell.iSubItem = static_cast<int>(column + 1);
            cell.pszText = const_cast<char*>(lists.cells[row][column].c_str());
            SendMessageA(list, LVM_SETITEMTEXTA, static_cast<WPARAM>(at), reinterpret_cast<LPARAM>(&cell));
          }
        }
        if (lists.selected >= 0) {
          LVITEMA state{};
          state.stateMask = state.state = LVIS_SELECTED | LVIS_FOCUSED;
          SendMessageA(list, LVM_SETITEMSTATE, static_cast<WPARAM>(lists.selected), reinterpret_cast<LPARAM>(&state));
        }
        break;
    }
  }
}

}  // namespace bare
