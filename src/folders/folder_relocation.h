#pragma once
// Moving the data of the installation to another drive: one data folder (shapes, basic
// blocks, texts, plotter, symbols) with its key in section PATH of the main configuration
// file, or one measurement system with its seven data folders and its measurement-system
// file. Old folders are removed to the recycle bin, and only once their data are in place:
// a copy is checked complete before anything is removed, and a folder whose copy failed
// keeps its old place.

#include <windows.h>

#include <functional>
#include <string>
#include <string_view>

namespace tav {

// The options of a run, as the network configuration's check boxes set them.
struct RelocationOptions {
  bool copy = false;         // copy the old folders to the new place
  bool remove = false;       // remove the old folders (to the recycle bin)
  bool no_warning = false;   // the shell asks nothing before it replaces or removes
  bool keep_export = false;  // measurement systems: the export folder interfac stays alone
};

// How far a step is, from 0 to 1; called on the user-interface thread.
using StepProgress = std::function<void(double done)>;

// Copies the tree of old_path to new_path (a final "\" of either is ignored), into
// new_path itself also when that folder exists. A missing old folder is nothing to copy
// (true), unless its drive is not ready. With no_warning clear the shell asks before it
// replaces files that exist. True only when every folder and file of the old tree is in
// the new one with its size.
bool copy_tree(HWND owner, std::string_view old_path, std::string_view new_path, bool no_warning,
               const StepProgress& progress = {});

// Removes the tree of path to the recycle bin; with no_warning clear the shell asks
// first. True when the folder is gone or was not there; false when the removal failed or
// was refused, and for the root of a drive or share, which is never removed.
bool remove_tree(HWND owner, std::string_view path, bool no_warning);

// Creates every folder of the chain of path (see folder_chain); failures are left to show
// up later.
void create_folder_chain(std::string_view path);

// Appends path, made absolute against the current folder, to a path list for the shell.
void add_absolute_path(std::string& list, std::string_view path);

struct DataFolderResult {
  bool relocated = false;
  std::string path;  // the folder's path afterwards: the new one when relocated
};

// Relocates a data folder shown as shown_path to the drive of target_entry (a drive-list
// entry; one beginning with "<" is the base drive). Its new path is default_path
// ("\TAVIRO\FORMS\") on that drive; on success it is written to key in section PATH of the
// main configuration file, and only then is the old folder removed (when asked).
DataFolderResult relocate_data_folder(HWND owner, std::string_view shown_path, std::string_view target_entry,
                                      std::string_view default_path, std::string_view key,
                                      const RelocationOptions& options, const StepProgress& progress = {});

// Relocates the measurement system with the code (up to 7 characters) to the drive of
// target_entry: copies its data folders, replaces its measurement-system file in one step
// after a numbered backup, then removes the old folders (when asked). Answers the
// relocation status (kSystemDone ... kSystemFileNotWritten of folders/core/system_file.h).
int relocate_measurement_system(HWND owner, std::string_view code, std::string_view target_entry,
                                const RelocationOptions& options, const StepProgress& progress = {});

}  // namespace tav
