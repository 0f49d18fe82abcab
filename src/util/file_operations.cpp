#include "util/file_operations.h"

#include <shellapi.h>

#include <cstring>

#include "util/core/error_report.h"
#include "util/core/text.h"
#include "util/stop_points.h"

namespace tav {
namespace {

constexpr int kNameSize = 260;  // a name of at most 259 characters and its terminator

// A private terminated copy of a name. A name too long for the field is refused rather
// than cut, since a cut name may be another, existing file.
class TerminatedName {
 public:
  TerminatedName(const char* name, int length) {
    if (length < 0) length = 0;
    if (length > 0) length = significant_length(name, length);
    usable_ = length < kNameSize;
    if (!usable_) length = 0;
    if (length > 0) std::memcpy(text_, name, static_cast<std::size_t>(length));
    text_[length] = '\0';
  }
  bool usable() const { return usable_; }
  const char* c_str() const { return text_; }

 private:
  char text_[kNameSize];
  bool usable_ = true;
};

// The errors a file operation may meet in normal use; any other is worth a report.
bool expected_error(DWORD error) {
  switch (error) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_ACCESS_DENIED:
    case ERROR_WRITE_PROTECT:
    case ERROR_DISK_FULL:
      return true;
    default:
      return false;
  }
}

bool failed(const char* tag, DWORD error) {
  if (!expected_error(error)) report_system_error(tag, static_cast<long>(error));
  return false;
}

bool is_read_only_file(const char* name) {
  const DWORD attributes = GetFileAttributesA(name);
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) &&
         !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// True when the list holds two terminators in a row within its buffer.
bool has_double_terminator(const char* list, int size) {
  if (list == nullptr) return false;
  for (int i = 0; i + 1 < size; ++i) {
    if (list[i] == '\0' && list[i + 1] == '\0') return true;
  }
  return false;
}

}  // namespace

bool file_exists(const char* name) {
  const DWORD attributes = GetFileAttributesA(name);
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

bool copy_file(const char* source, int source_length, const char* target, int target_length) {
  if (source_length <= 0 || target_length <= 0) report_length_cut("copy_file-length");
  const TerminatedName from(source, source_length);
  const TerminatedName to(target, target_length);
  if (!from.usable() || !to.usable()) return false;
  // Run with administrator rights, Wine would overwrite a read-only target; Windows refuses.
  if (is_read_only_file(to.c_str())) {
    SetLastError(ERROR_ACCESS_DENIED);
    return false;
  }
  stop_point("copy");
  if (CopyFileA(from.c_str(), to.c_str(), FALSE)) return true;
  return failed("copy_file", GetLastError());
}

bool delete_file(const char* name, int length) {
  const TerminatedName file(name, length);
  if (!file.usable()) return false;
  stop_point("delete");
  if (DeleteFileA(file.c_str())) return true;
  return failed("delete_file", GetLastError());
}

bool rename_file(const char* old_name, int old_length, const char* new_name, int new_length) {
  if (old_length <= 0 || new_length <= 0) {
    report_bad_argument("rename_file-1");
    return false;
  }
  const TerminatedName from(old_name, old_length);
  const TerminatedName to(new_name, new_length);
  if (!from.usable() || !to.usable()) return false;
  stop_point("move");
  if (MoveFileA(from.c_str(), to.c_str())) return true;
  return failed("rename_file-2", GetLastError());
}

bool shell_copy_trees(HWND owner, const char* sources, int sources_size, const char* targets, int targets_size,
                      bool one_destination_per_source, bool no_confirmation) {
  if (!has_double_terminator(sources, sources_size) || !has_double_terminator(targets, targets_size)) {
    report_bad_argument("shell_copy_trees-1");
    return false;
  }
  SHFILEOPSTRUCTA operation{};
  operation.hwnd = owner;
  operation.wFunc = FO_COPY;
  operation.pFrom = sources;
  operation.pTo = targets;
  if (one_destination_per_source) operation.fFlags |= FOF_MULTIDESTFILES;
  if (no_confirmation) operation.fFlags |= FOF_NOCONFIRMATION;
  stop_point("copy tree");
  return SHFileOperationA(&operation) == 0;
}

bool shell_recycle(HWND owner, const char* list, int list_size, bool no_confirmation) {
  if (!has_double_terminator(list, list_size)) {
    report_bad_argument("shell_recycle-1");
    return false;
  }
  SHFILEOPSTRUCTA operation{};
  operation.hwnd = owner;
  operation.wFunc = FO_DELETE;
  operation.pFrom = list;
  operation.fFlags = FOF_ALLOWUNDO;
  if (no_confirmation) operation.fFlags |= FOF_NOCONFIRMATION;
  stop_point("delete tree");
  return SHFileOperationA(&operation) == 0 && !operation.fAnyOperationsAborted;
}

}  // namespace tav
