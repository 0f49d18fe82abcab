#include "shell/help.h"

#include <cstring>
#include <optional>
#include <vector>

#include "controls/controls.h"
#include "controls/page_contract.h"
#include "resources/ids.h"
#include "shell/page_table.h"
#include "shell/process_starter.h"
#include "util/file_operations.h"

namespace tav {
namespace {

// The one table of help pages: every tab's page and every sub-dialog, by template. The same
// page names stand in each language's folder of the help files.
struct HelpPage {
  int template_id;
  const char* page;
};
constexpr HelpPage kHelpPages[] = {
    {IDD_MAIN, "index.html"},
    {IDD_PAGE_SCREEN, "screen.html"},
    {IDD_CALIBRATION, "calibration.html"},
    {IDD_PAGE_DRIVES, "drives.html"},
    {IDD_NETWORK, "network.html"},
    {IDD_PAGE_PLOTTER, "plotter.html"},
    {IDD_DRIVER_SETTINGS, "plotter_setup.html"},
    {IDD_PLOT_RESOLUTION, "plot_resolution.html"},
    {IDD_SERIAL_PORT, "serial_port.html"},
    {IDD_PAGE_DIGITIZER, "digitizer.html"},
    {IDD_PAGE_LAYPLANNING, "layplanning.html"},
    {IDD_HEM_POSITION, "hem_position.html"},
    {IDD_LINE_TYPES, "line_types.html"},
    {IDD_PAGE_TOOLBOX, "toolbox.html"},
    {IDD_PAGE_LANGUAGE, "language.html"},
    {IDD_PAGE_OPTIONS, "options.html"},
    {IDD_PAGE_EXPERT, "expert.html"},
    {IDD_EARLIER_VERSIONS, "earlier_versions.html"},
    {IDD_REMOVED_PLOTTERS, "removed_plotters.html"},
    {IDD_INSTALLATION_CHECK, "command_line.html"},
};

constexpr char kCommonHelpFile[] = "setup.chm";
constexpr char kCommonHelpFolder[] = "en";

// The help file of this name in the current folder, else in the installation's help folder;
// empty when neither exists.
std::string locate(const std::string& name) {
  if (file_exists(name.c_str())) return name;
  const std::string installed = "\\taviro\\hilfen\\" + name;
  if (file_exists(installed.c_str())) return installed;
  return {};
}

// What a dialog template shows: its caption and the ids of its controls (unnamed labels
// left out). Read from the template in the user interface's language, the one the dialog
// was made from.
struct TemplateFace {
  std::wstring caption;
  std::vector<DWORD> control_ids;
};

class TemplateReader {
 public:
  TemplateReader(const BYTE* data, std::size_t size) : data_(data), size_(size) {}
  bool ok() const { return ok_; }
  void align() { at_ = (at_ + 3) & ~static_cast<std::size_t>(3); }
  void skip(std::size_t bytes) {
    if (at_ + bytes > size_) ok_ = false;
    at_ = ok_ ? at_ + bytes : size_;
  }
  WORD word() { return static_cast<WORD>(number(2)); }
  DWORD dword() { return number(4); }
  // A text, or a number in place of one (0xFFFF and the number).
  std::wstring text_or_number() {
    std::wstring text;
    const WORD first = word();
    if (first == 0xFFFF) {
      word();
      return text;
    }
    for (WORD c = first; ok_ && c != 0; c = word()) text += static_cast<wchar_t>(c);
    return text;
  }

 private:
  DWORD number(std::size_t bytes) {
    DWORD value = 0;
    if (at_ + bytes <= size_) std::memcpy(&value, data_ + at_, bytes);
    skip(bytes);
    return value;
  }
  const BYTE* data_;
  std::size_t size_;
  std::size_t at_ = 0;
  bool ok_ = true;
};

std::optional<TemplateFace> template_face(int template_id) {
  HINSTANCE instance = controls::program_instance();
  HRSRC found = FindResourceA(instance, MAKEINTRESOURCEA(template_id), MAKEINTRESOURCEA(5));  // RT_DIALOG
  HGLOBAL loaded = found ? LoadResource(instance, found) : nullptr;
  const void* data = loaded ? LockResource(loaded) : nullptr;
  if (!data) return std::nullopt;
  TemplateReader in(static_cast<const BYTE*>(data), SizeofResource(instance, found));
  TemplateFace face;
  // DLGTEMPLATEEX begins with version 1 and 0xFFFF, DLGTEMPLATE with its style.
  const DWORD first = in.dword();
  const bool extended = first == 0xFFFF0001;
  DWORD style = first;
  if (extended) {
    in.dword();  // help id
    in.dword();  // extended style
    style = in.dword();
  } else {
    in.dword();  // extended style
  }
  const WORD count = in.word();
  in.skip(8);           // position and size
  in.text_or_number();  // menu
  in.text_or_number();  // window class
  face.caption = in.text_or_number();
  if (style & DS_SETFONT) {
    in.word();                 // point size
    if (extended) in.skip(4);  // weight, italic, character set
    in.text_or_number();       // typeface
  }
  for (WORD i = 0; i < count && in.ok(); ++i) {
    in.align();
    DWORD id = 0;
    if (extended) {
      in.skip(12 + 8);  // help id, extended style, style; position and size
      id = in.dword();
    } else {
      in.skip(8 + 8);  // style, extended style; position and size
      id = in.word();
    }
    in.text_or_number();  // window class
    in.text_or_number();  // text
    in.skip(in.word());   // creation data
    if (id != 0xFFFF && id != 0xFFFFFFFF) face.control_ids.push_back(id);
  }
  if (!in.ok()) return std::nullopt;
  return face;
}

// True when the window shows the template: its caption, and a control of each id.
bool shows_template(HWND window, int template_id) {
  const auto face = template_face(template_id);
  if (!face || face->control_ids.empty()) return false;
  const int length = GetWindowTextLengthW(window);
  std::wstring caption(static_cast<std::size_t>(length) + 1, L'\0');
  caption.resize(static_cast<std::size_t>(GetWindowTextW(window, caption.data(), length + 1)));
  if (caption != face->caption) return false;
  for (DWORD id : face->control_ids) {
    if (!GetDlgItem(window, static_cast<int>(id))) return false;
  }
  return true;
}

// The template of the main dialog's page shown, IDD_MAIN when none is.
int shown_tab_template() {
  const WindowState& state = window_state();
  const auto tabs = tab_entries();
  if (!state.page || state.tab_position < 1 || state.tab_position > static_cast<int>(tabs.size())) return IDD_MAIN;
  const PageEntry* page = find_page(tabs[static_cast<std::size_t>(state.tab_position - 1)].page_code);
  return page ? page->template_id : IDD_MAIN;
}

}  // namespace

HelpLocation find_help() {
  const std::string own_file = controls::load_string(IDS_HELP_FILE);
  const std::string own_folder = controls::load_string(IDS_HELP_FOLDER);
  if (!own_file.empty() && !own_folder.empty()) {
    if (std::string file = locate(own_file); !file.empty()) return {file, own_folder};
  }
  if (std::string file = locate(kCommonHelpFile); !file.empty()) return {file, kCommonHelpFolder};
  return {};
}

const char* help_page(int template_id) {
  for (const HelpPage& entry : kHelpPages) {
    if (entry.template_id == template_id) return entry.page;
  }
  return nullptr;
}

int help_template_of(HWND window) {
  HWND main_dialog = window_state().main_dialog;
  for (HWND shown = window ? GetAncestor(window, GA_ROOT) : nullptr; shown; shown = GetWindow(shown, GW_OWNER)) {
    if (shown == main_dialog) return shown_tab_template();
    for (const HelpPage& entry : kHelpPages) {
      if (entry.template_id != IDD_MAIN && shows_template(shown, entry.template_id)) return entry.template_id;
    }
  }
  return 0;
}

std::string help_command(const HelpLocation& location, int template_id) {
  const char* page = help_page(template_id);
  if (!page) page = help_page(IDD_MAIN);
  return "hh.exe " + location.file + "::/" + location.folder + "/" + page;
}

void open_help(int template_id) {
  const HelpLocation location = find_help();
  if (location.file.empty()) return;
  start_program(help_command(location, template_id).c_str(), "", 0, SW_SHOWNORMAL, false);
}

}  // namespace tav
