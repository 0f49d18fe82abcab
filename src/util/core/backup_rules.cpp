#include "util/core/backup_rules.h"

namespace tav {
namespace {

constexpr int kExtensionWindow = 6;  // the dot of the extension is looked for among the last six characters
constexpr int kHighestIndex = 9;

bool is_digit(char c) { return c >= '0' && c <= '9'; }
bool is_b(char c) { return c == 'b' || c == 'B'; }
bool is_k(char c) { return c == 'k' || c == 'K'; }

// Index of the dot that starts the extension, or npos. Only a dot after the last path
// separator counts: a dot in a folder name would put the backups into the parent folder,
// next to (and over) another file's backups.
std::size_t extension_dot(std::string_view name) {
  const std::size_t window = name.size() > kExtensionWindow ? name.size() - kExtensionWindow : 0;
  const std::size_t separator = name.find_last_of("\\/:");
  for (std::size_t i = window; i < name.size(); ++i) {
    if (name[i] == '.' && (separator == std::string_view::npos || i > separator)) return i;
  }
  return std::string_view::npos;
}

std::string backup_of_stem(std::string_view stem, int index) {
  return std::string(stem) + ".bk" + static_cast<char>('0' + index);
}

}  // namespace

std::string backup_name(std::string_view name, int index) {
  const std::size_t dot = extension_dot(name);
  return backup_of_stem(name.substr(0, dot == std::string_view::npos ? name.size() : dot), index);
}

int clamp_backup_count(int stored) {
  if (stored < 1) return 0;
  if (stored > 8) return 9;
  return stored;
}

std::vector<BackupCopy> backup_copies(std::string_view name, int count) {
  std::vector<BackupCopy> copies;
  if (static_cast<int>(name.size()) < kShortestBackupName || count < 1) return copies;

  std::size_t dot = extension_dot(name);
  int first = 0;  // index of the new copy
  if (dot == std::string_view::npos) {
    dot = name.size();  // the dot is appended
  } else if (dot + 3 < name.size() && is_b(name[dot + 1]) && is_k(name[dot + 2]) && is_digit(name[dot + 3])) {
    first = name[dot + 3] - '0' + 1;  // a backup file: its own backup comes next
    if (first > kHighestIndex) return copies;
  }
  const std::string_view stem = name.substr(0, dot);
  auto backup = [stem](int index) { return backup_of_stem(stem, index); };

  for (int i = first + count - 1; i > first; --i) {
    if (i <= kHighestIndex) copies.push_back({backup(i - 1), backup(i)});
  }
  copies.push_back({std::string(name), backup(first)});
  return copies;
}

}  // namespace tav
