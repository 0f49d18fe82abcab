// Relocates the shapes folder of the installation on the current drive to another drive
// and measures the time, as a network configuration run does it: copy, check, re-point,
// remove. scripts/relocation-benchmark runs it beside cp -a of the same tree; not a test.
//
//   relocation_benchmark <shown path> <target drive, or - for the base drive> <bytes of the tree>
//   relocation_benchmark shell <old folder> <new folder> <bytes of the tree>
//
// Prints one line: seconds, throughput, and how the progress window fared during the run
// (positions set, the highest one, and the paints it received), and the time of the count
// of files and bytes that a run makes before it asks, as a share of the relocation's time
// (goal: at most 0.1), and the seconds of the copy and of the complete-copy check that
// follows it, the check also as a share of the whole. The second form times the
// shell's own tree copy of the same tree, for comparison.
#include <windows.h>
#include <commctrl.h>

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "config/utility_settings_readers.h"
#include "controls/controls.h"
#include "folders/copy_space_query.h"
#include "folders/folder_relocation.h"
#include "folders/progress_window.h"
#include "util/file_operations.h"
#include "util/case_mapping.h"
#include "util/stop_points.h"

namespace {

HWND g_progress = nullptr;
int g_positions = 0;
int g_highest = 0;
int g_paints = 0;

LRESULT CALLBACK sent(int code, WPARAM wparam, LPARAM lparam) {
  const CWPSTRUCT* message = reinterpret_cast<const CWPSTRUCT*>(lparam);
  if (code == HC_ACTION && message->message == PBM_SETPOS) {
    ++g_positions;
    if (static_cast<int>(message->wParam) > g_highest) g_highest = static_cast<int>(message->wParam);
  }
  if (code == HC_ACTION && message->message == WM_PAINT && g_progress &&
      (message->hwnd == g_progress || IsChild(g_progress, message->hwnd))) {
    ++g_paints;  // painted at once (UpdateWindow)
  }
  return CallNextHookEx(nullptr, code, wparam, lparam);
}

LRESULT CALLBACK posted(int code, WPARAM wparam, LPARAM lparam) {
  const MSG* message = reinterpret_cast<const MSG*>(lparam);
  if (code == HC_ACTION && message->message == WM_PAINT && g_progress &&
      (message->hwnd == g_progress || IsChild(g_progress, message->hwnd))) {
    ++g_paints;  // painted from the message queue
  }
  return CallNextHookEx(nullptr, code, wparam, lparam);
}

double seconds();

// The phases of a run, told apart by the progress notes and the stop points: the copy ends
// with the progress note that counts every file; the complete-copy check follows, until the
// key is written (the first write after the copy); the removal of the old folder comes last.
std::atomic<double> g_copy_end{0};
std::atomic<double> g_check_end{0};

void note_step(const char* what) {
  if (g_copy_end > 0 && g_check_end == 0 && std::string(what) == "write") g_check_end = seconds();
}

double seconds() {
  LARGE_INTEGER frequency, now;
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&now);
  return static_cast<double>(now.QuadPart) / static_cast<double>(frequency.QuadPart);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 4 || (std::string(argv[1]) == "shell" && argc < 5)) {
    std::fprintf(stderr, "usage: relocation_benchmark <shown path> <drive or -> <bytes>\n");
    return 2;
  }
  if (std::string(argv[1]) == "shell") {
    const std::string from = std::string(argv[2]) + '\0' + '\0';
    const std::string to = std::string(argv[3]) + '\0' + '\0';
    const double start = seconds();
    const bool copied = tav::shell_copy_trees(nullptr, from.data(), static_cast<int>(from.size()), to.data(),
                                              static_cast<int>(to.size()), true, true);
    const double elapsed = seconds() - start;
    std::printf("copied=%d seconds=%.3f MiB/s=%.1f\n", copied ? 1 : 0, elapsed,
                std::strtod(argv[4], nullptr) / elapsed / 1048576.0);
    return copied ? 0 : 1;
  }
  tav::controls::set_program_instance(GetModuleHandleA(nullptr));
  INITCOMMONCONTROLSEX classes{sizeof classes, ICC_PROGRESS_CLASS};
  InitCommonControlsEx(&classes);
  tav::install_system_case_mappers();
  tav::install_utility_settings_readers();

  tav::ProgressWindow progress(nullptr, "Verlegung ausf\xFChren");
  g_progress = progress.window();
  HHOOK sent_hook = SetWindowsHookExA(WH_CALLWNDPROC, sent, nullptr, GetCurrentThreadId());
  HHOOK posted_hook = SetWindowsHookExA(WH_GETMESSAGE, posted, nullptr, GetCurrentThreadId());

  // The drive list's entries: a drive, or the base-drive entry.
  const std::string entry = std::string(argv[2]) == "-" ? "<Basislaufwerk>" : argv[2];
  tav::RelocationOptions options;
  options.copy = options.remove = options.no_warning = true;
  // The count a run makes before it asks, of the same tree.
  const double count_start = seconds();
  std::vector<tav::FolderMove> copies;
  if (auto copy = tav::planned_data_folder_copy(argv[1], entry, 0)) copies.push_back(*copy);
  const tav::CopySpace space = tav::measure_copies(copies);
  const double counting = seconds() - count_start;

  tav::set_stop_point_hook(note_step);
  const double start = seconds();
  const tav::DataFolderResult result = tav::relocate_data_folder(
      nullptr, argv[1], entry, 0, options, tav::installation_folders(), [&](const tav::StepNote& note) {
        progress.set(static_cast<int>(1000 * note.done));
        if (note.files > 0 && note.files_done == note.files && g_copy_end == 0) {
          g_copy_end = seconds();
        }
      });
  const double elapsed = seconds() - start;

  const double copying = g_copy_end > 0 ? g_copy_end - start : 0;
  const double checking = g_copy_end > 0 && g_check_end > g_copy_end ? g_check_end - g_copy_end : 0;
  UnhookWindowsHookEx(sent_hook);
  UnhookWindowsHookEx(posted_hook);
  const double bytes = std::strtod(argv[3], nullptr);
  std::printf(
      "relocated=%d path=%s seconds=%.3f MiB/s=%.1f progress_positions=%d highest=%d paints=%d "
      "counted_files=%llu count_seconds=%.3f count_ratio=%.3f copy_seconds=%.3f check_seconds=%.3f "
      "check_share=%.3f\n",
      result.relocated ? 1 : 0, result.path.c_str(), elapsed, bytes / elapsed / 1048576.0, g_positions, g_highest,
      g_paints, static_cast<unsigned long long>(space.files), counting, counting / elapsed, copying, checking,
      checking / elapsed);
  return result.relocated ? 0 : 1;
}
