#include "util/core/error_report.h"

#include <utility>

namespace tav {
namespace {
ErrorObserver& observer() {
  static ErrorObserver o;
  return o;
}
void deliver(ErrorKind kind, const char* tag, long value) {
  if (observer()) observer()(kind, tag, value);
}
}  // namespace

void report_system_error(const char* tag, long error_code) { deliver(ErrorKind::system_error, tag, error_code); }
void report_length_cut(const char* tag) { deliver(ErrorKind::length_cut, tag, 0); }
void report_bad_argument(const char* tag) { deliver(ErrorKind::bad_argument, tag, 0); }
void set_error_observer(ErrorObserver o) { observer() = std::move(o); }

}  // namespace tav
