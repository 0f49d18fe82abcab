#pragma once
// The data folders of the installation as the network configuration shows them: the five
// folders of the data-folder keys, and the folders below \taviro\ that hold a
// measurement-system file (taviro_s.kon).
#include <windows.h>

#include <array>
#include <string>
#include <vector>

#include "folders/core/data_folders.h"

namespace tav {

struct SystemFolder {
  std::string name;   // the folder name as the listing gives it, blanks removed
  bool read = false;  // the file could be read; otherwise error tells why
  DWORD error = ERROR_SUCCESS;
  std::vector<std::string> lines;
};

// The folders the five data-folder keys name, in the order of kDataFolderKeys, as stored
// (the default path for an empty or missing key).
std::array<std::string, kDataFolderKeys.size()> data_folder_paths();

// The folders below \taviro\ (at most 200, the help folder left out) whose system file
// exists, in listing order. whose system file exists, in listing order.
std::vector<SystemFolder> measurement_system_folders();

}  // namespace tav
