#include "shell/help.h"

#include "controls/controls.h"
#include "controls/modal_dialog.h"
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
    // A sub-dialog carries its template; a message box does not, and its owner answers.
    const int shown_template = controls::template_of(shown);
    if (shown_template != 0 && help_page(shown_template)) return shown_template;
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
