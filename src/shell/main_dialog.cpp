#include "shell/main_dialog.h"

#include <commctrl.h>

#include <exception>

#include "config/profile.h"
#include "config/settings.h"
#include "controls/controls.h"
#include "controls/failure_message.h"
#include "controls/guarded.h"
#include "controls/page_contract.h"
#include "folders/drive_query.h"
#include "resources/ids.h"
#include "shell/earlier_versions_dialog.h"
#include "shell/help.h"
#include "shell/installation_check.h"
#include "shell/page_framework.h"
#include "shell/page_table.h"
#include "util/program_log.h"

namespace tav {
namespace {

void insert_tabs(HWND dialog) {
  HWND tabs = GetDlgItem(dialog, IDC_MAIN_TABS);
  int position = 0;
  for (const TabEntry& tab : tab_entries()) {
    char title[256] = {};
    GetDlgItemTextA(dialog, tab.title_label, title, sizeof title);
    TCITEMA item{};
    item.mask = TCIF_TEXT | TCIF_IMAGE | TCIF_PARAM;
    item.pszText = title;
    item.iImage = -1;
    item.lParam = position;
    SendMessageA(tabs, TCM_INSERTITEMA, static_cast<WPARAM>(position), reinterpret_cast<LPARAM>(&item));
    ++position;
  }
}

// Posted while the dialog opens when the main configuration file was not usable, so that
// the user is told once the dialog is on the screen.
constexpr UINT kWarnAboutMainFile = WM_APP + 1;

void warn_about_main_file(HWND dialog) {
  const int text_id =
      main_file_state() == MainFileState::unreadable ? IDS_MAIN_FILE_UNREADABLE : IDS_MAIN_FILE_NOT_WRITABLE;
  const std::string text = controls::load_string(text_id);
  char caption[256] = {};
  GetWindowTextA(dialog, caption, sizeof caption);
  log_failure("read settings", controls::full_path(profile::kMainFile), text.substr(0, text.find('\n')));
  MessageBoxA(dialog, text.c_str(), caption, MB_OK | MB_ICONWARNING);
}

// The program icon as the class's large and small icon, each the image drawn for the
// system's size of that icon rather than one reduced from the other.
void set_class_icons(HWND dialog) {
  const struct {
    int index, width, height;
  } kIcons[] = {{GCLP_HICON, SM_CXICON, SM_CYICON}, {GCLP_HICONSM, SM_CXSMICON, SM_CYSMICON}};
  for (const auto& icon : kIcons) {
    HANDLE image = LoadImageA(controls::program_instance(), MAKEINTRESOURCEA(IDI_APP), IMAGE_ICON,
                              GetSystemMetrics(icon.width), GetSystemMetrics(icon.height), LR_SHARED);
    SetClassLongPtrA(dialog, icon.index, reinterpret_cast<LONG_PTR>(image));
  }
}

BOOL on_init(HWND dialog) {
  forget_drive_roots();
  insert_tabs(dialog);
  load_all_settings();
  if (main_file_state() != MainFileState::usable) PostMessageA(dialog, kWarnAboutMainFile, 0, 0);
  if (find_help().file.empty()) ShowWindow(GetDlgItem(dialog, IDB_MAIN_HELP), SW_HIDE);
  set_class_icons(dialog);
  add_earlier_versions_item(dialog);
  // The installation check, for administrators, from the system menu.
  AppendMenuA(GetSystemMenu(dialog, FALSE), MF_STRING, IDM_MAIN_INSTALLATION_CHECK,
              controls::load_string(IDS_CHECK_MENU_ITEM).c_str());
  window_state().main_dialog = dialog;
  return TRUE;
}

// Shows the page of tab position p (1 to 9), destroying the page shown before.
void show_tab(HWND dialog, int position) {
  WindowState& state = window_state();
  // A new page takes the keyboard focus when it opens; a user stepping through the tabs
  // with the arrow keys keeps it on the tabs.
  HWND tab_control = GetDlgItem(dialog, IDC_MAIN_TABS);
  const bool tabs_had_focus = GetFocus() == tab_control;
  if (state.page) {
    DestroyWindow(state.page);  // the page stores its controls into the settings
    state.page = nullptr;
  }
  const auto tabs = tab_entries();
  const bool known = position >= 1 && position <= static_cast<int>(tabs.size());
  if (known) {
    state.page = create_page(dialog, tabs[static_cast<std::size_t>(position - 1)].page_code);
    state.tab_position = position;
  } else {
    state.tab_position = 0;
  }
  EnableWindow(GetDlgItem(dialog, IDB_MAIN_DEFAULTS),
               known && tabs[static_cast<std::size_t>(position - 1)].has_defaults);
  if (!state.page) state.tab_position = 0;
  if (tabs_had_focus) SetFocus(tab_control);
}

void on_tab_changed(HWND dialog) {
  HWND tabs = GetDlgItem(dialog, IDC_MAIN_TABS);
  const int selected = static_cast<int>(SendMessageA(tabs, TCM_GETCURSEL, 0, 0));
  if (selected + 1 == window_state().tab_position) return;
  TCITEMA item{};
  item.mask = TCIF_PARAM;
  if (!SendMessageA(tabs, TCM_GETITEMA, static_cast<WPARAM>(selected), reinterpret_cast<LPARAM>(&item))) return;
  show_tab(dialog, static_cast<int>(item.lParam) + 1);
}

// Keys of every dialog of the program, caught by a message filter hook while the main
// dialog runs (its modal loop, and those of the dialogs opened from it, are the system's):
// - Ctrl+Tab and Ctrl+PageDown show the next tab of the main dialog, Ctrl+Shift+Tab and
//   Ctrl+PageUp the one before, round at either end, as in every tabbed dialog; the hook
//   takes them before the dialog manager would take Tab to move the focus. Keys meant for a
//   sub-dialog or message box, which are windows of their own, are left alone.
// - Enter on a push button of the page presses that button. The dialog manager handles
//   the keys of the main dialog and the page as one, and would take Enter for the main
//   dialog's default button, OK, or send the button's command to the main dialog.
// - An access key typed with Alt reaches the dialog manager as its capital letter. Some
//   dialog managers (Wine's) compare a key with the label's letter without regard to case
//   only for Latin letters; a Cyrillic letter comes in lower case when typed without Shift.
HHOOK g_dialog_keys_hook = nullptr;

int tab_step(const MSG& msg) {
  if (msg.message != WM_KEYDOWN || !(GetKeyState(VK_CONTROL) & 0x8000)) return 0;
  const bool shift = (GetKeyState(VK_SHIFT) & 0x8000) != 0;
  switch (msg.wParam) {
    case VK_TAB:
      return shift ? -1 : 1;
    case VK_NEXT:
      return 1;
    case VK_PRIOR:
      return -1;
    default:
      return 0;
  }
}

void step_tab(HWND dialog, int step) {
  HWND tabs = GetDlgItem(dialog, IDC_MAIN_TABS);
  const int count = static_cast<int>(SendMessageA(tabs, TCM_GETITEMCOUNT, 0, 0));
  if (count <= 0) return;
  const int selected = static_cast<int>(SendMessageA(tabs, TCM_GETCURSEL, 0, 0));
  SendMessageA(tabs, TCM_SETCURSEL, static_cast<WPARAM>((selected + step + count) % count), 0);
  on_tab_changed(dialog);
}

// True when the key is dealt with and the dialog manager is not to see it.
bool on_dialog_key(MSG& msg) {
  HWND dialog = window_state().main_dialog;
  const int step = tab_step(msg);
  if (step && dialog && (msg.hwnd == dialog || IsChild(dialog, msg.hwnd))) {
    step_tab(dialog, step);
    return true;
  }
  HWND page = window_state().page;
  if (msg.message == WM_KEYDOWN && msg.wParam == VK_RETURN && page && GetParent(msg.hwnd) == page &&
      (SendMessageW(msg.hwnd, WM_GETDLGCODE, 0, 0) & (DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON))) {
    PostMessageW(msg.hwnd, BM_CLICK, 0, 0);
    return true;
  }
  // Only letters beyond Latin-1, so that a loop handing its keys over as code page bytes
  // would see no change.
  if (msg.message == WM_SYSCHAR && msg.wParam > 0xFF) {
    msg.wParam = reinterpret_cast<WPARAM>(CharUpperW(reinterpret_cast<LPWSTR>(msg.wParam)));
  }
  return false;
}

// Like the dialog procedures, the hook lets no exception through to the system.
LRESULT CALLBACK dialog_keys_hook(int code, WPARAM wparam, LPARAM lparam) noexcept {
  try {
    if (code == MSGF_DIALOGBOX && on_dialog_key(*reinterpret_cast<MSG*>(lparam))) return 1;
  } catch (const std::exception& caught) {
    record_caught("dialog keys", caught.what());
  }
  return CallNextHookEx(g_dialog_keys_hook, code, wparam, lparam);
}

void on_ok(HWND dialog) {
  WindowState& state = window_state();
  if (state.page) {
    DestroyWindow(state.page);  // the page stores its controls into the settings
    state.page = nullptr;
  }
  if (write_all_settings()) {
    EndDialog(dialog, 0);
    return;
  }
  // The dialog stays, with the page the user was on and every change in it: OK tries again,
  // Cancel leaves without saving.
  const DWORD error = GetLastError();
  const int position = state.tab_position;
  show_tab(dialog, position);
  controls::tell_file_not_written(dialog, "save settings", profile::kMainFile, error);
}

// A restored main configuration file replaces the values in the record, those of the page
// shown included: the page is made anew from them.
void on_earlier_versions(HWND dialog) {
  if (!run_earlier_versions_dialog(dialog)) return;
  WindowState& state = window_state();
  const int position = state.tab_position;
  if (state.page) {
    DestroyWindow(state.page);
    state.page = nullptr;
  }
  load_all_settings();
  show_tab(dialog, position);
  if (main_file_state() != MainFileState::usable) warn_about_main_file(dialog);
}

void on_defaults() {
  const WindowState& state = window_state();
  const auto tabs = tab_entries();
  if (!state.page || state.tab_position < 1 || state.tab_position > static_cast<int>(tabs.size())) return;
  const TabEntry& tab = tabs[static_cast<std::size_t>(state.tab_position - 1)];
  const PageEntry* page = find_page(tab.page_code);
  if (tab.has_defaults && page && page->defaults) page->defaults(state.page);
}

// F1 in any window of the program: the request reaches the main dialog from its pages and
// from every sub-dialog and message box, which leave it to their parent or owner.
void on_help_request(HWND dialog, const HELPINFO& info) {
  HWND asked = info.iContextType == HELPINFO_WINDOW ? static_cast<HWND>(info.hItemHandle) : dialog;
  const int template_id = help_template_of(asked);
  open_help(template_id ? template_id : help_template_of(dialog));
}

// The buttons of the main dialog.
BOOL on_command(HWND dialog, int id) {
  switch (id) {
    case IDOK:
      on_ok(dialog);
      return TRUE;
    case IDCANCEL:
      EndDialog(dialog, 0);
      return TRUE;
    case IDB_MAIN_DEFAULTS:
      on_defaults();
      return TRUE;
    case IDB_MAIN_HELP:
      open_help(help_template_of(dialog));  // the page of the tab shown
      return TRUE;
    default:
      return FALSE;
  }
}

// The program's items of the system menu; the system handles its own.
BOOL on_system_command(HWND dialog, WPARAM command) {
  switch (command) {
    case IDM_MAIN_INSTALLATION_CHECK:
      show_installation_check(dialog);
      return TRUE;
    case IDM_EARLIER_VERSIONS:
      on_earlier_versions(dialog);
      return TRUE;
    default:
      return FALSE;
  }
}

void on_destroy() {
  if (g_dialog_keys_hook) UnhookWindowsHookEx(g_dialog_keys_hook);
  g_dialog_keys_hook = nullptr;
  WindowState& state = window_state();
  state.main_dialog = nullptr;
  state.page = nullptr;
  state.tab_position = 0;
}

}  // namespace

INT_PTR CALLBACK main_dialog_procedure(HWND dialog, UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_INITDIALOG:
      if (!g_dialog_keys_hook) {
        g_dialog_keys_hook = SetWindowsHookExW(WH_MSGFILTER, dialog_keys_hook, nullptr, GetCurrentThreadId());
      }
      return on_init(dialog);
    case WM_SHOWWINDOW:
      // The first page is created when the dialog is shown, not while it is hidden or closing.
      if (wparam && !window_state().page) {
        window_state().page = create_page(dialog, kPageScreen);
        window_state().tab_position = window_state().page ? 1 : 0;
      }
      return TRUE;
    case WM_NOTIFY: {
      const NMHDR* header = reinterpret_cast<const NMHDR*>(lparam);
      if (header->idFrom == IDC_MAIN_TABS && header->code == TCN_SELCHANGE) {
        on_tab_changed(dialog);
        return TRUE;
      }
      return FALSE;
    }
    case WM_COMMAND:
      return on_command(dialog, LOWORD(wparam));
    case WM_HELP:
      on_help_request(dialog, *reinterpret_cast<const HELPINFO*>(lparam));
      return TRUE;
    case WM_DEVICECHANGE:
    case WM_ACTIVATEAPP:
      // A drive may have come or gone: the Drives page queries the drives anew.
      forget_drive_roots();
      return FALSE;
    case WM_SYSCOMMAND:
      return on_system_command(dialog, wparam & 0xFFF0);
    case kWarnAboutMainFile:
      warn_about_main_file(dialog);
      return TRUE;
    case WM_DESTROY:
      on_destroy();
      return FALSE;
    default:
      return FALSE;
  }
}

void run_main_dialog(HWND owner) {
  DialogBoxParamA(controls::program_instance(), MAKEINTRESOURCEA(IDD_MAIN), owner,
                  controls::guarded<main_dialog_procedure>, 0);
}

}  // namespace tav
