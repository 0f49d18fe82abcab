#pragma once
// Reading a file's contents whole, and replacing them so that a crash leaves either the old
// or the new file, never part of one. Every file the program rewrites goes through these
// two: an INI file, a queue or driver file, a measurement-system file.

#include <string>
#include <string_view>

namespace tav {

enum class FileRead {
  read,     // bytes hold the whole file
  missing,  // there is no such file (nor its folder)
  failed,   // the file exists but could not be read: locked, denied, or a folder
};

// Reads the whole file into bytes (empty unless read). A file that exists but cannot be read
// is never reported as missing, so a caller never takes it for an empty one.
FileRead read_file(const char* path, std::string& bytes);

// A file read in parts, front to back, for a reader that may not need all of it. The file
// stays open, shared with writers and with its removal, until the object ends.
class FileParts {
 public:
  explicit FileParts(const char* path);
  ~FileParts();
  FileParts(const FileParts&) = delete;
  FileParts& operator=(const FileParts&) = delete;

  // How the opening went: read (open), missing or failed.
  FileRead state() const { return state_; }
  // The file's size in bytes as it is now, or -1 when it is not open or cannot be told.
  long long size() const;
  // Appends the next at most `most` bytes to bytes; false at the end of the file, after a
  // failure (state() is then failed) or when the file is not open.
  bool next(std::size_t most, std::string& bytes);

 private:
  void* handle_;
  FileRead state_;
};

// Every opening of a file for reading (read_file, FileParts) is reported to the observer,
// when one is set, with the path as given. Lets a test count the readings of a file.
using FileOpenObserver = void (*)(const char* path);
void set_file_open_observer(FileOpenObserver observer);

// Writes bytes as the new contents of path (created when missing). The bytes go to a
// temporary file beside the target, named after it with ".tavtmp" appended (a file of that
// name left by an interrupted run is replaced, never read), are flushed to disk, and the
// temporary file then takes the target's place in one step.
//
// The file keeps its identity where the platform lets it: a symbolic link stays a link and
// its target receives the new contents; the target's access rights (its security
// descriptor) and its hidden and system marks carry over. A file with several hard links is
// replaced, so the other names keep the old contents.
//
// Returns false, with the target unchanged and no temporary file left, when the target is
// read-only or a folder, its folder is missing, or any step fails; GetLastError() then
// tells why (ERROR_ACCESS_DENIED for a read-only file or a folder). The read-only attribute
// is checked here: Windows refuses to replace a read-only file, but Wine's MoveFileExA
// replaces it (and the new file is no longer read-only).
bool write_file_atomically(const char* path, std::string_view bytes);

// The name of the temporary file for a target (the target's name with ".tavtmp").
std::string temporary_name_for(const std::string& target);

}  // namespace tav
