#include "pages/screen_page.h"

#include "config/core/key_catalogue.h"
#include "config/settings.h"
#include "controls/controls.h"
#include "controls/page_contract.h"
#include "pages/calibration_dialog.h"
#include "pages/core/screen_rules.h"
#include "resources/ids.h"

namespace tav {
namespace {

using controls::add_item;
using controls::select_item;
using controls::selected_item;
using controls::text_of;

// Where the page's Defaults differ from the file's defaults for missing keys, on purpose:
// Defaults sets the size of the calibration's first preset, "Windows-Werte" (the file's own
// default is 300 × 220 mm, the size the other programs assumed before calibration existed).
constexpr int kDefaultsWidthMm = 320;
constexpr int kDefaultsHeightMm = 240;
// Defaults gives the look of a new installation, menu icons on a white desktop; a file without
// the keys predates both options and keeps them off.
constexpr bool kDefaultsMenuIcons = true;
constexpr int kDefaultsWhiteDesktop = 1;

// The menu font sizes, in list order, named by the hidden labels.
constexpr int kFontSizeLabels[kFontSizeItems] = {IDT_SCREEN_SIZE_MINI, IDT_SCREEN_SIZE_STANDARD, IDT_SCREEN_SIZE_LARGE,
                                                 IDT_SCREEN_SIZE_EXTRA_LARGE};

void show_millimetres(HWND page) {
  controls::set_unsigned(page, IDE_SCREEN_WIDTH, settings().screen.widthmm);
  controls::set_unsigned(page, IDE_SCREEN_HEIGHT, settings().screen.hightmm);
}

// The right menu bar's button size means something only when the menu shows icons.
void enable_menu_buttons(HWND page) {
  const bool icons = controls::is_checked(page, IDX_SCREEN_MENU_ICONS);
  controls::enable(page, IDT_SCREEN_MENU_BUTTONS, icons);
  controls::enable(page, IDC_SCREEN_MENU_BUTTONS, icons);
}

void fill_lists(HWND page) {
  for (int label : kFontSizeLabels) add_item(page, IDC_SCREEN_FONT_SIZE, text_of(page, label));
  for (int list : {IDC_SCREEN_TOOL_BUTTONS, IDC_SCREEN_MENU_BUTTONS}) {
    add_item(page, list, text_of(page, IDT_SCREEN_SIZE_STANDARD) + " (32)");
    add_item(page, list, text_of(page, IDT_SCREEN_SIZE_LARGE) + " (40)");
  }
  add_item(page, IDC_SCREEN_GRID_COLOUR, text_of(page, IDT_SCREEN_GRID_NORMAL));
  add_item(page, IDC_SCREEN_GRID_COLOUR, text_of(page, IDT_SCREEN_GRID_COOL));
}

void show_settings(HWND page) {
  const Settings& s = settings();
  show_millimetres(page);
  select_item(page, IDC_SCREEN_FONT_SIZE, font_size_item(s.screen.menufonthight));
  controls::check(page, IDX_SCREEN_MENU_ICONS, s.options.usemenubuttons);
  enable_menu_buttons(page);
  select_item(page, IDC_SCREEN_TOOL_BUTTONS, button_size_item(s.options.fixtoolbuttons));
  select_item(page, IDC_SCREEN_MENU_BUTTONS, button_size_item(s.options.fixmenubuttons));
  controls::check(page, IDX_SCREEN_WHITE_DESKTOP, s.screen.background != 0);
  controls::check(page, IDX_SCREEN_CONTINUOUS_SEAM, s.screen.continuous_seam);
  // An index outside the list selects nothing.
  select_item(page, IDC_SCREEN_GRID_COLOUR, s.options.gridcolor_typ);
}

void calibrate(HWND page) {
  run_calibration_dialog(page);
  show_millimetres(page);
}

void font_size_chosen(HWND page) {
  const int points = font_size_points(selected_item(page, IDC_SCREEN_FONT_SIZE));
  if (points < 0) return;
  settings().screen.menufonthight = points;
  settings().font_size_changed = true;
}

}  // namespace

BOOL screen_page_open(HWND page, const InstalledVersion& /*installed_version*/) {
  fill_lists(page);
  show_settings(page);
  return TRUE;
}

BOOL screen_page_command(HWND page, WPARAM wparam, LPARAM /*lparam*/) {
  if (!is_current_page(kPageScreen)) return FALSE;
  const int id = LOWORD(wparam);
  const int code = HIWORD(wparam);
  if (id == IDX_SCREEN_WHITE_DESKTOP && code == BN_CLICKED) {
    // The check box toggles itself; the setting follows each click.
    int& background = settings().screen.background;
    background = background != 0 ? 0 : 1;
    return TRUE;
  }
  if (id == IDX_SCREEN_MENU_ICONS && code == BN_CLICKED) {
    enable_menu_buttons(page);
    return TRUE;
  }
  if (id == IDB_SCREEN_CALIBRATE && code == BN_CLICKED) {
    calibrate(page);
    return TRUE;
  }
  if (id == IDC_SCREEN_FONT_SIZE && code == CBN_SELCHANGE) {
    font_size_chosen(page);
    return TRUE;
  }
  return FALSE;
}

void screen_page_close(HWND page) {
  Settings& s = settings();
  s.options.usemenubuttons = controls::is_checked(page, IDX_SCREEN_MENU_ICONS);
  const int tool = selected_item(page, IDC_SCREEN_TOOL_BUTTONS);
  if (tool >= 0) s.options.fixtoolbuttons = button_size_pixels(tool);
  const int menu = selected_item(page, IDC_SCREEN_MENU_BUTTONS);
  if (menu >= 0) s.options.fixmenubuttons = button_size_pixels(menu);
  s.screen.continuous_seam = controls::is_checked(page, IDX_SCREEN_CONTINUOUS_SEAM);
  const int grid = selected_item(page, IDC_SCREEN_GRID_COLOUR);
  if (grid >= 0) s.options.gridcolor_typ = grid;
}

void screen_page_defaults(HWND page) {
  Settings& s = settings();
  catalogue::reset_to_defaults(s, {&s.screen.menufonthight, &s.options.fixtoolbuttons, &s.options.fixmenubuttons,
                                   &s.screen.continuous_seam, &s.options.gridcolor_typ});
  s.font_size_changed = true;
  s.screen.widthmm = kDefaultsWidthMm;
  s.screen.hightmm = kDefaultsHeightMm;
  s.options.usemenubuttons = kDefaultsMenuIcons;
  s.screen.background = kDefaultsWhiteDesktop;
  show_settings(page);
}

}  // namespace tav
