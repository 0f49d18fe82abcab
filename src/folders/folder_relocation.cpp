#include "folders/folder_relocation.h"

#include <algorithm>
#include <array>
#include <atomic>
#include <optional>
#include <set>

#include "config/profile.h"
#include "folders/core/data_folders.h"
#include "folders/installation_folders.h"
#include "folders/core/path_rules.h"
#include "folders/repainting_wait.h"
#include "folders/tree_copy.h"
#include "util/atomic_file.h"
#include "util/backups.h"
#include "util/core/text.h"
#include "util/current_folder.h"
#include "util/directory_listing.h"
#include "util/file_operations.h"

namespace tav {
namespace {

constexpr std::size_t kLongestPath = 260;
constexpr int kReplaceTries = 3;

std::string without_final_backslash(std::string_view path) {
  std::string text(path);
  if (!text.empty() && text.back() == '\\') text.pop_back();
  return text;
}

// True when the drive of an absolute path with a drive letter cannot be read now.
bool drive_not_ready(const std::string& absolute) {
  if (absolute.size() < 3 || absolute[1] != ':') return false;
  const char root[4] = {absolute[0], ':', '\\', '\0'};
  return drive_ready(root) == 0;
}

DWORD wide_attributes(const std::wstring& path) { return GetFileAttributesW(path.c_str()); }

// Whether a folder is there: the wide, long-path form reaches folders of any length.
enum class Presence { there, missing, unknown };
Presence presence_of(const std::wstring& path, DWORD& error) {
  if (wide_attributes(path) != INVALID_FILE_ATTRIBUTES) return Presence::there;
  error = GetLastError();
  return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND ? Presence::missing : Presence::unknown;
}

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
  return shell_copy_trees(owner, sources.data(), static_cast<int>(sources.size()), targets.data(),
                          static_cast<int>(targets.size()), false, no_warning);
}

CopyResult copy_failure(CopyOutcome outcome, std::string item, DWORD error = 0) {
  return {outcome, std::move(item), error};
}

// A path below a tree's top, as the user is shown it.
std::string item_path(const std::string& top, const std::wstring& relative) {
  return relative.empty() ? top : top + "\\" + narrowed(relative);
}

CopyResult unreadable_tree(const std::string& top, const FolderTree& tree) {
  return copy_failure(CopyOutcome::unreadable, item_path(top, tree.unreadable_at), tree.error);
}

// The old tree's item whose compared path is `compared`, as the user is shown it.
std::string listed_item(const std::string& top, const FolderTree& tree, const TreeEntry& compared) {
  const std::vector<TreeEntry> entries = comparable_entries(tree);
  for (std::size_t i = 0; i < entries.size(); ++i) {
    if (entries[i].path == compared.path) return item_path(top, tree.items[i].path);
  }
  return top;
}

// The files of a listing by their compared paths.
std::set<std::string> file_paths(const FolderTree& tree) {
  std::set<std::string> paths;
  for (const TreeEntry& entry : comparable_entries(tree)) {
    if (!entry.folder) paths.insert(entry.path);
  }
  return paths;
}

// The files of the old tree whose compared paths are in `compare` must hold the same bytes
// at the new place.
CopyResult compare_contents(const std::string& from, const std::string& to, const FolderTree& tree,
                            const std::set<std::string>& compare) {
  const std::vector<TreeEntry> entries = comparable_entries(tree);
  for (std::size_t i = 0; i < entries.size(); ++i) {
    if (entries[i].folder || compare.count(entries[i].path) == 0) continue;
    const std::wstring& relative = tree.items[i].path;
    if (!same_contents(tree_path(from) + L'\\' + relative, tree_path(to) + L'\\' + relative)) {
      return copy_failure(CopyOutcome::differs, item_path(to, relative));
    }
  }
  return {};
}

// The old tree, listed for a copy or its check; nothing (and `failure`) when it cannot be.
std::optional<FolderTree> listed_old_tree(const std::string& from, CopyResult& failure) {
  DWORD error = 0;
  switch (presence_of(tree_path(from), error)) {
    case Presence::there:
      break;
    case Presence::missing:
      if (!drive_not_ready(from)) {
        failure = copy_failure(CopyOutcome::nothing_to_copy, from);
        return std::nullopt;
      }
      error = ERROR_NOT_READY;
      [[fallthrough]];
    case Presence::unknown:
      failure = copy_failure(CopyOutcome::unreadable, from, error);
      return std::nullopt;
  }
  FolderTree tree = list_tree(tree_path(from));
  if (!tree.readable) {
    failure = unreadable_tree(from, tree);
    return std::nullopt;
  }
  if (const std::optional<TreeEntry> twin = case_twin(comparable_entries(tree))) {
    failure = copy_failure(CopyOutcome::case_twins, listed_item(from, tree, *twin));
    return std::nullopt;
  }
  return tree;
}

// True when the file could be replaced now: not read-only, and nobody holds it open
// without letting it be deleted. When not, GetLastError() tells why.
bool replaceable(const std::string& path) {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) return false;
  if (attributes & FILE_ATTRIBUTE_READONLY) {
    SetLastError(ERROR_ACCESS_DENIED);
    return false;
  }
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
  return [progress, index, count](const StepNote& note) {
    StepNote whole = note;
    whole.done = (index + note.done) / count;
    progress(whole);
  };
}

// True when a measurement-system file lies anywhere in the tree of path (also one the
// installation's own list does not name, such as that of a folder of another name).
bool holds_system_file(const std::string& path) {
  const FolderTree tree = list_tree(tree_path(absolute_path(without_final_backslash(path), current_folder())));
  for (const TreeItem& item : tree.items) {
    const std::size_t slash = item.path.rfind(L'\\');
    const std::wstring name = slash == std::wstring::npos ? item.path : item.path.substr(slash + 1);
    if (!item.folder() && narrowed(name).size() == kSystemFileName.size() &&
        same_text(narrowed(name).data(), kSystemFileName.data(), static_cast<int>(kSystemFileName.size()))) {
      return true;
    }
  }
  return false;
}

// The removal of a moved folder: only when the guard lets it go and its data are whole at
// the new place (checked here when this run did not copy them). Sets the report's fate.
void remove_moved_folder(HWND owner, FolderReport& report, const GuardDecision& guard, bool copied, bool no_warning) {
  report.guard = guard;
  if (guard.guard == Guard::free && holds_system_file(report.old_path)) {
    report.guard = {Guard::holds_system_file, report.old_path, {}};
  }
  switch (report.guard.guard) {
    case Guard::free:
      break;
    case Guard::shared:
      report.fate = FolderFate::kept_shared;
      return;
    case Guard::holds_installation:  // such a folder never moves; kept all the same
    case Guard::holds_system_file:
      report.fate = FolderFate::kept_system_file;
      return;
  }
  if (!copied) {
    report.copy = check_copy(report.old_path, report.new_path);
    if (!report.copy.complete()) {
      report.fate = FolderFate::kept_incomplete;
      return;
    }
  }
  if (!remove_tree(owner, report.old_path, no_warning)) report.fate = FolderFate::not_removed;
}

// The folders of the installation's measurement-system files ("\taviro\*\taviro_s.kon")
// and every system's data folders.
void add_systems(InstallationFolders& folders) {
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA("\\taviro\\*", &found);
  if (search == INVALID_HANDLE_VALUE) return;
  do {
    const std::string name = found.cFileName;
    if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) || name == "." || name == "..") continue;
    const std::string folder = "\\taviro\\" + name;
    std::string bytes;
    if (read_file((folder + "\\" + std::string(kSystemFileName)).c_str(), bytes) == FileRead::missing) continue;
    folders.system_files.push_back(folder);
    const std::vector<std::string> lines = split_lines(bytes);
    const auto data = system_data_folders(lines);
    const std::optional<SystemRow> row = system_row(lines);
    if (!data || !row) continue;
    for (std::size_t i = 0; i < data->size(); ++i) {
      if (!(*data)[i].empty()) folders.users.push_back({(*data)[i], -1, row->code, static_cast<int>(i)});
    }
  } while (FindNextFileA(search, &found));
  FindClose(search);
}

// The folder of a data-folder key and where a relocation to target_entry puts it; none for
// an empty key.
std::optional<FolderMove> data_folder_move(std::string_view shown_path, std::string_view target_entry, int data_folder,
                                           const std::string& cwd) {
  std::string old_path(shown_path.substr(0, kLongestPath));
  if (old_path.empty()) return std::nullopt;
  if (old_path.back() != '\\') old_path += '\\';
  const DataFolderKey& key = kDataFolderKeys[static_cast<std::size_t>(data_folder)];
  std::string new_path = target_of_entry(target_entry).drive + std::string(key.default_path);
  const FolderAction action = folder_action(old_path, new_path, cwd);
  return FolderMove{std::move(old_path), std::move(new_path), action};
}

// The measurement-system file of the system with the code ("\TAVIRO\dob\taviro_s.kon").
std::string system_file_of(const SystemCode& system_code) {
  SystemCode folder_code = system_code;
  const int code_length = squeeze(folder_code.data(), folder_code.size());
  to_lower_case(folder_code.data(), code_length);
  return "\\TAVIRO\\" + std::string(folder_code.data(), static_cast<std::size_t>(code_length)) + "\\" +
         std::string(kSystemFileName);
}

// The relocation plan of the system's file; none when the file cannot be read.
std::optional<SystemRelocationPlan> system_plan(const std::string& file, const SystemCode& system_code,
                                                std::string_view target_entry, bool keep_export,
                                                const std::string& cwd) {
  std::string bytes;
  if (read_file(file.c_str(), bytes) != FileRead::read) return std::nullopt;
  return plan_system_relocation(split_lines(bytes), system_code, target_of_entry(target_entry), keep_export, cwd);
}

}  // namespace

void add_absolute_path(std::string& list, std::string_view path) {
  tav::add_absolute_path(list, path, current_folder());
}

void create_folder_chain(std::string_view path) {
  SECURITY_ATTRIBUTES security{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
  for (const std::string& folder : folder_chain(path)) CreateDirectoryA(folder.c_str(), &security);
}

CopyResult copy_tree(HWND owner, std::string_view old_path, std::string_view new_path, bool no_warning,
                     const StepProgress& progress) {
  const std::string cwd = current_folder();
  const std::string from = absolute_path(without_final_backslash(old_path), cwd);
  const std::string to = absolute_path(without_final_backslash(new_path), cwd);
  switch (folder_relation(from, to, cwd)) {
    case FolderRelation::same:
      return {};
    case FolderRelation::nested:
      return copy_failure(CopyOutcome::nested, to);  // a tree never goes into itself
    case FolderRelation::apart:
      break;
  }
  CopyResult failure;
  const std::optional<FolderTree> tree = listed_old_tree(from, failure);
  if (!tree) return failure;
  const std::size_t last = to.rfind('\\');
  if (last != std::string::npos) create_folder_chain(std::string_view(to).substr(0, last + 1));

  const std::wstring wide_from = tree_path(from);
  const std::wstring wide_to = tree_path(to);
  const DWORD target = wide_attributes(wide_to);
  if (target != INVALID_FILE_ATTRIBUTES && !(target & FILE_ATTRIBUTE_DIRECTORY)) {
    return copy_failure(CopyOutcome::incomplete, to);
  }
  // Files that were there before the copy count only when they end up with the old contents.
  std::set<std::string> there_before;
  if (target != INVALID_FILE_ATTRIBUTES) there_before = file_paths(list_tree(wide_to));

  bool copied = false;
  if (!there_before.empty() && !no_warning && replaces_files(*tree, wide_to)) {
    // Files would be replaced: the shell asks the user about each.
    copied = shell_copy_into(owner, from, to, no_warning);
  } else if (target != INVALID_FILE_ATTRIBUTES || CreateDirectoryW(wide_to.c_str(), nullptr)) {
    CopyCounters done;
    std::uint64_t files = 0;
    for (const TreeItem& item : tree->items) files += item.folder() ? 0 : 1;
    const auto report = [&] {
      if (!progress || tree->bytes == 0) return;
      const double share = static_cast<double>(done.bytes.load()) / static_cast<double>(tree->bytes);
      progress(StepNote{share, from, done.files.load(), files});
    };
    copied = run_while_repainting([&] { return copy_listed_tree(*tree, wide_from, wide_to, done); }, report);
    report();
  }
  // The copy counts only when everything arrived, whatever the copy said of itself.
  const FolderTree arrived = list_tree(wide_to);
  if (!arrived.readable) return unreadable_tree(to, arrived);
  if (const std::optional<TreeEntry> missing =
          missing_from_copy(comparable_entries(*tree), comparable_entries(arrived))) {
    return copy_failure(CopyOutcome::incomplete, listed_item(from, *tree, *missing));
  }
  const CopyResult contents = compare_contents(from, to, *tree, there_before);
  if (!contents.complete()) return contents;
  return copied ? CopyResult{} : copy_failure(CopyOutcome::incomplete, to);
}

CopyResult check_copy(std::string_view old_path, std::string_view new_path) {
  const std::string cwd = current_folder();
  const std::string from = absolute_path(without_final_backslash(old_path), cwd);
  const std::string to = absolute_path(without_final_backslash(new_path), cwd);
  if (folder_relation(from, to, cwd) != FolderRelation::apart) return copy_failure(CopyOutcome::nested, to);
  CopyResult failure;
  const std::optional<FolderTree> tree = listed_old_tree(from, failure);
  if (!tree) return failure;
  DWORD error = 0;
  if (presence_of(tree_path(to), error) == Presence::missing) return copy_failure(CopyOutcome::incomplete, to);
  const FolderTree arrived = list_tree(tree_path(to));
  if (!arrived.readable) return unreadable_tree(to, arrived);
  // A copy made by other means need not keep the times: sizes and contents decide.
  std::vector<TreeEntry> old_entries = comparable_entries(*tree);
  std::vector<TreeEntry> new_entries = comparable_entries(arrived);
  for (std::vector<TreeEntry>* entries : {&old_entries, &new_entries}) {
    for (TreeEntry& entry : *entries) entry.written = 0;
  }
  if (const std::optional<TreeEntry> missing = missing_from_copy(old_entries, new_entries)) {
    return copy_failure(CopyOutcome::incomplete, listed_item(from, *tree, *missing));
  }
  return compare_contents(from, to, *tree, file_paths(*tree));
}

bool remove_tree(HWND owner, std::string_view path, bool no_warning) {
  const std::string folder = absolute_path(without_final_backslash(path), current_folder());
  DWORD error = 0;
  if (presence_of(tree_path(folder), error) == Presence::missing) return true;
  if (is_root_folder(folder, current_folder())) return false;
  const std::string list = path_list(folder);
  const bool removed = shell_recycle(owner, list.data(), static_cast<int>(list.size()), no_warning);
  return removed && presence_of(tree_path(folder), error) == Presence::missing;
}

DataFolderResult relocate_data_folder(HWND owner, std::string_view shown_path, std::string_view target_entry,
                                      int data_folder, const RelocationOptions& options,
                                      const InstallationFolders& folders, const StepProgress& progress) {
  const DataFolderKey& key = kDataFolderKeys[static_cast<std::size_t>(data_folder)];
  const std::string cwd = current_folder();
  DataFolderResult result{false, std::string(shown_path.substr(0, kLongestPath)), {}};
  const std::optional<FolderMove> move = data_folder_move(shown_path, target_entry, data_folder, cwd);
  if (!move) return result;
  const std::string& old_path = move->old_path;
  const FolderAction action = move->action;
  result.path = old_path;
  FolderReport& report = result.report;
  report.old_path = old_path;
  report.new_path = move->new_path;
  if (action == FolderAction::blocked && (options.copy || options.remove)) {
    report.fate = FolderFate::blocked;
    return result;
  }
  const GuardDecision guard = action == FolderAction::move
                                  ? guard_folder(old_path, folders, FolderUser{"", data_folder, ""}, cwd)
                                  : GuardDecision{};
  if (guard.guard == Guard::holds_installation) {
    report.fate = FolderFate::holds_installation;
    report.guard = guard;
    return result;
  }
  const bool copying = options.copy && action == FolderAction::move;
  if (copying) {
    report.copy = copy_tree(owner, old_path, report.new_path, options.no_warning, progress);
    if (!report.copy.complete()) {
      report.fate = FolderFate::not_copied;
      return result;
    }
  }
  // The old folder goes only once the system looks for its data at the new place.
  if (!profile::write_string("PATH", key.key, report.new_path, profile::kMainFile)) {
    report.fate = FolderFate::key_not_written;
    report.error = GetLastError();
    return result;
  }
  result.relocated = true;
  result.path = report.new_path;
  if (options.remove && action == FolderAction::move) {
    remove_moved_folder(owner, report, guard, copying, options.no_warning);
  }
  return result;
}

SystemRelocationResult relocate_measurement_system(HWND owner, std::string_view code, std::string_view target_entry,
                                                   const RelocationOptions& options, const InstallationFolders& folders,
                                                   const StepProgress& progress) {
  const SystemCode system_code(code.substr(0, SystemCode::size()));
  SystemRelocationResult result;
  result.file = system_file_of(system_code);
  const std::string& file = result.file;

  const std::string cwd = current_folder();
  std::optional<SystemRelocationPlan> read_plan =
      system_plan(file, system_code, target_entry, options.keep_export, cwd);
  if (!read_plan) return result;  // no system file: nothing to relocate
  SystemRelocationPlan& plan = *read_plan;
  result.status = plan.status;
  if (plan.status != kSystemDone || !plan.rewrite) return result;
  // Nothing is copied for a file that could not take the new paths afterwards.
  if (!replaceable(file)) {
    result.status = kSystemFileLocked;
    result.error = GetLastError();
    return result;
  }
  if (!folder_takes_files(file)) {
    result.status = kSystemFileNotWritten;
    result.error = GetLastError();
    return result;
  }

  std::string mover_code = system_code.str();
  to_upper_case(mover_code.data(), static_cast<int>(mover_code.size()));
  mover_code.erase(mover_code.find_last_not_of(' ') + 1);
  const FolderUser mover{"", -1, mover_code, -1};
  std::array<bool, kSystemFolderCount> stays_behind{};
  for (int i = 0; i < kSystemFolderCount; ++i) {
    const std::size_t at = static_cast<std::size_t>(i);
    SystemFolderMove& move = plan.folders[at];
    FolderReport& report = result.folders[at];
    report.old_path = move.old_path;
    report.new_path = move.new_path;
    if (move.action == FolderAction::move) {
      report.guard = guard_folder(move.old_path, folders, mover, cwd);
      // A folder that holds the installation keeps its place, as a blocked one does.
      if (report.guard.guard == Guard::holds_installation) move.action = FolderAction::blocked;
    }
    if (move.action == FolderAction::blocked) {
      report.fate =
          report.guard.guard == Guard::holds_installation ? FolderFate::holds_installation : FolderFate::blocked;
      result.status = kSystemCopyFailed;
    }
    if (move.action != FolderAction::move || !options.copy) continue;
    report.copy =
        copy_tree(owner, move.old_path, move.new_path, options.no_warning, part_of(progress, i, kSystemFolderCount));
    if (!report.copy.complete()) {
      stays_behind[at] = true;
      report.fate = FolderFate::not_copied;
      result.status = kSystemCopyFailed;
    }
  }

  numbered_backup(file.data(), static_cast<int>(file.size()), 0);
  if (!replace_file(file, join_lines(relocated_system_lines(plan, stays_behind)))) {
    // The old file still names the old folders, and they are all still there.
    result.error = GetLastError();
    result.status = replaceable(file) ? kSystemFileNotWritten : kSystemFileLocked;
    result.folders = {};  // nothing of the system moved
    return result;
  }
  if (!options.remove) return result;
  // Of the system's own folders, those that stay where they were are still in use, the kept
  // export folder too: a moving folder that holds one of them is kept.
  InstallationFolders after = folders;
  after.users.erase(std::remove_if(after.users.begin(), after.users.end(),
                                   [&](const FolderUser& user) { return user.system_code == mover.system_code; }),
                    after.users.end());
  for (std::size_t at = 0; at < plan.folders.size(); ++at) {
    if (plan.folders[at].action != FolderAction::move || stays_behind[at]) {
      after.users.push_back({plan.folders[at].old_path, -1, mover.system_code, static_cast<int>(at)});
    }
  }
  for (std::size_t at = 0; at < plan.folders.size(); ++at) {
    const SystemFolderMove& move = plan.folders[at];
    if (move.action != FolderAction::move || stays_behind[at]) continue;
    FolderReport& report = result.folders[at];
    remove_moved_folder(owner, report, guard_folder(move.old_path, after, FolderUser{}, cwd), options.copy,
                        options.no_warning);
    if (report.fate == FolderFate::not_removed) result.status = kSystemRemoveFailed;
  }
  return result;
}

std::optional<FolderMove> planned_data_folder_copy(std::string_view shown_path, std::string_view target_entry,
                                                   int data_folder) {
  std::optional<FolderMove> move = data_folder_move(shown_path, target_entry, data_folder, current_folder());
  if (!move || move->action != FolderAction::move) return std::nullopt;
  return move;
}

std::vector<FolderMove> planned_system_copies(std::string_view code, std::string_view target_entry, bool keep_export) {
  const SystemCode system_code(code.substr(0, SystemCode::size()));
  const std::optional<SystemRelocationPlan> plan =
      system_plan(system_file_of(system_code), system_code, target_entry, keep_export, current_folder());
  std::vector<FolderMove> copies;
  if (!plan || plan->status != kSystemDone || !plan->rewrite) return copies;
  for (const SystemFolderMove& folder : plan->folders) {
    if (folder.action == FolderAction::move) copies.push_back({folder.old_path, folder.new_path, folder.action});
  }
  return copies;
}

InstallationFolders installation_folders() {
  InstallationFolders folders;
  const std::string cwd = current_folder();
  folders.installation.push_back(absolute_path("\\taviro", cwd));
  char program[MAX_PATH * 2] = {};
  const DWORD length = GetModuleFileNameA(nullptr, program, sizeof program);
  if (length > 0 && length < sizeof program) {
    std::string path(program, length);
    folders.installation.push_back(path.substr(0, path.rfind('\\')));
  }
  const std::array<std::string, kDataFolderKeys.size()> paths = data_folder_paths();
  for (std::size_t i = 0; i < paths.size(); ++i) folders.users.push_back({paths[i], static_cast<int>(i), ""});
  add_systems(folders);
  return folders;
}

}  // namespace tav
