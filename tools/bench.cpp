// The program's speed against the platform, in one run (scripts/bench runs it under Wine):
//
//   bench <tvrsetup.exe> <bench_empty.exe> <bench_bare.exe> <drive root holding a copy of
//         the demo installation, e.g. V:\> <start-up runs> <save runs> <tab runs>
//
// - Start-up to input idle of the program (with taviro.ini as the demo has it, about 2 KB,
//   and grown to 1 MB and 10 MB by sections of other programs), of an empty dialog program
//   and of the program's own templates shown with no logic (bench_empty, bench_bare). The launcher
//   starts each, waits until its main window is on the screen and its thread waits for
//   input, and ends it with Cancel.
// - /import of an exported file beside the dialog's start-up to input idle.
// - The save step of OK (the page destroyed, every key written, the file replaced) against
//   one atomic write with flush of the same bytes and against the system's
//   WritePrivateProfileStringA key by key, at 2 KB and at 10 MB.
// - Switching to each tab until the page is painted, against a page of the same template
//   with no logic in a bare main dialog beside it, whose tabs select the same tab (the tab
//   strip paints its new selection in both).
// The contenders take turns; every figure is the median of its runs with the range, every
// ratio the median of the ratios of runs taken side by side. Ends with a line per goal,
// PASS or MISS. Not a test.
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "bare_dialog.h"
#include "child_process.h"
#include "config/core/key_catalogue.h"
#include "config/settings.h"
#include "controls/page_contract.h"
#include "shell/main_dialog.h"
#include "shell/startup.h"

namespace {

std::string g_root;    // "V:\"
std::string g_folder;  // "V:\taviro\"

double now_ms() {
  LARGE_INTEGER count, frequency;
  QueryPerformanceCounter(&count);
  QueryPerformanceFrequency(&frequency);
  return 1000.0 * static_cast<double>(count.QuadPart) / static_cast<double>(frequency.QuadPart);
}

std::string read_all(const std::string& path) {
  std::string bytes;
  HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return bytes;
  LARGE_INTEGER size{};
  GetFileSizeEx(file, &size);
  bytes.resize(static_cast<std::size_t>(size.QuadPart));
  DWORD got = 0;
  if (!bytes.empty()) ReadFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &got, nullptr);
  bytes.resize(got);
  CloseHandle(file);
  return bytes;
}

void write_all(const std::string& path, const std::string& bytes) {
  HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  DWORD written = 0;
  WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  CloseHandle(file);
}

// The demo's file followed by sections of other programs up to `size` bytes: keys, comments,
// blank lines and lines without '=' as real files gather them.
std::string grown(const std::string& demo, std::size_t size) {
  std::string text = demo;
  if (!text.empty() && text.back() != '\n') text += "\r\n";
  char line[160];
  for (int section = 1; text.size() < size; ++section) {
    std::snprintf(line, sizeof line, "\r\n[FREMD%05d]\r\n; written by another program\r\n", section);
    text += line;
    for (int key = 1; key <= 24 && text.size() < size; ++key) {
      std::snprintf(line, sizeof line, "Eintrag%02d = \"Wert %d des Abschnitts %d\" ; Anmerkung\r\n", key,
                    key * section % 977, section);
      text += line;
    }
    text += "eine Zeile ohne Gleichheitszeichen\r\n";
  }
  return text;
}

struct Figures {
  std::vector<double> values;
  double median() const {
    std::vector<double> sorted = values;
    std::sort(sorted.begin(), sorted.end());
    if (sorted.empty()) return 0;
    const std::size_t n = sorted.size();
    return n % 2 ? sorted[n / 2] : (sorted[n / 2 - 1] + sorted[n / 2]) / 2;
  }
  double low() const { return values.empty() ? 0 : *std::min_element(values.begin(), values.end()); }
  double high() const { return values.empty() ? 0 : *std::max_element(values.begin(), values.end()); }
};

void print(const char* name, const Figures& figures) {
  std::printf("  %-38s median %8.2f ms   range %8.2f - %8.2f   (%zu runs)\n", name, figures.median(), figures.low(),
              figures.high(), figures.values.size());
}

struct Goal {
  std::string name;
  double ratio;
  double limit;
};
std::vector<Goal> g_goals;

// The ratio of two contenders: the median of the ratios of their runs taken side by side
// (run i of each was taken in the same turn), so that a spell of load from other programs
// weighs on both sides of a ratio; the ratio of the medians is shown beside it.
void ratio(const std::string& name, const Figures& a, const Figures& b, double limit = 0) {
  Figures paired;
  for (std::size_t i = 0; i < a.values.size() && i < b.values.size(); ++i) {
    if (b.values[i] > 0) paired.values.push_back(a.values[i] / b.values[i]);
  }
  const double r = paired.median();
  const double of_medians = b.median() > 0 ? a.median() / b.median() : 0;
  std::printf("  ratio %-46s %6.2f  (range %5.2f - %5.2f, of the medians %5.2f)", name.c_str(), r, paired.low(),
              paired.high(), of_medians);
  if (limit > 0) {
    std::printf("  goal <= %.2f", limit);
    g_goals.push_back({name, r, limit});
  }
  std::printf("\n");
}

// ---- start-up ---------------------------------------------------------------------------

struct WindowSearch {
  DWORD process;
  HWND found;
};

BOOL CALLBACK find_visible(HWND window, LPARAM data) {
  auto* search = reinterpret_cast<WindowSearch*>(data);
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  if (process == search->process && IsWindowVisible(window)) {
    search->found = window;
    return FALSE;
  }
  return TRUE;
}

// Milliseconds from the start of the program until its main window is visible and its
// thread waits for input; the program is then ended with Cancel.
double start_up(const std::string& command) {
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  std::string line = command;
  const double start = now_ms();
  if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, g_folder.c_str(), &startup,
                      &process)) {
    std::printf("cannot start %s\n", command.c_str());
    std::exit(2);
  }
  WindowSearch search{process.dwProcessId, nullptr};
  for (;;) {
    WaitForInputIdle(process.hProcess, 20000);
    EnumWindows(find_visible, reinterpret_cast<LPARAM>(&search));
    if (search.found) break;
    if (WaitForSingleObject(process.hProcess, 0) == WAIT_OBJECT_0 || now_ms() - start > 20000) {
      std::printf("no window from %s\n", command.c_str());
      std::exit(2);
    }
    Sleep(0);
  }
  const double elapsed = now_ms() - start;
  PostMessageA(search.found, WM_COMMAND, IDCANCEL, 0);
  if (WaitForSingleObject(process.hProcess, 20000) != WAIT_OBJECT_0) TerminateProcess(process.hProcess, 1);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return elapsed;
}

void measure_start_up(const std::string& program, const std::string& empty, const std::string& bare,
                      const std::string sizes[3], int runs) {
  struct Contender {
    const char* name;
    std::string command;
    const std::string* ini;
    Figures figures;
  };
  std::vector<Contender> contenders = {
      {"empty dialog program", "\"" + empty + "\"", nullptr, {}},
      {"bare program, same templates", "\"" + bare + "\" \"" + program + "\"", nullptr, {}},
      {"tvrsetup, taviro.ini 2 KB (demo)", "\"" + program + "\"", &sizes[0], {}},
      {"tvrsetup, taviro.ini 1 MB", "\"" + program + "\"", &sizes[1], {}},
      {"tvrsetup, taviro.ini 10 MB", "\"" + program + "\"", &sizes[2], {}},
  };
  const std::string ini = g_folder + "taviro.ini";
  start_up(contenders[0].command);  // the first start loads the system's files
  for (int run = 0; run < runs; ++run) {
    for (std::size_t i = 0; i < contenders.size(); ++i) {
      Contender& c = contenders[(i + static_cast<std::size_t>(run)) % contenders.size()];
      if (c.ini) write_all(ini, *c.ini);
      c.figures.values.push_back(start_up(c.command));
    }
  }
  write_all(ini, sizes[0]);
  std::printf("== start-up to input idle (%d runs each, in turns)\n", runs);
  for (const Contender& c : contenders) print(c.name, c.figures);
  ratio("tvrsetup 2 KB / empty dialog program", contenders[2].figures, contenders[0].figures);
  ratio("tvrsetup 2 KB / bare program", contenders[2].figures, contenders[1].figures, 1.05);
  ratio("tvrsetup 1 MB / tvrsetup 2 KB", contenders[3].figures, contenders[2].figures);
  ratio("tvrsetup 10 MB / tvrsetup 2 KB", contenders[4].figures, contenders[2].figures, 1.3);
}

// ---- the command line ------------------------------------------------------------------------

// Milliseconds from the start of a command of the program until it has ended; its exit code
// in exit_code.
double run_to_exit(const std::string& command, DWORD& exit_code) {
  // The command's messages go nowhere, as in a batch file that discards them.
  const double start = now_ms();
  exit_code = child::run_to_end(command, "NUL", g_folder.c_str());
  const double elapsed = now_ms() - start;
  if (exit_code == child::kNotStarted) {
    std::printf("cannot start %s\n", command.c_str());
    std::exit(2);
  }
  return elapsed;
}

// /import of an exported file (one that changes a key, so that the import writes) beside the
// dialog's start-up to input idle, in turns; the installation's file is put back each time.
void measure_import(const std::string& program, int runs) {
  const std::string ini = g_folder + "taviro.ini";
  const std::string demo = read_all(ini);
  const std::string exported = g_root + "bench-export.ini";
  DWORD code = 0;
  run_to_exit("\"" + program + "\" /export " + exported, code);
  std::string changed = read_all(exported);
  const std::size_t at = changed.find("SAVEMINUTES=");
  if (code != 0 || at == std::string::npos) {
    std::printf("cannot export the settings (exit code %lu)\n", code);
    std::exit(2);
  }
  const std::size_t end = changed.find_first_of("\r\n", at);
  const bool is_seven = changed.compare(at, end - at, "SAVEMINUTES=7") == 0;
  changed.replace(at, end - at, is_seven ? "SAVEMINUTES=8" : "SAVEMINUTES=7");
  write_all(exported, changed);
  Figures import_figures, start_up_figures;
  for (int run = 0; run < runs; ++run) {
    write_all(ini, demo);
    import_figures.values.push_back(run_to_exit("\"" + program + "\" /import " + exported, code));
    if (code != 0) std::printf("  /import ended with exit code %lu\n", code);
    write_all(ini, demo);
    start_up_figures.values.push_back(start_up("\"" + program + "\""));
  }
  DeleteFileA(exported.c_str());
  std::printf("== /import of an exported file beside the dialog's start-up (%d runs each, in turns)\n", runs);
  print("tvrsetup /import", import_figures);
  print("tvrsetup start-up to input idle", start_up_figures);
  ratio("/import / start-up to input idle", import_figures, start_up_figures, 0.5);
}

// ---- the main dialog in this process ------------------------------------------------------

// Work done from a timer inside the main dialog's message loop; the dialog closes after it.
std::function<void()> g_work;

void CALLBACK tick(HWND, UINT, UINT_PTR timer, DWORD) {
  if (!tav::window_state().main_dialog || !tav::window_state().page) return;
  KillTimer(nullptr, timer);
  g_work();
  SendMessageA(tav::window_state().main_dialog, WM_COMMAND, IDCANCEL, 0);
}

void run_dialog_with(std::function<void()> work) {
  g_work = std::move(work);
  SetTimer(nullptr, 0, 10, tick);
  tav::run_main_dialog(nullptr);
}

void select_tab(int tab) {
  SendMessageA(GetDlgItem(tav::window_state().main_dialog, IDC_MAIN_TABS), TCM_SETCURFOCUS, tab, 0);
}

// Handles what the switch left in the queue (a page may post its own work) and paints.
void settle(HWND dialog) {
  MSG message;
  while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  RedrawWindow(dialog, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
}

// ---- saves --------------------------------------------------------------------------------

class PlatformKeyWriter : public tav::KeyWriter {
 public:
  explicit PlatformKeyWriter(std::string file) : file_(std::move(file)) {}
  void text(std::string_view section, std::string_view key, std::string_view value) override {
    WritePrivateProfileStringA(std::string(section).c_str(), std::string(key).c_str(), std::string(value).c_str(),
                               file_.c_str());
  }
  void integer(std::string_view section, std::string_view key, int value) override {
    text(section, key, std::to_string(value));
  }
  void flag(std::string_view section, std::string_view key, bool flag) override {
    text(section, key, flag ? "1" : "0");
  }

 private:
  std::string file_;
};

bool atomic_write(const std::string& path, const std::string& bytes) {
  const std::string temporary = path + ".tmp";
  HANDLE file =
      CreateFileA(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  DWORD written = 0;
  bool ok = WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
            written == bytes.size() && FlushFileBuffers(file);
  CloseHandle(file);
  return ok && MoveFileExA(temporary.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
}

void measure_saves(const std::string& ini_bytes, const char* size_name, int runs) {
  const std::string ini = g_folder + "taviro.ini";
  const std::string atomic_target = g_folder + "atomic.ini";
  const std::string platform_target = g_folder + "platform.ini";
  write_all(ini, ini_bytes);
  Figures ok, destroyed, written, atomic, platform, bare_destroyed;
  bool changed_every_time = true;
  run_dialog_with([&] {
    for (int run = 0; run < runs; ++run) {
      // A value the Screen page does not hold differs in every run, so every save writes.
      tav::settings().options.saveminutes = 10 + run % 2;
      for (int turn = 0; turn < 4; ++turn) {
        switch ((turn + run) % 4) {
          case 0: {
            const std::string before = read_all(ini);
            tav::WindowState& state = tav::window_state();
            settle(state.main_dialog);  // OK is pressed on a dialog that has painted
            const double start = now_ms();
            DestroyWindow(state.page);  // the page stores its controls, as on OK
            state.page = nullptr;
            const double page_gone = now_ms();
            destroyed.values.push_back(page_gone - start);
            tav::write_all_settings();
            ok.values.push_back(now_ms() - start);
            written.values.push_back(now_ms() - page_gone);
            if (read_all(ini) == before) changed_every_time = false;
            select_tab(1);
            select_tab(0);
            break;
          }
          case 1: {
            const std::string bytes = read_all(ini);
            write_all(atomic_target, bytes);
            const double start = now_ms();
            atomic_write(atomic_target, bytes);
            atomic.values.push_back(now_ms() - start);
            break;
          }
          case 2: {
            // The platform's share of the step: the same template with no logic, destroyed.
            const HINSTANCE own = GetModuleHandleA(nullptr);
            HWND bare_dialog = CreateDialogParamA(own, MAKEINTRESOURCEA(IDD_MAIN), nullptr, bare::page_procedure, 0);
            ShowWindow(bare_dialog, SW_SHOW);
            HWND bare_page = bare::create_page(own, bare::kPageTemplates[0], bare_dialog);
            settle(bare_dialog);
            const double start = now_ms();
            DestroyWindow(bare_page);
            bare_destroyed.values.push_back(now_ms() - start);
            DestroyWindow(bare_dialog);
            break;
          }
          default: {
            CopyFileA(ini.c_str(), platform_target.c_str(), FALSE);
            PlatformKeyWriter writer(platform_target);
            const double start = now_ms();
            tav::write_settings(tav::settings(), writer);
            platform.values.push_back(now_ms() - start);
            break;
          }
        }
      }
    }
  });
  DeleteFileA(atomic_target.c_str());
  DeleteFileA(platform_target.c_str());
  std::printf("== save, taviro.ini %s (%d runs each, in turns)\n", size_name, runs);
  if (!changed_every_time) std::printf("  WARNING: a save of OK left the file unchanged\n");
  print("save step of OK", ok);
  print("  of which the page's destruction", destroyed);
  print("  and after it, keys written and file replaced", written);
  print("the bare template's destruction", bare_destroyed);
  print("one atomic write with flush", atomic);
  print("WritePrivateProfileStringA key by key", platform);
  ratio(std::string("OK save / atomic write, ") + size_name, ok, atomic, 2.5);
  ratio(std::string("key by key / atomic write, ") + size_name, platform, atomic);
  // Destroying the page's windows is the platform's work and costs as much for the bare
  // template; what the program adds to the platform shows in these two.
  ratio(std::string("page's destruction / bare template's, ") + size_name, destroyed, bare_destroyed);
  ratio(std::string("after the destruction / atomic write, ") + size_name, written, atomic);
}

// ---- tabs ---------------------------------------------------------------------------------

const char* const kTabNames[] = {"Screen",  "Drives",   "Plotter", "Digitizer", "Layplanning",
                                 "Toolbox", "Language", "Options", "Expert"};

void measure_tabs(const std::string& ini_bytes, int runs) {
  write_all(g_folder + "taviro.ini", ini_bytes);
  constexpr int kTabs = 9;
  Figures program[kTabs], bare_page[kTabs];
  bare::PageRows rows[kTabs];
  run_dialog_with([&] {
    const HINSTANCE own = GetModuleHandleA(nullptr);
    HWND bare_dialog = CreateDialogParamA(own, MAKEINTRESOURCEA(IDD_MAIN), nullptr, bare::page_procedure, 0);
    bare::insert_tab_titles(bare_dialog);
    ShowWindow(bare_dialog, SW_SHOW);
    HWND bare = bare::create_page(own, bare::kPageTemplates[0], bare_dialog);
    const HWND main = tav::window_state().main_dialog;
    settle(main);
    // The bare pages show the rows of the program's pages: read from each page once.
    for (int step = 1; step <= kTabs; ++step) {
      const int tab = step % kTabs;
      select_tab(tab);
      settle(main);
      rows[tab] = bare::read_rows(tav::window_state().page);
    }
    for (int run = 0; run < runs; ++run) {
      // Every page is reached from the one before it, in both dialogs.
      for (int step = 1; step <= kTabs; ++step) {
        const int tab = step % kTabs;
        for (int turn = 0; turn < 2; ++turn) {
          if ((turn + run) % 2 == 0) {
            const double start = now_ms();
            select_tab(tab);
            settle(main);
            program[tab].values.push_back(now_ms() - start);
          } else {
            const double start = now_ms();
            SendDlgItemMessageA(bare_dialog, IDC_MAIN_TABS, TCM_SETCURSEL, static_cast<WPARAM>(tab), 0);
            DestroyWindow(bare);
            bare = bare::create_page(own, bare::kPageTemplates[tab], bare_dialog, &rows[tab]);
            settle(bare_dialog);
            bare_page[tab].values.push_back(now_ms() - start);
          }
        }
      }
    }
    DestroyWindow(bare_dialog);
  });
  std::printf("== tab switch until the page is painted (%d runs each, in turns)\n", runs);
  std::printf("  the bare pages show the program's rows:");
  for (int tab = 0; tab < kTabs; ++tab) {
    std::size_t count = 0;
    for (const bare::ListRows& lists : rows[tab]) count += lists.rows.size();
    std::printf(" %s %zu", kTabNames[tab], count);
  }
  std::printf("\n");
  for (int tab = 0; tab < kTabs; ++tab) {
    print((std::string(kTabNames[tab]) + " page").c_str(), program[tab]);
    print((std::string(kTabNames[tab]) + " bare template").c_str(), bare_page[tab]);
    ratio(std::string(kTabNames[tab]) + " page / bare template", program[tab], bare_page[tab], 1.1);
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 8) {
    std::printf(
        "usage: bench <tvrsetup.exe> <bench_empty.exe> <bench_bare.exe> <drive root> <start-up runs> "
        "<save runs> <tab runs>\n");
    return 1;
  }
  g_root = argv[4];
  if (g_root.back() != '\\') g_root += '\\';
  g_folder = g_root + "taviro\\";
  const std::string demo = read_all(g_folder + "taviro.ini");
  if (demo.empty()) {
    std::printf("no taviro.ini in %s\n", g_folder.c_str());
    return 1;
  }
  const std::string sizes[3] = {demo, grown(demo, 1 << 20), grown(demo, 10 << 20)};
  std::printf("taviro.ini: %zu, %zu and %zu bytes\n", sizes[0].size(), sizes[1].size(), sizes[2].size());

  // A phase with 0 runs is left out.
  if (std::atoi(argv[5]) > 0) {
    measure_start_up(argv[1], argv[2], argv[3], sizes, std::atoi(argv[5]));
    measure_import(argv[1], std::atoi(argv[5]));
  }

  SetCurrentDirectoryA(g_folder.c_str());
  tav::prepare_run(GetModuleHandleA(nullptr));
  const int save_runs = std::atoi(argv[6]);
  if (save_runs > 0) {
    measure_saves(sizes[0], "2 KB", save_runs);
    measure_saves(sizes[2], "10 MB", std::max(3, save_runs / 3));
  }
  if (std::atoi(argv[7]) > 0) measure_tabs(sizes[0], std::atoi(argv[7]));
  write_all(g_folder + "taviro.ini", demo);

  std::printf("== goals\n");
  int missed = 0;
  for (const Goal& goal : g_goals) {
    const bool met = goal.ratio <= goal.limit;
    if (!met) ++missed;
    std::printf("  %-4s %-50s %6.2f <= %.2f\n", met ? "PASS" : "MISS", goal.name.c_str(), goal.ratio, goal.limit);
  }
  return missed == 0 ? 0 : 3;
}
