#pragma once
// The export and import of the settings of the main configuration file for the command
// line: the rules are those of config/core/settings_transfer.h; here the files are read and
// written.
#include <windows.h>

#include <optional>
#include <string>

#include "config/core/settings_transfer.h"

namespace tav {

enum class TransferOutcome {
  done,
  main_file_failed,  // the installation's file could not be read, or not be written
  file_failed,       // FILE could not be read or written
  file_refused,      // a line of FILE is refused (see refused)
};

struct TransferResult {
  TransferOutcome outcome = TransferOutcome::done;
  DWORD error = ERROR_SUCCESS;         // the system's reason of a failure
  int keys = 0;                        // keys exported, or keys the import changed
  std::optional<RefusedLine> refused;  // for file_refused
};

// Writes every key of the installation's main configuration file to file.
TransferResult export_settings(const char* file);
// Applies file to the installation's main configuration file: nothing when a line is
// refused or nothing differs; otherwise a numbered backup, then one atomic write of the
// keys whose value changes.
TransferResult import_settings(const char* file);

}  // namespace tav
