#include "util/stop_points.h"

#include <atomic>

namespace tav {
namespace {

std::atomic<StopPointHook> g_hook{nullptr};  // files may be copied on several threads

}  // namespace

void set_stop_point_hook(StopPointHook hook) { g_hook = hook; }

void stop_point(const char* what) {
  if (const StopPointHook hook = g_hook.load()) hook(what);
}

}  // namespace tav
