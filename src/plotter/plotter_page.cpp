#include "plotter/plotter_page.h"

#include <commctrl.h>

#include <array>
#include <exception>
#include <optional>
#include <string>
#include <vector>

#include "config/profile.h"
#include "controls/controls.h"
#include "controls/failure_message.h"
#include "controls/list_view.h"
#include "controls/page_contract.h"
#include "controls/page_state.h"
#include "controls/tooltips.h"
#include "plotter/core/plotter_table.h"
#include "plotter/core/queue_file.h"
#include "plotter/driver_settings_dialog.h"
#include "plotter/plotter_inventory.h"
#include "plotter/removed_plotters_dialog.h"
#include "plotter/serial_port_dialog.h"
#include "resources/ids.h"
#include "util/backups.h"
#include "util/core/message_text.h"
#include "util/file_operations.h"
#include "util/program_log.h"
#include "util/stop_points.h"

namespace tav {
namespace {

// Numbered backups kept of a queue file before it is overwritten or deleted.
constexpr int kQueueBackups = 3;
// Width of the active marker's column at 100 % scaling, widened with the scaling so that
// the marker keeps fitting.
constexpr int kMarkerColumnWidth = 15;
constexpr int kTitleSize = 261;

constexpr std::array<int, 5> kActionButtons = {IDB_PLOTTER_ACTIVATE, IDB_PLOTTER_DUPLICATE, IDB_PLOTTER_DEACTIVATE,
                                               IDB_PLOTTER_SETTINGS, IDB_PLOTTER_REMOVE};

// Each column with the hidden label that holds its title, and the title when that is empty.
struct Column {
  int title_label;
  const char* fallback_title;
};
constexpr std::array<Column, 4> kColumns = {{
    {IDT_PLOTTER_COLUMN_ACTIVE, "Aktiv"},
    {IDT_PLOTTER_COLUMN_NAME, "Name"},
    {IDT_PLOTTER_COLUMN_DRIVER, "PLT-Datei"},
    {IDT_PLOTTER_COLUMN_QUEUE, "QUE-Datei"},
}};
constexpr int kMarkerColumn = 0;
constexpr int kQueueColumn = 3;

struct PlotterPageState {
  std::string folder;  // the plotter folder, ending in '\'
  PlotterTable table;
};

PlotterPageState* state_of(HWND page) { return controls::window_state_of<PlotterPageState>(page); }
HWND list_of(HWND page) { return GetDlgItem(page, IDC_PLOTTER_LIST); }

void enable_actions(HWND page, bool enabled) {
  for (int id : kActionButtons) controls::enable(page, id, enabled);
}

std::string main_caption() {
  HWND main_dialog = window_state().main_dialog;
  char caption[256] = {};
  if (main_dialog) GetWindowTextA(main_dialog, caption, sizeof caption);
  return caption;
}

int ask(HWND page, int text, const std::string& caption, UINT style) {
  return MessageBoxA(GetAncestor(page, GA_ROOT), controls::load_string(text).c_str(), caption.c_str(), style);
}

// Tells the user that `file` could not be created, deleted or moved (text with %1 the file
// and %2 the system's reason for `error`) and logs it.
void tell_failure(HWND page, int text, std::string_view action, const std::string& file, DWORD error) {
  const std::string path = controls::full_path(file);
  const std::string reason = system_error_text(error);
  controls::tell_failure(GetAncestor(page, GA_ROOT), text, {path, reason}, action, path, reason);
}

// The row's entry number, or 0 when no row is selected or the row names no entry.
int selected_entry(HWND page, const PlotterPageState& state) {
  const int row = listview::selected_row(list_of(page));
  if (row < 0) return 0;
  const int number = static_cast<int>(listview::row_number(list_of(page), row));
  return state.table.has_entry(number) ? number : 0;
}

void show_row(HWND list, int position, const PlotterRow& row) {
  const int inserted = listview::insert_row(list, position, row.marker, row.entry);
  if (inserted < 0) return;
  listview::set_cell(list, inserted, 1, row.display_name);
  listview::set_cell(list, inserted, 2, row.driver_name);
  listview::set_cell(list, inserted, 3, row.queue_name);
}

// Fills the list from the table, keeping the selected position and the topmost row. The
// list's drawing is off while it is filled.
void fill_rows(HWND page, const PlotterPageState& state) {
  HWND list = list_of(page);
  const int top = static_cast<int>(SendMessageA(list, LVM_GETTOPINDEX, 0, 0));
  const int selected = listview::selected_row(list);
  SendMessageA(list, LVM_DELETEALLITEMS, 0, 0);
  int position = 0;
  for (const PlotterRow& row : state.table.rows(show_inactive_plotters())) show_row(list, position++, row);
  if (selected >= 0 && selected < listview::row_count(list)) listview::select_row(list, selected);
  if (listview::selected_row(list) < 0) enable_actions(page, false);
  if (top > 0 && listview::row_count(list) > 0) {
    RECT first{};
    first.left = LVIR_BOUNDS;
    SendMessageA(list, LVM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&first));
    SendMessageA(list, LVM_SCROLL, 0, static_cast<LPARAM>(top * (first.bottom - first.top)));
  }
}

void fill_list(HWND page, const PlotterPageState& state) {
  HWND list = list_of(page);
  SendMessageA(list, WM_SETREDRAW, FALSE, 0);
  fill_rows(page, state);
  SendMessageA(list, WM_SETREDRAW, TRUE, 0);
  InvalidateRect(list, nullptr, TRUE);
}

void rescan(HWND page, PlotterPageState& state) {
  scan_plotters(state.folder, state.table);
  fill_list(page, state);
}

// The rows that show entry `number`, last first, so that deleting one keeps the others'
// positions.
template <typename Action>
void for_rows_of(HWND list, int number, Action action) {
  for (int row = listview::row_count(list) - 1; row >= 0; --row) {
    if (listview::row_number(list, row) == number) action(row);
  }
}

// Entry `number` leaves the table: its rows go, the rows after it carry their entries'
// new numbers.
void remove_entry(HWND page, PlotterPageState& state, int number) {
  HWND list = list_of(page);
  for_rows_of(list, number, [&](int row) { listview::delete_row(list, row); });
  state.table.remove(number);
  for (int row = 0; row < listview::row_count(list); ++row) {
    const LPARAM carried = listview::row_number(list, row);
    if (carried > number) listview::set_row_number(list, row, carried - 1);
  }
  enable_actions(page, false);
}

void show_selection(HWND page, const PlotterPageState& state) {
  const int number = selected_entry(page, state);
  if (number == 0) {
    enable_actions(page, false);
    return;
  }
  const bool active = state.table.entry(number).active;
  controls::enable(page, IDB_PLOTTER_ACTIVATE, !active);
  controls::enable(page, IDB_PLOTTER_DUPLICATE, active);
  controls::enable(page, IDB_PLOTTER_DEACTIVATE, active);
  controls::enable(page, IDB_PLOTTER_SETTINGS, true);
  controls::enable(page, IDB_PLOTTER_REMOVE, true);
}

// The queue file's DEVICE keys, written together: the file is replaced in one step, or
// left as it was.
bool write_queue_file(const std::string& path, const std::string& name, const std::string& driver_file, bool cutter) {
  profile::ProfileBatch batch(path.c_str());
  for (const auto& [key, value] : queue_keys(name, driver_file, cutter)) {
    if (!batch.write_string(kQueueSection, key, value)) return false;
  }
  return batch.save();
}

// Activate (a queue file named after the driver) and Duplicate (a queue file of the next
// free numbered name when that one exists).
void add_queue(HWND page, PlotterPageState& state, bool duplicate) {
  const int number = selected_entry(page, state);
  if (number == 0) return;
  const PlotterEntry entry = state.table.entry(number);
  DriverSettings values;
  if (!read_driver_settings_file((state.folder + entry.driver_file).c_str(), values)) {
    controls::enable(page, IDB_PLOTTER_ACTIVATE, false);
    return;
  }
  // The queue file and its DRIVER are named after the driver as the list shows it.
  std::string queue_path = plotter_file_path(state.folder, entry.driver_name.raw(), ".que");
  if (file_exists(queue_path.c_str())) {
    if (duplicate) {
      const auto free_name = free_queue_name(entry.driver_name, [&](const std::string& name) {
        return file_exists(plotter_file_path(state.folder, name, ".que").c_str());
      });
      if (!free_name) {
        tell_failure(page, IDS_PLOTTER_CREATE_FAILED, "create queue file", queue_path, ERROR_FILE_EXISTS);
        return;
      }
      queue_path = plotter_file_path(state.folder, free_name->raw(), ".que");
    } else {
      if (ask(page, IDS_PLOTTER_FILE_EXISTS, controls::load_string(IDS_PLOTTER_ADD_CAPTION),
              MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2) != IDYES) {
        return;
      }
      numbered_backup(queue_path.c_str(), static_cast<int>(queue_path.size()), kQueueBackups);
    }
  }
  const std::string plotter_name = values.plotter_name.str();
  const std::string queue_file = queue_path.substr(state.folder.size());
  const std::string name = duplicate ? duplicate_display_name(plotter_name, queue_file) : plotter_name;
  const std::string driver_file = plotter_file_path("", entry.driver_name.raw(), ".PLT");
  if (!write_queue_file(queue_path, name, driver_file, values.cutter >= 1)) {
    tell_failure(page, IDS_PLOTTER_CREATE_FAILED, "create queue file", queue_path, GetLastError());
    return;
  }
  if (duplicate) {
    rescan(page, state);
    return;
  }
  state.table.activate(number, queue_file);
  const PlotterRow row = state.table.row(number);
  HWND list = list_of(page);
  for_rows_of(list, number, [&](int shown) {
    listview::set_cell(list, shown, kMarkerColumn, row.marker);
    listview::set_cell(list, shown, kQueueColumn, row.queue_name);
  });
  show_selection(page, state);
}

void deactivate_plotter(HWND page, PlotterPageState& state) {
  const int number = selected_entry(page, state);
  if (number == 0) return;
  if (ask(page, IDS_PLOTTER_DELETE_FILE, main_caption(), MB_YESNO | MB_ICONQUESTION) != IDYES) return;
  const PlotterEntry entry = state.table.entry(number);
  const std::string queue_path = state.folder + entry.queue_file;
  numbered_backup(queue_path.c_str(), static_cast<int>(queue_path.size()), kQueueBackups);
  // A queue file that stays would keep the plotter active for the programs that plot.
  if (!DeleteFileA(queue_path.c_str())) {
    const DWORD error = GetLastError();
    if (file_exists(queue_path.c_str())) {
      tell_failure(page, IDS_PLOTTER_DELETE_FAILED, "delete queue file", queue_path, error);
      return;
    }
  }
  state.table.deactivate(number);
  if (!show_inactive_plotters()) {
    rescan(page, state);
    return;
  }
  HWND list = list_of(page);
  for_rows_of(list, number, [&](int row) {
    listview::set_cell(list, row, kMarkerColumn, "");
    listview::set_cell(list, row, kQueueColumn, "");
  });
  if (state.table.driver_in_use(entry.driver_name, number)) {
    remove_entry(page, state, number);
  } else {
    show_selection(page, state);
  }
}

// A file of a removed plotter on its way into the subfolder for removed plotters.
struct RemovedFile {
  std::string from;  // in the plotter folder
  std::string name;  // its name there, and in the subfolder
  bool copy;         // a driver that another plotter still uses stays
};

// Moves (or copies) a file, never over another one; the system's error, or ERROR_SUCCESS.
DWORD put_file(const std::string& from, const std::string& to, bool copy) {
  stop_point(copy ? "copy" : "move");
  const BOOL done = copy ? CopyFileA(from.c_str(), to.c_str(), TRUE) : MoveFileA(from.c_str(), to.c_str());
  return done ? ERROR_SUCCESS : GetLastError();
}

bool name_taken(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

// Files of an earlier removed plotter that bear the names of `files` in the subfolder keep
// their contents under numbered names, each its own; `kept` gets a line for each. False,
// with the user told, when one cannot be renamed.
bool keep_earlier_files(HWND page, const std::string& removed, const std::vector<RemovedFile>& files,
                        std::string& kept) {
  for (const RemovedFile& file : files) {
    const std::string earlier = removed + file.name;
    if (!name_taken(earlier)) continue;
    const auto new_name =
        kept_file_name(file.name, [&](const std::string& name) { return name_taken(removed + name); });
    const DWORD error = new_name ? put_file(earlier, removed + *new_name, false) : ERROR_FILE_EXISTS;
    if (error != ERROR_SUCCESS) {
      const std::string path = controls::full_path(earlier);
      const std::string reason = system_error_text(error);
      controls::tell_failure(GetAncestor(page, GA_ROOT), IDS_PLOTTER_KEEP_FAILED, {path, new_name.value_or(""), reason},
                             "keep removed plotter file", path, reason);
      return false;
    }
    kept += "\n" + with_arguments(controls::load_string(IDS_PLOTTER_KEPT_AS), {file.name, *new_name});
  }
  return true;
}

void remove_plotter(HWND page, PlotterPageState& state) {
  const int number = selected_entry(page, state);
  if (number == 0) return;
  if (ask(page, IDS_PLOTTER_REMOVE, main_caption(), MB_YESNO | MB_ICONQUESTION) != IDYES) return;
  const PlotterEntry entry = state.table.entry(number);
  const std::string removed = state.folder + kRemovedPlotterFolder;
  CreateDirectoryA(removed.c_str(), nullptr);
  std::vector<RemovedFile> files;
  const std::string driver_path = state.folder + entry.driver_file;
  // An active plotter's driver that has already gone (a removal that was cut short) is left
  // out: the queue file follows it.
  if (!entry.active || file_exists(driver_path.c_str())) {
    const bool in_use = entry.active && state.table.driver_in_use(entry.driver_name, number);
    files.push_back({driver_path, entry.driver_file, in_use});
  }
  if (entry.active) files.push_back({state.folder + entry.queue_file, entry.queue_file, false});

  std::string kept;
  const bool names_free = keep_earlier_files(page, removed, files, kept);
  std::size_t moved = 0;
  DWORD error = ERROR_SUCCESS;
  while (names_free && moved < files.size() &&
         (error = put_file(files[moved].from, removed + files[moved].name, files[moved].copy)) == ERROR_SUCCESS) {
    ++moved;
  }
  if (error != ERROR_SUCCESS) tell_failure(page, IDS_PLOTTER_MOVE_FAILED, "remove plotter", files[moved].from, error);
  if (!kept.empty()) {
    const std::string text = with_arguments(controls::load_string(IDS_PLOTTER_KEPT), {kept.substr(1)});
    MessageBoxA(GetAncestor(page, GA_ROOT), text.c_str(), main_caption().c_str(), MB_OK | MB_ICONINFORMATION);
  }
  if (names_free && error == ERROR_SUCCESS) {
    remove_entry(page, state, number);
  } else if (moved > 0) {
    rescan(page, state);  // what moved has gone: the list shows what the folder now holds
  }
}

// Bring back a removed plotter: the list shows the folder anew with the plotter selected
// (an inactive one with the inactive plotters shown).
void bring_back_plotter(HWND page, PlotterPageState& state) {
  const std::optional<BroughtBack> back = bring_back_removed_plotter(GetAncestor(page, GA_ROOT), state.folder);
  if (back && back->queue_file.empty() && !show_inactive_plotters()) {
    show_inactive_plotters() = true;
    controls::check(page, IDX_PLOTTER_SHOW_INACTIVE, true);
  }
  rescan(page, state);
  if (!back) return;
  auto base = [](const std::string& file) { return cell_text(file.substr(0, file.rfind('.'))); };
  HWND list = list_of(page);
  for (int row = 0; row < listview::row_count(list); ++row) {
    const bool same_driver =
        back->driver_file.empty() ||
        CompareStringA(LOCALE_INVARIANT, NORM_IGNORECASE, listview::cell_text(list, row, 2).c_str(), -1,
                       base(back->driver_file).c_str(), -1) == CSTR_EQUAL;
    if (same_driver && CompareStringA(LOCALE_INVARIANT, NORM_IGNORECASE, listview::cell_text(list, row, 3).c_str(), -1,
                                      base(back->queue_file).c_str(), -1) == CSTR_EQUAL) {
      listview::select_row(list, row);
      SendMessageA(list, LVM_ENSUREVISIBLE, static_cast<WPARAM>(row), FALSE);
      SetFocus(list);
      break;
    }
  }
}

// The list's context menu, opened by a right click, Shift+F10 or the menu key (at the
// selected row, or the list's corner when none is selected).
void show_list_menu(HWND list, LPARAM where) {
  POINT at{static_cast<short>(LOWORD(where)), static_cast<short>(HIWORD(where))};
  if (where == -1) {
    RECT row{};
    row.left = LVIR_LABEL;
    const int selected = listview::selected_row(list);
    if (selected < 0 ||
        !SendMessageA(list, LVM_GETITEMRECT, static_cast<WPARAM>(selected), reinterpret_cast<LPARAM>(&row))) {
      row = RECT{};
    }
    at = POINT{row.left, row.bottom};
    ClientToScreen(list, &at);
  }
  HMENU menu = CreatePopupMenu();
  if (!menu) return;
  AppendMenuA(menu, MF_STRING, IDM_PLOTTER_BRING_BACK, controls::load_string(IDS_PLOTTER_BRING_BACK_MENU).c_str());
  const UINT chosen = TrackPopupMenu(menu, TPM_RETURNCMD | TPM_RIGHTBUTTON, at.x, at.y, 0, list, nullptr);
  DestroyMenu(menu);
  if (chosen != 0) PostMessageA(GetParent(list), WM_COMMAND, MAKEWPARAM(chosen, BN_CLICKED), 0);
}

LRESULT CALLBACK list_procedure(HWND list, UINT message, WPARAM wparam, LPARAM lparam, UINT_PTR id,
                                DWORD_PTR) noexcept {
  try {
    if (message == WM_CONTEXTMENU) {
      show_list_menu(list, lparam);
      return 0;
    }
  } catch (const std::exception& caught) {
    record_caught("plotter list menu", caught.what());
  }
  if (message == WM_NCDESTROY) RemoveWindowSubclass(list, list_procedure, id);
  return DefSubclassProc(list, message, wparam, lparam);
}

void open_settings(HWND page, const PlotterPageState& state) {
  const int number = selected_entry(page, state);
  if (number == 0) return;
  run_driver_settings_dialog(GetAncestor(page, GA_ROOT), state.folder + state.table.entry(number).driver_file);
}

}  // namespace

bool& show_inactive_plotters() {
  static bool shown = false;
  return shown;
}

BOOL plotter_page_open(HWND page, const InstalledVersion& /*installed_version*/) {
  enable_actions(page, false);
  HWND list = list_of(page);
  // The list is set up with its drawing off: otherwise the list view works out its scroll
  // bars and the areas to paint after every column, row and width, which under Wine costs
  // several times the set-up itself, even before the page is shown.
  SendMessageA(list, WM_SETREDRAW, FALSE, 0);
  SendMessageA(list, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
  for (const Column& column : kColumns) {
    std::string title = controls::text_of(page, column.title_label).substr(0, kTitleSize - 1);
    if (title.empty()) title = column.fallback_title;
    listview::add_column(
        list, title, column.title_label == IDT_PLOTTER_COLUMN_ACTIVE ? controls::scaled(list, kMarkerColumnWidth) : 0);
  }
  PlotterPageState& state = controls::create_window_state<PlotterPageState>(page);
  state.folder = installation_plotter_folder();
  scan_plotters(state.folder, state.table);
  controls::check(page, IDX_PLOTTER_SHOW_INACTIVE, show_inactive_plotters());
  fill_rows(page, state);
  // The marker column is as wide as its title, and never narrower than the marker. The
  // first fitting switches the drawing on again.
  listview::fit_columns(list, kMarkerColumn, kMarkerColumn, controls::scaled(list, kMarkerColumnWidth));
  listview::fit_columns(list, 1, 1, 0);
  listview::fit_columns(list, 2, 3, 0);
  SetWindowSubclass(list, list_procedure, 0, 0);
  controls::attach_column_tooltip(list, kMarkerColumn, IDS_TIP_PLOTTER_MARKER);
  return TRUE;
}

BOOL plotter_page_command(HWND page, WPARAM wparam, LPARAM lparam) {
  if (!is_current_page(kPagePlotter)) return FALSE;
  const int id = LOWORD(wparam);
  PlotterPageState* state = state_of(page);
  switch (id) {
    case IDX_PLOTTER_SHOW_INACTIVE:
    case IDB_PLOTTER_DEACTIVATE:
    case IDB_PLOTTER_REMOVE:
    case IDB_PLOTTER_ACTIVATE:
    case IDB_PLOTTER_DUPLICATE:
    case IDB_PLOTTER_SETTINGS:
    case IDB_PLOTTER_SERIAL_PORT:
    case IDM_PLOTTER_BRING_BACK:
      break;
    default:
      return FALSE;
  }
  if (HIWORD(wparam) != BN_CLICKED || state == nullptr) return TRUE;
  switch (id) {
    case IDX_PLOTTER_SHOW_INACTIVE:
      show_inactive_plotters() = controls::is_checked(page, IDX_PLOTTER_SHOW_INACTIVE);
      fill_list(page, *state);
      break;
    case IDB_PLOTTER_ACTIVATE:
      add_queue(page, *state, false);
      break;
    case IDB_PLOTTER_DUPLICATE:
      add_queue(page, *state, true);
      break;
    case IDB_PLOTTER_DEACTIVATE:
      deactivate_plotter(page, *state);
      break;
    case IDB_PLOTTER_REMOVE:
      remove_plotter(page, *state);
      break;
    case IDB_PLOTTER_SETTINGS:
      open_settings(page, *state);
      break;
    case IDB_PLOTTER_SERIAL_PORT:
      run_serial_port_dialog(GetAncestor(page, GA_ROOT));
      break;
    case IDM_PLOTTER_BRING_BACK:
      bring_back_plotter(page, *state);
      break;
    default:
      break;
  }
  return TRUE;
}

BOOL plotter_page_notify(HWND page, int control_id, NMHDR* notification) {
  if (!is_current_page(kPagePlotter) || notification == nullptr) return FALSE;
  const UINT code = notification->code;
  if (code == LVN_KEYDOWN && notification->idFrom == IDC_PLOTTER_LIST) {
    // Ctrl+B brings back a removed plotter, as the list's context menu does.
    const auto* key = reinterpret_cast<const NMLVKEYDOWN*>(notification);
    if (key->wVKey == 'B' && (GetKeyState(VK_CONTROL) & 0x8000) && !(GetKeyState(VK_MENU) & 0x8000)) {
      PostMessageA(page, WM_COMMAND, MAKEWPARAM(IDM_PLOTTER_BRING_BACK, BN_CLICKED), 0);
    }
    return TRUE;
  }
  if (code != LVN_ITEMCHANGED && code != NM_CLICK && code != NM_DBLCLK) return FALSE;
  PlotterPageState* state = state_of(page);
  if (state == nullptr || notification->idFrom != IDC_PLOTTER_LIST) return TRUE;
  show_selection(page, *state);
  if (code == NM_DBLCLK && selected_entry(page, *state) != 0) {
    PostMessageA(page, WM_COMMAND, MAKEWPARAM(IDB_PLOTTER_SETTINGS, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(page, IDB_PLOTTER_SETTINGS)));
  }
  return TRUE;
}

void plotter_page_close(HWND page) { controls::destroy_window_state<PlotterPageState>(page); }

}  // namespace tav
