#include "util/backups.h"

#include <string>
#include <string_view>

#include "config/profile.h"
#include "util/core/backup_rules.h"
#include "util/core/text.h"
#include "util/file_operations.h"

namespace tav {
namespace {

constexpr int kShortestName = 7;

bool g_count_read = false;
int g_count = 0;

int stored_backup_count() {
  if (!g_count_read) {
    int value = 0;
    profile::main_int("OPTIONS", "BAKMAX", value);
    g_count = clamp_backup_count(value);
    g_count_read = true;
  }
  return g_count;
}

int text_length(const std::string& text) { return static_cast<int>(text.size()); }

}  // namespace

std::int16_t numbered_backup(const char* name, int length, int minimum) {
  length = length > 0 ? significant_length(name, length) : 0;
  if (length < kShortestName) return kFileDone;
  const int count = stored_backup_count() > minimum ? stored_backup_count() : minimum;
  std::int16_t status = kFileDone;
  for (const BackupCopy& copy : backup_copies(std::string_view(name, static_cast<std::size_t>(length)), count)) {
    status = FTNFCO(copy.from.data(), text_length(copy.from), copy.to.data(), text_length(copy.to));
  }
  return status;
}

void forget_backup_count_for_tests() { g_count_read = false; }

}  // namespace tav
