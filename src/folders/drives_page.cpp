#include "folders/drives_page.h"

#include <cctype>
#include <cstdint>
#include <string>
#include <vector>

#include "config/settings.h"
#include "controls/controls.h"
#include "controls/open_file_dialog.h"
#include "controls/page_contract.h"
#include "controls/page_state.h"
#include "folders/core/drive_rules.h"
#include "folders/drive_query.h"
#include "folders/network_dialog.h"
#include "resources/ids.h"

namespace tav {
namespace {

constexpr int kLongestCommand = 255;
constexpr int kFileNameBuffer = 261;

// The titles of the file-open dialogs are the same in every language.
constexpr const char* kSpreadsheetTitle = "TAVIRO - Tabellenkalkulation";
constexpr const char* kWordProcessorTitle = "TAVIRO - Textverarbeitung";

struct DrivesPageState {
  // Letters of drives that are not present: kept in the installation, but not listed.
  std::string absent;
};

std::string held_letters() {
  const Settings& s = settings();
  int count = s.drive_letter_count;
  if (count < 0) count = 0;
  if (count > s.path.drives.size()) count = s.path.drives.size();
  return std::string(s.path.drives.data(), static_cast<std::size_t>(count));
}

void hold_letters(const std::string& letters) {
  Settings& s = settings();
  s.path.drives.assign(letters);
  s.drive_letter_count = static_cast<int>(letters.size() < 30 ? letters.size() : 30);
}

std::vector<std::string> list_entries(HWND page, int id) {
  std::vector<std::string> entries;
  for (int i = 0; i < controls::list_item_count(page, id); ++i)
    entries.push_back(controls::list_item_text(page, id, i));
  return entries;
}

std::vector<std::string> combo_entries(HWND page, int id) {
  std::vector<std::string> entries;
  for (int i = 0; i < controls::item_count(page, id); ++i) entries.push_back(controls::item_text(page, id, i));
  return entries;
}

// The letters follow the installation list; without a start-up drive, the first drive
// that can be one becomes it.
void rebuild_letters(HWND page) {
  const DrivesPageState* state = controls::window_state_of<DrivesPageState>(page);
  hold_letters(rebuilt_letters(list_entries(page, IDC_DRIVES_INSTALLATION), state ? state->absent : std::string()));
  if (controls::selected_item(page, IDC_DRIVES_STARTUP) < 0) {
    controls::select_item(page, IDC_DRIVES_STARTUP,
                          automatic_startup_entry(combo_entries(page, IDC_DRIVES_STARTUP), drive_type_of));
  }
}

void add_to_installation(HWND page) {
  const int row = controls::selected_list_item(page, IDC_DRIVES_OTHER);
  if (row < 0) return;
  const std::string entry = controls::list_item_text(page, IDC_DRIVES_OTHER, row);
  controls::add_list_item(page, IDC_DRIVES_INSTALLATION, entry);
  controls::add_item(page, IDC_DRIVES_STARTUP, entry);
  controls::delete_list_item(page, IDC_DRIVES_OTHER, row);
  rebuild_letters(page);
}

void remove_from_installation(HWND page) {
  const int row = controls::selected_list_item(page, IDC_DRIVES_INSTALLATION);
  if (row < 0) return;
  const std::string entry = controls::list_item_text(page, IDC_DRIVES_INSTALLATION, row);
  controls::add_list_item(page, IDC_DRIVES_OTHER, entry);
  controls::delete_list_item(page, IDC_DRIVES_INSTALLATION, row);
  // Both lists are sorted and hold the same entries: the entry has the same place in each.
  SendDlgItemMessageA(page, IDC_DRIVES_STARTUP, CB_DELETESTRING, static_cast<WPARAM>(row), 0);
  rebuild_letters(page);
}

// Lets the user choose the program; the dialog starts from the stored command, not from
// what was typed into the edit since.
void browse(HWND page, const char* title, const Field<256>& stored, int edit) {
  if (const auto chosen = controls::choose_program_file(page, title, stored.str(), kFileNameBuffer)) {
    controls::set_text(page, edit, *chosen);
  }
}

}  // namespace

BOOL drives_page_open(HWND page, const InstalledVersion& /*installed_version*/) {
  Settings& s = settings();
  DrivesPageState& state = controls::create_window_state<DrivesPageState>(page);
  for (int edit : {IDE_DRIVES_SPREADSHEET, IDE_DRIVES_WORD_PROCESSOR})
    controls::limit_text(page, edit, kLongestCommand);
  controls::set_text(page, IDE_DRIVES_SPREADSHEET, s.path.tabcalcrun.str());
  controls::set_text(page, IDE_DRIVES_WORD_PROCESSOR, s.path.textprocrun.str());

  // Which drives are present and of what type, queried once for the page or kept from the
  // opening before. Drives that cannot hold an installation leave the letters for good.
  const std::vector<DriveRoot> roots = current_drive_roots();
  std::uint32_t present = roots.empty() ? GetLogicalDrives() : 0;
  for (const DriveRoot& root : roots) {
    const char letter = static_cast<char>(std::toupper(static_cast<unsigned char>(root.letter)));
    if (letter >= 'A' && letter <= 'Z') present |= 1u << (letter - 'A');
  }
  const auto type_of = [&roots](char letter) {
    for (const DriveRoot& root : roots) {
      if (std::toupper(static_cast<unsigned char>(root.letter)) == std::toupper(static_cast<unsigned char>(letter))) {
        return root.type;
      }
    }
    return drive_type_of(letter);
  };
  const CheckedLetters checked = check_installation_letters(held_letters(), present, type_of);
  hold_letters(checked.letters);
  state.absent = checked.absent;
  for (char letter : checked.listed) {
    controls::add_item(page, IDC_DRIVES_STARTUP, drive_entry(letter));
    controls::add_list_item(page, IDC_DRIVES_INSTALLATION, drive_entry(letter));
  }
  controls::select_item(
      page, IDC_DRIVES_STARTUP,
      s.path.startupdrive >= 1 && s.path.startupdrive <= controls::item_count(page, IDC_DRIVES_STARTUP)
          ? s.path.startupdrive - 1
          : -1);
  for (char letter : other_drives(checked.letters, roots)) {
    controls::add_list_item(page, IDC_DRIVES_OTHER, drive_entry(letter));
  }
  return TRUE;
}

BOOL drives_page_command(HWND page, WPARAM wparam, LPARAM /*lparam*/) {
  if (!is_current_page(kPageDrives) || HIWORD(wparam) != BN_CLICKED) return FALSE;
  const Settings& s = settings();
  switch (LOWORD(wparam)) {
    case IDB_DRIVES_ADD:
      add_to_installation(page);
      return TRUE;
    case IDB_DRIVES_REMOVE:
      remove_from_installation(page);
      return TRUE;
    case IDB_DRIVES_BROWSE_SPREADSHEET:
      browse(page, kSpreadsheetTitle, s.path.tabcalcrun, IDE_DRIVES_SPREADSHEET);
      return TRUE;
    case IDB_DRIVES_BROWSE_WORD_PROCESSOR:
      browse(page, kWordProcessorTitle, s.path.textprocrun, IDE_DRIVES_WORD_PROCESSOR);
      return TRUE;
    case IDB_DRIVES_NETWORK:
      open_network_dialog(page);
      return TRUE;
    default:
      return FALSE;
  }
}

void drives_page_close(HWND page) {
  Settings& s = settings();
  s.path.startupdrive = controls::selected_item(page, IDC_DRIVES_STARTUP) + 1;
  s.path.tabcalcrun.assign(controls::text_of(page, IDE_DRIVES_SPREADSHEET).substr(0, kLongestCommand));
  s.path.textprocrun.assign(controls::text_of(page, IDE_DRIVES_WORD_PROCESSOR).substr(0, kLongestCommand));
  controls::destroy_window_state<DrivesPageState>(page);
}

}  // namespace tav
