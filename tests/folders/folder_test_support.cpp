#include "folders/folder_test_support.h"

#include <windows.h>

#include <algorithm>
#include <fstream>
#include <sstream>

#include "support/installation.h"

namespace tav::test {
namespace {

void read_tree(const std::string& root, const std::string& relative, Tree& tree) {
  WIN32_FIND_DATAA entry;
  HANDLE search = FindFirstFileA((root + relative + "\\*").c_str(), &entry);
  if (search == INVALID_HANDLE_VALUE) return;
  do {
    const std::string name = entry.cFileName;
    if (name == "." || name == "..") continue;
    const std::string path = relative + "\\" + name;
    if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
      tree[path] = "<dir>";
      read_tree(root, path, tree);
    } else {
      std::ifstream in(root + path, std::ios::binary);
      std::ostringstream bytes;
      bytes << in.rdbuf();
      tree[path] = bytes.str();
    }
  } while (FindNextFileA(search, &entry));
  FindClose(search);
}

void empty_folder(const std::string& folder) {
  remove_tree(folder);
  make_folders(folder);
}

void clean_drives() {
  remove_tree("V:\\TAVIRO");
  remove_tree("X:\\TAVIRO");
  if (!trash_folder().empty()) {
    empty_folder(trash_folder() + "\\files");
    empty_folder(trash_folder() + "\\info");
  }
}

}  // namespace

void make_tree(const std::string& folder, const Tree& tree) {
  make_folders(folder);
  for (const auto& [path, contents] : tree) {
    const std::string full = folder + path;
    if (contents == "<dir>") {
      make_folders(full);
      continue;
    }
    make_folders(full.substr(0, full.rfind('\\')));
    std::ofstream out(full, std::ios::binary | std::ios::trunc);
    out << contents;
  }
}

Tree tree_of(const std::string& folder) {
  Tree tree;
  read_tree(folder, "", tree);
  return tree;
}

bool folder_exists(const std::string& path) {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::string trash_folder() {
  char unix_path[MAX_PATH] = {};
  if (!GetEnvironmentVariableA("XDG_DATA_HOME", unix_path, sizeof unix_path)) return "";
  std::string path = std::string("Z:") + unix_path + "/Trash";
  std::replace(path.begin(), path.end(), '/', '\\');
  return path;
}

CleanDrives::CleanDrives() { clean_drives(); }
CleanDrives::~CleanDrives() { clean_drives(); }

}  // namespace tav::test
