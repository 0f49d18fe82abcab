#include "folders/folder_relocation.h"

#include <array>
#include <atomic>

#include "config/profile.h"
#include "folders/core/path_rules.h"
#include "folders/core/system_file.h"
#include "folders/repainting_wait.h"
#include "folders/tree_copy.h"
#include "util/atomic_file.h"
#include "util/backups.h"
#include "util/core/text.h"
#include "util/directory_listing.h"
#include "util/file_operations.h"

namespace tav {
namespace {

constexpr std::size_t kLongestPath = 260;
constexpr int kReplaceTries = 3;

std::string current_directory() {
  char folder[MAX_PATH + 1] = {};
  const DWORD n = GetCurrentDirectoryA(sizeof folder, folder);
  return n > 0 && n < sizeof folder ? std::string(folder, n) : std::string();
}

std::string without_final_backslash(std::string_view path) {
  std::string text(path);
  if (!text.empty() && text.back() == '\\') text.pop_back();
  return text;
}

bool exists(const std::string& path) { return path_exists(path.data(), static_cast<int>(path.size())); }

// True when the drive of an absolute path with a drive letter cannot be read now.
bool drive_not_ready(const std::string& absolute) {
  if (absolute.size() < 3 || absolute[1] != ':') return false;
  const char root[4] = {absolute[0], ':', '\\', '\0'};
  return drive_ready(root) == 0;
}

DWORD wide_attributes(const std::wstring& path) { return GetFileAttributesW(path.c_str()); }

// True when a file of the tree already stands at its place below target.
bool replaces_files(const FolderTree& tree, const std::wstring& target) {
  for (const TreeItem& item : tree.items) {
    if (!item.folder() && wide_attributes(target + L'\\' + item.path) != INVALID_FILE_ATTRIBUTES) return true;
  }
  return false;
}

std::string path_list(std::string_view path) {
  std::string list(2, '\0');
  add_absolute_path(list, path);
  return list;
}

bool shell_copy_into(HWND owner, const std::string& from, const std::string& to, bool no_warning) {
  // The contents of the old folder into the existing one: the call that gives the same
  // result on Windows and on Wine, which would nest the folder inside it instead.
  const std::string sources = path_list(from + "\\*");
  const std::string targets = path_list(to);
  return FileOP_Copy(owner, sources.data(), static_cast<int>(sources.size()), targets.data(),
                     static_cast<int>(targets.size()), false, no_warning);
}

}  // namespace

namespace {

// True when the file could be replaced now: not read-only, and nobody holds it open
// without letting it be deleted.
bool replaceable(const std::string& path) {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_READONLY)) return false;
  HANDLE file = CreateFileA(path.c_str(), DELETE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  CloseHandle(file);
  return true;
}

// True when a new file can be made beside the system file: its temporary file, made and
// removed again at once (also when the program ends abruptly, since the system deletes a
// file opened to be deleted on closing).
bool folder_takes_files(const std::string& file) {
  const std::string probe = temporary_name_for(file);
  HANDLE handle = CreateFileA(probe.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                              FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
  if (handle == INVALID_HANDLE_VALUE) return GetLastError() == ERROR_FILE_EXISTS;  // a leftover: writable
  CloseHandle(handle);
  return true;
}

bool replace_file(const std::string& path, const std::string& bytes) {
  for (int attempt = 0; attempt < kReplaceTries; ++attempt) {
    if (attempt > 0) Sleep(100);
    if (write_file_atomically(path.c_str(), bytes)) return true;
  }
  return false;
}

StepProgress part_of(const StepProgress& progress, int index, int count) {
  if (!progress) return {};
  return [progress, index, count](double done) { progress((index + done) / count); };
}

}  // namespace

void add_absolute_path(std::string& list, std::string_view path) {
  tav::add_absolute_path(list, path, current_directory());
}

void create_folder_chain(std::string_view path) {
  SECURITY_ATTRIBUTES security{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
  for (const std::string& folder : folder_chain(path)) CreateDirectoryA(folder.c_str(), &security);
}

bool copy_tree(HWND owner, std::string_view old_path, std::string_view new_path, bool no_warning,
               const StepProgress& progress) {
  const std::string cwd = current_directory();
  const std::string from = absolute_path(without_final_backslash(old_path), cwd);
  const std::string to = absolute_path(without_final_backslash(new_path), cwd);
  if (!exists(without_final_backslash(old_path))) return !drive_not_ready(from);
  switch (folder_relation(from, to, cwd)) {
    case FolderRelation::same: return true;
    case FolderRelation::nested: return false;  // a tree never goes into itself
    case FolderRelation::apart: break;
  }
  const std::size_t last = to.rfind('\\');
  if (last != std::string::npos) create_folder_chain(std::string_view(to).substr(0, last + 1));

  const std::wstring wide_from = tree_path(from);
  const std::wstring wide_to = tree_path(to);
  const FolderTree tree = list_tree(wide_from);
  if (!tree.readable) return false;
  const DWORD target = wide_attributes(wide_to);
  if (target != INVALID_FILE_ATTRIBUTES && !(target & FILE_ATTRIBUTE_DIRECTORY)) return false;

  bool copied = false;
  if (target != INVALID_FILE_ATTRIBUTES && !no_warning && replaces_files(tree, wide_to)) {
    // Files would be replaced: the shell asks the user about each.
    copied = shell_copy_into(owner, from, to, no_warning);
  } else if (target != INVALID_FILE_ATTRIBUTES || CreateDirectoryW(wide_to.c_str(), nullptr)) {
    std::atomic<std::uint64_t> done{0};
    const auto report = [&] {
      if (progress && tree.bytes > 0) progress(static_cast<double>(done.load()) / static_cast<double>(tree.bytes));
    };
    copied = run_while_repainting([&] { return copy_listed_tree(tree, wide_from, wide_to, done); }, report);
    report();
  }
  // The copy counts only when everything arrived, whatever the copy said of itself.
  const FolderTree arrived = list_tree(wide_to);
  return copied && arrived.readable && !missing_from_copy(comparable_entries(tree), comparable_entries(arrived));
}

bool remove_tree(HWND owner, std::string_view path, bool no_warning) {
  const std::string folder = without_final_backslash(path);
  if (!exists(folder)) return true;
  if (is_root_folder(folder, current_directory())) return false;
  const std::string list = path_list(folder);
  const bool removed = FileOP_Delete(owner, list.data(), static_cast<int>(list.size()), no_warning);
  return removed && !exists(folder);
}

DataFolderResult relocate_data_folder(HWND owner, std::string_view shown_path, std::string_view target_entry,
                                      std::string_view default_path, std::string_view key,
                                      const RelocationOptions& options, const StepProgress& progress) {
  std::string old_path(shown_path.substr(0, kLongestPath));
  if (old_path.empty()) return {false, old_path};
  if (old_path.back() != '\\') old_path += '\\';
  const std::string new_path = target_of_entry(target_entry).drive + std::string(default_path);
  const FolderAction action = folder_action(old_path, new_path, current_directory());
  if (action == FolderAction::blocked && (options.copy || options.remove)) return {false, old_path};
  if (options.copy && action == FolderAction::move &&
      !copy_tree(owner, old_path, new_path, options.no_warning, progress)) {
    return {false, old_path};
  }
  // The old folder goes only once the system looks for its data at the new place.
  if (!profile::write_string("PATH", key, new_path, profile::kMainFile)) return {false, old_path};
  if (options.remove && action == FolderAction::move) remove_tree(owner, old_path, options.no_warning);
  return {true, new_path};
}

int relocate_measurement_system(HWND owner, std::string_view code, std::string_view target_entry,
                                const RelocationOptions& options, const StepProgress& progress) {
  const SystemCode system_code(code.substr(0, SystemCode::size()));
  SystemCode folder_code = system_code;
  const int code_length = squeeze(folder_code.data(), folder_code.size());
  GroKle(folder_code.data(), code_length);
  const std::string folder = "\\TAVIRO\\" + std::string(folder_code.data(), static_cast<std::size_t>(code_length));
  const std::string file = folder + "\\" + std::string(kSystemFileName);

  std::string bytes;
  if (read_file(file.c_str(), bytes) != FileRead::read) return kSystemDone;  // no system file: nothing to relocate
  const SystemRelocationPlan plan = plan_system_relocation(split_lines(bytes), system_code,
                                                           target_of_entry(target_entry), options.keep_export,
                                                           current_directory());
  if (plan.status != kSystemDone || !plan.rewrite) return plan.status;
  // Nothing is copied for a file that could not take the new paths afterwards.
  if (!replaceable(file)) return kSystemFileLocked;
  if (!folder_takes_files(file)) return kSystemFileNotWritten;

  int status = kSystemDone;
  std::array<bool, kSystemFolderCount> stays_behind{};
  for (int i = 0; i < kSystemFolderCount; ++i) {
    const SystemFolderMove& move = plan.folders[static_cast<std::size_t>(i)];
    if (move.action == FolderAction::blocked) status = kSystemCopyFailed;
    if (move.action != FolderAction::move || !options.copy) continue;
    if (!copy_tree(owner, move.old_path, move.new_path, options.no_warning, part_of(progress, i, kSystemFolderCount))) {
      stays_behind[static_cast<std::size_t>(i)] = true;
      status = kSystemCopyFailed;
    }
  }

  numbered_backup(file.data(), static_cast<int>(file.size()), 0);
  if (!replace_file(file, join_lines(relocated_system_lines(plan, stays_behind)))) {
    // The old file still names the old folders, and they are all still there.
    return replaceable(file) ? kSystemFileNotWritten : kSystemFileLocked;
  }
  if (options.remove) {
    for (int i = 0; i < kSystemFolderCount; ++i) {
      const SystemFolderMove& move = plan.folders[static_cast<std::size_t>(i)];
      if (move.action != FolderAction::move || stays_behind[static_cast<std::size_t>(i)]) continue;
      if (!remove_tree(owner, move.old_path, options.no_warning)) status = kSystemRemoveFailed;
    }
  }
  return status;
}

}  // namespace tav
