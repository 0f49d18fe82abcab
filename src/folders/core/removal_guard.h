#pragma once
// Which old folders a relocation may remove. A folder goes only when nothing else of the
// installation lives in it: not the installation itself (the folder of the main
// configuration file and of the program), not a measurement-system file, and no folder that
// another data-folder key or another measurement system names. A folder that holds the
// installation is not relocated at all; one that holds anything else of the installation is
// copied and re-pointed, but kept.

#include <string>
#include <string_view>
#include <vector>

namespace tav {

// A folder that some part of the installation names, and which part that is.
struct FolderUser {
  std::string path;
  int data_folder = -1;     // the data-folder key (index into kDataFolderKeys), or -1
  std::string system_code;  // the measurement system (its code, upper case), or empty
  int system_folder = -1;   // which of the system's folders (index into kSystemFolderNames), or -1
};

// What the installation holds, as a relocation step finds it when it starts.
struct InstallationFolders {
  std::vector<std::string> installation;  // the folders of the main configuration file and the program
  std::vector<std::string> system_files;  // the folders that hold a measurement-system file
  std::vector<FolderUser> users;          // every folder a data-folder key or a system names
};

enum class Guard {
  free,                // may be removed once its copy is complete
  holds_installation,  // is or holds the installation: not relocated at all
  holds_system_file,   // copied and re-pointed, but kept
  shared,              // another key or system names it or a folder in it: copied and re-pointed, but kept
};

struct GuardDecision {
  Guard guard = Guard::free;
  std::string folder;  // the installation folder or the folder of the system file it holds
  FolderUser user;     // for shared: who else names a folder in it
};

// The decision for old_path, a folder that is to move on behalf of `mover` (a data-folder
// key index, or a system code): the mover's own entries among the users do not count.
// Paths without a drive resolve against current_directory.
GuardDecision guard_folder(std::string_view old_path, const InstallationFolders& folders, const FolderUser& mover,
                           std::string_view current_directory);

}  // namespace tav
