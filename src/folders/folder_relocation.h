#pragma once
// Moving the data of the installation to another drive: one data folder (shapes, basic
// blocks, texts, plotter, symbols) with its key in section PATH of the main configuration
// file, or one measurement system with its seven data folders and its measurement-system
// file. Old folders are removed to the recycle bin, and only once their data are in place:
// a copy is checked complete before anything is removed, a folder whose copy failed keeps
// its old place, and a folder that still holds something of the installation is kept
// (folders/core/removal_guard.h). Each step answers what became of each folder, so that the
// run can tell the user everything that did not go as asked.

#include <windows.h>

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "folders/core/removal_guard.h"
#include "folders/core/system_file.h"

namespace tav {

// The options of a run, as the network configuration's check boxes set them.
struct RelocationOptions {
  bool copy = false;         // copy the old folders to the new place
  bool remove = false;       // remove the old folders (to the recycle bin)
  bool no_warning = false;   // the shell asks nothing before it replaces or removes
  bool keep_export = false;  // measurement systems: the export folder interfac stays alone
};

// How far a step is; called on the user-interface thread.
struct StepNote {
  double done = 0;               // from 0 to 1
  std::string folder;            // the folder being copied, empty between copies
  std::uint64_t files_done = 0;  // of its files
  std::uint64_t files = 0;
};
using StepProgress = std::function<void(const StepNote& note)>;

// Whether a folder tree is whole at its new place, and if not, why.
enum class CopyOutcome {
  copied,           // every folder and file of the old tree is in the new one, with its contents
  nothing_to_copy,  // there is no old folder
  unreadable,       // the old folder, a folder or file in it, or the new place could not be read
  case_twins,       // the old tree holds two names that differ only in case
  incomplete,       // an item did not arrive whole (or the new place is a file)
  differs,          // a file was at the new place before and holds other contents
  nested,           // the old and the new folder lie one inside the other
};

struct CopyResult {
  CopyOutcome outcome = CopyOutcome::copied;
  std::string item;  // the file or folder concerned
  DWORD error = 0;   // the system's error code, where there is one
  bool complete() const { return outcome == CopyOutcome::copied || outcome == CopyOutcome::nothing_to_copy; }
};

// Copies the tree of old_path to new_path (a final "\" of either is ignored), into
// new_path itself also when that folder exists, and checks that it arrived: complete only
// when every folder and file of the old tree is in the new one with its size and time, and
// every file that was at the new place before now holds the old file's contents. With
// no_warning clear the shell asks before it replaces files that exist. A missing old folder
// is nothing to copy, unless its drive is not ready; an old folder that exists but cannot
// be read, however long its path, never counts as missing.
CopyResult copy_tree(HWND owner, std::string_view old_path, std::string_view new_path, bool no_warning,
                     const StepProgress& progress = {});

// Checks, copying nothing, that the tree of old_path is whole at new_path with the same
// contents in every file (a copy made before, or by other means).
CopyResult check_copy(std::string_view old_path, std::string_view new_path);

// Removes the tree of path to the recycle bin; with no_warning clear the shell asks
// first. True when the folder is gone or was not there; false when the removal failed or
// was refused, and for the root of a drive or share, which is never removed.
bool remove_tree(HWND owner, std::string_view path, bool no_warning);

// Creates every folder of the chain of path (see folder_chain); failures are left to show
// up later.
void create_folder_chain(std::string_view path);

// Appends path, made absolute against the current folder, to a path list for the shell.
void add_absolute_path(std::string& list, std::string_view path);

// What became of one folder in a relocation step.
enum class FolderFate {
  moved,               // as asked (also when there was nothing to move)
  not_copied,          // the copy is not complete (see copy): the folder keeps its old place
  blocked,             // a root folder, or old and new lie one inside the other: it stays
  holds_installation,  // it is or holds the installation folder (guard.folder): not relocated
  key_not_written,     // its key could not be written (error): it keeps its old place
  kept_system_file,    // moved; the old folder is kept, it holds a measurement-system file
  kept_shared,         // moved; the old folder is kept, guard.user names a folder in it
  kept_incomplete,     // re-pointed without copying; the old folder is kept, its data are
                       // not whole at the new place (see copy)
  not_removed,         // moved; the old folder could not be removed (or its removal was refused)
};

struct FolderReport {
  FolderFate fate = FolderFate::moved;
  std::string old_path;
  std::string new_path;
  CopyResult copy;
  GuardDecision guard;
  DWORD error = 0;
};

struct DataFolderResult {
  bool relocated = false;
  std::string path;  // the folder's path afterwards: the new one when relocated
  FolderReport report;
};

// Relocates the data folder kDataFolderKeys[data_folder], shown as shown_path, to the
// drive of target_entry (a drive-list entry; one beginning with "<" is the base drive). Its
// new path is the folder's default path on that drive; on success it is written to the
// folder's key, and only then is the old folder removed (when asked and when the guard lets
// it go). `folders` is what the installation holds as the step starts.
DataFolderResult relocate_data_folder(HWND owner, std::string_view shown_path, std::string_view target_entry,
                                      int data_folder, const RelocationOptions& options,
                                      const InstallationFolders& folders, const StepProgress& progress = {});

struct SystemRelocationResult {
  int status = kSystemDone;  // kSystemDone ... kSystemFileNotWritten of folders/core/system_file.h
  std::string file;          // the measurement-system file
  DWORD error = 0;           // why the file could not be replaced (statuses 5 and 6)
  std::array<FolderReport, kSystemFolderCount> folders;  // in the order of kSystemFolderNames
};

// Relocates the measurement system with the code (up to 7 characters) to the drive of
// target_entry: copies its data folders, replaces its measurement-system file in one step
// after a numbered backup, then removes the old folders (when asked and when the guard lets
// them go).
SystemRelocationResult relocate_measurement_system(HWND owner, std::string_view code, std::string_view target_entry,
                                                   const RelocationOptions& options, const InstallationFolders& folders,
                                                   const StepProgress& progress = {});

// A folder a relocation step moves: from its old place to its new one.
struct FolderMove {
  std::string old_path;
  std::string new_path;
  FolderAction action = FolderAction::stay;
};

// What a run would copy, known before it starts: the data folder's tree (none when its
// key is empty or the folder stays), and the trees of the measurement system's folders
// that move (none when its file cannot be read or is refused).
std::optional<FolderMove> planned_data_folder_copy(std::string_view shown_path, std::string_view target_entry,
                                                   int data_folder);
std::vector<FolderMove> planned_system_copies(std::string_view code, std::string_view target_entry, bool keep_export);

// What the installation on the current drive holds now: its own folder and the program's,
// the folders of its measurement-system files, and every folder the data-folder keys and the
// measurement systems name.
InstallationFolders installation_folders();

}  // namespace tav
