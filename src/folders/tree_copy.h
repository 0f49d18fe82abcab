#pragma once
// Folder trees of the relocation: listing a tree, copying a listed tree file by file with
// two files on their way at a time, and the listing in the form the complete-copy check
// compares. Names inside a tree are handled as the system's wide names, so a file whose
// name the code page cannot spell is copied and checked like any other; paths longer than
// 259 characters are reached through the long-path form.

#include <windows.h>

#include <atomic>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "folders/core/path_rules.h"

namespace tav {

struct TreeItem {
  std::wstring path;  // relative to the tree's top ("mas\m1.mas")
  DWORD attributes = 0;
  std::uint64_t size = 0;
  FILETIME written{};
  bool folder() const { return (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0; }
};

struct FolderTree {
  std::vector<TreeItem> items;  // every folder before what it holds
  std::uint64_t bytes = 0;      // the sizes of all files
  // False when a folder of the tree could not be read, or the tree holds a link to a folder
  // (followed neither in the listing nor in a copy): such a tree is never taken as copied.
  bool readable = true;
  std::wstring unreadable_at;  // the first such folder or link, relative to the top
  DWORD error = 0;             // and the system's reason
  void fail(const std::wstring& at, DWORD reason) {
    if (readable) {
      unreadable_at = at;
      error = reason;
    }
    readable = false;
  }
};

// A path of the tree operations in the code page, as the user is shown it: without the
// long-path prefix.
std::string narrowed(std::wstring_view path);

// The wide form of a path of the code page for the tree operations: absolute, and in the
// long-path form when it names a drive or a network share.
std::wstring tree_path(std::string_view path);

// Lists everything below top (a folder).
FolderTree list_tree(const std::wstring& top);

// The entries of a listing as the complete-copy check compares them (paths upper case).
std::vector<TreeEntry> comparable_entries(const FolderTree& tree);

// True when the two files hold the same bytes.
bool same_contents(const std::wstring& a, const std::wstring& b);

// How far a copy is; read by the user-interface thread while the copy goes on.
struct CopyCounters {
  std::atomic<std::uint64_t> bytes{0};
  std::atomic<std::uint64_t> files{0};  // files done, copied or not
};

// Copies the listed tree of `from` into the folder `to`, which exists. Folders that exist
// are used as they are; a file that exists is replaced unless it is read-only. Counts the
// bytes and files done in `done` as it goes. True when every folder and file arrived; a
// file that could not be copied does not stop the others.
bool copy_listed_tree(const FolderTree& tree, const std::wstring& from, const std::wstring& to, CopyCounters& done);

}  // namespace tav
