#include "folders/relocation_summary.h"

#include "controls/controls.h"
#include "controls/failure_message.h"
#include "resources/ids.h"
#include "util/core/message_text.h"
#include "util/program_log.h"

namespace tav {
namespace {

std::string shown(const std::string& path) { return path.empty() ? path : controls::full_path(path); }

// Why a copy is not whole at its new place.
std::string copy_reason(const CopyResult& copy) {
  switch (copy.outcome) {
    case CopyOutcome::copied:
    case CopyOutcome::nothing_to_copy:
      return {};
    case CopyOutcome::unreadable:
      return with_arguments(controls::load_string(IDS_COPY_UNREADABLE), {copy.item, system_error_text(copy.error)});
    case CopyOutcome::case_twins:
      return with_arguments(controls::load_string(IDS_COPY_CASE_TWINS), {copy.item});
    case CopyOutcome::differs:
      return with_arguments(controls::load_string(IDS_COPY_DIFFERS), {copy.item});
    case CopyOutcome::incomplete:
    case CopyOutcome::nested:
      break;
  }
  return with_arguments(controls::load_string(IDS_COPY_INCOMPLETE), {copy.item});
}

// The text of each fate that is not what was asked.
int text_of_fate(FolderFate fate) {
  switch (fate) {
    case FolderFate::moved:
      return 0;
    case FolderFate::not_copied:
      return IDS_RELOCATION_NOT_COPIED;
    case FolderFate::blocked:
      return IDS_RELOCATION_BLOCKED;
    case FolderFate::holds_installation:
      return IDS_RELOCATION_HOLDS_INSTALLATION;
    case FolderFate::key_not_written:
      return IDS_RELOCATION_KEY_NOT_WRITTEN;
    case FolderFate::kept_system_file:
      return IDS_RELOCATION_KEPT_SYSTEM_FILE;
    case FolderFate::kept_shared:
      return IDS_RELOCATION_KEPT_SHARED;
    case FolderFate::kept_incomplete:
      return IDS_RELOCATION_KEPT_INCOMPLETE;
    case FolderFate::not_removed:
      return IDS_RELOCATION_NOT_REMOVED;
  }
  return 0;
}

}  // namespace

RelocationSummary::RelocationSummary(std::array<std::string, kDataFolderKeys.size()> folder_names,
                                     std::string system_title)
    : folder_names_(std::move(folder_names)), system_title_(std::move(system_title)) {}

std::string RelocationSummary::system_name(const std::string& code) const { return system_title_ + " " + code; }

std::string RelocationSummary::user_name(const FolderUser& user) const {
  if (user.data_folder >= 0 && user.data_folder < static_cast<int>(folder_names_.size())) {
    return folder_names_[static_cast<std::size_t>(user.data_folder)];
  }
  const std::string system = system_name(user.system_code);
  if (user.system_folder < 0 || user.system_folder >= kSystemFolderCount) return system;
  return with_arguments(controls::load_string(IDS_RELOCATION_SYSTEM_FOLDER),
                        {system, kSystemFolderNames[static_cast<std::size_t>(user.system_folder)]});
}

std::string RelocationSummary::reason_of(const FolderReport& report) const {
  switch (report.fate) {
    case FolderFate::not_copied:
    case FolderFate::kept_incomplete:
      return copy_reason(report.copy);
    case FolderFate::holds_installation:
    case FolderFate::kept_system_file:
      return shown(report.guard.folder);
    case FolderFate::kept_shared:
      return user_name(report.guard.user);
    case FolderFate::key_not_written:
      return system_error_text(report.error);
    case FolderFate::moved:
    case FolderFate::blocked:
    case FolderFate::not_removed:
      break;
  }
  return {};
}

void RelocationSummary::add_line(int text, const std::string& what, const std::string& old_place,
                                 const std::string& new_place, const std::string& detail) {
  std::string line = with_arguments(controls::load_string(text), {what, old_place, new_place, detail});
  while (!line.empty() && line.back() == ' ') line.pop_back();
  paragraphs_.push_back(line);
  subjects_.push_back(old_place);
}

void RelocationSummary::add(const std::string& what, const FolderReport& report) {
  const int text = text_of_fate(report.fate);
  if (text != 0) add_line(text, what, shown(report.old_path), shown(report.new_path), reason_of(report));
}

void RelocationSummary::add_data_folder(int data_folder, const FolderReport& report) {
  add(folder_names_[static_cast<std::size_t>(data_folder)], report);
}

void RelocationSummary::add_system(const std::string& code, const SystemRelocationResult& result) {
  const std::string name = system_name(code);
  const std::string file = shown(result.file);
  switch (result.status) {
    case kSystemTooShort:
      add_line(IDS_RELOCATION_SYSTEM_TOO_SHORT, name, file, "", "");
      return;
    case kSystemWrongCode:
      add_line(IDS_RELOCATION_SYSTEM_WRONG_CODE, name, file, "", "");
      return;
    case kSystemFileLocked:
    case kSystemFileNotWritten:
      add_line(IDS_RELOCATION_SYSTEM_FILE, name, file, "", system_error_text(result.error));
      return;
    default:
      break;
  }
  for (std::size_t i = 0; i < result.folders.size(); ++i) {
    add(user_name(FolderUser{"", -1, code, static_cast<int>(i)}), result.folders[i]);
  }
}

void RelocationSummary::tell(HWND dialog) const {
  if (paragraphs_.empty()) return;
  std::string text = controls::load_string(IDS_RELOCATION_SUMMARY);
  for (std::size_t i = 0; i < paragraphs_.size(); ++i) {
    text += "\n\n" + paragraphs_[i];
    log_failure("relocate", subjects_[i], paragraphs_[i]);
  }
  char caption[256] = {};
  GetWindowTextA(dialog, caption, sizeof caption);
  MessageBoxA(dialog, text.c_str(), caption, MB_OK | MB_ICONWARNING);
}

}  // namespace tav
