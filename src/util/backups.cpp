#include "util/backups.h"

#include <string>
#include <string_view>

#include "util/core/backup_rules.h"
#include "util/core/text.h"
#include "util/file_operations.h"
#include "util/utility_settings.h"

namespace tav {
namespace {

BackupCountReader g_reader = nullptr;
bool g_count_read = false;
int g_count = 0;

int stored_backup_count() {
  if (!g_count_read) {
    g_count = clamp_backup_count(g_reader ? g_reader() : 0);
    g_count_read = true;
  }
  return g_count;
}

int text_length(const std::string& text) { return static_cast<int>(text.size()); }

}  // namespace

bool numbered_backup(const char* name, int length, int minimum) {
  length = length > 0 ? significant_length(name, length) : 0;
  if (length < kShortestBackupName) return true;
  const int count = stored_backup_count() > minimum ? stored_backup_count() : minimum;
  bool done = true;
  for (const BackupCopy& copy : backup_copies(std::string_view(name, static_cast<std::size_t>(length)), count)) {
    done = copy_file(copy.from.data(), text_length(copy.from), copy.to.data(), text_length(copy.to));
  }
  return done;
}

void set_backup_count_reader(BackupCountReader reader) {
  g_reader = reader;
  g_count_read = false;
}

}  // namespace tav
