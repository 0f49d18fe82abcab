#pragma once
// The program's main dialog and pages with no logic behind them, the yardstick of
// scripts/bench: the tabs get their titles from the template's labels, a page is created
// from its template and placed where the program places it, and nothing else happens.
#include <windows.h>
#include <commctrl.h>

#include "bare_lists.h"
#include "resources/ids.h"

namespace bare {

// Template of each tab position, in the order of the tabs.
inline constexpr int kPageTemplates[] = {IDD_PAGE_SCREEN,    IDD_PAGE_DRIVES,      IDD_PAGE_PLOTTER,
                                         IDD_PAGE_DIGITIZER, IDD_PAGE_LAYPLANNING, IDD_PAGE_TOOLBOX,
                                         IDD_PAGE_LANGUAGE,  IDD_PAGE_OPTIONS,     IDD_PAGE_EXPERT};
inline constexpr int kTitleLabels[] = {IDT_MAIN_TITLE_SCREEN,    IDT_MAIN_TITLE_DRIVES,      IDT_MAIN_TITLE_PLOTTER,
                                       IDT_MAIN_TITLE_DIGITIZER, IDT_MAIN_TITLE_LAYPLANNING, IDT_MAIN_TITLE_TOOLBOX,
                                       IDT_MAIN_TITLE_LANGUAGE,  IDT_MAIN_TITLE_OPTIONS,     IDT_MAIN_TITLE_EXPERT};

// The rows of a page (PageRows, or null) come with WM_INITDIALOG, so that they are in
// place before the page is first shown, as a dialog fills its controls.
inline INT_PTR CALLBACK page_procedure(HWND page, UINT message, WPARAM, LPARAM rows) {
  if (message != WM_INITDIALOG) return FALSE;
  if (rows) insert_rows(page, *reinterpret_cast<const PageRows*>(rows));
  return TRUE;
}

inline void insert_tab_titles(HWND dialog) {
  HWND tabs = GetDlgItem(dialog, IDC_MAIN_TABS);
  int position = 0;
  for (int label : kTitleLabels) {
    char title[256] = {};
    GetDlgItemTextA(dialog, label, title, sizeof title);
    TCITEMA item{};
    item.mask = TCIF_TEXT;
    item.pszText = title;
    SendMessageA(tabs, TCM_INSERTITEMA, static_cast<WPARAM>(position++), reinterpret_cast<LPARAM>(&item));
  }
}

// A dialog template of the module (which may be loaded as a data file).
inline const DLGTEMPLATE* template_of(HMODULE templates, int template_id) {
  HRSRC found = FindResourceA(templates, MAKEINTRESOURCEA(template_id), MAKEINTRESOURCEA(5));  // RT_DIALOG
  HGLOBAL loaded = found ? LoadResource(templates, found) : nullptr;
  return loaded ? static_cast<const DLGTEMPLATE*>(LockResource(loaded)) : nullptr;
}

// Creates the page of a template inside the dialog's tab area, its lists filled with `rows`
// (when given), and shows it. The controls belong to this program's instance, as the
// program's own controls belong to it.
inline HWND create_page(HMODULE templates, int template_id, HWND dialog, const PageRows* rows = nullptr) {
  HWND page = CreateDialogIndirectParamA(GetModuleHandleA(nullptr), template_of(templates, template_id), dialog,
                                         page_procedure, reinterpret_cast<LPARAM>(rows));
  HWND tabs = GetDlgItem(dialog, IDC_MAIN_TABS);
  RECT area{};
  GetClientRect(tabs, &area);
  TabCtrl_AdjustRect(tabs, FALSE, &area);
  MoveWindow(page, area.left + 20, area.top + 10, area.right - area.left - 20, area.bottom - area.top - 10, TRUE);
  SetWindowPos(page, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  ShowWindow(page, SW_SHOW);
  return page;
}

}  // namespace bare
