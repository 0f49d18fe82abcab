#include "controls/failure_message.h"

#include "controls/controls.h"
#include "resources/ids.h"
#include "util/core/message_text.h"
#include "util/program_log.h"

namespace tav::controls {

void tell_failure(HWND owner, int text_id, std::initializer_list<std::string_view> arguments, std::string_view action,
                  std::string_view subject, std::string_view reason) {
  const std::string text = with_arguments(load_string(text_id), arguments);
  char caption[256] = {};
  if (owner) GetWindowTextA(owner, caption, sizeof caption);
  log_failure(action, subject, reason);
  MessageBoxA(owner, text.c_str(), caption, MB_OK | MB_ICONSTOP);
}

void tell_file_not_written(HWND owner, std::string_view action, const std::string& file, DWORD error) {
  const std::string path = full_path(file);
  const std::string reason = system_error_text(error);
  tell_failure(owner, IDS_FILE_NOT_WRITTEN, {path, reason}, action, path, reason);
}

std::string full_path(const std::string& path) {
  char full[MAX_PATH * 4] = {};
  const DWORD length = GetFullPathNameA(path.c_str(), sizeof full, full, nullptr);
  return length > 0 && length < sizeof full ? std::string(full, length) : path;
}

}  // namespace tav::controls
