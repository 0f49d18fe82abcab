// Captures the main dialog with every page, and the sub-dialogs that the pages open, into
// bitmap files: screenshots <folder> <language tag>. Runs on the demo installation (T:).
// scripts/screenshots runs it for every language under Xvfb and converts to PNG.
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

// One step per timer tick: the timer also fires inside the modal loop of a sub-dialog,
// so a step can capture the sub-dialog that the step before opened.
std::vector<std::function<void()>> g_steps;
std::size_t g_next = 0;

void select_tab(int tab) {
  SendMessageA(GetDlgItem(tav::window_state().main_dialog, IDC_MAIN_TABS), TCM_SETCURFOCUS, tab, 0);
}

void plan_steps() {
  for (int tab = 0; tab < 9; ++tab) {
    g_steps.push_back([tab] { select_tab(tab); });
    g_steps.push_back([tab] {
      char name[16];
      std::snprintf(name, sizeof name, "page%02d", tab + 1);
      save_bitmap(tav::window_state().main_dialog, name);
    });
  }
  for (const SubDialog& sub : kSubDialogs) {
    g_steps.push_back([sub] { select_tab(sub.tab); });
    g_steps.push_back([sub] {
      HWND page = tav::window_state().page;
      if (page && sub.select_first_row) {
        LVITEMA item{};
        item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
        item.state = LVIS_SELECTED | LVIS_FOCUSED;
        SendDlgItemMessageA(page, IDC_PLOTTER_LIST, LVM_SETITEMSTATE, 0, reinterpret_cast<LPARAM>(&item));
      }
      if (page && GetDlgItem(page, sub.button)) PostMessageA(GetDlgItem(page, sub.button), BM_CLICK, 0, 0);
    });
    g_steps.push_back([sub] {
      if (HWND dialog = enabled_dialog_other_than(tav::window_state().main_dialog)) {
        save_bitmap(dialog, sub.name);
        if (sub.nested_button) {
          PostMessageA(GetDlgItem(dialog, sub.nested_button), BM_CLICK, 0, 0);
        } else {
          EndDialog(dialog, IDOK);
        }
      }
    });
    if (sub.nested_button) {
      // The nested dialog is on top now; once it has gone, the sub-dialog is again.
      for (int pass = 0; pass < 2; ++pass) {
        g_steps.push_back([sub, pass] {
          if (HWND dialog = enabled_dialog_other_than(tav::window_state().main_dialog)) {
            if (pass == 0) save_bitmap(dialog, sub.nested_name);
            EndDialog(dialog, IDCANCEL);
          }
        });
      }
    }
  }
  // The progress window of a network configuration run, over the network dialog.
  g_steps.push_back([] { select_tab(1); });
  g_steps.push_back([] {
    if (HWND button = GetDlgItem(tav::window_state().page, IDB_DRIVES_NETWORK)) PostMessageA(button, BM_CLICK, 0, 0);
  });
  g_steps.push_back([] {
    if (HWND dialog = enabled_dialog_other_than(tav::window_state().main_dialog)) {
      tav::ProgressWindow progress(dialog, tav::controls::text_of(dialog, IDG_NETWORK_RUN));
      progress.set(400);
      if (progress.window()) save_bitmap(progress.window(), "progress");
      EndDialog(dialog, IDCANCEL);
    }
  });
  g_steps.push_back([] { SendMessageA(tav::window_state().main_dialog, WM_COMMAND, IDCANCEL, 0); });
}

void CALLBACK tick(HWND, UINT, UINT_PTR, DWORD) {
  static bool busy = false;
  if (busy || !tav::window_state().main_dialog || g_next >= g_steps.size()) return;
  busy = true;
  g_steps[g_next++]();
  busy = false;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) return 2;
  g_folder = argv[1];
  g_language = argv[2];
  tav::prepare_run(GetModuleHandleA(nullptr));
  plan_steps();
  const UINT_PTR timer = SetTimer(nullptr, 0, 400, tick);
  tav::run_main_dialog(nullptr);
  KillTimer(nullptr, timer);
  return 0;
}
