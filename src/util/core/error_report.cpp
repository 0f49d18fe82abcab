#include "util/core/error_report.h"

#include <utility>

namespace tav {
namespace {
ErrorObserver& observer() {
  static ErrorObserver o;
  return o;
}
void deliver(int entry, const char* tag, long value) {
  if (observer()) observer()(entry, tag, value);
}
}  // namespace

void report_error1(const char* tag, long value) { deliver(1, tag, value); }
void report_error2(const char* tag) { deliver(2, tag, 0); }
void report_error3(const char* tag, long value) { deliver(3, tag, value); }
void report_error4(const char* tag) { deliver(4, tag, 0); }
void set_error_observer(ErrorObserver o) { observer() = std::move(o); }

}  // namespace tav
