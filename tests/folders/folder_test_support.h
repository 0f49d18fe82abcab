#pragma once
// Folder trees for the relocation tests: laying a tree out, reading it back with the
// contents of every file, and the spare drives and the recycle bin the relocations use.
#include <map>
#include <string>

#include "support/locked_file.h"

namespace tav::test {

// Relative path ("\mas\m1.mas") -> contents, "<dir>" for a folder.
using Tree = std::map<std::string, std::string>;

void make_tree(const std::string& folder, const Tree& tree);
// The tree below folder; empty when the folder is missing.
Tree tree_of(const std::string& folder);
bool folder_exists(const std::string& path);

// The host's trash (where the recycle bin puts removed folders) as a Windows path.
std::string trash_folder();
// Empties the trash and the TAVIRO folders of the spare drives V: and X: while it lives.
class CleanDrives {
 public:
  CleanDrives();
  ~CleanDrives();
};

}  // namespace tav::test
