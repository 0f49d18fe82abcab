// The pages as a user sees them, in every language. Each row catches one fault: the fields
// of a page start at more than one x position; the Expert mode page leaves other margins
// than the other pages (8 to 262 dialog units); Defaults is not as wide as OK, Cancel and
// Help; a Toolbox list is narrower than an entry; a read-only field on a page is not grey
// as in the sub-dialogs; the Plotter list's first column is narrower than its title.
#include <windows.h>
#include <commctrl.h>
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "pages/page_test_support.h"
#include "resources/ids.h"
#include "support/gui.h"
#include "support/installation.h"

namespace tav {
namespace {

RECT rect_of(HWND dialog, int id) {
  RECT rect{};
  GetWindowRect(GetDlgItem(dialog, id), &rect);
  MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&rect), 2);
  return rect;
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

using Check = std::function<void(HWND page, HWND dialog)>;
struct Row {
  int tab;
  Check check;
};
const Row kRows[] = {
    {test::kOptionsTab,
     [](HWND page, HWND) {
       for (int id : {IDC_OPTIONS_FONT, IDE_OPTIONS_BACKUPS})
         EXPECT_EQ(rect_of(page, id).left, rect_of(page, IDE_OPTIONS_SAVE_MINUTES).left) << id;
     }},
    {test::kExpertTab,
     [](HWND page, HWND) {
       RECT margins{8, 0, 262, 0};
       MapDialogRect(page, &margins);
       for (int id : {IDT_EXPERT_HEADING, IDG_EXPERT_CONSTRUCTION, IDG_EXPERT_LAYPLANNING}) {
         EXPECT_EQ(rect_of(page, id).left, margins.left) << id;
         EXPECT_EQ(rect_of(page, id).right, margins.right) << id;
       }
     }},
    {test::kScreenTab,
     [](HWND, HWND dialog) {
       const RECT defaults = rect_of(dialog, IDB_MAIN_DEFAULTS);
       for (int id : {IDOK, IDCANCEL, IDB_MAIN_HELP})
         EXPECT_EQ(rect_of(dialog, id).right - rect_of(dialog, id).left, defaults.right - defaults.left) << id;
     }},
    {test::kToolboxTab,
     [](HWND page, HWND) {
       for (int program : {IDX_TOOLBOX_CONSTRUCTION, IDX_TOOLBOX_LAYPLANNING}) {
         test::click(page, program);
         for (int id : {IDC_TOOLBOX_CONTENTS, IDC_TOOLBOX_AVAILABLE}) {
           RECT client{};
           GetClientRect(GetDlgItem(page, id), &client);
           for (const std::string& entry : test::list_items(page, id))  // two pixels room on each side
             EXPECT_LE(text_width(GetDlgItem(page, id), entry) + 4, client.right) << entry;
         }
       }
     }},
    // A read-only field asks its page for its colours as a label does.
    {test::kScreenTab,
     [](HWND page, HWND) {
       for (int id : {IDE_SCREEN_WIDTH, IDE_SCREEN_HEIGHT}) {
         HDC dc = GetDC(page);
         const LRESULT brush = SendMessageA(page, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                                            reinterpret_cast<LPARAM>(GetDlgItem(page, id)));
         EXPECT_EQ(reinterpret_cast<HBRUSH>(brush), GetSysColorBrush(COLOR_BTNFACE)) << id;
         EXPECT_EQ(GetBkColor(dc), GetSysColor(COLOR_BTNFACE)) << id;
         ReleaseDC(page, dc);
       }
     }},
    {test::kPlotterTab,
     [](HWND page, HWND) {
       HWND list = GetDlgItem(page, IDC_PLOTTER_LIST);
       const std::string title = test::item_text(page, IDT_PLOTTER_COLUMN_ACTIVE);
       EXPECT_GE(SendMessageA(list, LVM_GETCOLUMNWIDTH, 0, 0), text_width(list, title)) << title;
     }},
};

void check_layout(const char* language) {
  test::TestInstallation installation;
  for (const Row& row : kRows) {
    SCOPED_TRACE(std::string(language) + ", tab " + std::to_string(row.tab + 1));
    test::with_page(row.tab, row.check, IDCANCEL);
  }
}

TEST(PageLayout, AllPages) { check_layout("English"); }
TEST(PageLayout_de, AllPages) { check_layout("German"); }
TEST(PageLayout_fi, AllPages) { check_layout("Finnish"); }
TEST(PageLayout_pl, AllPages) { check_layout("Polish"); }
TEST(PageLayout_ru, AllPages) { check_layout("Russian"); }
TEST(PageLayout_zh, AllPages) { check_layout("Chinese"); }

}  // namespace
}  // namespace tav
