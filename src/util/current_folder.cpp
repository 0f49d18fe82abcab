#include "util/current_folder.h"

#include <windows.h>

namespace tav {

std::string current_folder() {
  char folder[MAX_PATH + 1] = {};
  const DWORD length = GetCurrentDirectoryA(sizeof folder, folder);
  return length > 0 && length < sizeof folder ? std::string(folder, length) : std::string();
}

}  // namespace tav
