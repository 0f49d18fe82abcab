#include "util/stop_points.h"

#include <windows.h>

#include <atomic>
#include <cstdio>
#include <cstdlib>

namespace tav {
namespace {

struct StopPoints {
  long stop_at = 0;      // 0: never stop
  char count_file[MAX_PATH] = {};
  std::atomic<long> passed{0};  // files may be copied on several threads

  StopPoints() {
    char text[32] = {};
    if (GetEnvironmentVariableA("TAVIRO_STOP_AT", text, sizeof text) > 0) stop_at = std::strtol(text, nullptr, 10);
    if (GetEnvironmentVariableA("TAVIRO_COUNT_STOPS", count_file, sizeof count_file) >= sizeof count_file) {
      count_file[0] = '\0';
    }
  }
  ~StopPoints() {
    if (count_file[0] == '\0') return;
    if (std::FILE* out = std::fopen(count_file, "w")) {
      std::fprintf(out, "%ld\n", passed.load());
      std::fclose(out);
    }
  }
};

StopPoints& points() {
  static StopPoints instance;
  return instance;
}

}  // namespace

void stop_point(const char* /*what*/) {
  StopPoints& p = points();
  if (++p.passed == p.stop_at) TerminateProcess(GetCurrentProcess(), 99);
}

}  // namespace tav
