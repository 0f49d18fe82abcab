#include "util/backups.h"

#include <string>
#include <string_view>

#include "util/atomic_file.h"
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

std::vector<BackupVersion> backup_versions(const std::string& name) {
  std::vector<BackupVersion> versions;
  for (int index = 0; index <= 9; ++index) {
    BackupVersion version{index, backup_name(name, index), {}};
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!GetFileAttributesExA(version.path.c_str(), GetFileExInfoStandard, &data) ||
        (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) {
      continue;
    }
    version.written = data.ftLastWriteTime;
    versions.push_back(version);
  }
  return versions;
}

bool restore_backup(const std::string& name, const std::string& backup) {
  std::string bytes;
  if (read_file(backup.c_str(), bytes) != FileRead::read) {
    if (GetLastError() == ERROR_SUCCESS) SetLastError(ERROR_FILE_NOT_FOUND);
    return false;
  }
  // Every copy moves up one index, so that no earlier version is lost to the restore.
  const std::vector<BackupVersion> versions = backup_versions(name);
  const int keep = versions.empty() ? 1 : versions.back().index + 2;
  // Today's file is replaced only once its copy is made.
  if (file_exists(name.c_str()) && !numbered_backup(name.c_str(), text_length(name), keep)) return false;
  return write_file_atomically(name.c_str(), bytes);
}

void set_backup_count_reader(BackupCountReader reader) {
  g_reader = reader;
  g_count_read = false;
}

}  // namespace tav
