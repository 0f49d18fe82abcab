#pragma once
// Reading and writing single keys of the installation's INI files: texts, integers and flags,
// each with a default for a missing file, section or key, plus the helpers that move a flag
// between the settings and a dialog control.
//
// The files are read and written by our own INI document (config/core/ini_document.h), not by
// the system's profile functions: those drop enclosing quotes, which the other TAVIRO
// programs' values need, and under Wine re-format the whole file on every write. Reading
// follows the system's rules otherwise (config/core/profile_rules.h).
//
// Every call reads the file anew, so a value written by one call is seen by the next. File
// names without a drive letter ("\taviro\taviro.ini") resolve against the current drive.
// Section and key names are views: callers with fixed-length fields pass
// std::string_view(field, significant length).
//
// A write loads the file (a missing file is an empty one), sets the key and saves the file
// through a temporary file that replaces it in one step. A read-only file, a missing folder
// or a file that cannot be read is left as it is and the write returns false; callers may
// ignore the result.
//
// A file in UTF-16 (little-endian, with its byte order mark), which the system's profile
// functions also read, is converted to the ANSI code page when it is loaded and back when it
// is saved. When that conversion cannot give back every character of the file, the file is
// read but never written.

#include <windows.h>

#include <memory>
#include <string>
#include <string_view>

#include "config/core/ini_document.h"
#include "util/atomic_file.h"

namespace tav::profile {

// The main configuration file; its name is fixed for the whole run.
inline constexpr const char* kMainFile = "\\taviro\\taviro.ini";
// The lay-planning settings file (hem position).
inline constexpr const char* kLayPlanningFile = "\\taviro\\settngsb.ini";
// The line types file.
inline constexpr const char* kLineTypesFile = "\\taviro\\lintypes.ini";

// The key's value, or default_text (trailing spaces dropped) when the file, section or key is
// missing, cut to size - 1 characters and terminated. Returns the number of characters copied.
int get_string(std::string_view section, std::string_view key, std::string_view default_text, char* dest, int size,
               const char* file);
// The key's integer (see tav::integer_value), or default_value when missing or empty.
int get_int(std::string_view section, std::string_view key, int default_value, const char* file);
// Read with default -1: -1 gives default_flag, 0 false, any other value true.
bool read_flag(std::string_view section, std::string_view key, bool default_flag, const char* file);

// get_string followed by the indirection through section "STANDARD" for a value that begins
// and ends with '#', and the cut before the first ';' or '!' outside double quotes. Returns
// the length kept. When "STANDARD" lacks the name, dest holds the default and its length is
// returned.
int get_string_indirect(std::string_view section, std::string_view key, std::string_view default_text, char* dest,
                        int size, const char* file);

bool write_string(std::string_view section, std::string_view key, std::string_view value, const char* file);
bool write_int(std::string_view section, std::string_view key, int value, const char* file);   // "7", "-1"
bool write_flag(std::string_view section, std::string_view key, bool flag, const char* file);  // "1", "0"

// Readers of the main configuration file.
// Text with an empty default; length is set; true when at least one character was read.
bool main_string(std::string_view section, std::string_view key, char (&dest)[256], int& length);
// Integer with default 0; always true.
bool main_int(std::string_view section, std::string_view key, int& value);
// Integer with default -1: flag = (value != 0), so a missing key gives true; returns whether
// the key was found (value != -1).
bool main_logical(std::string_view section, std::string_view key, bool& flag);
// Integer of the lay-planning settings file with default -1: when found, sets value and
// returns true; otherwise leaves value unchanged and returns false.
bool settngsb_int(std::string_view section, std::string_view key, int& value);

// The keys of one file read once, for many reads (the catalogue's load at start-up). The
// readers answer as the single-key readers above do. The file is read from the top only as
// far as the keys asked for need it (the lines down to the end of their sections), so the
// sections of other programs that follow cost nothing; it stays open, shared with writers,
// until the snapshot ends, so a snapshot lives only as long as the reads that need it and
// never across a write of its file.
class ProfileSnapshot {
 public:
  explicit ProfileSnapshot(const char* file);
  ProfileSnapshot(const ProfileSnapshot&) = delete;
  ProfileSnapshot& operator=(const ProfileSnapshot&) = delete;

  // The file exists but could not be read (locked, denied): every read gives its default.
  bool unreadable() const { return unreadable_; }
  // The file was read but cannot be written back without losing characters.
  bool read_only() const { return read_only_; }

  int get_string(std::string_view section, std::string_view key, std::string_view default_text, char* dest,
                 int size) const;
  int get_int(std::string_view section, std::string_view key, int default_value) const;
  int get_string_indirect(std::string_view section, std::string_view key, std::string_view default_text, char* dest,
                          int size) const;
  // The whole file as a document, for the pure rules that read it.
  const IniDocument& document() const;

 private:
  // Reads on until the key's answer cannot change, or the file has been read whole.
  void settle(std::string_view section, std::string_view key) const;
  // Appends the file's next lines to the document; false once the whole file is in it.
  bool read_more() const;
  void fail() const;

  mutable std::unique_ptr<FileParts> parts_;  // the file while part of it is unread
  mutable std::string pending_;               // bytes read after the last line break
  mutable std::size_t part_size_;
  mutable IniDocument document_;
  mutable bool unreadable_ = false;
  bool read_only_ = false;
};

// Many writes to one file with one load and one atomic save. The bytes saved are those that
// the same writes one after another would leave.
class ProfileBatch {
 public:
  explicit ProfileBatch(const char* file);

  // false when the names cannot be stored (see IniDocument::set); the document is unchanged.
  bool write_string(std::string_view section, std::string_view key, std::string_view value);
  bool write_int(std::string_view section, std::string_view key, int value);
  bool write_flag(std::string_view section, std::string_view key, bool flag);

  // Saves the document when it differs from the file. false when the file could not be read
  // at load, cannot be written, or a write of the batch was refused for lack of memory;
  // GetLastError() then tells why.
  bool save();

 private:
  std::string file_;
  IniDocument document_;
  std::string saved_;  // the document's bytes as loaded or last saved
  bool existed_ = false;
  bool utf16_ = false;             // the file is kept in UTF-16
  bool failed_ = false;            // unreadable file, lossy conversion or lack of memory: never save
  DWORD failure_ = ERROR_SUCCESS;  // why, for the caller to tell
};

// Dialog helpers (page window, control id).
void check_from_flag(HWND page, int id, bool flag);
bool flag_from_check(HWND page, int id);  // true only when checked; indeterminate is false
void enable_from_flag(HWND page, int id, bool flag);
void show_control(HWND page, int id, int show_code);

}  // namespace tav::profile
