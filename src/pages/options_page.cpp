#include "pages/options_page.h"

#include <commctrl.h>

#include <string>

#include "config/core/key_catalogue.h"
#include "config/settings.h"
#include "controls/controls.h"
#include "controls/page_contract.h"
#include "controls/tooltips.h"
#include "pages/core/options_rules.h"
#include "resources/ids.h"
#include "util/program_log.h"

namespace tav {
namespace {

using controls::selected_item;

constexpr const char* kErrorLogCommand = "notepad.exe \\taviro\\mittlung.$$$";
constexpr const char* kLayPlanningErrorLogCommand = "notepad.exe \\taviro\\mittlngs.$$$";

// The up-down control's position means nothing here; it is kept away from the ends of the
// control's range so that both arrows keep reporting their change.
constexpr int kUpDownRest = 50;

// The flags shown by a plain check box each.
struct FlagBox {
  int id;
  bool Settings::*companion;  // used when the flag is not a member of OPTIONS
  bool OptionsSettings::*option;
};

bool& flag_of(Settings& s, const FlagBox& box) { return box.option ? s.options.*box.option : s.*box.companion; }

// In the order the page stores them; 1123 shows the inter-piece zoom, the inverse of
// NO_INTERBB_ZOOM.
const FlagBox kFlagBoxes[] = {
    {IDX_OPTIONS_CHECK_MODEL, nullptr, &OptionsSettings::checkmdlonsave},
    {IDX_OPTIONS_CACHE_HELP, nullptr, &OptionsSettings::cache_chm},
    {IDX_OPTIONS_HIDE_MIRRORED, nullptr, &OptionsSettings::hide_mirfold},
    {IDX_OPTIONS_AUTOZOOM, &Settings::interpiece_zoom, nullptr},
    {IDX_OPTIONS_SHOW_BACKUPS, nullptr, &OptionsSettings::show_bakfiles},
    {IDX_OPTIONS_PREVIEW_IMAGE, nullptr, &OptionsSettings::mdl_preview_image},
    {IDX_OPTIONS_SAVE_VERIFY, nullptr, &OptionsSettings::save_verify},
};

// Shows the preview picture of font `number`; hides the picture when there is none.
void show_preview(HWND page, int number) {
  HWND picture = GetDlgItem(page, IDT_OPTIONS_FONT_PREVIEW);
  const int bitmap_id = font_preview_bitmap(number, controls::dpi_of(page));
  HBITMAP bitmap = bitmap_id
                       ? static_cast<HBITMAP>(LoadImageA(controls::program_instance(), MAKEINTRESOURCEA(bitmap_id),
                                                         IMAGE_BITMAP, 0, 0, LR_DEFAULTCOLOR))
                       : nullptr;
  if (!bitmap) {
    ShowWindow(picture, SW_HIDE);
    return;
  }
  ShowWindow(picture, SW_SHOW);
  HGDIOBJ previous =
      reinterpret_cast<HGDIOBJ>(SendMessageA(picture, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(bitmap)));
  if (previous && previous != bitmap) DeleteObject(previous);
}

// Turns the template's empty frame into a picture control (once; later calls keep it).
void make_picture(HWND page) {
  HWND picture = GetDlgItem(page, IDT_OPTIONS_FONT_PREVIEW);
  LONG_PTR style = GetWindowLongPtrA(picture, GWL_STYLE);
  if ((style & SS_TYPEMASK) == SS_BITMAP) return;
  style = (style & ~static_cast<LONG_PTR>(SS_TYPEMASK)) | SS_BITMAP | SS_CENTERIMAGE;
  SetWindowLongPtrA(picture, GWL_STYLE, style);
}

// Selects the font the list finds for `name` (its own prefix search, without regard to
// case) and shows its preview. False when the list has no such font.
bool select_font(HWND page, const std::string& name) {
  const LRESULT found = SendDlgItemMessageA(page, IDC_OPTIONS_FONT, CB_FINDSTRING, static_cast<WPARAM>(-1),
                                            reinterpret_cast<LPARAM>(name.c_str()));
  if (found == CB_ERR) return false;
  controls::select_item(page, IDC_OPTIONS_FONT, static_cast<int>(found));
  make_picture(page);
  show_preview(page, static_cast<int>(found));
  return true;
}

void show_backup_count(HWND page) { controls::set_unsigned(page, IDE_OPTIONS_BACKUPS, settings().options.bakmax); }

void show_flags(HWND page) {
  Settings& s = settings();
  for (const FlagBox& box : kFlagBoxes) controls::check(page, box.id, flag_of(s, box));
}

BOOL backup_count_change(HWND page, const NMUPDOWN& change) {
  int& bakmax = settings().options.bakmax;
  bakmax = backup_count_after(bakmax, change.iDelta);
  show_backup_count(page);
  SendDlgItemMessageA(page, IDU_OPTIONS_BACKUPS, UDM_SETPOS32, 0, kUpDownRest);
  return TRUE;
}

}  // namespace

void open_error_log(HWND page, const char* command) {
  // The editor runs on its own; nothing waits for it.
  const UINT started = WinExec(command, SW_SHOWNORMAL);
  if (started <= 31) {
    const std::string error = controls::load_string(IDS_OPTIONS_ERROR);
    log_failure("open error log", command, system_error_text(started == 0 ? ERROR_NOT_ENOUGH_MEMORY : started));
    MessageBoxA(page, error.c_str(), error.c_str(), MB_OK);
  }
}

BOOL options_page_open(HWND page, const InstalledVersion& installed_version) {
  Settings& s = settings();
  controls::limit_text(page, IDE_OPTIONS_SAVE_MINUTES, controls::kNumberDigits);
  controls::set_unsigned(page, IDE_OPTIONS_SAVE_MINUTES, s.options.saveminutes);
  for (int number = 0; number < kGraphicFonts; ++number) {
    controls::add_item(page, IDC_OPTIONS_FONT, graphic_font_name(number));
  }
  select_font(page, s.graphics_font_name.str());
  controls::check(page, IDX_OPTIONS_EDIT_ON_CLICK, s.options.editonclick != 0);
  controls::check(page, IDX_OPTIONS_ENH_METAFILE, s.options.enhmetafile != 0);
  show_backup_count(page);
  SendDlgItemMessageA(page, IDU_OPTIONS_BACKUPS, UDM_SETPOS32, 0, kUpDownRest);
  show_flags(page);
  controls::attach_tooltips(page, {{IDX_OPTIONS_ENH_METAFILE, IDS_TIP_OPTIONS_ENH_METAFILE},
                                   {IDX_OPTIONS_SHOW_BACKUPS, IDS_TIP_OPTIONS_SHOW_BACKUPS},
                                   {IDX_OPTIONS_PREVIEW_IMAGE, IDS_TIP_OPTIONS_PREVIEW_IMAGE},
                                   {IDB_OPTIONS_ERROR_LOG_SB, IDS_TIP_OPTIONS_ERROR_LOG_SB}});
  // Options the installation does not know are hidden; their values stay as shown.
  if (!knows_model_check(installed_version())) controls::show(page, IDX_OPTIONS_CHECK_MODEL, SW_HIDE);
  if (!knows_help_cache_and_autozoom(installed_version())) {
    for (int id : {IDX_OPTIONS_CACHE_HELP, IDX_OPTIONS_HIDE_MIRRORED, IDX_OPTIONS_AUTOZOOM}) {
      controls::show(page, id, SW_HIDE);
    }
  }
  return TRUE;
}

BOOL options_page_command(HWND page, WPARAM wparam, LPARAM /*lparam*/) {
  if (!is_current_page(kPageOptions)) return FALSE;
  const int id = LOWORD(wparam);
  const int code = HIWORD(wparam);
  if (id == IDC_OPTIONS_FONT && code == CBN_SELCHANGE) {
    make_picture(page);
    show_preview(page, selected_item(page, IDC_OPTIONS_FONT));
    return TRUE;
  }
  if (id == IDB_OPTIONS_ERROR_LOG && code == BN_CLICKED) {
    open_error_log(page, kErrorLogCommand);
    return TRUE;
  }
  if (id == IDB_OPTIONS_ERROR_LOG_SB && code == BN_CLICKED) {
    open_error_log(page, kLayPlanningErrorLogCommand);
    return TRUE;
  }
  return FALSE;
}

BOOL options_page_notify(HWND page, int control_id, NMHDR* notification) {
  if (!is_current_page(kPageOptions) || !notification) return FALSE;
  if (control_id == IDU_OPTIONS_BACKUPS && notification->code == UDN_DELTAPOS) {
    return backup_count_change(page, *reinterpret_cast<NMUPDOWN*>(notification));
  }
  return FALSE;
}

void options_page_close(HWND page) {
  Settings& s = settings();
  unsigned typed = 0;
  if (controls::get_unsigned(page, IDE_OPTIONS_SAVE_MINUTES, typed)) s.options.saveminutes = save_minutes_from(typed);
  const int font = selected_item(page, IDC_OPTIONS_FONT);
  s.graphics_font_name.assign(font >= 0 ? controls::item_text(page, IDC_OPTIONS_FONT, font) : kDefaultGraphicsFont);
  s.options.editonclick = controls::is_checked(page, IDX_OPTIONS_EDIT_ON_CLICK) ? 1 : 0;
  s.options.enhmetafile = controls::is_checked(page, IDX_OPTIONS_ENH_METAFILE) ? 1 : 0;
  if (controls::get_unsigned(page, IDE_OPTIONS_BACKUPS, typed)) s.options.bakmax = backup_count_from(typed);
  for (const FlagBox& box : kFlagBoxes) flag_of(s, box) = controls::is_checked(page, box.id);

  // The picture control does not own its bitmap.
  HGDIOBJ bitmap =
      reinterpret_cast<HGDIOBJ>(SendDlgItemMessageA(page, IDT_OPTIONS_FONT_PREVIEW, STM_SETIMAGE, IMAGE_BITMAP, 0));
  if (bitmap) DeleteObject(bitmap);
}

void options_page_defaults(HWND page) {
  Settings& s = settings();
  // The font is reset only when the list offers it; the other rows are reset regardless.
  if (select_font(page, kDefaultGraphicsFont)) catalogue::reset_to_defaults(s, {s.graphics_font_name.data()});
  // ENHMETAFILE keeps its value until the page is closed, which stores the unchecked box.
  catalogue::reset_to_defaults(
      s, {&s.options.bakmax, &s.options.saveminutes, &s.options.editonclick, &s.options.checkmdlonsave,
          &s.options.cache_chm, &s.options.hide_mirfold, &s.interpiece_zoom, &s.options.show_bakfiles,
          &s.options.mdl_preview_image, &s.options.save_verify});
  show_backup_count(page);
  controls::set_unsigned(page, IDE_OPTIONS_SAVE_MINUTES, s.options.saveminutes);
  controls::check(page, IDX_OPTIONS_EDIT_ON_CLICK, false);
  controls::check(page, IDX_OPTIONS_ENH_METAFILE, false);
  show_flags(page);
}

}  // namespace tav
