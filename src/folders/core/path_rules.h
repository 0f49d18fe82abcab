#pragma once
// Paths of the folder relocation: the absolute paths of the shell's path lists, the chain of
// folders created before a copy, how two folders relate, and the check that a copied tree
// is complete before its old tree may be removed.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tav {

// The absolute form of path: a path with a drive (":\" as its second and third characters)
// or beginning with "\\" as it is; a path beginning with "\" with the drive of
// current_directory in front; any other path resolved against current_directory.
std::string absolute_path(std::string_view path, std::string_view current_directory);

// Appends path in its absolute form to a path list (terminated paths followed by an extra
// terminator; an empty list is two terminators, and an empty string counts as one).
void add_absolute_path(std::string& list, std::string_view path, std::string_view current_directory);

// The folders to create, in order, for the chain of path: everything before each "\" after
// the first character whose preceding character is neither ":" nor "\", then the whole
// path when it does not end with "\". Names longer than 260 characters are left out.
std::vector<std::string> folder_chain(std::string_view path);

// How the folders a and b relate once both are absolute (compared without regard to case,
// a final "\" ignored).
enum class FolderRelation { apart, same, nested };
FolderRelation folder_relation(std::string_view a, std::string_view b, std::string_view current_directory);

// True when the folder `outer` is the folder `inner` or holds it somewhere below (both made
// absolute against current_directory and compared without regard to case).
bool folder_holds(std::string_view outer, std::string_view inner, std::string_view current_directory);

// True for the root of a drive or of a network share ("E:\", "\\server\share").
bool is_root_folder(std::string_view path, std::string_view current_directory);

// What a relocation does with a folder that is to go from old_path to new_path.
enum class FolderAction {
  stay,     // nothing there, or already the same folder: neither copied nor removed
  move,     // copied (when asked) and removed (when asked)
  blocked,  // a root, or the two folders lie one inside the other: neither copied nor
            // removed, and the folder keeps its old place
};
FolderAction folder_action(std::string_view old_path, std::string_view new_path, std::string_view current_directory);

// One entry of a folder tree, by its path relative to the tree's top in the form in which
// names are compared (the Windows layer upper-cases them), with a file's size and its time
// of last writing (in 100-nanosecond steps; 0 when unknown).
struct TreeEntry {
  std::string path;
  bool folder = false;
  std::uint64_t size = 0;
  std::uint64_t written = 0;
  bool operator==(const TreeEntry&) const = default;
};

// The first entry of the old tree that the copy lacks: a folder missing as a folder, or a
// file missing, of another size, or written at another time (a copy keeps the time; a file
// that was there before and was not replaced has its own). Times within two seconds count
// as the same, as file systems that keep them coarsely store them. Nothing when the copy is
// complete. Entries the copy has beyond the old tree do not matter (the destination may have
// held files before).
std::optional<TreeEntry> missing_from_copy(std::vector<TreeEntry> old_tree, std::vector<TreeEntry> new_tree);

// The first entry of a tree whose path equals another's (paths as compared, upper case): two
// names that differ only in case, which a target that compares names without regard to case
// would take for one. Nothing when every path is unique.
std::optional<TreeEntry> case_twin(std::vector<TreeEntry> tree);

}  // namespace tav
