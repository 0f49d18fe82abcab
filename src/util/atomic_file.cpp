#include "util/atomic_file.h"

#include <windows.h>

#include <new>
#include <string>

namespace tav {
namespace {

// The folder part of path with its trailing separator ("\taviro\" for "\taviro\taviro.ini"),
// or "." for a bare file name.
std::string folder_of(const char* path) {
  std::string text(path);
  std::size_t separator = text.find_last_of("\\/");
  if (separator != std::string::npos) return text.substr(0, separator + 1);
  if (text.size() >= 2 && text[1] == ':') return text.substr(0, 2) + ".";
  return ".";
}

bool write_all(HANDLE file, std::string_view bytes) {
  while (!bytes.empty()) {
    DWORD chunk = bytes.size() > 0x10000000 ? 0x10000000 : static_cast<DWORD>(bytes.size());
    DWORD written = 0;
    if (!WriteFile(file, bytes.data(), chunk, &written, nullptr) || written == 0) return false;
    bytes.remove_prefix(written);
  }
  return true;
}

bool write_temporary(const char* temporary, std::string_view bytes) {
  HANDLE file = CreateFileA(temporary, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  bool ok = write_all(file, bytes) && FlushFileBuffers(file);
  if (!CloseHandle(file)) ok = false;
  return ok;
}

}  // namespace

bool write_file_atomically(const char* path, std::string_view bytes) {
  if (path == nullptr || *path == '\0') return false;
  DWORD attributes = GetFileAttributesA(path);
  if (attributes != INVALID_FILE_ATTRIBUTES &&
      (attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY)) != 0) {
    return false;
  }
  std::string folder;
  try {
    folder = folder_of(path);
  } catch (const std::bad_alloc&) {
    return false;
  }
  char temporary[MAX_PATH];
  // Creates a new empty file with a unique name; it fails when the folder is missing.
  if (GetTempFileNameA(folder.c_str(), "tav", 0, temporary) == 0) return false;
  // The replacement keeps the target's hidden and system marks, as a write in place would.
  const DWORD kept = attributes == INVALID_FILE_ATTRIBUTES
                         ? 0
                         : attributes & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM);
  if (!write_temporary(temporary, bytes) || (kept != 0 && !SetFileAttributesA(temporary, kept)) ||
      !MoveFileExA(temporary, path, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    DeleteFileA(temporary);
    return false;
  }
  return true;
}

}  // namespace tav
