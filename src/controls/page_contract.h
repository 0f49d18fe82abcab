#pragma once
// What a page of the main dialog and the shell that shows it agree on: the page codes, the
// routines a page provides (its entry in the page table), and the window state of the run.
// The feature folders include this; the shell assembles the table and runs the dialog.
#include <windows.h>

#include <optional>

namespace tav {

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

// The installed version of TAVIRO for a page that opens, worked out when the page first asks:
// most pages never ask, and working it out tests a dozen files and reads settings.ini,
// which under Wine is a tenth of a page's opening.
class InstalledVersion {
 public:
  using Detect = int (*)();
  explicit InstalledVersion(Detect detect) : detect_(detect) {}
  static InstalledVersion known(int version) {
    InstalledVersion result(nullptr);
    result.version_ = version;
    return result;
  }
  int operator()() const {
    if (!version_) version_ = detect_();
    return *version_;
  }

 private:
  Detect detect_;
  mutable std::optional<int> version_;
};

// Routines a page may provide. Each receives the page window.
using PageOpen = BOOL (*)(HWND page, const InstalledVersion& installed_version);  // fills the controls
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

// Process-wide window state: one instance for the whole run.
struct WindowState {
  HWND main_dialog = nullptr;  // the main settings dialog while it is open
  HWND page = nullptr;         // the one existing page, or none
  int tab_position = 0;        // 1 to 9 for the page shown; 0 when no page exists
  int page_code = 0;           // code of the page created last (kept after it is destroyed)
};

WindowState& window_state();

// True when the page created last is the page of this code: a page's routines answer only
// while their own page is the one shown.
inline bool is_current_page(int code) { return window_state().page_code == code; }

}  // namespace tav
