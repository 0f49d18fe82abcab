// The Screen page through its real controls in the main dialog, ending in what OK writes
// to the main configuration file (or that Cancel writes nothing).
#include <windows.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "config/settings.h"
#include "pages/page_test_support.h"
#include "resources/ids.h"
#include "support/gui.h"
#include "support/installation.h"

namespace tav {
namespace {

using test::choose_combo_item;
using test::combo_items;
using test::combo_selection;
using test::main_value;
using test::with_page;

void write_screen_keys(const test::TestInstallation& installation, const std::string& screen,
                       const std::string& options = "") {
  installation.write("taviro.ini", "[SCREEN]\r\n" + screen + "[OPTIONS]\r\n" + options);
}

TEST(ScreenPage, ListsFilledFromTheHiddenLabels) {
  test::TestInstallation installation;
  with_page(
      test::kScreenTab,
      [](HWND page, HWND) {
        EXPECT_EQ(combo_items(page, IDC_SCREEN_FONT_SIZE),
                  (std::vector<std::string>{"Mini", "Standard", "Large", "Extra large"}));
        const std::vector<std::string> sizes = {"Standard (32)", "Large (40)"};
        EXPECT_EQ(combo_items(page, IDC_SCREEN_TOOL_BUTTONS), sizes);
        EXPECT_EQ(combo_items(page, IDC_SCREEN_MENU_BUTTONS), sizes);
        EXPECT_EQ(combo_items(page, IDC_SCREEN_GRID_COLOUR), (std::vector<std::string>{"normal", "cool (blue-grey)"}));
        EXPECT_EQ(test::item_text(page, IDT_SCREEN_HEADING), "Actual screen measurements");
        EXPECT_EQ(test::plain_text(test::item_text(page, IDB_SCREEN_CALIBRATE)), "Edit values");
        // The missing file's values: 300 by 220 mm, 14 points, 32-pixel buttons.
        EXPECT_EQ(test::item_text(page, IDE_SCREEN_WIDTH), "300");
        EXPECT_EQ(test::item_text(page, IDE_SCREEN_HEIGHT), "220");
        EXPECT_EQ(combo_selection(page, IDC_SCREEN_FONT_SIZE), 1);
        EXPECT_EQ(combo_selection(page, IDC_SCREEN_TOOL_BUTTONS), 0);
        EXPECT_FALSE(test::is_checked(page, IDX_SCREEN_WHITE_DESKTOP));
      },
      IDCANCEL);
  EXPECT_FALSE(installation.exists("taviro.ini"));  // Cancel writes nothing
}

TEST(ScreenPage, FontSizeItemForTheStoredSize) {
  const struct {
    const char* stored;
    int item;
  } cases[] = {{"16", 1}, {"17", 2}, {"31", 1}, {"12", 0}, {"22", 3}, {"0", 1}, {"-3", 1}};
  for (const auto& c : cases) {
    test::TestInstallation installation;
    write_screen_keys(installation, std::string("MENUFONTHIGHT=") + c.stored + "\r\n");
    with_page(
        test::kScreenTab,
        [&](HWND page, HWND) {
          EXPECT_EQ(combo_selection(page, IDC_SCREEN_FONT_SIZE), c.item) << "MENUFONTHIGHT=" << c.stored;
        },
        IDOK);
    // Not touched: written back as it was, not as the item's size.
    EXPECT_EQ(main_value("SCREEN", "MENUFONTHIGHT"), c.stored);
  }
}

TEST(ScreenPage, FontSizeWrittenOnlyAfterTheUserPickedOne) {
  test::TestInstallation installation;
  with_page(
      test::kScreenTab, [](HWND, HWND) {}, IDOK);
  EXPECT_EQ(main_value("SCREEN", "MENUFONTHIGHT"), "<missing>");
  EXPECT_EQ(main_value("SCREEN", "WIDTHMM"), "300");

  with_page(
      test::kScreenTab,
      [](HWND page, HWND) {
        choose_combo_item(page, IDC_SCREEN_FONT_SIZE, 3);
        EXPECT_TRUE(settings().font_size_changed);
        EXPECT_EQ(settings().screen.menufonthight, 24);
      },
      IDOK);
  EXPECT_EQ(main_value("SCREEN", "MENUFONTHIGHT"), "24");
}

TEST(ScreenPage, ButtonSizesStoredFromTheLists) {
  test::TestInstallation installation;
  write_screen_keys(installation, "", "USEMENUBUTTONS=1\r\nFIXTOOLBUTTONS=36\r\nFIXMENUBUTTONS=32\r\n");
  with_page(
      test::kScreenTab,
      [](HWND page, HWND) {
        EXPECT_EQ(combo_selection(page, IDC_SCREEN_TOOL_BUTTONS), 1);  // anything but 32 is Large (40)
        EXPECT_EQ(combo_selection(page, IDC_SCREEN_MENU_BUTTONS), 0);
        choose_combo_item(page, IDC_SCREEN_MENU_BUTTONS, 1);
      },
      IDOK);
  EXPECT_EQ(main_value("OPTIONS", "FIXTOOLBUTTONS"), "40");
  EXPECT_EQ(main_value("OPTIONS", "FIXMENUBUTTONS"), "40");
}

TEST(ScreenPage, MenuBarButtonSizeOnlyWithMenuIcons) {
  test::TestInstallation installation;
  write_screen_keys(installation, "", "USEMENUBUTTONS=0\r\n");
  with_page(
      test::kScreenTab,
      [](HWND page, HWND) {
        EXPECT_FALSE(test::is_enabled(page, IDT_SCREEN_MENU_BUTTONS));
        EXPECT_FALSE(test::is_enabled(page, IDC_SCREEN_MENU_BUTTONS));
        EXPECT_TRUE(test::is_enabled(page, IDC_SCREEN_TOOL_BUTTONS));
        test::click(page, IDX_SCREEN_MENU_ICONS);
        EXPECT_TRUE(test::is_enabled(page, IDT_SCREEN_MENU_BUTTONS));
        EXPECT_TRUE(test::is_enabled(page, IDC_SCREEN_MENU_BUTTONS));
      },
      IDOK);
  EXPECT_EQ(main_value("OPTIONS", "USEMENUBUTTONS"), "1");
}

TEST(ScreenPage, WhiteDesktopTogglesTheBackgroundFlag) {
  test::TestInstallation installation;
  write_screen_keys(installation, "BACKGROUND=15\r\n");
  with_page(
      test::kScreenTab,
      [](HWND page, HWND) {
        EXPECT_TRUE(test::is_checked(page, IDX_SCREEN_WHITE_DESKTOP));
        test::click(page, IDX_SCREEN_WHITE_DESKTOP);
        EXPECT_FALSE(test::is_checked(page, IDX_SCREEN_WHITE_DESKTOP));
      },
      IDOK);
  EXPECT_EQ(main_value("SCREEN", "BACKGROUND"), "0");
  with_page(
      test::kScreenTab, [](HWND page, HWND) { test::click(page, IDX_SCREEN_WHITE_DESKTOP); }, IDOK);
  EXPECT_EQ(main_value("SCREEN", "BACKGROUND"), "15");
}

TEST(ScreenPage, GridColourAndContinuousSeam) {
  test::TestInstallation installation;
  write_screen_keys(installation, "CONTINUOUS_SEAM=1\r\n", "GRIDCOLOR_TYP=1\r\n");
  with_page(
      test::kScreenTab,
      [](HWND page, HWND) {
        EXPECT_EQ(combo_selection(page, IDC_SCREEN_GRID_COLOUR), 1);
        EXPECT_TRUE(test::is_checked(page, IDX_SCREEN_CONTINUOUS_SEAM));
        choose_combo_item(page, IDC_SCREEN_GRID_COLOUR, 0);
        test::click(page, IDX_SCREEN_CONTINUOUS_SEAM);
      },
      IDOK);
  EXPECT_EQ(main_value("OPTIONS", "GRIDCOLOR_TYP"), "0");
  EXPECT_EQ(main_value("SCREEN", "CONTINUOUS_SEAM"), "0");

  // A colour type the list does not have selects nothing and is kept.
  write_screen_keys(installation, "", "GRIDCOLOR_TYP=5\r\n");
  with_page(
      test::kScreenTab, [](HWND page, HWND) { EXPECT_EQ(combo_selection(page, IDC_SCREEN_GRID_COLOUR), -1); }, IDOK);
  EXPECT_EQ(main_value("OPTIONS", "GRIDCOLOR_TYP"), "5");
}

TEST(ScreenPage, ValuesSurviveAChangeOfTab) {
  test::TestInstallation installation;
  with_page(
      test::kScreenTab,
      [](HWND, HWND dialog) {
        HWND page = test::current_page();
        test::click(page, IDX_SCREEN_CONTINUOUS_SEAM);
        choose_combo_item(page, IDC_SCREEN_TOOL_BUTTONS, 1);
        HWND tabs = GetDlgItem(dialog, IDC_MAIN_TABS);
        test::select_tab(tabs, test::kOptionsTab);
        test::select_tab(tabs, test::kScreenTab);
        page = test::current_page();
        EXPECT_TRUE(test::is_checked(page, IDX_SCREEN_CONTINUOUS_SEAM));
        EXPECT_EQ(combo_selection(page, IDC_SCREEN_TOOL_BUTTONS), 1);
      },
      IDCANCEL);
  EXPECT_FALSE(installation.exists("taviro.ini"));
}

TEST(ScreenPage, DefaultsShownAtOnceAndWrittenOnOk) {
  test::TestInstallation installation;
  write_screen_keys(installation, "WIDTHMM=400\r\nHIGHTMM=300\r\nMENUFONTHIGHT=24\r\nCONTINUOUS_SEAM=1\r\n",
                    "USEMENUBUTTONS=0\r\nFIXTOOLBUTTONS=40\r\nFIXMENUBUTTONS=40\r\nGRIDCOLOR_TYP=1\r\n");
  with_page(
      test::kScreenTab,
      [](HWND page, HWND dialog) {
        test::click(dialog, IDB_MAIN_DEFAULTS);
        EXPECT_EQ(test::item_text(page, IDE_SCREEN_WIDTH), "320");
        EXPECT_EQ(test::item_text(page, IDE_SCREEN_HEIGHT), "240");
        EXPECT_EQ(combo_selection(page, IDC_SCREEN_FONT_SIZE), 1);
        EXPECT_TRUE(test::is_checked(page, IDX_SCREEN_MENU_ICONS));
        EXPECT_TRUE(test::is_enabled(page, IDC_SCREEN_MENU_BUTTONS));
        EXPECT_TRUE(test::is_checked(page, IDX_SCREEN_WHITE_DESKTOP));
        EXPECT_EQ(combo_selection(page, IDC_SCREEN_TOOL_BUTTONS), 0);
        EXPECT_EQ(combo_selection(page, IDC_SCREEN_MENU_BUTTONS), 0);
        EXPECT_FALSE(test::is_checked(page, IDX_SCREEN_CONTINUOUS_SEAM));
        EXPECT_EQ(combo_selection(page, IDC_SCREEN_GRID_COLOUR), 0);
      },
      IDOK);
  EXPECT_EQ(main_value("SCREEN", "WIDTHMM"), "320");
  EXPECT_EQ(main_value("SCREEN", "HIGHTMM"), "240");
  EXPECT_EQ(main_value("SCREEN", "MENUFONTHIGHT"), "14");
  EXPECT_EQ(main_value("OPTIONS", "USEMENUBUTTONS"), "1");
  EXPECT_EQ(main_value("SCREEN", "BACKGROUND"), "15");
  EXPECT_EQ(main_value("OPTIONS", "FIXTOOLBUTTONS"), "32");
  EXPECT_EQ(main_value("OPTIONS", "FIXMENUBUTTONS"), "32");
  EXPECT_EQ(main_value("SCREEN", "CONTINUOUS_SEAM"), "0");
  EXPECT_EQ(main_value("OPTIONS", "GRIDCOLOR_TYP"), "0");
}

TEST(ScreenPage, DefaultsThenCancelWritesNothing) {
  test::TestInstallation installation;
  const std::string file = "[SCREEN]\r\nWIDTHMM=400\r\n";
  installation.write("taviro.ini", file);
  with_page(
      test::kScreenTab, [](HWND, HWND dialog) { test::click(dialog, IDB_MAIN_DEFAULTS); }, IDCANCEL);
  EXPECT_EQ(installation.read("taviro.ini"), file);
}

TEST(ScreenPage_de, GermanTextsAndListItems) {
  test::TestInstallation installation;
  with_page(
      test::kScreenTab,
      [](HWND page, HWND) {
        EXPECT_EQ(combo_items(page, IDC_SCREEN_FONT_SIZE),
                  (std::vector<std::string>{"Mini", "Standard", "Gro\xdf", "Extra gro\xdf"}));
        EXPECT_EQ(combo_items(page, IDC_SCREEN_TOOL_BUTTONS),
                  (std::vector<std::string>{"Standard (32)", "Gro\xdf (40)"}));
        EXPECT_EQ(combo_items(page, IDC_SCREEN_GRID_COLOUR),
                  (std::vector<std::string>{"normal", "k\xfchl (blaugrau)"}));
        EXPECT_EQ(test::plain_text(test::item_text(page, IDB_SCREEN_CALIBRATE)), "Werte \xe4ndern");
        EXPECT_EQ(test::item_text(page, IDT_SCREEN_HEADING),
                  "Aktuelle Bildschirmma\xdf"
                  "e");
      },
      IDCANCEL);
}

}  // namespace
}  // namespace tav
