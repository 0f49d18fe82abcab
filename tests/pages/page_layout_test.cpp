// The layout of the pages as a user sees it, in every language. Each row of the table
// catches one fault:
// - the fields of a page start at more than one x position;
// - the Expert mode page leaves other margins than the other pages;
// - Defaults is not as wide as OK, Cancel and Help;
// - a Toolbox list is narrower than its longest entry, so that reading it takes scrolling;
// - a read-only field on a page is painted like a field the user types in, not grey as in
//   the sub-dialogs;
// - the Plotter list's first column is too narrow for its title.
#include <windows.h>
#include <commctrl.h>
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "pages/page_test_support.h"
#include "resources/ids.h"
#include "support/gui.h"
#include "support/installation.h"

namespace tav {
namespace {

RECT rect_in(HWND page, HWND control) {
  RECT rect{};
  GetWindowRect(control, &rect);
  MapWindowPoints(nullptr, page, reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}
RECT rect_in(HWND page, int id) { return rect_in(page, GetDlgItem(page, id)); }
int width_of(HWND dialog, int id) { return rect_in(dialog, id).right - rect_in(dialog, id).left; }

// The page's margins, 8 dialog units from its left edge and up to 262 from it.
RECT margins(HWND page) {
  RECT margins{8, 0, 262, 0};
  MapDialogRect(page, &margins);
  return margins;
}

int text_width(HWND control, const std::string& text) {
  HDC dc = GetDC(control);
  HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageA(control, WM_GETFONT, 0, 0)));
  SIZE size{};
  GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &size);
  SelectObject(dc, old);
  ReleaseDC(control, dc);
  return size.cx;
}

void expect_same_left(HWND page, std::vector<int> fields, const std::string& where) {
  for (int id : fields) {
    EXPECT_EQ(rect_in(page, id).left, rect_in(page, fields.front()).left) << where << ": field " << id;
  }
}

void expect_entries_fit(HWND page, int list, const std::string& where) {
  RECT client{};
  GetClientRect(GetDlgItem(page, list), &client);
  for (const std::string& entry : test::list_items(page, list)) {
    // The list box leaves two pixels before and after each entry.
    EXPECT_LE(text_width(GetDlgItem(page, list), entry) + 4, client.right) << where << ": \"" << entry << "\"";
  }
}

// A read-only field asks its page for its colours as a label does; it is to be painted in
// the grey of the dialog face, as in the sub-dialogs, whatever the page's own background.
void expect_grey(HWND page, int id, const std::string& where) {
  HDC dc = GetDC(page);
  const LRESULT brush = SendMessageA(page, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                                     reinterpret_cast<LPARAM>(GetDlgItem(page, id)));
  EXPECT_EQ(reinterpret_cast<HBRUSH>(brush), GetSysColorBrush(COLOR_BTNFACE)) << where << ": field " << id;
  EXPECT_EQ(GetBkColor(dc), GetSysColor(COLOR_BTNFACE)) << where << ": field " << id;
  ReleaseDC(page, dc);
}

struct LayoutRow {
  int tab;
  const char* fault;
  std::function<void(HWND page, HWND dialog, const std::string& where)> check;
};

const LayoutRow kRows[] = {
    {test::kScreenTab, "fields not aligned",
     [](HWND page, HWND, const std::string& where) {
       expect_same_left(page, {IDE_SCREEN_WIDTH, IDE_SCREEN_HEIGHT}, where);
       expect_same_left(
           page, {IDC_SCREEN_TOOL_BUTTONS, IDC_SCREEN_MENU_BUTTONS, IDC_SCREEN_FONT_SIZE, IDC_SCREEN_GRID_COLOUR},
           where);
     }},
    {test::kOptionsTab, "fields not aligned",
     [](HWND page, HWND, const std::string& where) {
       expect_same_left(page, {IDE_OPTIONS_SAVE_MINUTES, IDC_OPTIONS_FONT, IDE_OPTIONS_BACKUPS}, where);
     }},
    {test::kExpertTab, "margins unlike the other pages",
     [](HWND page, HWND, const std::string& where) {
       for (int id : {IDT_EXPERT_HEADING, IDG_EXPERT_CONSTRUCTION, IDG_EXPERT_LAYPLANNING}) {
         EXPECT_EQ(rect_in(page, id).left, margins(page).left) << where << ": control " << id;
         EXPECT_EQ(rect_in(page, id).right, margins(page).right) << where << ": control " << id;
       }
     }},
    {test::kScreenTab, "Defaults unlike the other buttons",
     [](HWND, HWND dialog, const std::string& where) {
       for (int id : {IDOK, IDCANCEL, IDB_MAIN_HELP}) {
         EXPECT_EQ(width_of(dialog, IDB_MAIN_DEFAULTS), width_of(dialog, id)) << where << ": button " << id;
       }
     }},
    {test::kToolboxTab, "entries cut",
     [](HWND page, HWND, const std::string& where) {
       for (int program : {IDX_TOOLBOX_CONSTRUCTION, IDX_TOOLBOX_LAYPLANNING}) {
         test::click(page, program);
         for (int list : {IDC_TOOLBOX_CONTENTS, IDC_TOOLBOX_AVAILABLE}) expect_entries_fit(page, list, where);
       }
     }},
    {test::kScreenTab, "read-only fields white",
     [](HWND page, HWND, const std::string& where) {
       for (int id : {IDE_SCREEN_WIDTH, IDE_SCREEN_HEIGHT}) expect_grey(page, id, where);
     }},
    {test::kOptionsTab, "read-only field white",
     [](HWND page, HWND, const std::string& where) { expect_grey(page, IDE_OPTIONS_BACKUPS, where); }},
    {test::kPlotterTab, "marker column title cut",
     [](HWND page, HWND, const std::string& where) {
       HWND list = GetDlgItem(page, IDC_PLOTTER_LIST);
       const std::string title = test::item_text(page, IDT_PLOTTER_COLUMN_ACTIVE);
       EXPECT_GE(SendMessageA(list, LVM_GETCOLUMNWIDTH, 0, 0), text_width(list, title)) << where << ": " << title;
     }},
};

void check_layout(const char* language) {
  test::TestInstallation installation;
  installation.add_program_files();
  for (const LayoutRow& row : kRows) {
    const std::string where = std::string(language) + ", tab " + std::to_string(row.tab + 1) + ", " + row.fault;
    test::with_page(
        row.tab, [&](HWND page, HWND dialog) { row.check(page, dialog, where); }, IDCANCEL);
  }
}

TEST(PageLayout, FieldsMarginsButtonsListsAndReadOnlyFields) { check_layout("English"); }
TEST(PageLayout_de, FieldsMarginsButtonsListsAndReadOnlyFields) { check_layout("German"); }
TEST(PageLayout_fi, FieldsMarginsButtonsListsAndReadOnlyFields) { check_layout("Finnish"); }
TEST(PageLayout_pl, FieldsMarginsButtonsListsAndReadOnlyFields) { check_layout("Polish"); }
TEST(PageLayout_ru, FieldsMarginsButtonsListsAndReadOnlyFields) { check_layout("Russian"); }
TEST(PageLayout_zh, FieldsMarginsButtonsListsAndReadOnlyFields) { check_layout("Chinese"); }

}  // namespace
}  // namespace tav
