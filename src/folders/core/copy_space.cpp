#include "folders/core/copy_space.h"

#include <algorithm>

namespace tav {
namespace {

constexpr std::uint64_t kKilo = 1024;

std::uint64_t rounded_up(std::uint64_t bytes, std::uint64_t unit) { return bytes / unit + (bytes % unit != 0); }

bool same_root(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           const auto upper = [](char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : c; };
           return upper(x) == upper(y);
         });
}

}  // namespace

std::uint64_t DriveSpace::needed() const { return bytes + rounded_up(bytes * kSpareSpacePercent, 100); }

std::uint64_t DriveSpace::missing() const {
  if (!free_known || bytes == 0) return 0;
  return needed() > free ? needed() - free : 0;
}

void CopySpace::add(std::string_view root, std::uint64_t tree_files, std::uint64_t tree_bytes) {
  files += tree_files;
  bytes += tree_bytes;
  for (DriveSpace& drive : drives) {
    if (same_root(drive.root, root)) {
      drive.bytes += tree_bytes;
      return;
    }
  }
  drives.push_back({std::string(root), tree_bytes});
}

bool CopySpace::fits() const {
  return std::all_of(drives.begin(), drives.end(), [](const DriveSpace& drive) { return drive.missing() == 0; });
}

std::string drive_root(std::string_view path) {
  if (path.size() >= 3 && path[1] == ':' && path[2] == '\\') return std::string(path.substr(0, 3));
  if (path.substr(0, 2) != "\\\\") return {};
  const std::size_t server_end = path.find('\\', 2);
  if (server_end == std::string_view::npos || server_end == 2) return {};
  const std::size_t share_end = path.find('\\', server_end + 1);
  if (share_end == server_end + 1) return {};
  if (share_end == std::string_view::npos) return std::string(path) + "\\";
  return std::string(path.substr(0, share_end + 1));
}

std::string size_text(std::uint64_t bytes) {
  if (bytes < 10 * kKilo * kKilo) return std::to_string(rounded_up(bytes, kKilo)) + " KB";
  if (bytes < 10 * kKilo * kKilo * kKilo) return std::to_string(rounded_up(bytes, kKilo * kKilo)) + " MB";
  return std::to_string(rounded_up(bytes, kKilo * kKilo * kKilo)) + " GB";
}

}  // namespace tav
