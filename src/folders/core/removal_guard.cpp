#include "folders/core/removal_guard.h"

#include "folders/core/path_rules.h"

namespace tav {
namespace {

bool same_user(const FolderUser& a, const FolderUser& b) {
  if (a.data_folder >= 0 || b.data_folder >= 0) return a.data_folder == b.data_folder;
  return !a.system_code.empty() && a.system_code == b.system_code;
}

}  // namespace

GuardDecision guard_folder(std::string_view old_path, const InstallationFolders& folders, const FolderUser& mover,
                           std::string_view current_directory) {
  for (const std::string& folder : folders.installation) {
    if (folder_holds(old_path, folder, current_directory)) return {Guard::holds_installation, folder, {}};
  }
  for (const std::string& folder : folders.system_files) {
    if (folder_holds(old_path, folder, current_directory)) return {Guard::holds_system_file, folder, {}};
  }
  for (const FolderUser& user : folders.users) {
    if (!same_user(user, mover) && folder_holds(old_path, user.path, current_directory)) {
      return {Guard::shared, user.path, user};
    }
  }
  return {};
}

}  // namespace tav
