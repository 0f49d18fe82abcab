// Any bytes as a measurement-system file: its row and its relocation plan never fail, and
// the rewritten file keeps every line the relocation does not own.
#include <fuzzer/FuzzedDataProvider.h>

#include <string>

#include "folders/core/system_file.h"

namespace {

void check(bool condition) {
  if (!condition) __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider input(data, size);
  const tav::SystemCode code(input.ConsumeRandomLengthString(7));
  const std::string entry = input.ConsumeBool() ? "<Base drive>" : "X:";
  const bool keep_export = input.ConsumeBool();
  std::array<bool, tav::kSystemFolderCount> stays_behind{};
  for (bool& stays : stays_behind) stays = input.ConsumeBool();
  const std::string bytes = input.ConsumeRemainingBytesAsString();

  const std::vector<std::string> lines = tav::split_lines(bytes);
  tav::system_row(lines);
  const tav::SystemRelocationPlan plan =
      tav::plan_system_relocation(lines, code, tav::target_of_entry(entry), keep_export, "U:\\taviro");
  if (!plan.rewrite) return 0;
  const std::vector<std::string> rewritten = tav::relocated_system_lines(plan, stays_behind);
  check(rewritten.size() >= 4 + tav::kSystemFolderCount);
  // Lines 1 to 3 and every line after the folders stay as they were.
  for (std::size_t i = 0; i < 3 && i < lines.size(); ++i) check(rewritten[i] == lines[i]);
  for (std::size_t i = 4 + tav::kSystemFolderCount; i < lines.size(); ++i) check(rewritten[i] == lines[i]);
  tav::split_lines(tav::join_lines(rewritten));
  return 0;
}
