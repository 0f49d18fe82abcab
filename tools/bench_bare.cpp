// The program's own main dialog and first page with no logic, a yardstick of scripts/bench:
//   bench_bare <tvrsetup.exe>
// The templates come from the program loaded as a data file, so they always match the build;
// this program carries the program's manifest (bench_bare.rc), so the same common controls
// draw them. The tabs get their titles and the first page is created and placed; nothing is
// read. Ends on Cancel (or a posted IDCANCEL command), as the program does.
#include <windows.h>
#include <commctrl.h>

#include "bare_dialog.h"

namespace {

HMODULE g_templates = nullptr;
HWND g_page = nullptr;

INT_PTR CALLBACK procedure(HWND dialog, UINT message, WPARAM wparam, LPARAM) {
  switch (message) {
    case WM_INITDIALOG:
      bare::insert_tab_titles(dialog);
      return TRUE;
    case WM_SHOWWINDOW:
      if (wparam && !g_page) g_page = bare::create_page(g_templates, IDD_PAGE_SCREEN, dialog);
      return TRUE;
    case WM_COMMAND:
      if (LOWORD(wparam) == IDCANCEL) {
        EndDialog(dialog, 0);
        return TRUE;
      }
      return FALSE;
    default:
      return FALSE;
  }
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  if (__argc < 2) return 1;
  g_templates = LoadLibraryExA(__argv[1], nullptr, LOAD_LIBRARY_AS_DATAFILE);
  if (!g_templates) return 2;
  INITCOMMONCONTROLSEX classes{sizeof classes,
                               ICC_TAB_CLASSES | ICC_LISTVIEW_CLASSES | ICC_UPDOWN_CLASS | ICC_PROGRESS_CLASS};
  InitCommonControlsEx(&classes);
  DialogBoxIndirectParamA(GetModuleHandleA(nullptr), bare::template_of(g_templates, IDD_MAIN), nullptr, procedure, 0);
  return 0;
}
