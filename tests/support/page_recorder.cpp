#include "support/page_recorder.h"

#include <windows.h>

#include <array>
#include <utility>

#include "shell/page_table.h"

namespace tav::test {
namespace {

PageRecorder* g_recorder = nullptr;

void record(const std::string& call) {
  if (g_recorder) g_recorder->calls.push_back(call);
}

template <int Code>
struct Routines {
  static BOOL open(HWND page, int version) {
    record("open " + std::to_string(Code));
    if (g_recorder) g_recorder->opened_with_version = version;
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
void install(PageEntry& entry) {
  entry.open = Routines<Code>::open;
  entry.command = Routines<Code>::command;
  entry.notify = Routines<Code>::notify;
  entry.close = Routines<Code>::close;
  entry.defaults = Routines<Code>::defaults;
}

std::array<PageEntry, 9> g_saved;

}  // namespace

PageRecorder::PageRecorder() {
  g_recorder = this;
  auto pages = page_entries();
  for (std::size_t i = 0; i < pages.size(); ++i) g_saved[i] = pages[i];
  install<1>(*find_page(1));
  install<2>(*find_page(2));
  install<3>(*find_page(3));
  install<4>(*find_page(4));
  install<5>(*find_page(5));
  install<6>(*find_page(6));
  install<7>(*find_page(7));
  install<8>(*find_page(8));
  install<9>(*find_page(9));
}

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

PageRecorder::~PageRecorder() {
  auto pages = page_entries();
  for (std::size_t i = 0; i < pages.size(); ++i) pages[i] = g_saved[i];
  g_recorder = nullptr;
}

}  // namespace tav::test
