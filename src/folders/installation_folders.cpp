#include "folders/installation_folders.h"

#include "config/profile.h"
#include "folders/core/data_folders.h"
#include "folders/core/system_file.h"
#include "util/atomic_file.h"
#include "util/directory_listing.h"

namespace tav {
namespace {

constexpr int kMostSystemFolders = 200;

}  // namespace

std::array<std::string, kDataFolderKeys.size()> data_folder_paths() {
  std::array<std::string, kDataFolderKeys.size()> paths;
  const profile::ProfileSnapshot main_file(profile::kMainFile);  // read once for every key
  for (std::size_t i = 0; i < kDataFolderKeys.size(); ++i) {
    char value[256] = {};
    const int length = main_file.get_string("PATH", kDataFolderKeys[i].key, "", value, static_cast<int>(sizeof value));
    paths[i] = data_folder_path(std::string_view(value, static_cast<std::size_t>(length > 0 ? length : 0)),
                                kDataFolderKeys[i]);
  }
  return paths;
}

std::vector<SystemFolder> measurement_system_folders() {
  std::vector<SystemFolder> found;
  std::vector<FolderNameEntry> table(kMostSystemFolders);
  const std::string pattern = "\\taviro\\*.*";
  const int count =
      folder_name_table(true, pattern.data(), static_cast<int>(pattern.size()), table.data(), kMostSystemFolders);
  for (int i = 0; i < count; ++i) {
    FolderNameEntry name = table[static_cast<std::size_t>(i)];
    SystemFolder folder;
    folder.name.assign(name.data(), static_cast<std::size_t>(squeeze(name.data(), name.size())));
    if (folder.name == "HILFEN") continue;  // the help files, no measurement system
    std::string bytes;
    const FileRead read = read_file(("\\taviro\\" + folder.name + "\\" + std::string(kSystemFileName)).c_str(), bytes);
    if (read == FileRead::missing) continue;
    folder.read = read == FileRead::read;
    if (folder.read) {
      folder.lines = split_lines(bytes);
    } else {
      folder.error = GetLastError();
    }
    found.push_back(std::move(folder));
  }
  return found;
}

}  // namespace tav
