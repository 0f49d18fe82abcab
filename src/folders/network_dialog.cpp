#include "folders/network_dialog.h"

#include <commctrl.h>

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "controls/controls.h"
#include "controls/list_view.h"
#include "controls/failure_message.h"
#include "controls/modal_dialog.h"
#include "folders/copy_space_query.h"
#include "folders/core/copy_space.h"
#include "folders/core/data_folders.h"
#include "folders/core/network_rules.h"
#include "folders/core/system_file.h"
#include "folders/drive_query.h"
#include "folders/folder_relocation.h"
#include "folders/installation_folders.h"
#include "folders/progress_window.h"
#include "folders/relocation_summary.h"
#include "resources/ids.h"
#include "util/core/message_text.h"
#include "util/core/text.h"

namespace tav {
namespace {

// A data folder of kDataFolderKeys (in its order): its label, path edit, "Verlegen" box and
// drive list, and where the progress bar stands after it.
struct DataFolder {
  int label;
  int edit;
  int move;
  int drive;
  int progress;
};
constexpr std::array<DataFolder, kDataFolderKeys.size()> kDataFolders = {{
    {IDT_NETWORK_FORMS, IDE_NETWORK_FORMS_PATH, IDX_NETWORK_FORMS_MOVE, IDC_NETWORK_FORMS_DRIVE, 500},
    {IDT_NETWORK_PROG, IDE_NETWORK_PROG_PATH, IDX_NETWORK_PROG_MOVE, IDC_NETWORK_PROG_DRIVE, 900},
    {IDT_NETWORK_TEXT, IDE_NETWORK_TEXT_PATH, IDX_NETWORK_TEXT_MOVE, IDC_NETWORK_TEXT_DRIVE, 930},
    {IDT_NETWORK_PLOT, IDE_NETWORK_PLOT_PATH, IDX_NETWORK_PLOT_MOVE, IDC_NETWORK_PLOT_DRIVE, 950},
    {IDT_NETWORK_SYMB, IDE_NETWORK_SYMB_PATH, IDX_NETWORK_SYMB_MOVE, IDC_NETWORK_SYMB_DRIVE, 1000},
}};

// The six relocations in the order of the enabling rules: the measurement systems first.
constexpr std::array<int, kRelocationCount> kMoveBoxes = {IDX_NETWORK_SYSTEMS_MOVE, IDX_NETWORK_FORMS_MOVE,
                                                          IDX_NETWORK_PROG_MOVE,    IDX_NETWORK_TEXT_MOVE,
                                                          IDX_NETWORK_PLOT_MOVE,    IDX_NETWORK_SYMB_MOVE};
constexpr std::array<int, kRelocationCount> kDriveLists = {IDC_NETWORK_SYSTEMS_DRIVE, IDC_NETWORK_FORMS_DRIVE,
                                                           IDC_NETWORK_PROG_DRIVE,    IDC_NETWORK_TEXT_DRIVE,
                                                           IDC_NETWORK_PLOT_DRIVE,    IDC_NETWORK_SYMB_DRIVE};

// Column titles: the hidden label's text in the user interface's language, or the German
// title when the label is empty.
struct Column {
  int label;
  const char* fallback;
};
constexpr std::array<Column, 3> kColumns = {{{IDT_NETWORK_COLUMN_CODE, "Code"},
                                             {IDT_NETWORK_COLUMN_NAME, "Ma\xDFsystem"},
                                             {IDT_NETWORK_COLUMN_DRIVE, "Laufwerk"}}};
constexpr const char* kBaseDriveFallback = "<Basislaufwerk>";

constexpr std::size_t kLongestCode = 80;
constexpr int kSystemsProgressEnd = 250;

struct NetworkState {
  bool running = false;  // a run is under way: the dialog takes no commands
};

HWND systems_list(HWND dialog) { return GetDlgItem(dialog, IDC_NETWORK_SYSTEMS); }

std::string label_or(HWND dialog, int label, const char* fallback) {
  const std::string text = controls::text_of(dialog, label);
  return text.empty() ? fallback : text;
}

std::string base_entry(HWND dialog) { return label_or(dialog, IDT_NETWORK_BASE_DRIVE, kBaseDriveFallback); }

void fill_drive_list(HWND dialog, int id, const DriveChoicesForPath& choices) {
  controls::clear_items(dialog, id);
  if (choices.base_entry) controls::add_item(dialog, id, base_entry(dialog));
  for (const std::string& drive : choices.drives) controls::add_item(dialog, id, drive);
  controls::select_item(dialog, id, -1);
}

void fill_systems(HWND dialog) {
  HWND list = systems_list(dialog);
  SendMessageA(list, LVM_DELETEALLITEMS, 0, 0);
  int number = 0;
  for (const SystemFolder& folder : measurement_system_folders()) {
    if (!folder.read) continue;
    const std::optional<SystemRow> row = system_row(folder.lines);
    if (!row) continue;
    const int at = listview::insert_row(list, number, row->code, number);
    listview::set_cell(list, at, 1, row->name);
    listview::set_cell(list, at, 2, row->drive);
    ++number;
  }
}

void fill_paths(HWND dialog) {
  const char base = base_drive_letter();
  const std::vector<DriveRoot> roots = logical_drive_roots();
  const std::array<std::string, kDataFolderKeys.size()> paths = data_folder_paths();
  for (std::size_t i = 0; i < kDataFolders.size(); ++i) {
    const DataFolder& folder = kDataFolders[i];
    std::string path = paths[i];
    to_upper_case(path.data(), static_cast<int>(path.size()));
    controls::set_text(dialog, folder.edit, path);
    fill_drive_list(dialog, folder.drive, drive_choices(path, base, roots));
  }
}

void apply_enabling(HWND dialog) {
  NetworkChoices choices;
  for (std::size_t i = 0; i < kRelocationCount; ++i) {
    choices.move[i] = controls::is_checked(dialog, kMoveBoxes[i]);
    choices.drive_chosen[i] = controls::selected_item(dialog, kDriveLists[i]) >= 0;
  }
  choices.selected_systems = static_cast<int>(SendMessageA(systems_list(dialog), LVM_GETSELECTEDCOUNT, 0, 0));
  choices.copy = controls::is_checked(dialog, IDX_NETWORK_COPY);
  choices.remove = controls::is_checked(dialog, IDX_NETWORK_REMOVE);
  const NetworkEnabling enabling = network_enabling(choices);
  for (std::size_t i = 0; i < kRelocationCount; ++i) controls::enable(dialog, kDriveLists[i], enabling.drive_list[i]);
  controls::enable(dialog, IDX_NETWORK_KEEP_EXPORT, enabling.keep_export);
  controls::enable(dialog, IDX_NETWORK_COPY, enabling.copy);
  controls::enable(dialog, IDX_NETWORK_REMOVE, enabling.remove);
  controls::enable(dialog, IDX_NETWORK_NO_WARNING, enabling.no_warning);
  controls::enable(dialog, IDB_NETWORK_RUN, enabling.run);
}

void initialise(HWND dialog) {
  HWND list = systems_list(dialog);
  SendMessageA(list, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
  for (const Column& column : kColumns) listview::add_column(list, label_or(dialog, column.label, column.fallback), 0);
  fill_systems(dialog);
  fill_paths(dialog);
  for (int column = 0; column < static_cast<int>(kColumns.size()); ++column) {
    listview::fit_columns(list, column, column, 0);
  }
  fill_drive_list(dialog, IDC_NETWORK_SYSTEMS_DRIVE,
                  drive_choices_for_systems(base_drive_letter(), logical_drive_roots()));
  apply_enabling(dialog);
}

// The options as the check boxes stand at the moment of a step.
RelocationOptions options_of(HWND dialog) {
  RelocationOptions options;
  options.copy = controls::is_checked(dialog, IDX_NETWORK_COPY);
  options.remove = controls::is_checked(dialog, IDX_NETWORK_REMOVE);
  options.no_warning = controls::is_checked(dialog, IDX_NETWORK_NO_WARNING);
  options.keep_export = controls::is_checked(dialog, IDX_NETWORK_KEEP_EXPORT);
  return options;
}

std::string chosen_entry(HWND dialog, int drive_list) {
  return controls::item_text(dialog, drive_list, controls::selected_item(dialog, drive_list));
}

// Moves the bar from `from` to `to` as a step goes on, and names the folder being copied.
StepProgress step_progress(std::optional<ProgressWindow>& progress, int from, int to) {
  if (!progress) return {};
  return [&progress, from, to](const StepNote& note) {
    progress->set(from + static_cast<int>((to - from) * note.done));
    progress->show_copy(note.folder, note.files_done, note.files);
  };
}

// What the run would copy, measured before anything is copied; none when it copies nothing.
std::optional<CopySpace> planned_space(HWND dialog) {
  if (!controls::is_checked(dialog, IDX_NETWORK_COPY)) return std::nullopt;
  std::vector<FolderMove> copies;
  if (controls::is_checked(dialog, IDX_NETWORK_SYSTEMS_MOVE)) {
    HWND list = systems_list(dialog);
    const std::string entry = chosen_entry(dialog, IDC_NETWORK_SYSTEMS_DRIVE);
    for (int row = 0; row < listview::row_count(list); ++row) {
      if (!listview::is_row_selected(list, row)) continue;
      const std::string code = listview::cell_text(list, row, 0).substr(0, SystemCode::size());
      for (FolderMove& copy :
           planned_system_copies(code, entry, controls::is_checked(dialog, IDX_NETWORK_KEEP_EXPORT))) {
        copies.push_back(std::move(copy));
      }
    }
  }
  for (std::size_t i = 0; i < kDataFolders.size(); ++i) {
    const DataFolder& folder = kDataFolders[i];
    if (!controls::is_checked(dialog, folder.move)) continue;
    if (std::optional<FolderMove> copy = planned_data_folder_copy(
            controls::text_of(dialog, folder.edit), chosen_entry(dialog, folder.drive), static_cast<int>(i))) {
      copies.push_back(std::move(*copy));
    }
  }
  return measure_copies(copies);
}

// A run that does not fit on its drives is refused, saying how much is missing where.
bool fits_or_told(HWND dialog, const CopySpace& space) {
  if (space.fits()) return true;
  std::string drives;
  for (const DriveSpace& drive : space.drives) {
    if (drive.missing() == 0) continue;
    if (!drives.empty()) drives += '\n';
    drives +=
        with_arguments(controls::load_string(IDS_RELOCATION_NO_ROOM_DRIVE),
                       {drive.root, size_text(drive.needed()), size_text(drive.free), size_text(drive.missing())});
  }
  controls::tell_failure(dialog, IDS_RELOCATION_NO_ROOM, {drives}, "relocate", space.drives.front().root, drives);
  return false;
}

// The question a run asks first, with what it will copy; true when it may go on.
bool run_confirmed(HWND dialog, const std::optional<CopySpace>& space) {
  int label = 0;
  switch (run_question(controls::is_checked(dialog, IDX_NETWORK_NO_WARNING),
                       controls::is_checked(dialog, IDX_NETWORK_COPY),
                       controls::is_checked(dialog, IDX_NETWORK_REMOVE))) {
    case RunQuestion::none:
      return true;
    case RunQuestion::copy:
      label = IDT_NETWORK_CONFIRM_COPY;
      break;
    case RunQuestion::copy_and_remove:
      label = IDT_NETWORK_CONFIRM_COPY_REMOVE;
      break;
    case RunQuestion::remove:
      label = IDT_NETWORK_CONFIRM_REMOVE;
      break;
  }
  std::string question = controls::text_of(dialog, label);
  if (question.empty()) return true;
  if (space && space->files > 0) {
    question += "\n\n" + with_arguments(controls::load_string(IDS_RELOCATION_WILL_COPY),
                                        {std::to_string(space->files), size_text(space->bytes)});
  }
  char title[256] = {};
  GetWindowTextA(dialog, title, sizeof title);
  return MessageBoxA(dialog, question.c_str(), title, MB_YESNO | MB_ICONQUESTION) == IDYES;
}

void relocate_systems(HWND dialog, std::optional<ProgressWindow>& progress, RelocationSummary& summary) {
  HWND list = systems_list(dialog);
  const int rows = listview::row_count(list);
  const int selected = static_cast<int>(SendMessageA(list, LVM_GETSELECTEDCOUNT, 0, 0));
  for (int id : {IDC_NETWORK_SYSTEMS, IDB_NETWORK_ALL, IDB_NETWORK_NONE}) controls::enable(dialog, id, false);
  const std::string entry = chosen_entry(dialog, IDC_NETWORK_SYSTEMS_DRIVE);
  int done = 0;
  for (int row = 0; row < rows; ++row) {
    if (!listview::is_row_selected(list, row)) continue;
    const std::string code = listview::cell_text(list, row, 0).substr(0, kLongestCode);
    if (!code.empty()) {
      const SystemRelocationResult result = relocate_measurement_system(
          dialog, std::string_view(code).substr(0, SystemCode::size()), entry, options_of(dialog),
          installation_folders(),
          step_progress(progress, systems_progress(done, selected), systems_progress(done + 1, selected)));
      summary.add_system(code, result);
      listview::set_cell(list, row, 2, target_of_entry(entry).is_drive() ? entry : "-");
    }
    ++done;
    if (progress) progress->set(systems_progress(done, selected));
  }
  controls::check(dialog, IDX_NETWORK_SYSTEMS_MOVE, false);
  for (int id : {IDX_NETWORK_SYSTEMS_MOVE, IDC_NETWORK_SYSTEMS, IDB_NETWORK_ALL, IDB_NETWORK_NONE}) {
    controls::enable(dialog, id, true);
  }
}

void relocate_folders(HWND dialog, std::optional<ProgressWindow>& progress, RelocationSummary& summary) {
  int position = kSystemsProgressEnd;
  for (std::size_t i = 0; i < kDataFolders.size(); ++i) {
    const DataFolder& folder = kDataFolders[i];
    if (controls::is_checked(dialog, folder.move)) {
      const DataFolderResult result = relocate_data_folder(
          dialog, controls::text_of(dialog, folder.edit), chosen_entry(dialog, folder.drive), static_cast<int>(i),
          options_of(dialog), installation_folders(), step_progress(progress, position, folder.progress));
      summary.add_data_folder(static_cast<int>(i), result.report);
      if (result.relocated) {
        controls::check(dialog, folder.move, false);
        controls::set_text(dialog, folder.edit, result.path);
        fill_drive_list(dialog, folder.drive, drive_choices(result.path, base_drive_letter(), logical_drive_roots()));
      }
    }
    controls::enable(dialog, folder.drive, false);
    position = folder.progress;
    if (progress) progress->set(position);
    controls::enable(dialog, folder.move, true);
  }
}

std::array<std::string, kDataFolders.size()> folder_names(HWND dialog) {
  std::array<std::string, kDataFolders.size()> names;
  for (std::size_t i = 0; i < names.size(); ++i) names[i] = controls::label_name(dialog, kDataFolders[i].label);
  return names;
}

// However it ends, the dialog takes input again afterwards.
void run_relocation(HWND dialog, NetworkState& state) {
  const std::optional<CopySpace> space = planned_space(dialog);
  if (space && !fits_or_told(dialog, *space)) return;
  if (!run_confirmed(dialog, space)) return;
  state.running = true;
  // The dialog takes no input until the run is over; it still repaints.
  HWND focus = GetFocus();
  EnableWindow(dialog, FALSE);
  struct Finished {
    HWND dialog;
    HWND focus;
    NetworkState& state;
    ~Finished() {
      state.running = false;
      EnableWindow(dialog, TRUE);
      SetActiveWindow(dialog);
      SetFocus(focus && IsWindowEnabled(focus) ? focus : GetDlgItem(dialog, IDCANCEL));
    }
  } finished{dialog, focus, state};
  std::array<bool, kRelocationCount> moves{};
  for (std::size_t i = 0; i < kRelocationCount; ++i) moves[i] = controls::is_checked(dialog, kMoveBoxes[i]);
  std::optional<ProgressWindow> progress;
  if (run_shows_progress(moves, controls::is_checked(dialog, IDX_NETWORK_REMOVE))) {
    progress.emplace(dialog, controls::text_of(dialog, IDG_NETWORK_RUN));
  }
  for (std::size_t i = 0; i < kRelocationCount; ++i) {
    controls::enable(dialog, kDriveLists[i], false);
    controls::enable(dialog, kMoveBoxes[i], false);
  }
  RelocationSummary summary(folder_names(dialog), controls::label_name(dialog, IDT_NETWORK_COLUMN_NAME));
  if (moves[kSystemsRelocation]) relocate_systems(dialog, progress, summary);
  relocate_folders(dialog, progress, summary);
  // What the run left behind, as the files now say.
  fill_systems(dialog);
  fill_paths(dialog);
  apply_enabling(dialog);
  progress.reset();
  summary.tell(dialog);
}

// Commands that change what the enabling rules look at.
bool changes_enabling(int id, int code) {
  if (code == CBN_SELCHANGE) {
    for (int list : kDriveLists) {
      if (id == list) return true;
    }
    return false;
  }
  if (code != BN_CLICKED) return false;
  for (int box : kMoveBoxes) {
    if (id == box) return true;
  }
  return id == IDX_NETWORK_COPY || id == IDX_NETWORK_REMOVE;
}

class NetworkDialog : public controls::ModalDialog {
 private:
  bool on_open() override {
    initialise(window());
    return true;
  }
  bool on_command(int id, int code) override;
  void on_notify(const NMHDR& notification) override;

  NetworkState state_;
};

bool NetworkDialog::on_command(int id, int code) {
  const HWND dialog = window();
  if (state_.running) return true;  // nothing else happens while a run is under way
  if (code == BN_CLICKED && (id == IDB_NETWORK_ALL || id == IDB_NETWORK_NONE)) {
    listview::select_all_rows(systems_list(dialog), id == IDB_NETWORK_ALL);
    apply_enabling(dialog);
    return true;
  }
  if (code == BN_CLICKED && id == IDB_NETWORK_RUN) {
    run_relocation(dialog, state_);
    return true;
  }
  if (changes_enabling(id, code)) {
    apply_enabling(dialog);
    return true;
  }
  return false;
}

void NetworkDialog::on_notify(const NMHDR& notification) {
  if (!state_.running && notification.idFrom == IDC_NETWORK_SYSTEMS &&
      (notification.code == LVN_ITEMCHANGED || notification.code == NM_CLICK || notification.code == NM_DBLCLK)) {
    apply_enabling(window());
  }
}

}  // namespace

void open_network_dialog(HWND owner) { NetworkDialog().run(owner, IDD_NETWORK); }

}  // namespace tav
