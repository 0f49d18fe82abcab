#include "support/stop_points_from_environment.h"

#include <windows.h>

#include <atomic>
#include <cstdio>
#include <cstdlib>

#include "util/stop_points.h"

namespace tav::test {
namespace {

struct StopPoints {
  long stop_at = 0;  // 0: never stop
  char count_file[MAX_PATH] = {};
  std::atomic<long> passed{0};

  ~StopPoints() {
    if (count_file[0] == '\0') return;
    if (std::FILE* out = std::fopen(count_file, "w")) {
      std::fprintf(out, "%ld\n", passed.load());
      std::fclose(out);
    }
  }
};

StopPoints g_points;

void pass(const char* /*what*/) {
  if (++g_points.passed == g_points.stop_at) TerminateProcess(GetCurrentProcess(), 99);
}

}  // namespace

void install_stop_points_from_environment() {
  char text[32] = {};
  if (GetEnvironmentVariableA("TAVIRO_STOP_AT", text, sizeof text) > 0)
    g_points.stop_at = std::strtol(text, nullptr, 10);
  if (GetEnvironmentVariableA("TAVIRO_COUNT_STOPS", g_points.count_file, sizeof g_points.count_file) >=
      sizeof g_points.count_file) {
    g_points.count_file[0] = '\0';
  }
  if (g_points.stop_at > 0 || g_points.count_file[0] != '\0') set_stop_point_hook(pass);
}

}  // namespace tav::test
