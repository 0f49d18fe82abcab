#include "shell/earlier_versions_dialog.h"

#include <commctrl.h>

#include <array>
#include <string>
#include <vector>

#include "config/core/ini_differences.h"
#include "config/profile.h"
#include "controls/controls.h"
#include "controls/failure_message.h"
#include "controls/list_view.h"
#include "controls/modal_dialog.h"
#include "resources/ids.h"
#include "util/ansi_text.h"
#include "util/atomic_file.h"
#include "util/backups.h"
#include "util/core/message_text.h"
#include "util/program_log.h"

namespace tav {
namespace {

// The files whose earlier versions the dialog offers.
constexpr std::array<const char*, 3> kFiles = {profile::kMainFile, profile::kLayPlanningFile, profile::kLineTypesFile};

struct Version {
  const char* file;
  BackupVersion backup;
};

struct VersionsState {
  std::vector<Version> versions;  // in the order of the list's rows
  bool main_file_restored = false;
};

std::string file_name(const std::string& path) { return path.substr(path.find_last_of('\\') + 1); }

// The date and time a copy was saved, in the user's short formats.
std::string saved_text(const FILETIME& written) {
  FILETIME local{};
  SYSTEMTIME time{};
  if (!FileTimeToLocalFileTime(&written, &local) || !FileTimeToSystemTime(&local, &time)) return {};
  char date[64] = {};
  char clock[64] = {};
  GetDateFormatA(LOCALE_USER_DEFAULT, DATE_SHORTDATE, &time, nullptr, date, sizeof date);
  GetTimeFormatA(LOCALE_USER_DEFAULT, TIME_NOSECONDS, &time, nullptr, clock, sizeof clock);
  return std::string(date) + " " + clock;
}

// The keys that differ, one line each: "[SCREEN] WIDTHMM: 300 → 320". The values are the
// file's bytes in the ANSI code page; the arrow needs the wide text of the control.
std::wstring changes_text(const Version& version) {
  std::string earlier;
  std::string today;
  if (read_file(version.backup.path.c_str(), earlier) != FileRead::read) {
    const std::string path = controls::full_path(version.backup.path);
    return wide_from_ansi(
        with_arguments(controls::load_string(IDS_VERSIONS_UNREADABLE), {path, system_error_text(GetLastError())}));
  }
  read_file(version.file, today);  // a missing file is an empty one
  const std::vector<KeyDifference> differences = key_differences(IniDocument(earlier), IniDocument(today));
  if (differences.empty()) return wide_from_ansi(controls::load_string(IDS_VERSIONS_SAME));
  const std::string missing = controls::load_string(IDS_VERSIONS_MISSING);
  std::wstring text;
  for (const KeyDifference& difference : differences) {
    if (!text.empty()) text += L"\r\n";
    text +=
        wide_from_ansi("[" + difference.section + "] " + difference.key + ": " + difference.earlier.value_or(missing)) +
        L" \u2192 " + wide_from_ansi(difference.today.value_or(missing));
  }
  return text;
}

const Version* selected_version(HWND dialog, const VersionsState& state) {
  HWND list = GetDlgItem(dialog, IDC_VERSIONS_LIST);
  const int row = listview::selected_row(list);
  if (row < 0) return nullptr;
  const auto index = static_cast<std::size_t>(listview::row_number(list, row));
  return index < state.versions.size() ? &state.versions[index] : nullptr;
}

void show_selection(HWND dialog, const VersionsState& state) {
  const Version* version = selected_version(dialog, state);
  controls::enable(dialog, IDOK, version != nullptr);
  SetDlgItemTextW(dialog, IDE_VERSIONS_CHANGES, version ? changes_text(*version).c_str() : L"");
}

void fill_list(HWND dialog, VersionsState& state) {
  HWND list = GetDlgItem(dialog, IDC_VERSIONS_LIST);
  SendMessageA(list, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
  for (int title : {IDS_VERSIONS_COLUMN_FILE, IDS_VERSIONS_COLUMN_COPY, IDS_VERSIONS_COLUMN_SAVED}) {
    listview::add_column(list, controls::load_string(title), 0);
  }
  for (const char* file : kFiles) {
    for (const BackupVersion& backup : backup_versions(file)) state.versions.push_back({file, backup});
  }
  for (std::size_t i = 0; i < state.versions.size(); ++i) {
    const Version& version = state.versions[i];
    const int row = listview::insert_row(list, static_cast<int>(i), file_name(version.file), static_cast<LPARAM>(i));
    listview::set_cell(list, row, 1, file_name(version.backup.path));
    listview::set_cell(list, row, 2, saved_text(version.backup.written));
  }
  listview::fit_columns(list, 0, 0, 0);
  listview::fit_columns(list, 1, 1, 0);
  listview::fit_columns(list, 2, 2, 0);
  if (!state.versions.empty()) listview::select_row(list, 0);
  show_selection(dialog, state);
}

void restore(HWND dialog, VersionsState& state) {
  const Version* version = selected_version(dialog, state);
  if (!version) return;
  const std::string file = controls::full_path(version->file);
  const std::string copy = controls::full_path(version->backup.path);
  char caption[256] = {};
  GetWindowTextA(dialog, caption, sizeof caption);
  const std::string question = with_arguments(controls::load_string(IDS_VERSIONS_RESTORE),
                                              {file, file_name(copy), saved_text(version->backup.written)});
  if (MessageBoxA(dialog, question.c_str(), caption, MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2) != IDYES) return;
  if (!restore_backup(version->file, version->backup.path)) {
    const std::string reason = system_error_text(GetLastError());
    controls::tell_failure(dialog, IDS_VERSIONS_RESTORE_FAILED, {file, copy, reason}, "restore earlier version", file,
                           reason);
    return;
  }
  state.main_file_restored = version->file == profile::kMainFile;
  EndDialog(dialog, IDOK);
}

class EarlierVersionsDialog : public controls::ModalDialog {
 public:
  VersionsState state;

 private:
  bool on_open() override {
    fill_list(window(), state);
    return true;
  }
  void on_notify(const NMHDR& header) override {
    if (header.idFrom != IDC_VERSIONS_LIST || header.code != LVN_ITEMCHANGED) return;
    if (reinterpret_cast<const NMLISTVIEW&>(header).uChanged & LVIF_STATE) show_selection(window(), state);
  }
  bool on_command(int id, int /*code*/) override {
    if (id != IDOK) return false;
    restore(window(), state);
    return true;
  }
};

}  // namespace

void add_earlier_versions_item(HWND main_dialog) {
  HMENU menu = GetSystemMenu(main_dialog, FALSE);
  if (!menu) return;
  AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
  AppendMenuA(menu, MF_STRING, IDM_EARLIER_VERSIONS, controls::load_string(IDS_VERSIONS_MENU).c_str());
}

bool run_earlier_versions_dialog(HWND owner) {
  EarlierVersionsDialog dialog;
  dialog.run(owner, IDD_EARLIER_VERSIONS);
  return dialog.state.main_file_restored;
}

}  // namespace tav
