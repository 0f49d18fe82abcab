#pragma once
// Whether the copies of a relocation run fit on their target drives: the files and bytes
// each drive receives against its free space, with a margin, and the sizes as the user is
// shown them. Decided before the first file is copied, so that no run stops halfway on a
// full disk.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tav {

// The share of the copied bytes that a drive must have free beyond them (file system
// records, clusters, a file written meanwhile).
inline constexpr std::uint64_t kSpareSpacePercent = 5;

struct DriveSpace {
  std::string root;         // "X:\" or "\\server\share\"
  std::uint64_t bytes = 0;  // what the run copies to it
  std::uint64_t free = 0;   // what the user may still write on it
  bool free_known = false;  // false: the drive did not answer; the copy itself will tell
  std::uint64_t needed() const;
  std::uint64_t missing() const;  // 0 when the copy fits
};

struct CopySpace {
  std::uint64_t files = 0;
  std::uint64_t bytes = 0;
  std::vector<DriveSpace> drives;  // in the order they were first named
  // Adds a tree of files and bytes copied to the drive of root.
  void add(std::string_view root, std::uint64_t tree_files, std::uint64_t tree_bytes);
  bool fits() const;
};

// The root of an absolute path: "X:\" for a drive path, "\\server\share\" for a network
// path; empty for anything else.
std::string drive_root(std::string_view absolute_path);

// A size as the messages show it, rounded up so that a missing amount never reads as 0:
// "12 KB" below 10 MB, "345 MB" below 10 GB, else "12 GB".
std::string size_text(std::uint64_t bytes);

}  // namespace tav
