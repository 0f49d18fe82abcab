#pragma once
// The settings of the main configuration file, held in memory while the main dialog is
// open: loaded when it opens, written when the user confirms with OK. The pages read and
// change the record directly; its members and their held forms: config/core/settings_record.h.

#include "config/core/settings_record.h"

namespace tav {

// The record of this run.
Settings& settings();

// What the last load found of the main configuration file.
enum class MainFileState {
  usable,        // read (or missing: the defaults then make a new file)
  unreadable,    // it exists but could not be read: the record holds defaults
  not_writable,  // read, but it cannot be written back without losing characters
};
MainFileState& main_file_state();

// Loads every key of the catalogue from the main configuration file into settings(), with
// one reading of the file, and sets main_file_state().
void load_all_settings();
// Writes every key of the catalogue from settings() to the main configuration file, with one
// load and one atomic save of the file; nothing when the last load did not find the file
// usable, so that defaults never replace the settings of a file that could not be read (the
// user was told when the dialog opened). False when the file could not be written;
// GetLastError() then tells why.
bool write_all_settings();

// The same on any record and file (the main configuration file is "\taviro\taviro.ini").
MainFileState load_settings_from(Settings& record, const char* file);
// One load and one save of the file for all keys; false when the file could not be saved.
bool write_settings_to(const Settings& record, const char* file);
// Each key with its own call of the single-key profile writers (each loads and saves the
// file). Leaves the same bytes as write_settings_to; kept as the reference for that.
void write_settings_key_by_key(const Settings& record, const char* file);

}  // namespace tav
