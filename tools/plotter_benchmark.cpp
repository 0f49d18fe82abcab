// Speed of opening the Plotter page on a large plotter folder, measured against a bare
// enumeration and reading of the same files: plotter_benchmark <empty drive root, e.g. V:\>
//
// Lays out an installation with 400 queue files and 400 driver files of the usual size
// (the queues name drivers that are not there, so the page reads every file of both kinds),
// then runs the main dialog and, in turns, times the bare enumeration plus reading and the
// switch to the Plotter tab (the page's scan, list filling and column fitting). Prints the
// median of each and their ratio. Not a test: scripts/plotter-benchmark runs it.
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "controls/page_contract.h"
#include "plotter/plotter_inventory.h"
#include "plotter/plotter_page.h"
#include "resources/ids.h"
#include "shell/main_dialog.h"
#include "shell/startup.h"

namespace {

constexpr int kFiles = 400;
constexpr int kRounds = 15;

std::string g_root;
std::vector<double> g_bare;
std::vector<double> g_page;
std::vector<double> g_scan;
int g_step = 0;

double now_ms() {
  LARGE_INTEGER count, frequency;
  QueryPerformanceCounter(&count);
  QueryPerformanceFrequency(&frequency);
  return 1000.0 * static_cast<double>(count.QuadPart) / static_cast<double>(frequency.QuadPart);
}

void write_file(const std::string& path, const std::string& bytes) {
  HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  DWORD written = 0;
  WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  CloseHandle(file);
}

// A driver file like the installation's: four tagged lines, a comment and 58 labelled
// bracket lines, about 2.4 KB.
std::string driver_text(int number) {
  std::string text =
      "#01>TAVIRO Plottertreiber<\r\n#03> 12 01 0 00 01 0<\r\n"
      "#04>00000000400000000000000100000000000000010000000000<\r\n"
      "#05>   schwarz   rot       blau      gruen     gelb   <\r\n"
      "; Treibereinstellungen - Zeilen mit Klammern nicht umstellen\r\n";
  for (int line = 1; line <= 58; ++line) {
    char buffer[96];
    if (line == 51) {
      std::snprintf(buffer, sizeof buffer, "Plottername                     [Plotter %03d]\r\n", number);
    } else {
      std::snprintf(buffer, sizeof buffer, "Einstellung Nummer %-13d[%d]\r\n", line, line * 7 % 100);
    }
    text += buffer;
  }
  return text;
}

void lay_out() {
  const std::string taviro = g_root + "taviro";
  const std::string plotter = taviro + "\\plotter\\";
  CreateDirectoryA(taviro.c_str(), nullptr);
  CreateDirectoryA(plotter.c_str(), nullptr);
  write_file(taviro + "\\taviro.ini", "[PATH]\r\nPATHPLOT=\\taviro\\plotter\\\r\n");
  char name[32];
  for (int i = 0; i < kFiles; ++i) {
    std::snprintf(name, sizeof name, "D%07d.plt", i);
    write_file(plotter + name, driver_text(i));
    std::snprintf(name, sizeof name, "Q%07d.que", i);
    char queue[256];
    std::snprintf(
        queue, sizeof queue,
        "[DEVICE]\r\nNAME=Plotter %d in Halle %d\r\nPORT=FILE:\r\nDRIVER=X%07d.PLT\r\nRASTER=0\r\nCUTTER=0\r\n"
        "\r\n[QUEUE]\r\nDESCRIPTION=Zuschnitt\r\nCOPIES=1\r\n",
        i, i % 7, i);
    write_file(plotter + name, queue);
  }
}

void remove_layout() {
  const std::string plotter = g_root + "taviro\\plotter\\";
  WIN32_FIND_DATAA entry;
  HANDLE search = FindFirstFileA((plotter + "*").c_str(), &entry);
  if (search != INVALID_HANDLE_VALUE) {
    do {
      DeleteFileA((plotter + entry.cFileName).c_str());
    } while (FindNextFileA(search, &entry));
    FindClose(search);
  }
  RemoveDirectoryA(plotter.c_str());
  DeleteFileA((g_root + "taviro\\taviro.ini").c_str());
  RemoveDirectoryA((g_root + "taviro").c_str());
}

// Lists the files of the pattern and reads each one whole; answers the bytes read.
std::size_t enumerate_and_read(const std::string& folder, const char* pattern) {
  std::size_t total = 0;
  std::vector<char> buffer(1 << 16);
  WIN32_FIND_DATAA entry;
  HANDLE search = FindFirstFileA((folder + pattern).c_str(), &entry);
  if (search == INVALID_HANDLE_VALUE) return 0;
  do {
    HANDLE file = CreateFileA((folder + entry.cFileName).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    DWORD got = 0;
    while (ReadFile(file, buffer.data(), static_cast<DWORD>(buffer.size()), &got, nullptr) && got > 0) total += got;
    CloseHandle(file);
  } while (FindNextFileA(search, &entry));
  FindClose(search);
  return total;
}

void select_tab(int tab) {
  SendMessageA(GetDlgItem(tav::window_state().main_dialog, IDC_MAIN_TABS), TCM_SETCURFOCUS, tab, 0);
}

// One step per timer tick, inside the main dialog's message loop.
void CALLBACK tick(HWND, UINT, UINT_PTR, DWORD) {
  static bool busy = false;
  if (busy || !tav::window_state().main_dialog) return;
  busy = true;
  if (g_step < kRounds) {
    const std::string folder = g_root + "taviro\\plotter\\";
    double start = now_ms();
    const std::size_t bytes = enumerate_and_read(folder, "*.que") + enumerate_and_read(folder, "*.plt");
    g_bare.push_back(now_ms() - start);
    if (bytes == 0) std::printf("nothing was read\n");
    start = now_ms();
    tav::PlotterTable table;
    tav::scan_plotters(folder, table);
    g_scan.push_back(now_ms() - start);
    select_tab(0);
    start = now_ms();
    select_tab(2);  // the Plotter page opens: scan, list, column fitting
    g_page.push_back(now_ms() - start);
    const HWND list = GetDlgItem(tav::window_state().page, IDC_PLOTTER_LIST);
    if (g_step == 0) std::printf("rows listed: %d\n", static_cast<int>(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0)));
    ++g_step;
  } else {
    SendMessageA(tav::window_state().main_dialog, WM_COMMAND, IDCANCEL, 0);
  }
  busy = false;
}

double median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
  g_root = argc > 1 ? argv[1] : "V:\\";
  if (g_root.back() != '\\') g_root += '\\';
  lay_out();
  SetCurrentDirectoryA(g_root.c_str());
  tav::prepare_run(GetModuleHandleA(nullptr));
  tav::show_inactive_plotters() = true;  // every file gives a row
  const UINT_PTR timer = SetTimer(nullptr, 0, 20, tick);
  tav::run_main_dialog(nullptr);
  KillTimer(nullptr, timer);
  remove_layout();
  if (g_page.empty()) return 1;
  const double bare = median(g_bare);
  const double page = median(g_page);
  std::printf("files: %d queue files, %d driver files; %d rounds\n", kFiles, kFiles, kRounds);
  std::printf("bare enumeration and reading: median %.1f ms\n", bare);
  std::printf("inventory scan alone:         median %.1f ms\n", median(g_scan));
  std::printf("Plotter page opening:         median %.1f ms\n", page);
  std::printf("ratio: %.2f (at most 2 wanted)\n", page / bare);
  return page <= 2 * bare ? 0 : 3;
}
