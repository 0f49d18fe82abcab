// The Digitizer page through its real controls, ending in what OK writes to the main
// configuration file.
#include <windows.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "pages/page_test_support.h"
#include "resources/ids.h"
#include "support/gui.h"
#include "support/installation.h"

namespace tav {
namespace {

using test::main_value;
using test::with_page;

const std::string kStandard = ">  1  3  4  2  8  5  6  7 12 13 14 15  0  0  9 10<";
const std::string kNumeric2 = ">  1  3  4  8  5  6 12 13 14  0  2  7 15 10  9  0<";

void write_digitizer(const test::TestInstallation& installation, const std::string& keys) {
  installation.write("taviro.ini", "[DIGITIZER]\r\n" + keys);
}

TEST(DigitizerPage, ShowsTheNumbersAndTheMatchingLayout) {
  test::TestInstallation installation;
  write_digitizer(installation,
                  "SCHABLONEMM=300\r\nDIGIOK=2\r\nDIGIQUIT=5\r\nDIGISTOP=150\r\nLUPE=" + kNumeric2 + "\r\n");
  with_page(
      test::kDigitizerTab,
      [](HWND page, HWND) {
        EXPECT_EQ(test::item_text(page, IDE_DIGI_MENU_AREA), "300");
        EXPECT_EQ(test::item_text(page, IDE_DIGI_OK_CODE), "2");
        EXPECT_EQ(test::item_text(page, IDE_DIGI_CANCEL_CODE), "5");
        EXPECT_EQ(test::item_text(page, IDE_DIGI_DELAY), "150");
        EXPECT_EQ(test::combo_items(page, IDC_DIGI_CURSOR),
                  (std::vector<std::string>{"Standard", "Numeric 1", "Numeric 2"}));
        EXPECT_EQ(test::combo_selection(page, IDC_DIGI_CURSOR), 2);
        test::set_item_text(page, IDE_DIGI_MENU_AREA, "99999");  // no range applies
        test::set_item_text(page, IDE_DIGI_OK_CODE, "");         // no number: the setting stays
        test::set_item_text(page, IDE_DIGI_CANCEL_CODE, "x");
        test::set_item_text(page, IDE_DIGI_DELAY, "0");
        test::choose_combo_item(page, IDC_DIGI_CURSOR, 0);
      },
      IDOK);
  EXPECT_EQ(main_value("DIGITIZER", "SCHABLONEMM"), "99999");
  EXPECT_EQ(main_value("DIGITIZER", "DIGIOK"), "2");
  EXPECT_EQ(main_value("DIGITIZER", "DIGIQUIT"), "5");
  EXPECT_EQ(main_value("DIGITIZER", "DIGISTOP"), "0");
  EXPECT_EQ(main_value("DIGITIZER", "LUPE"), kStandard);
}

TEST(DigitizerPage, NumberTooLargeForTheSettingIsNotTaken) {
  test::TestInstallation installation;
  write_digitizer(installation, "SCHABLONEMM=300\r\nDIGISTOP=150\r\n");
  with_page(
      test::kDigitizerTab,
      [](HWND page, HWND) {
        test::set_item_text(page, IDE_DIGI_MENU_AREA, "2147483647");
        test::set_item_text(page, IDE_DIGI_DELAY, "3000000000");
      },
      IDOK);
  EXPECT_EQ(main_value("DIGITIZER", "SCHABLONEMM"), "2147483647");
  EXPECT_EQ(main_value("DIGITIZER", "DIGISTOP"), "150");
}

// A number is read whole however long its text (a 256-character read used to cut it and
// store 0), and the edits take no more digits than a setting holds.
TEST(DigitizerPage, LongNumberTextsAreReadWhole) {
  test::TestInstallation installation;
  write_digitizer(installation, "SCHABLONEMM=300\r\nDIGISTOP=150\r\n");
  with_page(
      test::kDigitizerTab,
      [](HWND page, HWND) {
        EXPECT_EQ(SendDlgItemMessageA(page, IDE_DIGI_MENU_AREA, EM_GETLIMITTEXT, 0, 0), 10);
        test::set_item_text(page, IDE_DIGI_MENU_AREA, std::string(298, '0') + "12");
        test::set_item_text(page, IDE_DIGI_DELAY, "1" + std::string(299, '0'));  // too large: kept
      },
      IDOK);
  EXPECT_EQ(main_value("DIGITIZER", "SCHABLONEMM"), "12");
  EXPECT_EQ(main_value("DIGITIZER", "DIGISTOP"), "150");
}

TEST(DigitizerPage, HandWrittenLayoutKeptWithoutAPresetChoice) {
  test::TestInstallation installation;
  // The standard layout with one blank less.
  const std::string hand_written = ">  1  3  4  2  8  5  6  7 12 13 14 15  0 0  9 10<";
  write_digitizer(installation, "LUPE=" + hand_written + "\r\n");
  with_page(
      test::kDigitizerTab, [](HWND page, HWND) { EXPECT_EQ(test::combo_selection(page, IDC_DIGI_CURSOR), -1); }, IDOK);
  EXPECT_EQ(main_value("DIGITIZER", "LUPE"), hand_written);
  // A picked preset replaces it.
  with_page(
      test::kDigitizerTab, [](HWND page, HWND) { test::choose_combo_item(page, IDC_DIGI_CURSOR, 2); }, IDOK);
  EXPECT_EQ(main_value("DIGITIZER", "LUPE"), kNumeric2);
}

TEST(DigitizerPage, MissingKeysShowTheirDefaults) {
  test::TestInstallation installation;
  with_page(
      test::kDigitizerTab,
      [](HWND page, HWND) {
        EXPECT_EQ(test::item_text(page, IDE_DIGI_MENU_AREA), "245");
        EXPECT_EQ(test::item_text(page, IDE_DIGI_OK_CODE), "1");
        EXPECT_EQ(test::item_text(page, IDE_DIGI_CANCEL_CODE), "4");
        EXPECT_EQ(test::item_text(page, IDE_DIGI_DELAY), "0");
        EXPECT_EQ(test::combo_selection(page, IDC_DIGI_CURSOR), 0);
      },
      IDCANCEL);
  EXPECT_FALSE(installation.exists("taviro.ini"));
}

TEST(DigitizerPage, DefaultsShownAtOnceAndWrittenOnOk) {
  test::TestInstallation installation;
  write_digitizer(installation, "SCHABLONEMM=300\r\nDIGIOK=2\r\nDIGIQUIT=5\r\nDIGISTOP=150\r\nLUPE=>  9<\r\n");
  with_page(
      test::kDigitizerTab,
      [](HWND page, HWND dialog) {
        EXPECT_EQ(test::combo_selection(page, IDC_DIGI_CURSOR), -1);
        test::click(dialog, IDB_MAIN_DEFAULTS);
        EXPECT_EQ(test::item_text(page, IDE_DIGI_MENU_AREA), "245");
        EXPECT_EQ(test::item_text(page, IDE_DIGI_OK_CODE), "1");
        EXPECT_EQ(test::item_text(page, IDE_DIGI_CANCEL_CODE), "4");
        EXPECT_EQ(test::item_text(page, IDE_DIGI_DELAY), "0");
        EXPECT_EQ(test::combo_selection(page, IDC_DIGI_CURSOR), 0);
      },
      IDOK);
  EXPECT_EQ(main_value("DIGITIZER", "SCHABLONEMM"), "245");
  EXPECT_EQ(main_value("DIGITIZER", "DIGIOK"), "1");
  EXPECT_EQ(main_value("DIGITIZER", "DIGIQUIT"), "4");
  EXPECT_EQ(main_value("DIGITIZER", "DIGISTOP"), "0");
  EXPECT_EQ(main_value("DIGITIZER", "LUPE"), kStandard);
}

TEST(DigitizerPage_de, GermanTexts) {
  test::TestInstallation installation;
  with_page(
      test::kDigitizerTab,
      [](HWND page, HWND) {
        // The preset names are the same in every language.
        EXPECT_EQ(test::combo_items(page, IDC_DIGI_CURSOR),
                  (std::vector<std::string>{"Standard", "Numeric 1", "Numeric 2"}));
        HWND label = GetWindow(GetDlgItem(page, IDE_DIGI_MENU_AREA), GW_HWNDPREV);
        EXPECT_EQ(test::plain_text(test::window_text(label)),
                  "Gr\xf6\xdf"
                  "e des Men\xfc"
                  "feldes");
      },
      IDCANCEL);
}

}  // namespace
}  // namespace tav
