#pragma once
// What the copies of a relocation run need on their target drives, measured before the
// first file is copied: the files and bytes of every tree to copy, and the free space of
// every drive they go to.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "folders/core/copy_space.h"
#include "folders/folder_relocation.h"

namespace tav {

CopySpace measure_copies(const std::vector<FolderMove>& copies);

// How a drive is asked for its free space: the system by default; tests put a drive of
// their size in its place. True when the drive answered.
using FreeSpaceQuery = std::function<bool(const std::string& root, std::uint64_t& free)>;
void set_free_space_query(FreeSpaceQuery query);

}  // namespace tav
