#include "config/profile.h"

#include <new>

#include "config/core/profile_rules.h"
#include "controls/controls.h"
#include "util/atomic_file.h"

namespace tav::profile {
namespace {

enum class Load { read, missing, failed };

Load load_file(const char* file, std::string& bytes) {
  bytes.clear();
  if (file == nullptr || *file == '\0') return Load::failed;
  HANDLE handle = CreateFileA(file, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (handle == INVALID_HANDLE_VALUE) {
    DWORD error = GetLastError();
    return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND ? Load::missing : Load::failed;
  }
  Load result = Load::failed;
  LARGE_INTEGER size;
  try {
    if (GetFileSizeEx(handle, &size) && size.QuadPart >= 0 &&
        static_cast<unsigned long long>(size.QuadPart) < bytes.max_size()) {
      bytes.resize(static_cast<std::size_t>(size.QuadPart));
      std::size_t done = 0;
      bool read_failed = false;
      while (done < bytes.size()) {
        std::size_t rest = bytes.size() - done;
        DWORD chunk = rest > 0x10000000 ? 0x10000000 : static_cast<DWORD>(rest);
        DWORD got = 0;
        if (!ReadFile(handle, &bytes[done], chunk, &got, nullptr)) {
          // Part of a file is no file: a write must not save a document built from it.
          read_failed = true;
          break;
        }
        if (got == 0) break;
        done += got;
      }
      if (read_failed) {
        bytes.clear();
      } else {
        // A file that shrank while being read keeps what was there.
        bytes.resize(done);
        result = Load::read;
      }
    }
  } catch (const std::bad_alloc&) {
    bytes.clear();
  }
  CloseHandle(handle);
  return result;
}

// The file as a document; a missing or unreadable file is an empty one.
IniDocument read_document(const char* file) {
  std::string bytes;
  if (load_file(file, bytes) != Load::read) return IniDocument();
  return IniDocument(std::move(bytes));
}

}  // namespace

int get_string(std::string_view section, std::string_view key, std::string_view default_text, char* dest,
               int size, const char* file) {
  return read_text(read_document(file), section, key, default_text, dest, size);
}

int get_int(std::string_view section, std::string_view key, int default_value, const char* file) {
  return read_int(read_document(file), section, key, default_value);
}

bool read_flag(std::string_view section, std::string_view key, bool default_flag, const char* file) {
  return flag_from_stored(get_int(section, key, -1, file), default_flag);
}

int get_string_indirect(std::string_view section, std::string_view key, std::string_view default_text,
                        char* dest, int size, const char* file) {
  return read_text_indirect(read_document(file), section, key, default_text, dest, size);
}

bool write_string(std::string_view section, std::string_view key, std::string_view value, const char* file) {
  ProfileBatch batch(file);
  return batch.write_string(section, key, value) && batch.save();
}

bool write_int(std::string_view section, std::string_view key, int value, const char* file) {
  ProfileBatch batch(file);
  return batch.write_int(section, key, value) && batch.save();
}

bool write_flag(std::string_view section, std::string_view key, bool flag, const char* file) {
  ProfileBatch batch(file);
  return batch.write_flag(section, key, flag) && batch.save();
}

bool main_string(std::string_view section, std::string_view key, char (&dest)[256], int& length) {
  length = get_string(section, key, "", dest, static_cast<int>(sizeof dest), kMainFile);
  return length >= 1;
}

bool main_int(std::string_view section, std::string_view key, int& value) {
  value = get_int(section, key, 0, kMainFile);
  return true;
}

bool main_logical(std::string_view section, std::string_view key, bool& flag) {
  int value = get_int(section, key, -1, kMainFile);
  flag = value != 0;
  return value != -1;
}

bool settngsb_int(std::string_view section, std::string_view key, int& value) {
  int read = get_int(section, key, -1, kLayPlanningFile);
  if (read == -1) return false;
  value = read;
  return true;
}

ProfileBatch::ProfileBatch(const char* file) {
  try {
    file_ = file != nullptr ? file : "";
    switch (load_file(file, saved_)) {
      case Load::read: existed_ = true; break;
      case Load::missing: break;
      case Load::failed: failed_ = true; break;
    }
    document_ = IniDocument(saved_);
  } catch (const std::bad_alloc&) {
    failed_ = true;
  }
}

bool ProfileBatch::write_string(std::string_view section, std::string_view key, std::string_view value) {
  try {
    return document_.set(section, key, value);
  } catch (const std::bad_alloc&) {
    failed_ = true;
    return false;
  }
}

bool ProfileBatch::write_int(std::string_view section, std::string_view key, int value) {
  return write_string(section, key, integer_text(value));
}

bool ProfileBatch::write_flag(std::string_view section, std::string_view key, bool flag) {
  return write_string(section, key, flag_text(flag));
}

bool ProfileBatch::save() {
  if (failed_) return false;
  if (existed_ && document_.bytes() == saved_) {
    // Nothing to change; a read-only file still refuses, as any write to it does.
    DWORD attributes = GetFileAttributesA(file_.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) == 0;
  }
  if (!write_file_atomically(file_.c_str(), document_.bytes())) return false;
  try {
    saved_ = document_.bytes();
    existed_ = true;
  } catch (const std::bad_alloc&) {
    failed_ = true;
  }
  return true;
}

void check_from_flag(HWND page, int id, bool flag) { controls::check(page, id, flag); }

bool flag_from_check(HWND page, int id) { return controls::is_checked(page, id); }

void enable_from_flag(HWND page, int id, bool flag) { controls::enable(page, id, flag); }

void show_control(HWND page, int id, int show_code) { controls::show(page, id, show_code); }

}  // namespace tav::profile
