#include "pages/digitizer_page.h"

#include <climits>
#include <string_view>

#include "config/core/key_catalogue.h"
#include "config/settings.h"
#include "controls/controls.h"
#include "pages/core/digitizer_layouts.h"
#include "resources/ids.h"

namespace tav {
namespace {

struct NumberEdit {
  int id;
  int DigitizerSettings::*setting;
};
const NumberEdit kNumbers[] = {
    {IDE_DIGI_MENU_AREA, &DigitizerSettings::schablonemm},
    {IDE_DIGI_OK_CODE, &DigitizerSettings::digiok},
    {IDE_DIGI_CANCEL_CODE, &DigitizerSettings::digiquit},
    {IDE_DIGI_DELAY, &DigitizerSettings::digistop},
};

void show_numbers(HWND page) {
  const DigitizerSettings& d = settings().digitizer;
  for (const NumberEdit& edit : kNumbers) controls::set_unsigned(page, edit.id, d.*edit.setting);
}

// The held layout is blank-padded; the layout is the text before the padding.
std::string_view held_layout() {
  const Field<80>& lupe = settings().digitizer.lupe;
  return std::string_view(lupe.data(), static_cast<std::size_t>(lupe.significant_length()));
}

}  // namespace

BOOL digitizer_page_open(HWND page, const InstalledVersion& /*installed_version*/) {
  for (const NumberEdit& edit : kNumbers) controls::limit_text(page, edit.id, controls::kNumberDigits);
  show_numbers(page);
  for (const CursorLayout& layout : cursor_layouts()) controls::add_item(page, IDC_DIGI_CURSOR, layout.name);
  // A layout written by hand selects nothing, and stays as it is unless a preset is picked.
  controls::select_item(page, IDC_DIGI_CURSOR, cursor_layout_item(held_layout()));
  return TRUE;
}

void digitizer_page_close(HWND page) {
  DigitizerSettings& d = settings().digitizer;
  for (const NumberEdit& edit : kNumbers) {
    unsigned typed = 0;
    // A number the setting cannot hold is not taken (it would be written back negative).
    if (controls::get_unsigned(page, edit.id, typed) && typed <= static_cast<unsigned>(INT_MAX)) {
      d.*edit.setting = static_cast<int>(typed);
    }
  }
  const int item = controls::selected_item(page, IDC_DIGI_CURSOR);
  const auto layouts = cursor_layouts();
  if (item >= 0 && item < static_cast<int>(layouts.size()))
    d.lupe.assign(layouts[static_cast<std::size_t>(item)].layout);
}

void digitizer_page_defaults(HWND page) {
  DigitizerSettings& d = settings().digitizer;
  catalogue::reset_to_defaults(settings(), {&d.schablonemm, &d.digiok, &d.digiquit, &d.digistop, d.lupe.data()});
  show_numbers(page);
  controls::select_item(page, IDC_DIGI_CURSOR, 0);
}

}  // namespace tav
