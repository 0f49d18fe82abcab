#include "folders/core/network_rules.h"

namespace tav {
namespace {

char upper_letter(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

}  // namespace

NetworkEnabling network_enabling(const NetworkChoices& choices) {
  NetworkEnabling enabling;
  bool something_to_do = false;
  bool drives_chosen = true;
  for (int i = 0; i < kRelocationCount; ++i) {
    const std::size_t index = static_cast<std::size_t>(i);
    enabling.drive_list[index] = choices.move[index];
    if (!choices.move[index]) continue;
    something_to_do = true;
    if (!choices.drive_chosen[index]) drives_chosen = false;
  }
  enabling.keep_export = choices.move[kSystemsRelocation];
  enabling.copy = something_to_do;
  enabling.remove = something_to_do;
  enabling.no_warning = choices.remove || (choices.copy && something_to_do);
  const bool systems_chosen = !choices.move[kSystemsRelocation] || choices.selected_systems > 0;
  enabling.run = something_to_do && drives_chosen && systems_chosen;
  return enabling;
}

RunQuestion run_question(bool no_warning, bool copy, bool remove) {
  if (!no_warning) return RunQuestion::none;
  if (copy && remove) return RunQuestion::copy_and_remove;
  if (copy) return RunQuestion::copy;
  if (remove) return RunQuestion::remove;
  return RunQuestion::none;
}

bool run_shows_progress(const std::array<bool, kRelocationCount>& move, bool remove) {
  return move[kSystemsRelocation] || move[kFormsRelocation] || move[kProgRelocation] || remove;
}

int systems_progress(int done, int selected) { return selected > 0 ? 250 * done / selected : 0; }

namespace {

// The fixed and remote drives except the base drive and the drive `skipped` (0 for none).
std::vector<std::string> target_drives(char base_letter, char skipped, const std::vector<DriveRoot>& roots) {
  std::vector<std::string> drives;
  for (const DriveRoot& root : roots) {
    if (root.type != kDriveFixed && root.type != kDriveRemote) continue;
    const char letter = upper_letter(root.letter);
    if (letter == upper_letter(base_letter) || letter == upper_letter(skipped)) continue;
    drives.push_back(std::string(1, letter) + ":");
  }
  return drives;
}

}  // namespace

DriveChoicesForPath drive_choices(std::string_view path, char base_letter, const std::vector<DriveRoot>& roots) {
  const bool on_drive = path.size() >= 3 && path[1] == ':' && path[2] == '\\';
  const bool on_share = path.size() >= 2 && path[0] == '\\' && path[1] == '\\';
  return {on_drive || on_share, target_drives(base_letter, on_drive ? path[0] : '\0', roots)};
}

DriveChoicesForPath drive_choices_for_systems(char base_letter, const std::vector<DriveRoot>& roots) {
  return {true, target_drives(base_letter, '\0', roots)};
}

}  // namespace tav
