#include "shell/startup.h"

#include <commctrl.h>

#include <cstring>
#include <vector>

#include "config/utility_settings_readers.h"
#include "controls/controls.h"
#include "controls/page_contract.h"
#include "language/language_state.h"
#include "pages/toolbox_catalogue.h"
#include "shell/main_dialog.h"
#include "util/case_mapping.h"
#include "util/program_log.h"

namespace tav {

std::string log_file_name() {
  // The whole value of TMP is used, however long it is.
  const DWORD needed = GetEnvironmentVariableA("TMP", nullptr, 0);
  if (needed > 1) {
    std::vector<char> value(needed);
    const DWORD got = GetEnvironmentVariableA("TMP", value.data(), needed);
    if (got > 0 && got < needed) return std::string(value.data(), got) + "\\tvrsetup.log";
  }
  return "c:\\tvrsetup.log";
}

std::string menu_dialog_file() {
  char path[1024 + 1] = "\\taviro\\menues\\dialog.ini";
  int length = static_cast<int>(std::strlen(path));
  rewrite_path_into_language(path, length, true, 1024);
  path[length] = '\0';
  return path;
}

void prepare_run(HINSTANCE instance) {
  LoadLibraryA("COMCTL32.DLL");
  controls::set_program_instance(instance);
  INITCOMMONCONTROLSEX classes{sizeof classes,
                               ICC_TAB_CLASSES | ICC_LISTVIEW_CLASSES | ICC_UPDOWN_CLASS | ICC_PROGRESS_CLASS};
  InitCommonControlsEx(&classes);
  install_system_case_mappers();
  install_utility_settings_readers();
  determine_language();
  set_up_toolbox_labels(menu_dialog_file().c_str());
  current_toolbox() = ToolboxKind::construction;
}

int run_setup(HINSTANCE instance) {
  // The log is open for the whole run; only failures the user is told of are written to it.
  open_program_log(log_file_name());
  prepare_run(instance);
  run_main_dialog(nullptr);
  close_program_log();
  return 0;
}

}  // namespace tav
