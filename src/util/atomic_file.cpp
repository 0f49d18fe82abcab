#include "util/atomic_file.h"

#include <windows.h>

#include <new>
#include <vector>

#include "util/stop_points.h"

namespace tav {
namespace {

constexpr DWORD kChunk = 0x10000000;  // reads and writes of at most 256 MB at a time

// False, with `error` as the thread's last error: the caller tells the user why.
bool failed_with(DWORD error) {
  SetLastError(error);
  return false;
}

bool write_all(HANDLE file, std::string_view bytes) {
  while (!bytes.empty()) {
    const DWORD chunk = bytes.size() > kChunk ? kChunk : static_cast<DWORD>(bytes.size());
    DWORD written = 0;
    stop_point("write");
    if (!WriteFile(file, bytes.data(), chunk, &written, nullptr)) return false;
    if (written == 0) return failed_with(ERROR_DISK_FULL);
    bytes.remove_prefix(written);
  }
  return true;
}

bool write_temporary(const std::string& temporary, std::string_view bytes) {
  // A file of that name left by an interrupted run loses its marks first, so that it can be
  // replaced; it is never read.
  SetFileAttributesA(temporary.c_str(), FILE_ATTRIBUTE_NORMAL);
  stop_point("create");
  HANDLE file =
      CreateFileA(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  bool ok = write_all(file, bytes);
  if (ok) {
    stop_point("flush");
    ok = FlushFileBuffers(file);
  }
  const DWORD error = ok ? ERROR_SUCCESS : GetLastError();
  if (!CloseHandle(file)) return false;
  return ok || failed_with(error);
}

// The file a path finally names: a symbolic link resolved to its target. The path itself
// when the file does not exist or the platform cannot tell.
std::string final_path(const char* path) {
  HANDLE file = CreateFileA(path, 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return path;
  std::string resolved(MAX_PATH, '\0');
  DWORD length = GetFinalPathNameByHandleA(file, resolved.data(), static_cast<DWORD>(resolved.size()),
                                           FILE_NAME_NORMALIZED | VOLUME_NAME_DOS);
  if (length >= resolved.size()) {
    resolved.assign(length + 1, '\0');
    length = GetFinalPathNameByHandleA(file, resolved.data(), static_cast<DWORD>(resolved.size()),
                                       FILE_NAME_NORMALIZED | VOLUME_NAME_DOS);
  }
  CloseHandle(file);
  if (length == 0 || length >= resolved.size()) return path;
  resolved.resize(length);
  // "\\?\C:\x" names C:\x, "\\?\UNC\server\share" names \\server\share.
  if (resolved.rfind("\\\\?\\UNC\\", 0) == 0) return "\\\\" + resolved.substr(8);
  if (resolved.rfind("\\\\?\\", 0) == 0) return resolved.substr(4);
  return resolved;
}

bool running_on_wine() {
  HMODULE ntdll = GetModuleHandleA("ntdll.dll");
  return ntdll && GetProcAddress(ntdll, "wine_get_version");
}

// Gives the temporary file the target's access rights. Under Wine these stand for the Unix
// permissions, which Wine derives as the owner's rights with execution allowed for every
// file; execution is taken out again, so a configuration file does not become a program.
void copy_access_rights(const std::string& from, const std::string& to) {
  DWORD needed = 0;
  GetFileSecurityA(from.c_str(), DACL_SECURITY_INFORMATION, nullptr, 0, &needed);
  if (needed == 0) return;
  std::vector<char> descriptor(needed);
  if (!GetFileSecurityA(from.c_str(), DACL_SECURITY_INFORMATION, descriptor.data(), needed, &needed)) return;
  if (running_on_wine()) {
    BOOL present = FALSE;
    BOOL defaulted = FALSE;
    PACL acl = nullptr;
    if (GetSecurityDescriptorDacl(descriptor.data(), &present, &acl, &defaulted) && present && acl) {
      for (DWORD i = 0; i < acl->AceCount; ++i) {
        ACE_HEADER* ace = nullptr;
        if (GetAce(acl, i, reinterpret_cast<void**>(&ace)) && ace->AceType == ACCESS_ALLOWED_ACE_TYPE) {
          reinterpret_cast<ACCESS_ALLOWED_ACE*>(ace)->Mask &= ~static_cast<DWORD>(FILE_EXECUTE);
        }
      }
    }
  }
  SetFileSecurityA(to.c_str(), DACL_SECURITY_INFORMATION, descriptor.data());
}

FileOpenObserver g_open_observer = nullptr;

// Opens a file for reading, shared with writers and with its removal; INVALID_HANDLE_VALUE
// with `state` missing or failed when it cannot be opened.
HANDLE open_for_reading(const char* path, FileRead& state) {
  state = FileRead::failed;
  if (path == nullptr || *path == '\0') return INVALID_HANDLE_VALUE;
  if (g_open_observer) g_open_observer(path);
  HANDLE handle = CreateFileA(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (handle == INVALID_HANDLE_VALUE) {
    const DWORD error = GetLastError();
    if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND) state = FileRead::missing;
    return handle;
  }
  state = FileRead::read;
  return handle;
}

}  // namespace

void set_file_open_observer(FileOpenObserver observer) { g_open_observer = observer; }

FileParts::FileParts(const char* path) : handle_(open_for_reading(path, state_)) {}

FileParts::~FileParts() {
  if (handle_ != INVALID_HANDLE_VALUE) CloseHandle(handle_);
}

long long FileParts::size() const {
  LARGE_INTEGER size;
  if (handle_ == INVALID_HANDLE_VALUE || !GetFileSizeEx(handle_, &size)) return -1;
  return size.QuadPart;
}

bool FileParts::next(std::size_t most, std::string& bytes) {
  if (handle_ == INVALID_HANDLE_VALUE || state_ != FileRead::read || most == 0) return false;
  const std::size_t old_size = bytes.size();
  const DWORD wanted = most > kChunk ? kChunk : static_cast<DWORD>(most);
  bytes.resize(old_size + wanted);
  DWORD got = 0;
  if (!ReadFile(handle_, &bytes[old_size], wanted, &got, nullptr)) {
    bytes.resize(old_size);
    state_ = FileRead::failed;  // part of a file is no file
    return false;
  }
  bytes.resize(old_size + got);
  return got > 0;
}

FileRead read_file(const char* path, std::string& bytes) {
  bytes.clear();
  FileParts parts(path);
  if (parts.state() != FileRead::read) return parts.state();
  try {
    const long long size = parts.size();
    if (size < 0 || static_cast<unsigned long long>(size) >= bytes.max_size()) return FileRead::failed;
    const std::size_t whole = static_cast<std::size_t>(size);
    bytes.reserve(whole);
    // A file that shrank while being read keeps what was there.
    while (bytes.size() < whole && parts.next(whole - bytes.size(), bytes)) {
    }
  } catch (const std::bad_alloc&) {
    bytes.clear();
    return FileRead::failed;
  }
  if (parts.state() != FileRead::read) {
    bytes.clear();  // part of a file is no file
    return FileRead::failed;
  }
  return FileRead::read;
}

std::string temporary_name_for(const std::string& target) { return target + ".tavtmp"; }

bool write_file_atomically(const char* path, std::string_view bytes) {
  if (path == nullptr || *path == '\0') return failed_with(ERROR_INVALID_NAME);
  try {
    const std::string target = final_path(path);
    const DWORD attributes = GetFileAttributesA(target.c_str());
    const bool exists = attributes != INVALID_FILE_ATTRIBUTES;
    if (exists && (attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY)) != 0) {
      return failed_with(ERROR_ACCESS_DENIED);
    }
    const std::string temporary = temporary_name_for(target);
    // The replacement keeps the target's hidden and system marks, as a write in place would.
    const DWORD kept = exists ? attributes & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM) : 0;
    if (!write_temporary(temporary, bytes)) {
      const DWORD error = GetLastError();
      DeleteFileA(temporary.c_str());
      return failed_with(error);
    }
    if (exists) copy_access_rights(target, temporary);
    stop_point("rename");
    if ((kept != 0 && !SetFileAttributesA(temporary.c_str(), kept)) ||
        !MoveFileExA(temporary.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
      const DWORD error = GetLastError();
      SetFileAttributesA(temporary.c_str(), FILE_ATTRIBUTE_NORMAL);
      DeleteFileA(temporary.c_str());
      return failed_with(error);
    }
    return true;
  } catch (const std::bad_alloc&) {
    return failed_with(ERROR_NOT_ENOUGH_MEMORY);
  }
}

}  // namespace tav
