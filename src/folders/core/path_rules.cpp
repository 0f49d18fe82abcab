#include "folders/core/path_rules.h"

#include <algorithm>
#include <vector>

#include "util/core/text.h"

namespace tav {
namespace {

constexpr std::size_t kLongestName = 260;
constexpr std::uint64_t kTimeTolerance = 2ull * 10'000'000;  // two seconds in 100-ns steps

bool has_drive(std::string_view path) { return path.size() >= 3 && path[1] == ':' && path[2] == '\\'; }
bool is_network_path(std::string_view path) { return path.size() >= 2 && path[0] == '\\' && path[1] == '\\'; }

// The absolute form, separators as backslashes, without a final "\" (except after a
// drive), upper case: two folders are the same when these agree.
std::string comparable(std::string_view path, std::string_view current_directory) {
  std::string text(path);
  std::replace(text.begin(), text.end(), '/', '\\');
  text = absolute_path(text, current_directory);
  while (text.size() > 1 && text.back() == '\\' && !(text.size() == 3 && text[1] == ':')) text.pop_back();
  to_upper_case(text.data(), static_cast<int>(text.size()));
  return text;
}

bool same_time(std::uint64_t a, std::uint64_t b) {
  if (a == 0 || b == 0) return true;
  return (a > b ? a - b : b - a) <= kTimeTolerance;
}

// True when inner lies inside outer (both comparable forms).
bool lies_inside(const std::string& inner, const std::string& outer) {
  if (outer.empty() || inner.size() <= outer.size() || inner.compare(0, outer.size(), outer) != 0) return false;
  return outer.back() == '\\' || inner[outer.size()] == '\\';
}

}  // namespace

std::string absolute_path(std::string_view path, std::string_view current_directory) {
  if (has_drive(path) || is_network_path(path)) return std::string(path);
  if (!path.empty() && path[0] == '\\') return std::string(current_directory.substr(0, 2)) + std::string(path);
  // The relative path resolution drops the base's last component; the current directory is
  // a folder, so it takes part with a final "\".
  std::string base(current_directory);
  if (base.empty() || base.back() != '\\') base += '\\';
  std::string relative(path);
  relative += '\0';
  std::vector<char> result(base.size() + relative.size() + 1);
  const int n =
      resolve_relative_path(base.c_str(), static_cast<int>(base.size() + 1), relative.data(),
                            static_cast<int>(relative.size()), result.data(), static_cast<int>(result.size()));
  return std::string(result.data(), static_cast<std::size_t>(n));
}

void add_absolute_path(std::string& list, std::string_view path, std::string_view current_directory) {
  // The entries end where two terminators follow each other; the new path goes there.
  const std::size_t end = list.find(std::string_view("\0\0", 2));
  if (end == std::string::npos) {
    list.clear();
  } else {
    list.resize(end == 0 ? 0 : end + 1);
  }
  list += absolute_path(path, current_directory);
  list.append(2, '\0');
}

std::vector<std::string> folder_chain(std::string_view path) {
  std::vector<std::string> folders;
  for (std::size_t i = 1; i < path.size(); ++i) {
    if (path[i] != '\\' || path[i - 1] == ':' || path[i - 1] == '\\') continue;
    if (i <= kLongestName) folders.emplace_back(path.substr(0, i));
  }
  if (!path.empty() && path.back() != '\\' && path.size() <= kLongestName) folders.emplace_back(path);
  return folders;
}

FolderRelation folder_relation(std::string_view a, std::string_view b, std::string_view current_directory) {
  const std::string first = comparable(a, current_directory);
  const std::string second = comparable(b, current_directory);
  if (first == second) return FolderRelation::same;
  if (lies_inside(first, second) || lies_inside(second, first)) return FolderRelation::nested;
  return FolderRelation::apart;
}

bool folder_holds(std::string_view outer, std::string_view inner, std::string_view current_directory) {
  const std::string holder = comparable(outer, current_directory);
  const std::string held = comparable(inner, current_directory);
  return holder == held || lies_inside(held, holder);
}

bool is_root_folder(std::string_view path, std::string_view current_directory) {
  const std::string text = comparable(path, current_directory);
  if (text.size() <= 3 && text.size() >= 2 && text[1] == ':') return true;
  if (!is_network_path(text)) return false;
  // \\server\share: no backslash after the share name.
  const std::size_t server_end = text.find('\\', 2);
  return server_end == std::string::npos || text.find('\\', server_end + 1) == std::string::npos;
}

FolderAction folder_action(std::string_view old_path, std::string_view new_path, std::string_view current_directory) {
  if (old_path.empty()) return FolderAction::stay;
  if (is_root_folder(old_path, current_directory)) return FolderAction::blocked;
  switch (folder_relation(old_path, new_path, current_directory)) {
    case FolderRelation::same:
      return FolderAction::stay;
    case FolderRelation::nested:
      return FolderAction::blocked;
    case FolderRelation::apart:
      break;
  }
  return FolderAction::move;
}

std::optional<TreeEntry> missing_from_copy(std::vector<TreeEntry> old_tree, std::vector<TreeEntry> new_tree) {
  const auto by_path = [](const TreeEntry& a, const TreeEntry& b) { return a.path < b.path; };
  std::sort(old_tree.begin(), old_tree.end(), by_path);
  std::sort(new_tree.begin(), new_tree.end(), by_path);
  auto copy = new_tree.begin();
  for (const TreeEntry& entry : old_tree) {
    copy = std::lower_bound(copy, new_tree.end(), entry, by_path);
    if (copy == new_tree.end() || copy->path != entry.path || copy->folder != entry.folder ||
        (!entry.folder && (copy->size != entry.size || !same_time(copy->written, entry.written)))) {
      return entry;
    }
  }
  return std::nullopt;
}

std::optional<TreeEntry> case_twin(std::vector<TreeEntry> tree) {
  const auto by_path = [](const TreeEntry& a, const TreeEntry& b) { return a.path < b.path; };
  std::sort(tree.begin(), tree.end(), by_path);
  const auto twin = std::adjacent_find(tree.begin(), tree.end(),
                                       [](const TreeEntry& a, const TreeEntry& b) { return a.path == b.path; });
  if (twin == tree.end()) return std::nullopt;
  return *twin;
}

}  // namespace tav
