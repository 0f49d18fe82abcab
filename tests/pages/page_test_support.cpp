#include "pages/page_test_support.h"

#include <gtest/gtest.h>

#include "controls/page_contract.h"
#include "resources/ids.h"
#include "shell/main_dialog.h"
#include "support/gui.h"

namespace tav::test {

HWND current_page() { return window_state().page; }

void with_page(int tab, const std::function<void(HWND page, HWND dialog)>& step, int closing_command) {
  ModalScript script;
  script.on("TAVIRO - Setup 1.58", [&](HWND dialog) {
    if (tab != kScreenTab) select_tab(GetDlgItem(dialog, IDC_MAIN_TABS), tab);
    ASSERT_NE(current_page(), nullptr);
    step(current_page(), dialog);
    SendMessageA(dialog, WM_COMMAND, closing_command, 0);
  });
  script.run([] { run_main_dialog(nullptr); });
}

std::string main_value(const std::string& section, const std::string& key) {
  char value[512] = {};
  GetPrivateProfileStringA(section.c_str(), key.c_str(), "<missing>", value, sizeof value, "U:\\taviro\\taviro.ini");
  return value;
}

}  // namespace tav::test
