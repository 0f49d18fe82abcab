// Captures the main dialog with every page, and the sub-dialogs that the pages open, into
// bitmap files <folder>\<tag>-<name>.bmp: screenshots <folder> <tag>. Runs on the demo
// installation (T:). scripts/screenshots runs it for every language and scaling under Xvfb
// and converts to PNG. Ends with exit code 3 when a window it waits for does not appear.
#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "controls/controls.h"
#include "controls/page_contract.h"
#include "folders/progress_window.h"
#include "resources/ids.h"
#include "shell/main_dialog.h"
#include "shell/startup.h"

namespace {

std::string g_folder;
std::string g_language;

// Sub-dialogs opened from a page: tab position, button on the page, file name; whether the
// page's list needs a selected row first; a dialog that the sub-dialog opens in turn.
struct SubDialog {
  int tab;
  int button;
  const char* name;
  bool select_first_row = false;
  int nested_button = 0;
  const char* nested_name = nullptr;
};
const SubDialog kSubDialogs[] = {
    {0, 1010, "calibration"},
    {1, IDB_DRIVES_NETWORK, "network"},
    {2, IDB_PLOTTER_SERIAL_PORT, "serial_port"},
    {2, IDB_PLOTTER_SETTINGS, "driver_settings", true, IDB_DRIVER_ADAPT, "plot_resolution"},
    {4, IDB_LAYPLAN_HEM_POSITION, "hem_position"},
    {4, IDB_LAYPLAN_LINE_TYPES, "line_types"},
};

// ---- Layout check: texts that do not fit their control, controls that overlap ----------

void report(const std::string& name, const std::string& line) {
  const std::string path = g_folder + "\\" + g_language + "-layout.txt";
  if (FILE* out = std::fopen(path.c_str(), "a")) {
    std::fprintf(out, "%s-%s: %s\n", g_language.c_str(), name.c_str(), line.c_str());
    std::fclose(out);
  }
}

std::string class_of(HWND window) {
  char name[64] = {};
  GetClassNameA(window, name, sizeof name);
  return name;
}

// The size of `text` in the control's font: on one line, or broken into lines `width` wide.
SIZE text_size(HWND control, const std::string& text, bool wrap, int width) {
  HDC dc = GetDC(control);
  HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageA(control, WM_GETFONT, 0, 0)));
  RECT rect{0, 0, wrap ? width : 0, 0};
  DrawTextA(dc, text.c_str(), -1, &rect, DT_CALCRECT | DT_EXPANDTABS | (wrap ? DT_WORDBREAK : DT_SINGLELINE));
  SelectObject(dc, old);
  ReleaseDC(control, dc);
  return {rect.right - rect.left, rect.bottom - rect.top};
}

// Room a control leaves for its text beside what it draws itself, in pixels at 100 %.
struct TextRoom {
  bool checked;  // whether the control's text is looked at
  bool wrap;     // broken into lines
  int reserved;  // width taken by the box of a check box or the edges of a button
};

TextRoom text_room(HWND control) {
  const LONG style = GetWindowLongA(control, GWL_STYLE);
  const std::string kind = class_of(control);
  if (kind == "Static") {
    switch (style & SS_TYPEMASK) {
      case SS_LEFT:
      case SS_CENTER:
      case SS_RIGHT:
        return {true, true, 0};
      case SS_LEFTNOWORDWRAP:
      case SS_SIMPLE:
        return {true, false, 0};
      default:
        return {false, false, 0};
    }
  }
  if (kind == "Button") {
    const bool multiline = (style & BS_MULTILINE) != 0;
    if (style & (BS_ICON | BS_BITMAP)) return {false, false, 0};
    switch (style & BS_TYPEMASK) {
      case BS_PUSHBUTTON:
      case BS_DEFPUSHBUTTON:
        return {true, multiline, 6};
      case BS_CHECKBOX:
      case BS_AUTOCHECKBOX:
      case BS_RADIOBUTTON:
      case BS_AUTORADIOBUTTON:
      case BS_3STATE:
      case BS_AUTO3STATE:
        return {true, multiline, 17};
      case BS_GROUPBOX:
        return {true, false, 14};
      default:
        return {false, false, 0};
    }
  }
  return {false, false, 0};
}

// The columns of a list view in report view that are narrower than the list itself finds
// their cells need (its own fitting of the column to its contents, undone at once). That
// fitting leaves a few pixels of room behind the text: a column narrower by no more than
// that still shows its cells whole.
constexpr int kListRoom = 3;  // pixels at 100 %

void check_cells(HWND list, const std::string& name) {
  if ((GetWindowLongA(list, GWL_STYLE) & LVS_TYPEMASK) != LVS_REPORT) return;
  if (SendMessageA(list, LVM_GETITEMCOUNT, 0, 0) <= 0) return;
  HWND header = reinterpret_cast<HWND>(SendMessageA(list, LVM_GETHEADER, 0, 0));
  const int columns = header ? static_cast<int>(SendMessageA(header, HDM_GETITEMCOUNT, 0, 0)) : 0;
  for (int column = 0; column < columns; ++column) {
    const WPARAM index = static_cast<WPARAM>(column);
    const LRESULT width = SendMessageA(list, LVM_GETCOLUMNWIDTH, index, 0);
    SendMessageA(list, LVM_SETCOLUMNWIDTH, index, LVSCW_AUTOSIZE);
    const LRESULT needed = SendMessageA(list, LVM_GETCOLUMNWIDTH, index, 0);
    SendMessageA(list, LVM_SETCOLUMNWIDTH, index, width);
    if (needed - width > tav::controls::scaled(list, kListRoom)) {
      char line[160];
      std::snprintf(line, sizeof line, "list %d, column %d needs %ld, has %ld", GetDlgCtrlID(list), column,
                    static_cast<long>(needed), static_cast<long>(width));
      report(name, line);
    }
  }
}

void check_texts(HWND window, const std::string& name) {
  EnumChildWindows(
      window,
      [](HWND control, LPARAM data) -> BOOL {
        const std::string& name = *reinterpret_cast<const std::string*>(data);
        if (!IsWindowVisible(control)) return TRUE;
        if (class_of(control) == "SysListView32") check_cells(control, name);
        const TextRoom room = text_room(control);
        char text[1024] = {};
        GetWindowTextA(control, text, sizeof text);
        if (!room.checked || !*text) return TRUE;
        RECT client{};
        GetClientRect(control, &client);
        const int reserved = tav::controls::scaled(control, room.reserved);
        const int width = client.right - reserved;
        const SIZE needed = text_size(control, text, room.wrap, width);
        if (needed.cx > width || needed.cy > client.bottom) {
          char line[1400];
          std::snprintf(line, sizeof line, "control %d \"%s\" needs %ldx%ld, has %dx%ld", GetDlgCtrlID(control), text,
                        needed.cx, needed.cy, width, client.bottom);
          report(name, line);
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&name));
}

// Visible controls of one parent that overlap, leaving out group boxes and frames, which
// surround others, a page's tab control, on which the page lies, and an up-down control on
// its buddy.
void check_overlaps(HWND parent, const std::string& name) {
  std::vector<std::pair<HWND, RECT>> placed;
  for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    if (!IsWindowVisible(child)) continue;
    const std::string kind = class_of(child);
    const LONG style = GetWindowLongA(child, GWL_STYLE);
    if (kind == "#32770") {
      check_overlaps(child, name);
      continue;
    }
    if (kind == "SysTabControl32") continue;
    if (kind == "Button" && (style & BS_TYPEMASK) == BS_GROUPBOX) continue;
    if (kind == "Static" && (style & SS_TYPEMASK) >= SS_BLACKRECT && (style & SS_TYPEMASK) <= SS_WHITEFRAME) continue;
    if (kind == "Static" && (style & SS_TYPEMASK) >= SS_ETCHEDHORZ && (style & SS_TYPEMASK) <= SS_ETCHEDFRAME) continue;
    RECT rect{};
    GetWindowRect(child, &rect);
    for (const auto& [other, other_rect] : placed) {
      RECT common{};
      if (kind == "msctls_updown32" && reinterpret_cast<HWND>(SendMessageA(child, UDM_GETBUDDY, 0, 0)) == other) {
        continue;  // an up-down control lies on the edge of its buddy
      }
      if (IntersectRect(&common, &rect, &other_rect)) {
        char line[160];
        std::snprintf(line, sizeof line, "controls %d and %d overlap by %ldx%ld", GetDlgCtrlID(other),
                      GetDlgCtrlID(child), common.right - common.left, common.bottom - common.top);
        report(name, line);
      }
    }
    placed.push_back({child, rect});
  }
}

void save_bitmap(HWND window, const std::string& name) {
  check_texts(window, name);
  check_overlaps(window, name);
  RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
  RECT rect{};
  GetWindowRect(window, &rect);
  const int width = rect.right - rect.left, height = rect.bottom - rect.top;
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
  HGDIOBJ old = SelectObject(memory, bitmap);
  BitBlt(memory, 0, 0, width, height, screen, rect.left, rect.top, SRCCOPY);
  SelectObject(memory, old);
  BITMAPINFOHEADER info{sizeof info, width, height, 1, 24, BI_RGB};
  const DWORD row = ((width * 3 + 3) / 4) * 4;
  std::vector<BYTE> pixels(row * static_cast<DWORD>(height));
  GetDIBits(memory, bitmap, 0, static_cast<UINT>(height), pixels.data(), reinterpret_cast<BITMAPINFO*>(&info),
            DIB_RGB_COLORS);
  BITMAPFILEHEADER file{0x4D42, static_cast<DWORD>(sizeof(BITMAPFILEHEADER) + sizeof info + pixels.size()), 0, 0,
                        sizeof(BITMAPFILEHEADER) + sizeof info};
  const std::string path = g_folder + "\\" + g_language + "-" + name + ".bmp";
  if (FILE* out = std::fopen(path.c_str(), "wb")) {
    std::fwrite(&file, sizeof file, 1, out);
    std::fwrite(&info, sizeof info, 1, out);
    std::fwrite(pixels.data(), 1, pixels.size(), out);
    std::fclose(out);
  }
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
}

HWND enabled_dialog_other_than(HWND main_dialog) {
  struct Search {
    HWND main;
    HWND found;
  } search{main_dialog, nullptr};
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND window, LPARAM data) -> BOOL {
        auto* s = reinterpret_cast<Search*>(data);
        char name[16] = {};
        GetClassNameA(window, name, sizeof name);
        if (window != s->main && std::string(name) == "#32770" && IsWindowVisible(window) && IsWindowEnabled(window)) {
          s->found = window;
          return FALSE;
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

// The capture runs as a list of steps on a thread timer, which also fires inside the modal
// loop of a sub-dialog. Each step waits until the window it works on is there (and has
// stayed there a moment, so that it is drawn), then runs once; a step that waits longer
// than the deadline ends the run with an error, and the script tries the language again.
struct Step {
  std::function<bool()> ready;
  std::function<void()> run;
};
std::vector<Step> g_steps;
std::size_t g_next = 0;
DWORD g_ready_since = 0;  // when the next step's window was first seen; 0 while waiting
DWORD g_waiting_since = 0;
constexpr DWORD kSettleMs = 150;
constexpr DWORD kDeadlineMs = 20000;

HWND main_dialog() { return tav::window_state().main_dialog; }
HWND sub_dialog() { return enabled_dialog_other_than(main_dialog()); }
// The main dialog alone, showing the page of tab position `tab` (0-based).
bool page_shown(int tab) {
  const tav::WindowState& state = tav::window_state();
  return !sub_dialog() && state.page && IsWindowVisible(state.page) && state.tab_position == tab + 1;
}
bool alone() { return !sub_dialog(); }

void select_tab(int tab) { SendMessageA(GetDlgItem(main_dialog(), IDC_MAIN_TABS), TCM_SETCURFOCUS, tab, 0); }

void click_on_page(const SubDialog& sub) {
  HWND page = tav::window_state().page;
  if (sub.select_first_row) {
    LVITEMA item{};
    item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    item.state = LVIS_SELECTED | LVIS_FOCUSED;
    SendDlgItemMessageA(page, IDC_PLOTTER_LIST, LVM_SETITEMSTATE, 0, reinterpret_cast<LPARAM>(&item));
  }
  if (HWND button = GetDlgItem(page, sub.button)) PostMessageA(button, BM_CLICK, 0, 0);
}

HWND g_sub = nullptr;  // the sub-dialog captured last, while its nested dialog is open

void plan_steps() {
  for (int tab = 0; tab < 9; ++tab) {
    g_steps.push_back({alone, [tab] { select_tab(tab); }});
    g_steps.push_back({[tab] { return page_shown(tab); },
                       [tab] {
                         char name[16];
                         std::snprintf(name, sizeof name, "page%02d", tab + 1);
                         save_bitmap(main_dialog(), name);
                       }});
  }
  for (const SubDialog& sub : kSubDialogs) {
    g_steps.push_back({alone, [sub] { select_tab(sub.tab); }});
    g_steps.push_back({[sub] { return page_shown(sub.tab); }, [sub] { click_on_page(sub); }});
    g_steps.push_back({[] { return sub_dialog() != nullptr; },
                       [sub] {
                         HWND dialog = sub_dialog();
                         save_bitmap(dialog, sub.name);
                         if (sub.nested_button) {
                           g_sub = dialog;
                           PostMessageA(GetDlgItem(dialog, sub.nested_button), BM_CLICK, 0, 0);
                         } else {
                           EndDialog(dialog, IDOK);
                         }
                       }});
    if (sub.nested_button) {
      // The nested dialog is on top of the sub-dialog; once it has gone, the sub-dialog is
      // again, and is closed too.
      g_steps.push_back({[] { return sub_dialog() && sub_dialog() != g_sub; },
                         [sub] {
                           HWND nested = sub_dialog();
                           save_bitmap(nested, sub.nested_name);
                           EndDialog(nested, IDCANCEL);
                         }});
      g_steps.push_back({[] { return sub_dialog() == g_sub; }, [] { EndDialog(g_sub, IDCANCEL); }});
    }
  }
  // The dialogs of the main dialog's system menu.
  for (const auto& [command, name] : {std::pair<int, const char*>{IDM_EARLIER_VERSIONS, "earlier_versions"},
                                      std::pair<int, const char*>{IDM_MAIN_INSTALLATION_CHECK, "installation_check"}}) {
    g_steps.push_back({alone, [command = command] { PostMessageA(main_dialog(), WM_SYSCOMMAND, command, 0); }});
    g_steps.push_back({[] { return sub_dialog() != nullptr; },
                       [name = name] {
                         HWND dialog = sub_dialog();
                         save_bitmap(dialog, name);
                         EndDialog(dialog, IDCANCEL);
                       }});
  }
  // The progress window of a network configuration run, over the network dialog.
  const SubDialog network{1, IDB_DRIVES_NETWORK, "network"};
  g_steps.push_back({alone, [] { select_tab(1); }});
  g_steps.push_back({[] { return page_shown(1); }, [network] { click_on_page(network); }});
  g_steps.push_back({[] { return sub_dialog() != nullptr; },
                     [] {
                       HWND dialog = sub_dialog();
                       tav::ProgressWindow progress(dialog, tav::controls::text_of(dialog, IDG_NETWORK_RUN));
                       progress.set(400);
                       progress.show_copy("U:\\TAVIRO\\FORMS", 1234, 10000);
                       if (progress.window()) {
                         // Drawn and on the screen before it is captured.
                         for (int i = 0; i < 3; ++i) {
                           MSG msg;
                           while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
                           Sleep(kSettleMs / 3);
                         }
                         save_bitmap(progress.window(), "progress");
                       }
                       EndDialog(dialog, IDCANCEL);
                     }});
  g_steps.push_back({alone, [] { SendMessageA(main_dialog(), WM_COMMAND, IDCANCEL, 0); }});
}

void CALLBACK tick(HWND, UINT, UINT_PTR, DWORD) {
  static bool busy = false;
  if (busy || !main_dialog() || g_next >= g_steps.size()) return;
  busy = true;
  const DWORD now = GetTickCount();
  if (!g_waiting_since) g_waiting_since = now;
  if (!g_steps[g_next].ready()) {
    g_ready_since = 0;
    if (now - g_waiting_since > kDeadlineMs) {
      std::fprintf(stderr, "screenshots: %s: step %u did not find its window\n", g_language.c_str(),
                   static_cast<unsigned>(g_next));
      ExitProcess(3);
    }
  } else if (!g_ready_since) {
    g_ready_since = now;
  } else if (now - g_ready_since >= kSettleMs) {
    g_steps[g_next++].run();
    g_ready_since = 0;
    g_waiting_since = 0;
  }
  busy = false;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) return 2;
  g_folder = argv[1];
  g_language = argv[2];
  tav::prepare_run(GetModuleHandleA(nullptr));
  plan_steps();
  const UINT_PTR timer = SetTimer(nullptr, 0, 50, tick);
  tav::run_main_dialog(nullptr);
  KillTimer(nullptr, timer);
  return g_next == g_steps.size() ? 0 : 1;
}
