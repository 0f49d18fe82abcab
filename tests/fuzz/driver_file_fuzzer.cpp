// Any bytes as a plotter driver file: reading never fails; rewriting with the values read
// changes only the lines that hold settings, and reading the rewritten file gives the same
// values again (the resolutions in their short form).
#include <fuzzer/FuzzedDataProvider.h>

#include <cmath>
#include <string>

#include "plotter/core/driver_file.h"
#include "plotter/core/queue_file.h"

namespace {

void check(bool condition) {
  if (!condition) __builtin_trap();
}

std::size_t line_count(std::string_view text) {
  std::size_t count = 0;
  for (char c : text) count += c == '\n';
  return count;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider input(data, size);
  tav::DriverSettings changes;
  changes.paper_width = input.ConsumeIntegralInRange(0, 99999);
  changes.device[tav::kPens] = input.ConsumeIntegralInRange(0, 99);
  changes.device[tav::kOrigin] = input.ConsumeIntegralInRange(0, 1);
  changes.resolution_x = input.ConsumeFloatingPointInRange(0.001f, 50.0f);
  const std::string bytes = input.ConsumeRemainingBytesAsString();

  tav::listed_plotter_name(bytes);
  tav::DriverSettings values;
  if (!tav::read_driver_settings(bytes, values)) return 0;
  // Carry the values that were read, with the changes a user can make in the dialog.
  values.paper_width = changes.paper_width;
  values.device[tav::kPens] = changes.device[tav::kPens];
  values.device[tav::kOrigin] = changes.device[tav::kOrigin];
  values.resolution_x = changes.resolution_x;

  const std::string rewritten = tav::rewrite_driver_file(bytes, values);
  check(line_count(rewritten) == line_count(bytes));  // no line is added, lost or split
  tav::DriverSettings again;
  check(tav::read_driver_settings(rewritten, again));
  check(again.bracket_lines == values.bracket_lines);
  // A second rewrite with the values read back changes nothing more.
  check(tav::rewrite_driver_file(rewritten, again) == rewritten);
  return 0;
}
