#include "pages/layplanning_page.h"

#include <string>
#include <string_view>

#include "config/settings.h"
#include "controls/controls.h"
#include "controls/open_file_dialog.h"
#include "controls/page_contract.h"
#include "pages/core/layplanning_rules.h"
#include "pages/hem_position_dialog.h"
#include "pages/line_types_dialog.h"
#include "resources/ids.h"

namespace tav {
namespace {

// The file dialog's title and name buffer are the same in every language.
constexpr char kSearchTitle[] = "TAVIRO - Autonester";
constexpr int kSearchNameSize = 260;

struct LetterHeight {
  int id;
  int MarkerSettings::*tenths;
};
const LetterHeight kLetterHeights[] = {
    {IDE_LAYPLAN_MIN_PLOT_LETTER, &MarkerSettings::minplotletter},
    {IDE_LAYPLAN_MIN_PRINT_LETTER, &MarkerSettings::minprintletter},
};

// The program, its label and "Search" are usable only while "Use Autonester" is checked.
void enable_program(HWND page) {
  const bool on = controls::is_checked(page, IDX_LAYPLAN_USE_AUTONESTER);
  for (const int id : {IDE_LAYPLAN_PROGRAM, IDB_LAYPLAN_SEARCH, IDT_LAYPLAN_PROGRAM}) controls::enable(page, id, on);
}

bool autonester_switched_on(const Settings& s) {
  const int key_length = s.autonester_key_length < 0 ? 0 : s.autonester_key_length;
  const std::string_view key(s.marker.autonesterkey.data(), static_cast<std::size_t>(key_length));
  return s.autonester_exec_length > 0 && key != "0";
}

void search_program(HWND page) {
  std::string preset = controls::text_of(page, IDE_LAYPLAN_PROGRAM);
  if (preset.find_first_not_of(' ') == std::string::npos) preset = "*.exe";
  if (const auto chosen = controls::choose_program_file(page, kSearchTitle, preset, kSearchNameSize)) {
    controls::set_text(page, IDE_LAYPLAN_PROGRAM, *chosen);
  }
}

}  // namespace

BOOL layplanning_page_open(HWND page, const InstalledVersion& installed_version) {
  Settings& s = settings();
  controls::check(page, IDX_LAYPLAN_ADD_SIZE, s.marker.addsizetofname);
  controls::check(page, IDX_LAYPLAN_ONE_PATH, s.marker.onepathonly);
  for (const LetterHeight& height : kLetterHeights) {
    controls::set_text(page, height.id, std::to_string(letter_height_shown(s.marker.*height.tenths)));
  }
  if (!knows_autonester(installed_version())) {
    controls::enable(page, IDX_LAYPLAN_USE_AUTONESTER, false);
    s.autonester_exec_length = 0;  // OK writes the autonester keys empty
  }
  controls::check(page, IDX_LAYPLAN_USE_AUTONESTER, autonester_switched_on(s));
  // The program stays in the field while the autonester is off, so checking the box again
  // brings it back.
  controls::limit_text(page, IDE_LAYPLAN_PROGRAM, s.marker.autonesterexec.size());
  controls::set_text(page, IDE_LAYPLAN_PROGRAM, s.marker.autonesterexec.str());
  enable_program(page);
  return TRUE;
}

BOOL layplanning_page_command(HWND page, WPARAM wparam, LPARAM /*lparam*/) {
  if (!is_current_page(kPageLayplanning)) return FALSE;
  if (HIWORD(wparam) != BN_CLICKED) return FALSE;
  switch (LOWORD(wparam)) {
    case IDX_LAYPLAN_USE_AUTONESTER:
      enable_program(page);
      return TRUE;
    case IDB_LAYPLAN_SEARCH:
      search_program(page);
      return TRUE;
    case IDB_LAYPLAN_HEM_POSITION:
      run_hem_position_dialog(window_state().main_dialog);
      return TRUE;
    case IDB_LAYPLAN_LINE_TYPES:
      run_line_types_dialog(page);
      return TRUE;
    default:
      return FALSE;
  }
}

void layplanning_page_close(HWND page) {
  Settings& s = settings();
  for (const LetterHeight& height : kLetterHeights) {
    unsigned typed = 0;
    if (!controls::get_unsigned(page, height.id, typed)) continue;
    // A height the setting cannot hold in tenths is not taken (it would be stored negative).
    if (const auto tenths = letter_height_stored(typed)) s.marker.*height.tenths = *tenths;
  }
  s.marker.addsizetofname = controls::is_checked(page, IDX_LAYPLAN_ADD_SIZE);
  s.marker.onepathonly = controls::is_checked(page, IDX_LAYPLAN_ONE_PATH);
  s.marker.autonesterexec.assign(controls::text_of(page, IDE_LAYPLAN_PROGRAM));
  s.autonester_exec_length =
      controls::is_checked(page, IDX_LAYPLAN_USE_AUTONESTER) ? s.marker.autonesterexec.significant_length() : 0;
}

}  // namespace tav
