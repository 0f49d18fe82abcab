#include "shell/page_framework.h"

#include <commctrl.h>
#include <uxtheme.h>

#include "controls/controls.h"
#include "controls/guarded.h"
#include "controls/page_contract.h"
#include "controls/tooltips.h"
#include "language/installed_version.h"
#include "resources/ids.h"
#include "shell/page_table.h"

namespace tav {
namespace {

// Places the page inside the tab control's display area: the area is computed in the tab
// control's own client coordinates and used unchanged in the main dialog's client area,
// inset by 20 pixels from the left and 10 from the top.
void place_page(HWND page) {
  HWND tabs = GetDlgItem(window_state().main_dialog, IDC_MAIN_TABS);
  RECT area{};
  GetClientRect(tabs, &area);
  TabCtrl_AdjustRect(tabs, FALSE, &area);
  MoveWindow(page, area.left + 20, area.top + 10, area.right - area.left - 20, area.bottom - area.top - 10, TRUE);
}

INT_PTR on_page_created(HWND page, int code) {
  // Under visual styles the page takes the tab control's background, as property pages do.
  EnableThemeDialogTexture(page, ETDT_ENABLETAB);
  place_page(page);
  window_state().page_code = code;
  SetWindowPos(page, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  const PageEntry* entry = find_page(code);
  if (!entry || !entry->open) return TRUE;
  const BOOL result = entry->open(page, InstalledVersion([] { return installed_version("\\", 1); }));
  return entry->open_result_sets_focus ? result : TRUE;
}

// Offers the command to the command routines in the fixed chain order; only the routine
// of the open page may act on it.
INT_PTR on_command(HWND page, WPARAM wparam, LPARAM lparam) {
  for (int code : command_chain()) {
    const PageEntry* entry = find_page(code);
    if (!entry || !entry->command || window_state().page_code != code) continue;
    if (entry->command(page, wparam, lparam)) return TRUE;
  }
  return FALSE;
}

void on_notification(HWND page, WPARAM wparam, LPARAM lparam) {
  for (int code : notification_chain()) {
    const PageEntry* entry = find_page(code);
    if (!entry || !entry->notify || window_state().page_code != code) continue;
    if (entry->notify(page, static_cast<int>(wparam), reinterpret_cast<NMHDR*>(lparam))) return;
  }
}

void on_page_destroyed(HWND page) {
  const PageEntry* entry = find_page(window_state().page_code);
  if (entry && entry->close) entry->close(page);
}

}  // namespace

INT_PTR CALLBACK page_procedure(HWND page, UINT message, WPARAM wparam, LPARAM lparam) {
  controls::serve_tooltips(page, message);
  switch (message) {
    case WM_INITDIALOG:
      return on_page_created(page, static_cast<int>(lparam));
    case WM_COMMAND:
      return on_command(page, wparam, lparam);
    case WM_NOTIFY:
      on_notification(page, wparam, lparam);
      return TRUE;
    case WM_CTLCOLORSTATIC:
      return reinterpret_cast<INT_PTR>(
          controls::read_only_field_brush(reinterpret_cast<HDC>(wparam), reinterpret_cast<HWND>(lparam)));
    case WM_DESTROY:
      on_page_destroyed(page);
      return TRUE;
    default:
      return FALSE;
  }
}

HWND create_page(HWND main_dialog, int page_code) {
  const PageEntry* entry = find_page(page_code);
  if (!entry) return nullptr;
  HWND page = CreateDialogParamA(controls::program_instance(), MAKEINTRESOURCEA(entry->template_id), main_dialog,
                                 controls::guarded<page_procedure>, static_cast<LPARAM>(page_code));
  // A page may close itself while it opens (the Language page of an old installation);
  // the system still hands back its handle then.
  return page && IsWindow(page) ? page : nullptr;
}

}  // namespace tav
