#include "support/page_recorder.h"

#include <windows.h>

#include <vector>

#include "shell/page_table_override.h"

namespace tav::test {
namespace {

PageRecorder* g_recorder = nullptr;

void record(const std::string& call) {
  if (g_recorder) g_recorder->calls.push_back(call);
}

template <int Code>
struct Routines {
  static BOOL open(HWND page, const InstalledVersion& version) {
    record("open " + std::to_string(Code));
    if (g_recorder) g_recorder->opened_with_version = version();
    if (g_recorder && g_recorder->close_on_open[Code]) {
      DestroyWindow(page);
      return FALSE;
    }
    return g_recorder && g_recorder->open_result[Code];
  }
  static BOOL command(HWND, WPARAM wparam, LPARAM) {
    record("command " + std::to_string(Code) + " " + std::to_string(LOWORD(wparam)));
    return g_recorder && LOWORD(wparam) == g_recorder->handled_command_id;
  }
  static BOOL notify(HWND, int id, NMHDR*) {
    record("notify " + std::to_string(Code) + " " + std::to_string(id));
    return FALSE;
  }
  static void close(HWND) { record("close " + std::to_string(Code)); }
  static void defaults(HWND) { record("defaults " + std::to_string(Code)); }
};

template <int Code>
void install(std::vector<PageEntry>& pages) {
  PageEntry& entry = pages[static_cast<std::size_t>(Code - 1)];
  entry.open = Routines<Code>::open;
  entry.command = Routines<Code>::command;
  entry.notify = Routines<Code>::notify;
  entry.close = Routines<Code>::close;
  entry.defaults = Routines<Code>::defaults;
}

// The program's pages with recording routines, indexed by page code - 1.
std::vector<PageEntry> recording_pages() {
  std::vector<PageEntry> pages(9);
  for (const PageEntry& entry : page_entries()) pages[static_cast<std::size_t>(entry.code - 1)] = entry;
  install<1>(pages);
  install<2>(pages);
  install<3>(pages);
  install<4>(pages);
  install<5>(pages);
  install<6>(pages);
  install<7>(pages);
  install<8>(pages);
  install<9>(pages);
  return pages;
}

}  // namespace

PageRecorder::PageRecorder() : pages_(recording_pages()), table_(pages_) { g_recorder = this; }

std::vector<std::string> PageRecorder::only(const std::string& kind) const {
  std::vector<std::string> result;
  for (const std::string& call : calls) {
    if (call.compare(0, kind.size() + 1, kind + " ") == 0) result.push_back(call);
  }
  return result;
}

std::vector<std::string> PageRecorder::page_changes() const {
  std::vector<std::string> result;
  for (const std::string& call : calls) {
    if (call.rfind("open ", 0) == 0 || call.rfind("close ", 0) == 0) result.push_back(call);
  }
  return result;
}

PageRecorder::~PageRecorder() { g_recorder = nullptr; }

}  // namespace tav::test
