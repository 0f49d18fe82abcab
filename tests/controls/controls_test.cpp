// The shared control helpers on real controls: the program-file chooser with its retry,
// and the fitting of list-view columns.
#include "controls/controls.h"

#include <windows.h>
#include <cderr.h>
#include <commctrl.h>
#include <dlgs.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "controls/list_view.h"
#include "controls/open_file_dialog.h"
#include "support/gui.h"
#include "support/temp_folder.h"

namespace tav {
namespace {

// What the fake open dialog was asked, call by call.
struct Request {
  std::string name;
  std::string title;
  DWORD flags;
  DWORD filter_index;
  DWORD buffer_size;
};
std::vector<Request> g_requests;
DWORD g_error = 0;

// Refuses every non-empty preset as an invalid name, as Windows does for "prog.exe /x";
// picks C:\chosen.exe when the name is empty.
BOOL WINAPI fake_open(OPENFILENAMEA* request) {
  g_requests.push_back(
      {request->lpstrFile, request->lpstrTitle, request->Flags, request->nFilterIndex, request->nMaxFile});
  if (request->lpstrFile[0] == '\0') {
    lstrcpyA(request->lpstrFile, "C:\\chosen.exe");
    return TRUE;
  }
  return FALSE;
}
DWORD WINAPI fake_error() { return g_error; }

TEST(ProgramFileChooser, InvalidPresetNameRetriedOnceWithAnEmptyName) {
  controls::ScopedOpenDialog fake({fake_open, fake_error});
  struct Case {
    const char* preset;
    DWORD error;
    std::vector<std::string> names_shown;
    const char* chosen;
  };
  const Case cases[] = {
      {"prog.exe /x", FNERR_INVALIDFILENAME, {"prog.exe /x", ""}, "C:\\chosen.exe"},
      {"   ", FNERR_INVALIDFILENAME, {"   "}, nullptr},                 // a blank name is not retried
      {"prog.exe /x", FNERR_BUFFERTOOSMALL, {"prog.exe /x"}, nullptr},  // nor another failure
      {"prog.exe /x", 0, {"prog.exe /x"}, nullptr},                     // nor a cancel
  };
  for (const Case& c : cases) {
    g_requests.clear();
    g_error = c.error;
    const auto chosen = controls::choose_program_file(nullptr, "TAVIRO - Test", c.preset, 261);
    std::vector<std::string> shown;
    for (const Request& r : g_requests) shown.push_back(r.name);
    EXPECT_EQ(shown, c.names_shown) << c.preset;
    EXPECT_EQ(chosen.value_or("<none>"), c.chosen ? c.chosen : "<none>") << c.preset;
  }
  ASSERT_FALSE(g_requests.empty());
  const Request& r = g_requests.front();
  EXPECT_EQ(r.title, "TAVIRO - Test");
  EXPECT_EQ(r.filter_index, 1u);
  EXPECT_EQ(r.buffer_size, 261u);
  const DWORD wanted = OFN_HIDEREADONLY | OFN_NOCHANGEDIR | OFN_FILEMUSTEXIST | OFN_LONGNAMES;
  EXPECT_EQ(r.flags & wanted, wanted);
}

TEST(ProgramFileChooser, RealDialogReturnsTheTypedExistingFile) {
  test::TempFolder folder;
  folder.write("nest.exe", "");
  const std::string file = folder.file("nest.exe");
  std::optional<std::string> chosen;
  test::ModalScript script;
  script.on("TAVIRO - Autonester", [&](HWND dialog) {
    // The name field of the system's dialog: an edit in one style, a combo box in the other.
    HWND name = GetDlgItem(dialog, edt1);
    if (!name) name = GetDlgItem(dialog, cmb13);
    ASSERT_NE(name, nullptr);
    SetWindowTextA(name, file.c_str());
    PostMessageA(dialog, WM_COMMAND, IDOK, 0);
  });
  script.run([&] { chosen = controls::choose_program_file(nullptr, "TAVIRO - Autonester", "*.exe", 260); });
  ASSERT_TRUE(chosen.has_value());
  EXPECT_EQ(lstrcmpiA(chosen->c_str(), file.c_str()), 0) << *chosen;
}

TEST(ListViewColumns, FittedColumnsShareTheWidestWidth) {
  HWND list =
      CreateWindowExA(0, WC_LISTVIEWA, "", WS_POPUP | LVS_REPORT, 0, 0, 600, 200, nullptr, nullptr, nullptr, nullptr);
  ASSERT_NE(list, nullptr);
  listview::add_column(list, "*", 15);
  listview::add_column(list, "Name", 10);
  listview::add_column(list, "PLT file", 10);
  listview::add_column(list, "Q", 10);
  const int row = listview::insert_row(list, 0, "*", 7);
  listview::set_cell(list, row, 1, "A rather long plotter name for the list");
  listview::set_cell(list, row, 2, "ROLL60A");
  listview::set_cell(list, row, 3, "ROLL60A2");
  listview::fit_columns(list, 2, 3, 0);
  const int width2 = ListView_GetColumnWidth(list, 2);
  EXPECT_EQ(ListView_GetColumnWidth(list, 3), width2);
  EXPECT_EQ(listview::column_count(list), 4) << "the spare column is removed again";
  listview::fit_columns(list, 1, 1, 0);
  EXPECT_GT(ListView_GetColumnWidth(list, 1), width2) << "the long name gets the wider column";
  EXPECT_LT(width2, 300) << "the last column is not widened to the list's edge";
  EXPECT_EQ(listview::row_number(list, row), 7);
  EXPECT_EQ(listview::cell_text(list, row, 1), "A rather long plotter name for the list");
  DestroyWindow(list);
}

}  // namespace
}  // namespace tav
