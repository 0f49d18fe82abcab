#pragma once
// Rules of the network configuration dialog that need no window: which controls are
// enabled, which question a run asks first, whether it shows progress, and which drives a
// folder's drive list offers.

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace tav {

// The six relocations of the dialog: the measurement systems, then the five data folders
// (shapes, basic blocks, texts, plotter, symbols).
inline constexpr int kRelocationCount = 6;
inline constexpr int kSystemsRelocation = 0;
inline constexpr int kFormsRelocation = 1;
inline constexpr int kProgRelocation = 2;

// The state of the controls the enabling depends on.
struct NetworkChoices {
  std::array<bool, kRelocationCount> move{};          // the "Verlegen" boxes
  std::array<bool, kRelocationCount> drive_chosen{};  // their drive lists have a selection
  int selected_systems = 0;                           // selected rows of the systems list
  bool copy = false;                                  // "Alle Dateien kopieren"
  bool remove = false;                                // "nicht mehr benötigte Ordner entfernen"
};

struct NetworkEnabling {
  std::array<bool, kRelocationCount> drive_list{};
  bool keep_export = false;  // "Exportdateien vom Kopieren und Löschen ausnehmen"
  bool copy = false;
  bool remove = false;
  bool no_warning = false;  // "ohne Warnung überschreiben oder löschen"
  bool run = false;         // "Ausführen"
};

NetworkEnabling network_enabling(const NetworkChoices& choices);

// The question a run asks before it starts, only when it is to go without warnings.
enum class RunQuestion { none, copy, copy_and_remove, remove };
RunQuestion run_question(bool no_warning, bool copy, bool remove);

// A run shows its progress when it relocates measurement systems, shapes or basic blocks,
// or removes old folders.
bool run_shows_progress(const std::array<bool, kRelocationCount>& move, bool remove);

// The position of the progress bar (0 to 1000) after `done` of `selected` systems.
int systems_progress(int done, int selected);

// Drive types of the system's drive-type query.
enum DriveType : int {
  kDriveUnknown = 0,
  kDriveNoRoot = 1,
  kDriveRemovable = 2,
  kDriveFixed = 3,
  kDriveRemote = 4,
  kDriveCdRom = 5,
  kDriveRamDisk = 6,
};

struct DriveRoot {
  char letter = 0;
  int type = kDriveUnknown;
};

// What a folder's drive list offers for the folder's path.
struct DriveChoicesForPath {
  bool base_entry = false;          // the base-drive entry first
  std::vector<std::string> drives;  // then these drives ("E:"), in the order of the roots
};
// A path with a drive, or beginning with "\\", offers the base drive; every fixed or remote
// drive is offered except the base drive and the drive the path lies on.
DriveChoicesForPath drive_choices(std::string_view path, char base_letter, const std::vector<DriveRoot>& roots);
// What the measurement systems' drive list offers: the base drive and every fixed or
// remote drive besides it.
DriveChoicesForPath drive_choices_for_systems(char base_letter, const std::vector<DriveRoot>& roots);

}  // namespace tav
