// The Expert mode page through its real check boxes, ending in what OK writes to the main
// configuration file.
#include <windows.h>
#include <gtest/gtest.h>

#include <string>

#include "pages/page_test_support.h"
#include "resources/ids.h"
#include "support/gui.h"
#include "support/installation.h"

namespace tav {
namespace {

using test::main_value;
using test::with_page;

struct ExpertOption {
  int id;
  const char* section;
  const char* key;
};
const ExpertOption kOptions[] = {
    {IDX_EXPERT_GRDTAB_SUBPATH, "OPTIONS", "ENABLE_GRDTAB_SUBPATH"},
    {IDX_EXPERT_GRDTAB_ALTREF, "OPTIONS", "ENABLE_GRDTAB_ALTREF"},
    {IDX_EXPERT_GRDTAB_ZGON, "OPTIONS", "ENABLE_GRDTAB_ZGON"},
    {IDX_EXPERT_GRDTAB_PWD, "OPTIONS", "ENABLE_GRDTAB_PWD"},
    {IDX_EXPERT_GRDTAB_MEMMAP, "OPTIONS", "ENABLE_GRDTAB_MEMMAP"},
    {IDX_EXPERT_EXTDXVAL, "OPTIONS", "ENABLE_EXTDXVAL"},
    {IDX_EXPERT_DUPLICTREE, "OPTIONS", "DUPLICTREE"},
    {IDX_EXPERT_SWITCH_SEAMADDITION, "OPTIONS", "SWITCH_SEAMADDITION"},
    {IDX_EXPERT_CONSTRUCTION_BG_PIC, "OPTIONS", "ENABLE_BG_PIC"},
    {IDX_EXPERT_SYMBLEN, "OPTIONS", "ENABLE_SYMBLEN"},
    {IDX_EXPERT_BDL_FLIP, "MARKER", "ENABLE_BDL_FLIP"},
    {IDX_EXPERT_ENH_REPEAT, "MARKER", "ENABLE_ENH_REPEAT"},
    {IDX_EXPERT_LAYPLANNING_BG_PIC, "MARKER", "ENABLE_BG_PIC"},
    {IDX_EXPERT_PMD_SZOPT, "MARKER", "ENABLE_PMD_SZOPT"},
    {IDX_EXPERT_SHRINK_ASST, "MARKER", "ENABLE_SHRINK_ASST"},
};

TEST(ExpertPage, EachBoxStoresOnlyItsOwnKey) {
  test::TestInstallation installation;
  for (const ExpertOption& checked : kOptions) {
    installation.remove("taviro.ini");
    with_page(
        test::kExpertTab,
        [&](HWND page, HWND) {
          for (const ExpertOption& option : kOptions) EXPECT_FALSE(test::is_checked(page, option.id)) << option.id;
          test::click(page, checked.id);
        },
        IDOK);
    for (const ExpertOption& option : kOptions) {
      EXPECT_EQ(main_value(option.section, option.key), &option == &checked ? "1" : "0")
          << "box " << checked.id << ": " << option.section << "/" << option.key;
    }
  }
}

TEST(ExpertPage, OpensWithTheStoredFlags) {
  test::TestInstallation installation;
  installation.write(
      "taviro.ini",
      "[OPTIONS]\r\nENABLE_BG_PIC=1\r\nDUPLICTREE=1\r\n[MARKER]\r\nENABLE_BG_PIC=0\r\nENABLE_SHRINK_ASST=1\r\n");
  with_page(
      test::kExpertTab,
      [](HWND page, HWND) {
        EXPECT_TRUE(test::is_checked(page, IDX_EXPERT_CONSTRUCTION_BG_PIC));
        EXPECT_TRUE(test::is_checked(page, IDX_EXPERT_DUPLICTREE));
        EXPECT_TRUE(test::is_checked(page, IDX_EXPERT_SHRINK_ASST));
        EXPECT_FALSE(test::is_checked(page, IDX_EXPERT_LAYPLANNING_BG_PIC));
        EXPECT_FALSE(test::is_checked(page, IDX_EXPERT_GRDTAB_ZGON));
        // Checking the lay-planning "Background image" leaves the construction one alone.
        test::click(page, IDX_EXPERT_LAYPLANNING_BG_PIC);
        test::click(page, IDX_EXPERT_CONSTRUCTION_BG_PIC);
        EXPECT_TRUE(test::is_checked(page, IDX_EXPERT_LAYPLANNING_BG_PIC));
        EXPECT_FALSE(test::is_checked(page, IDX_EXPERT_CONSTRUCTION_BG_PIC));
        EXPECT_EQ(test::plain_text(test::item_text(page, IDX_EXPERT_LAYPLANNING_BG_PIC)), "Background image");
        EXPECT_EQ(test::plain_text(test::item_text(page, IDX_EXPERT_CONSTRUCTION_BG_PIC)), "Background image");
      },
      IDOK);
  EXPECT_EQ(main_value("MARKER", "ENABLE_BG_PIC"), "1");
  EXPECT_EQ(main_value("OPTIONS", "ENABLE_BG_PIC"), "0");
  EXPECT_EQ(main_value("OPTIONS", "DUPLICTREE"), "1");
}

TEST(ExpertPage, DefaultsUncheckEveryBox) {
  test::TestInstallation installation;
  std::string file = "[OPTIONS]\r\n";
  for (const ExpertOption& option : kOptions) {
    if (std::string(option.section) == "OPTIONS") file += std::string(option.key) + "=1\r\n";
  }
  file += "[MARKER]\r\n";
  for (const ExpertOption& option : kOptions) {
    if (std::string(option.section) == "MARKER") file += std::string(option.key) + "=1\r\n";
  }
  installation.write("taviro.ini", file);

  // Defaults followed by Cancel leaves the file as it was.
  with_page(
      test::kExpertTab,
      [](HWND page, HWND dialog) {
        for (const ExpertOption& option : kOptions) EXPECT_TRUE(test::is_checked(page, option.id)) << option.id;
        test::click(dialog, IDB_MAIN_DEFAULTS);
        for (const ExpertOption& option : kOptions) EXPECT_FALSE(test::is_checked(page, option.id)) << option.id;
      },
      IDCANCEL);
  EXPECT_EQ(installation.read("taviro.ini"), file);

  with_page(
      test::kExpertTab, [](HWND, HWND dialog) { test::click(dialog, IDB_MAIN_DEFAULTS); }, IDOK);
  for (const ExpertOption& option : kOptions) EXPECT_EQ(main_value(option.section, option.key), "0") << option.key;
}

TEST(ExpertPage_de, GermanTexts) {
  test::TestInstallation installation;
  with_page(
      test::kExpertTab,
      [](HWND page, HWND) {
        EXPECT_EQ(test::plain_text(test::item_text(page, IDX_EXPERT_LAYPLANNING_BG_PIC)), "Hintergrundbild");
        EXPECT_EQ(test::plain_text(test::item_text(page, IDX_EXPERT_SYMBLEN)), "Symboll\xe4nge \xe4ndern");
      },
      IDCANCEL);
}

}  // namespace
}  // namespace tav
