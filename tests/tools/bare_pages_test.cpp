// The bare pages of scripts/bench show what the program's pages show: the rows read from a
// page are put into a bare page of the same template and read back. Faults caught:
// - a row of a list box, combo box or report list left out, doubled or out of order;
// - a report list's column titles or widths not carried (the bare list draws other columns);
// - the cells after a report list's first column not carried;
// - a list's selection not carried;
// - a list box's horizontal scroll range not carried (the bare list lacks its scroll bar).
#include <windows.h>
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "pages/page_test_support.h"
#include "plotter/plotter_test_support.h"
#include "resources/ids.h"
#include "support/installation.h"
#include "tools/bare_dialog.h"

namespace tav {
namespace {

constexpr int kToolboxTab = 5;

struct PageCase {
  const char* name;
  int tab;
  std::size_t least_rows;                           // the page's lists hold at least these rows
  std::function<void(HWND page)> select = nullptr;  // a selection made on the page first
};

std::size_t row_count(const bare::PageRows& rows) {
  std::size_t count = 0;
  for (const bare::ListRows& lists : rows) count += lists.rows.size();
  return count;
}

// The page's rows, and the rows of the bare page filled with them.
std::pair<bare::PageRows, bare::PageRows> page_and_bare_rows(const PageCase& page_case) {
  std::pair<bare::PageRows, bare::PageRows> rows;
  test::with_page(
      page_case.tab,
      [&](HWND page, HWND dialog) {
        if (page_case.select) page_case.select(page);
        rows.first = bare::read_rows(page);
        HWND bare_page =
            bare::create_page(GetModuleHandleA(nullptr), bare::kPageTemplates[page_case.tab], dialog, &rows.first);
        rows.second = bare::read_rows(bare_page);
        DestroyWindow(bare_page);
      },
      IDCANCEL);
  return rows;
}

TEST(BarePages, ShowTheRowsColumnsAndSelectionOfTheProgramsPage) {
  test::TestInstallation installation;
  installation.write("plotter\\PEN90.plt", test::driver_file("Pen plotter 90"));
  installation.write("plotter\\PEN90.que", test::queue_file("Pen 90 at the door", "PEN90.plt"));
  installation.write("plotter\\CUT160.plt", test::driver_file("Cutter 160", true));
  installation.write("plotter\\CUT160.que", test::queue_file("", "CUT160.plt"));
  const PageCase cases[] = {
      {"Screen", test::kScreenTab, 4},
      {"Plotter", test::kPlotterTab, 2, [](HWND page) { test::select_plotter_row(page, 1); }},
      {"Toolbox", kToolboxTab, 10,
       [](HWND page) { SendDlgItemMessageA(page, IDC_TOOLBOX_AVAILABLE, LB_SETCURSEL, 3, 0); }},
  };
  for (const PageCase& page_case : cases) {
    SCOPED_TRACE(page_case.name);
    const auto [page_rows, bare_rows] = page_and_bare_rows(page_case);
    EXPECT_GE(row_count(page_rows), page_case.least_rows);
    ASSERT_EQ(page_rows.size(), bare_rows.size());
    for (std::size_t i = 0; i < page_rows.size(); ++i) {
      SCOPED_TRACE(page_rows[i].id);
      EXPECT_EQ(page_rows[i].rows, bare_rows[i].rows);
      EXPECT_EQ(page_rows[i].cells, bare_rows[i].cells);
      EXPECT_EQ(page_rows[i].titles, bare_rows[i].titles);
      EXPECT_EQ(page_rows[i].widths, bare_rows[i].widths);
      EXPECT_EQ(page_rows[i].selected, bare_rows[i].selected);
      EXPECT_EQ(page_rows[i].extent, bare_rows[i].extent);
      EXPECT_EQ(page_rows[i].extended_style, bare_rows[i].extended_style);
    }
  }
}

}  // namespace
}  // namespace tav
