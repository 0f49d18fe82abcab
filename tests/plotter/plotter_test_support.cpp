#include "plotter/plotter_test_support.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <algorithm>

#include "controls/list_view.h"
#include "controls/page_contract.h"
#include "pages/page_test_support.h"
#include "plotter/driver_text.h"
#include "resources/ids.h"
#include "shell/main_dialog.h"
#include "support/unix_command.h"

namespace tav::test {

std::string driver_file(const std::string& plotter_name, bool cutter) {
  DriverText text;
  text.values[51] = plotter_name;
  if (cutter) text.values[34] = "J";
  return text.build();
}

std::string queue_file(const std::string& name, const std::string& driver) {
  std::string text = "[DEVICE]\r\n";
  if (!name.empty()) text += "NAME=" + name + "\r\n";
  text += "PORT=FILE:\r\nDRIVER=";
  text += driver;
  text += "\r\n";
  return text;
}

void write_case_twin(const TestInstallation& installation, const std::string& relative, const std::string& bytes) {
  const std::size_t slash = relative.rfind('\\');
  const std::string staged = "twin\\" + relative.substr(slash + 1);
  installation.write(staged, bytes);
  unix_command("/bin/mv", installation.path(relative.substr(0, slash)), unix_name(installation.path(staged)));
  EXPECT_TRUE(eventually([&] { return !installation.exists(staged); })) << relative;
  installation.remove("twin");
}

std::vector<std::string> plotter_rows(HWND page) {
  HWND list = GetDlgItem(page, IDC_PLOTTER_LIST);
  std::vector<std::string> rows;
  for (int row = 0; row < listview::row_count(list); ++row) {
    std::string line;
    for (int column = 0; column < 4; ++column) {
      if (column > 0) line += '|';
      line += listview::cell_text(list, row, column);
    }
    rows.push_back(line);
  }
  return rows;
}

int plotter_row(HWND page, const std::string& driver, const std::string& queue) {
  HWND list = GetDlgItem(page, IDC_PLOTTER_LIST);
  for (int row = 0; row < listview::row_count(list); ++row) {
    if (listview::cell_text(list, row, 2) == driver && listview::cell_text(list, row, 3) == queue) return row;
  }
  return -1;
}

int plotter_row_named(HWND page, const std::string& display_name) {
  HWND list = GetDlgItem(page, IDC_PLOTTER_LIST);
  for (int row = 0; row < listview::row_count(list); ++row) {
    if (listview::cell_text(list, row, 1) == display_name) return row;
  }
  return -1;
}

void select_plotter_row(HWND page, int row) { listview::select_row(GetDlgItem(page, IDC_PLOTTER_LIST), row); }

std::string column_titles(HWND page) {
  std::string titles;
  for (int column = 0; column < 4; ++column) {
    char title[64] = {};
    LVCOLUMNA info{};
    info.mask = LVCF_TEXT;
    info.pszText = title;
    info.cchTextMax = sizeof title;
    SendDlgItemMessageA(page, IDC_PLOTTER_LIST, LVM_GETCOLUMNA, static_cast<WPARAM>(column),
                        reinterpret_cast<LPARAM>(&info));
    if (column > 0) titles += ',';
    titles += title;
  }
  return titles;
}

std::vector<std::string> file_names(const std::string& folder) {
  std::vector<std::string> names;
  WIN32_FIND_DATAA entry;
  HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &entry);
  if (search == INVALID_HANDLE_VALUE) return names;
  do {
    if (!(entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) names.push_back(entry.cFileName);
  } while (FindNextFileA(search, &entry));
  FindClose(search);
  std::sort(names.begin(), names.end());
  return names;
}

ModalScript::Step on_plotter_page(std::function<void(HWND page)> step) {
  return [step](HWND dialog) {
    select_tab(GetDlgItem(dialog, IDC_MAIN_TABS), kPlotterTab);
    step(current_page());
  };
}

ModalScript::Step on_page(std::function<void(HWND page)> step) {
  return [step](HWND) { step(current_page()); };
}

void run_main_dialog_with(ModalScript& script) {
  script.run([] { run_main_dialog(nullptr); });
}

void close_main_dialog() { SendMessageA(window_state().main_dialog, WM_COMMAND, IDCANCEL, 0); }

}  // namespace tav::test
