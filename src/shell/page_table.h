#pragma once
// The pages of the main dialog: which template each page code uses and which routines
// it provides. Adding a page is one line in each table.
#include <windows.h>

#include <span>

namespace tav {

// Routines a page may provide. Each receives the page window.
using PageOpen = BOOL (*)(HWND page, int installed_version);  // fills the controls
using PageCommand = BOOL (*)(HWND page, WPARAM wparam, LPARAM lparam);
using PageNotify = BOOL (*)(HWND page, int control_id, NMHDR* notification);
using PageClose = void (*)(HWND page);     // stores the controls into the settings
using PageDefaults = void (*)(HWND page);  // resets the page's settings and shows them

struct PageEntry {
  int code;
  int template_id;
  PageOpen open;
  PageCommand command;
  PageNotify notify;
  PageClose close;
  PageDefaults defaults;
  // The open routine's result becomes the page procedure's result for the
  // initialisation: false means the routine has set the focus itself or closed the page.
  bool open_result_sets_focus;
};

// Page codes.
enum PageCode {
  kPageScreen = 1,
  kPageDrives = 2,
  kPagePlotter = 3,
  kPageOptions = 4,
  kPageDigitizer = 5,
  kPageLayplanning = 6,
  kPageToolbox = 7,
  kPageLanguage = 8,
  kPageExpert = 9,
};

// One row per tab, from the left.
struct TabEntry {
  int title_label;   // hidden label of the main dialog holding the tab's title
  int page_code;
  bool has_defaults; // the Defaults button is enabled on this tab
};

std::span<const PageEntry> page_entries();
const PageEntry* find_page(int code);  // nullptr for an unknown code
std::span<const TabEntry> tab_entries();

// Order in which a command is offered to the pages' command routines, and the order for
// notifications.
std::span<const int> command_chain();
std::span<const int> notification_chain();

}  // namespace tav
