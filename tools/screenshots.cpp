// Captures the main dialog with every page, and the sub-dialogs that the pages open, into
// bitmap files <folder>\<tag>-<name>.bmp: screenshots <folder> <tag>. Runs on the demo
// installation (T:). scripts/screenshots runs it for every language and scaling under Xvfb
// and converts to PNG. Ends with exit code 3 when a window it waits for does not appear.
#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "controls/controls.h"
#include "folders/progress_window.h"
#include "resources/ids.h"
#include "shell/app_state.h"
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

void save_bitmap(HWND window, const std::string& name) {
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
    g_steps.push_back({[tab] { return page_shown(tab); }, [tab] {
                         char name[16];
                         std::snprintf(name, sizeof name, "page%02d", tab + 1);
                         save_bitmap(main_dialog(), name);
                       }});
  }
  for (const SubDialog& sub : kSubDialogs) {
    g_steps.push_back({alone, [sub] { select_tab(sub.tab); }});
    g_steps.push_back({[sub] { return page_shown(sub.tab); }, [sub] { click_on_page(sub); }});
    g_steps.push_back({[] { return sub_dialog() != nullptr; }, [sub] {
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
      g_steps.push_back({[] { return sub_dialog() && sub_dialog() != g_sub; }, [sub] {
                           HWND nested = sub_dialog();
                           save_bitmap(nested, sub.nested_name);
                           EndDialog(nested, IDCANCEL);
                         }});
      g_steps.push_back({[] { return sub_dialog() == g_sub; }, [] { EndDialog(g_sub, IDCANCEL); }});
    }
  }
  // The progress window of a network configuration run, over the network dialog.
  const SubDialog network{1, IDB_DRIVES_NETWORK, "network"};
  g_steps.push_back({alone, [] { select_tab(1); }});
  g_steps.push_back({[] { return page_shown(1); }, [network] { click_on_page(network); }});
  g_steps.push_back({[] { return sub_dialog() != nullptr; }, [] {
                       HWND dialog = sub_dialog();
                       tav::ProgressWindow progress(dialog, tav::controls::text_of(dialog, IDG_NETWORK_RUN));
                       progress.set(400);
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
