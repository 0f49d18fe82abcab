#include "pages/toolbox_page.h"

#include <string>

#include "config/settings.h"
#include "controls/controls.h"
#include "controls/page_contract.h"
#include "pages/core/toolbox_lists.h"
#include "pages/toolbox_catalogue.h"
#include "resources/ids.h"

namespace tav {
namespace {

// The radio button that names a program, and the program a radio button names.
int radio_of(ToolboxKind kind) {
  return kind == ToolboxKind::layplanning ? IDX_TOOLBOX_LAYPLANNING : IDX_TOOLBOX_CONSTRUCTION;
}
ToolboxKind kind_of(int radio) {
  return radio == IDX_TOOLBOX_LAYPLANNING ? ToolboxKind::layplanning : ToolboxKind::construction;
}

Toolbox& slots_of(ToolboxKind kind) {
  return kind == ToolboxKind::layplanning ? settings().layplanning_toolbox : settings().construction_toolbox;
}

ToolboxEditor editor_of(ToolboxKind kind) { return ToolboxEditor(toolbox_catalogue(kind), slots_of(kind)); }

// Refills a list box, keeping its scroll position, and widens its horizontal scroll range
// to the longest text so that long descriptions can be read whole. While a list is on the
// screen, each row added beyond its height updates and paints its scroll bar, which costs
// far more than the row: the page builds its lists while it opens, before it is shown, and a
// list refilled on the screen (after a button) has its drawing switched off for the fill and
// is painted once after it.
template <typename TextOf>
void fill_list(HWND page, int id, std::size_t count, TextOf text_of) {
  HWND list = GetDlgItem(page, id);
  const bool shown = IsWindowVisible(list) != FALSE;
  if (shown) SendMessageA(list, WM_SETREDRAW, FALSE, 0);
  const LRESULT top = SendMessageA(list, LB_GETTOPINDEX, 0, 0);
  SendMessageA(list, LB_RESETCONTENT, 0, 0);
  HDC dc = GetDC(list);
  HGDIOBJ old_font = SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageA(list, WM_GETFONT, 0, 0)));
  int widest = 0;
  for (std::size_t row = 0; row < count; ++row) {
    const std::string text = text_of(static_cast<int>(row));
    SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
    SIZE extent{};
    GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &extent);
    if (extent.cx > widest) widest = extent.cx;
  }
  SelectObject(dc, old_font);
  ReleaseDC(list, dc);
  SendMessageA(list, LB_SETHORIZONTALEXTENT, static_cast<WPARAM>(widest + 4), 0);
  if (top != LB_ERR) SendMessageA(list, LB_SETTOPINDEX, static_cast<WPARAM>(top), 0);
  if (shown) {
    SendMessageA(list, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(list, nullptr, TRUE);
  }
}

void show_lists(HWND page, const ToolboxEditor& editor) {
  fill_list(page, IDC_TOOLBOX_CONTENTS, editor.rows().toolbox.size(),
            [&](int row) { return editor.toolbox_text(row); });
  fill_list(page, IDC_TOOLBOX_AVAILABLE, editor.rows().available.size(),
            [&](int row) { return editor.available_text(row); });
}

// Builds both lists for a program and makes it the current one.
void build_lists(HWND page, ToolboxKind kind) {
  show_lists(page, editor_of(kind));
  current_toolbox() = kind;
}

// Runs a button on the current program's toolbox and selects the row it names in `list`.
template <typename Action>
void run_button(HWND page, int list, Action action) {
  ToolboxEditor editor = editor_of(current_toolbox());
  const ToolboxChange change = action(editor, controls::selected_list_item(page, list));
  if (!change.changed) return;
  show_lists(page, editor);
  controls::select_list_item(page, list, change.selected_row);
}

}  // namespace

BOOL toolbox_page_open(HWND page, const InstalledVersion& /*installed_version*/) {
  const int program = radio_of(current_toolbox());
  CheckRadioButton(page, IDX_TOOLBOX_CONSTRUCTION, IDX_TOOLBOX_LAYPLANNING, program);
  build_lists(page, current_toolbox());
  return TRUE;
}

BOOL toolbox_page_command(HWND page, WPARAM wparam, LPARAM lparam) {
  if (!is_current_page(kPageToolbox)) return FALSE;
  if (HIWORD(wparam) != BN_CLICKED) return FALSE;
  switch (LOWORD(wparam)) {
    case IDX_TOOLBOX_CONSTRUCTION:
    case IDX_TOOLBOX_LAYPLANNING:
      build_lists(page, kind_of(LOWORD(wparam)));
      return TRUE;
    case IDB_TOOLBOX_ADD:
      run_button(page, IDC_TOOLBOX_AVAILABLE, [](ToolboxEditor& editor, int row) { return editor.add(row); });
      return TRUE;
    case IDB_TOOLBOX_REMOVE:
      run_button(page, IDC_TOOLBOX_CONTENTS, [](ToolboxEditor& editor, int row) { return editor.remove(row); });
      return TRUE;
    case IDB_TOOLBOX_UP:
      run_button(page, IDC_TOOLBOX_CONTENTS, [](ToolboxEditor& editor, int row) { return editor.move(row, -1); });
      return TRUE;
    case IDB_TOOLBOX_DOWN:
      run_button(page, IDC_TOOLBOX_CONTENTS, [](ToolboxEditor& editor, int row) { return editor.move(row, +1); });
      return TRUE;
    default:
      return FALSE;
  }
}

void toolbox_page_close(HWND page) {
  current_toolbox() =
      controls::is_checked(page, IDX_TOOLBOX_CONSTRUCTION) ? ToolboxKind::construction : ToolboxKind::layplanning;
}

}  // namespace tav
