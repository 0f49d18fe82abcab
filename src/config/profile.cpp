#include "config/profile.h"

#include <algorithm>
#include <cstring>
#include <new>
#include <optional>

#include "config/core/profile_rules.h"
#include "controls/controls.h"
#include "util/atomic_file.h"

namespace tav::profile {
namespace {

constexpr std::string_view kUtf16Mark = "\xFF\xFE";

enum class Load { read, missing, failed };

// A file's contents as the document holds them: UTF-16 text in the ANSI code page.
struct Loaded {
  Load state = Load::missing;
  std::string bytes;
  bool utf16 = false;
  bool lossless = true;  // converting back gives the file's bytes exactly
};

std::string wide_to_ansi(std::wstring_view text, bool* lost) {
  if (text.empty()) return {};
  BOOL used_default = FALSE;
  const int n = static_cast<int>(text.size());
  const int size =
      WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, text.data(), n, nullptr, 0, nullptr, &used_default);
  std::string result(static_cast<std::size_t>(size > 0 ? size : 0), '\0');
  if (size > 0)
    WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, text.data(), n, result.data(), size, nullptr, &used_default);
  if (lost && (size <= 0 || used_default)) *lost = true;
  return result;
}

// The UTF-16 bytes of an ANSI text, with the byte order mark; nothing when a byte sequence
// has no character.
std::optional<std::string> ansi_to_utf16(std::string_view text) {
  std::string result(kUtf16Mark);
  if (text.empty()) return result;
  const int n = static_cast<int>(text.size());
  const int size = MultiByteToWideChar(CP_ACP, MB_ERR_INVALID_CHARS, text.data(), n, nullptr, 0);
  if (size <= 0) return std::nullopt;
  std::wstring wide(static_cast<std::size_t>(size), L'\0');
  MultiByteToWideChar(CP_ACP, MB_ERR_INVALID_CHARS, text.data(), n, wide.data(), size);
  result.append(reinterpret_cast<const char*>(wide.data()), wide.size() * sizeof(wchar_t));
  return result;
}

// The contents of a file that was read: in the ANSI code page when it is UTF-16.
Loaded loaded_from(std::string bytes) {
  Loaded loaded;
  loaded.state = Load::read;
  if (bytes.substr(0, kUtf16Mark.size()) != kUtf16Mark) {
    loaded.bytes = std::move(bytes);
    return loaded;
  }
  loaded.utf16 = true;
  std::wstring wide((bytes.size() - kUtf16Mark.size()) / 2, L'\0');
  std::memcpy(wide.data(), bytes.data() + kUtf16Mark.size(), wide.size() * sizeof(wchar_t));
  bool lost = (bytes.size() - kUtf16Mark.size()) % 2 != 0;
  loaded.bytes = wide_to_ansi(wide, &lost);
  const std::optional<std::string> back = ansi_to_utf16(loaded.bytes);
  loaded.lossless = !lost && back && *back == bytes;
  return loaded;
}

Loaded load_file(const char* file) {
  std::string bytes;
  switch (read_file(file, bytes)) {
    case FileRead::missing:
      return Loaded{};
    case FileRead::failed: {
      Loaded loaded;
      loaded.state = Load::failed;
      return loaded;
    }
    case FileRead::read:
      break;
  }
  return loaded_from(std::move(bytes));
}

// The first part of a file a snapshot reads, and the most it reads at a time later; the
// parts double in between.
constexpr std::size_t kFirstPart = 64 * 1024;
constexpr std::size_t kLargestPart = 16 * 1024 * 1024;

}  // namespace

ProfileSnapshot::ProfileSnapshot(const char* file) : parts_(std::make_unique<FileParts>(file)), part_size_(kFirstPart) {
  if (parts_->state() != FileRead::read) {
    unreadable_ = parts_->state() == FileRead::failed;
    parts_.reset();
    return;
  }
  if (!read_more()) return;
  const std::string start = (document_.bytes() + pending_.substr(0, kUtf16Mark.size())).substr(0, kUtf16Mark.size());
  if (start != kUtf16Mark) return;
  // A UTF-16 file is converted whole.
  while (read_more()) {
  }
  if (unreadable_) return;
  Loaded loaded = loaded_from(document_.bytes());
  read_only_ = !loaded.lossless;
  document_ = IniDocument(std::move(loaded.bytes));
}

void ProfileSnapshot::fail() const {
  // Part of a file is no file: every read gives its default, as for a file that cannot be
  // opened.
  unreadable_ = true;
  parts_.reset();
  pending_.clear();
  document_ = IniDocument();
}

bool ProfileSnapshot::read_more() const {
  if (!parts_) return false;
  try {
    const bool more = parts_->next(part_size_, pending_);
    if (parts_->state() == FileRead::failed) {
      fail();
      return false;
    }
    part_size_ = std::min(part_size_ * 2, kLargestPart);
    if (!more) {
      // The end of the file: its last line, with or without its line break.
      parts_.reset();
      const bool appended = !pending_.empty();
      document_.append(pending_);
      pending_.clear();
      return appended;
    }
    // Whole lines only, so that a key line is never taken for complete before its end.
    const std::size_t last_break = pending_.find_last_of('\n');
    if (last_break != std::string::npos) {
      document_.append(std::string_view(pending_).substr(0, last_break + 1));
      pending_.erase(0, last_break + 1);
    }
    return true;
  } catch (const std::bad_alloc&) {
    fail();  // a file too large for the memory left reads as one that cannot be read
    return false;
  }
}

void ProfileSnapshot::settle(std::string_view section, std::string_view key) const {
  while (parts_ && !document_.find_settled(section, key).settled && read_more()) {
  }
}

const IniDocument& ProfileSnapshot::document() const {
  while (read_more()) {
  }
  return document_;
}

int ProfileSnapshot::get_string(std::string_view section, std::string_view key, std::string_view default_text,
                                char* dest, int size) const {
  settle(section, key);
  return read_text(document_, section, key, default_text, dest, size);
}

int ProfileSnapshot::get_int(std::string_view section, std::string_view key, int default_value) const {
  settle(section, key);
  return read_int(document_, section, key, default_value);
}

int ProfileSnapshot::get_string_indirect(std::string_view section, std::string_view key, std::string_view default_text,
                                         char* dest, int size) const {
  // The value may name a key of section "STANDARD", which must be settled too.
  settle(section, key);
  if (parts_) {
    std::string value(static_cast<std::size_t>(size > 0 ? size : 0), '\0');
    const int length = read_text(document_, section, key, default_text, value.data(), size);
    if (length >= 1 && value[0] == '#' && value[static_cast<std::size_t>(length) - 1] == '#') {
      settle("STANDARD", std::string_view(value.data(), static_cast<std::size_t>(length)));
    }
  }
  return read_text_indirect(document_, section, key, default_text, dest, size);
}

int get_string(std::string_view section, std::string_view key, std::string_view default_text, char* dest, int size,
               const char* file) {
  return ProfileSnapshot(file).get_string(section, key, default_text, dest, size);
}

int get_int(std::string_view section, std::string_view key, int default_value, const char* file) {
  return ProfileSnapshot(file).get_int(section, key, default_value);
}

bool read_flag(std::string_view section, std::string_view key, bool default_flag, const char* file) {
  return flag_from_stored(get_int(section, key, -1, file), default_flag);
}

int get_string_indirect(std::string_view section, std::string_view key, std::string_view default_text, char* dest,
                        int size, const char* file) {
  return ProfileSnapshot(file).get_string_indirect(section, key, default_text, dest, size);
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
    Loaded loaded = load_file(file);
    if (loaded.state == Load::failed) failure_ = GetLastError();
    if (!loaded.lossless) failure_ = ERROR_NO_UNICODE_TRANSLATION;
    existed_ = loaded.state == Load::read;
    utf16_ = loaded.utf16;
    failed_ = loaded.state == Load::failed || !loaded.lossless;
    saved_ = std::move(loaded.bytes);
    document_ = IniDocument(saved_);
  } catch (const std::bad_alloc&) {
    failed_ = true;
    failure_ = ERROR_NOT_ENOUGH_MEMORY;
  }
}

bool ProfileBatch::write_string(std::string_view section, std::string_view key, std::string_view value) {
  try {
    return document_.set(section, key, value);
  } catch (const std::bad_alloc&) {
    failed_ = true;
    failure_ = ERROR_NOT_ENOUGH_MEMORY;
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
  if (failed_) {
    SetLastError(failure_ != ERROR_SUCCESS ? failure_ : ERROR_READ_FAULT);
    return false;
  }
  if (existed_ && document_.bytes() == saved_) {
    // Nothing to change; a read-only file still refuses, as any write to it does.
    const DWORD attributes = GetFileAttributesA(file_.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) return false;
    if (attributes & FILE_ATTRIBUTE_READONLY) {
      SetLastError(ERROR_ACCESS_DENIED);
      return false;
    }
    return true;
  }
  try {
    if (utf16_) {
      const std::optional<std::string> encoded = ansi_to_utf16(document_.bytes());
      if (!encoded) {
        SetLastError(ERROR_NO_UNICODE_TRANSLATION);
        return false;
      }
      if (!write_file_atomically(file_.c_str(), *encoded)) return false;
    } else if (!write_file_atomically(file_.c_str(), document_.bytes())) {
      return false;
    }
    saved_ = document_.bytes();
    existed_ = true;
  } catch (const std::bad_alloc&) {
    failed_ = true;
    failure_ = ERROR_NOT_ENOUGH_MEMORY;
    SetLastError(failure_);
    return false;
  }
  return true;
}

void check_from_flag(HWND page, int id, bool flag) { controls::check(page, id, flag); }

bool flag_from_check(HWND page, int id) { return controls::is_checked(page, id); }

void enable_from_flag(HWND page, int id, bool flag) { controls::enable(page, id, flag); }

void show_control(HWND page, int id, int show_code) { controls::show(page, id, show_code); }

}  // namespace tav::profile
