#include "folders/copy_space_query.h"

#include <windows.h>

#include <utility>

#include "folders/core/path_rules.h"
#include "folders/tree_copy.h"
#include "util/current_folder.h"

namespace tav {
namespace {

bool system_free_space(const std::string& root, std::uint64_t& free) {
  ULARGE_INTEGER available{};
  if (!GetDiskFreeSpaceExA(root.c_str(), &available, nullptr, nullptr)) return false;
  free = available.QuadPart;
  return true;
}

FreeSpaceQuery& free_space_query() {
  static FreeSpaceQuery query = system_free_space;
  return query;
}

}  // namespace

void set_free_space_query(FreeSpaceQuery query) {
  free_space_query() = query ? std::move(query) : FreeSpaceQuery(system_free_space);
}

CopySpace measure_copies(const std::vector<FolderMove>& copies) {
  CopySpace space;
  const std::string cwd = current_folder();
  for (const FolderMove& copy : copies) {
    // A tree that cannot be listed is counted as far as it could be; its copy tells the rest.
    const FolderTree tree = list_tree(tree_path(copy.old_path));
    std::uint64_t files = 0;
    for (const TreeItem& item : tree.items) files += item.folder() ? 0 : 1;
    space.add(drive_root(absolute_path(copy.new_path, cwd)), files, tree.bytes);
  }
  for (DriveSpace& drive : space.drives) {
    drive.free_known = !drive.root.empty() && free_space_query()(drive.root, drive.free);
  }
  return space;
}

}  // namespace tav
