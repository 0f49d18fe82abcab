#include "folders/drive_query.h"

#include <windows.h>

namespace tav {

std::vector<DriveRoot> logical_drive_roots() {
  char roots[1024] = {};
  const DWORD n = GetLogicalDriveStringsA(sizeof roots - 1, roots);
  std::vector<DriveRoot> drives;
  if (n == 0 || n >= sizeof roots) return drives;
  for (const char* root = roots; *root != '\0'; root += std::char_traits<char>::length(root) + 1) {
    drives.push_back({root[0], static_cast<int>(GetDriveTypeA(root))});
  }
  return drives;
}

namespace {

struct KeptDrives {
  bool kept = false;
  std::vector<DriveRoot> roots;
};

KeptDrives& kept_drives() {
  static KeptDrives drives;
  return drives;
}

}  // namespace

std::vector<DriveRoot> current_drive_roots() {
  KeptDrives& drives = kept_drives();
  if (!drives.kept) {
    drives.roots = logical_drive_roots();
    drives.kept = !drives.roots.empty();
  }
  return drives.roots;
}

void forget_drive_roots() { kept_drives().kept = false; }

int drive_type_of(char letter) {
  const char root[4] = {letter, ':', '\\', '\0'};
  return static_cast<int>(GetDriveTypeA(root));
}

char base_drive_letter() {
  char folder[MAX_PATH + 1] = {};
  const DWORD n = GetCurrentDirectoryA(sizeof folder, folder);
  return n >= 2 && n < sizeof folder && folder[1] == ':' ? folder[0] : '\0';
}

}  // namespace tav
