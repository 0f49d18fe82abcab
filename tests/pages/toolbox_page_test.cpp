// The Toolbox page through its real controls: the lists, the four buttons, the radio pair
// and what OK writes to the main configuration file.
#include "pages/toolbox_page.h"

#include <windows.h>
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "config/profile.h"
#include "controls/page_contract.h"
#include "pages/toolbox_catalogue.h"
#include "resources/ids.h"
#include "shell/main_dialog.h"
#include "support/gui.h"
#include "support/installation.h"

namespace tav {
namespace {

using test::list_items;
using test::list_selection;
using Strings = std::vector<std::string>;

constexpr int kToolboxTab = 5;

// A main configuration file with the given slots of both toolboxes ("B01=OPEN", ...).
std::string main_file(const Strings& construction, const Strings& layplanning = {}) {
  std::string text = "[TOOLBOX2]\r\n";
  for (const std::string& line : construction) text += line + "\r\n";
  text += "[TOOLBOXS]\r\n";
  for (const std::string& line : layplanning) text += line + "\r\n";
  return text;
}

std::string written(const char* section, const char* key) {
  char value[256] = {};
  const int length = profile::get_string(section, key, "(missing)", value, sizeof value, profile::kMainFile);
  return std::string(value, static_cast<std::size_t>(length));
}

class ToolboxPage : public ::testing::Test {
 protected:
  void SetUp() override {
    set_up_toolbox_labels("\\taviro\\menues\\dialog.ini");  // no such file: the built-in labels
    current_toolbox() = ToolboxKind::construction;
  }

  // Opens the main dialog on the Toolbox tab, runs step on the page, and ends the dialog.
  void with_page(const std::function<void(HWND dialog, HWND page)>& step, int closing = IDCANCEL) {
    test::ModalScript script;
    script.on("TAVIRO - Setup 1.58", [&](HWND dialog) {
      test::select_tab(GetDlgItem(dialog, IDC_MAIN_TABS), kToolboxTab);
      test::pump_messages();  // the lists are built by a posted command
      ASSERT_EQ(window_state().page_code, 7);
      step(dialog, window_state().page);
      SendMessageA(dialog, WM_COMMAND, closing, 0);
    });
    script.run([] { run_main_dialog(nullptr); });
  }

  test::TestInstallation installation;
};

TEST_F(ToolboxPage, ListsStopAtTheFirstEmptySlotAndTheLaterSlotIsWrittenBack) {
  installation.write("taviro.ini", main_file({"B01=OPEN", "B02=SAVE", "B03=MNEW", "B04=MNWS", "B05=", "B06=ZOOM"}));
  with_page(
      [](HWND, HWND page) {
        EXPECT_TRUE(test::is_checked(page, IDX_TOOLBOX_CONSTRUCTION));
        EXPECT_FALSE(test::is_checked(page, IDX_TOOLBOX_LAYPLANNING));
        EXPECT_EQ(
            list_items(page, IDC_TOOLBOX_CONTENTS),
            (Strings{"Modell \xF6"
                     "ffnen",
                     "Modell speichern", "Neu im aktuellen Ma\xDFsystem (neu)", "Neu (mit Ma\xDFsystemwahl) (neu)"}));
        const Strings available = list_items(page, IDC_TOOLBOX_AVAILABLE);
        ASSERT_EQ(available.size(), 35u);
        EXPECT_EQ(available[0],
                  "Modell schlie\xDF"
                  "en");
        EXPECT_EQ(available[1], "Schieben/Zoomen");
        EXPECT_EQ(available[34], "Taschenrechner");
      },
      IDOK);
  EXPECT_EQ(written("TOOLBOX2", "B05"), "");
  EXPECT_EQ(written("TOOLBOX2", "B06"), "ZOOM");
  EXPECT_EQ(written("TOOLBOX2", "B25"), "");
}

TEST_F(ToolboxPage, AddFillsTheFirstEmptySlotAndKeepsTheSelectionPlace) {
  installation.write("taviro.ini", main_file({"B01=OPEN", "B02=", "B03=SAVE"}));
  with_page(
      [](HWND, HWND page) {
        ASSERT_EQ(list_items(page, IDC_TOOLBOX_AVAILABLE)[1], "Neu im aktuellen Ma\xDFsystem (neu)");
        test::choose_list_item(page, IDC_TOOLBOX_AVAILABLE, 1);
        test::click(page, IDB_TOOLBOX_ADD);
        EXPECT_EQ(list_items(page, IDC_TOOLBOX_CONTENTS),
                  (Strings{"Modell \xF6"
                           "ffnen",
                           "Neu im aktuellen Ma\xDFsystem (neu)", "Modell speichern"}));
        EXPECT_EQ(list_selection(page, IDC_TOOLBOX_AVAILABLE), 1);
        // SAVE now lies before the first empty slot and has left "Available:".
        EXPECT_EQ(list_items(page, IDC_TOOLBOX_AVAILABLE)[0], "Neu (mit Ma\xDFsystemwahl) (neu)");
        EXPECT_EQ(list_items(page, IDC_TOOLBOX_AVAILABLE)[1],
                  "Modell schlie\xDF"
                  "en");
        // The last available command: the new last row is selected.
        const int last = static_cast<int>(list_items(page, IDC_TOOLBOX_AVAILABLE).size()) - 1;
        test::choose_list_item(page, IDC_TOOLBOX_AVAILABLE, last);
        test::click(page, IDB_TOOLBOX_ADD);
        EXPECT_EQ(list_selection(page, IDC_TOOLBOX_AVAILABLE), last - 1);
        EXPECT_EQ(list_items(page, IDC_TOOLBOX_CONTENTS).back(), "Taschenrechner");
        // Nothing selected: Add does nothing.
        SendDlgItemMessageA(page, IDC_TOOLBOX_AVAILABLE, LB_SETCURSEL, static_cast<WPARAM>(-1), 0);
        test::click(page, IDB_TOOLBOX_ADD);
        EXPECT_EQ(list_items(page, IDC_TOOLBOX_CONTENTS).size(), 4u);
      },
      IDOK);
  EXPECT_EQ(written("TOOLBOX2", "B01"), "OPEN");
  EXPECT_EQ(written("TOOLBOX2", "B02"), "MNEW");
  EXPECT_EQ(written("TOOLBOX2", "B03"), "SAVE");
  EXPECT_EQ(written("TOOLBOX2", "B04"), "CALC");
  EXPECT_EQ(written("TOOLBOX2", "B05"), "");
}

TEST_F(ToolboxPage, RemoveUpAndDownKeepTheMovedCommandSelected) {
  installation.write("taviro.ini", main_file({"B01=OPEN", "B02=SAVE", "B03=ZOOM", "B04=CALC"}));
  with_page(
      [](HWND, HWND page) {
        test::choose_list_item(page, IDC_TOOLBOX_CONTENTS, 0);
        test::click(page, IDB_TOOLBOX_DOWN);
        EXPECT_EQ(list_selection(page, IDC_TOOLBOX_CONTENTS), 1);
        EXPECT_EQ(list_items(page, IDC_TOOLBOX_CONTENTS)[1],
                  "Modell \xF6"
                  "ffnen");
        test::click(page, IDB_TOOLBOX_UP);
        test::click(page, IDB_TOOLBOX_UP);  // already at the top: nothing moves
        EXPECT_EQ(list_selection(page, IDC_TOOLBOX_CONTENTS), 0);
        EXPECT_EQ(list_items(page, IDC_TOOLBOX_CONTENTS)[0],
                  "Modell \xF6"
                  "ffnen");
        test::choose_list_item(page, IDC_TOOLBOX_CONTENTS, 3);
        test::click(page, IDB_TOOLBOX_DOWN);  // already at the bottom
        EXPECT_EQ(list_selection(page, IDC_TOOLBOX_CONTENTS), 3);
        test::click(page, IDB_TOOLBOX_UP);
        EXPECT_EQ(list_items(page, IDC_TOOLBOX_CONTENTS),
                  (Strings{"Modell \xF6"
                           "ffnen",
                           "Modell speichern", "Taschenrechner", "Schieben/Zoomen"}));
        // Remove the last row: the one before it is selected.
        test::choose_list_item(page, IDC_TOOLBOX_CONTENTS, 3);
        test::click(page, IDB_TOOLBOX_REMOVE);
        EXPECT_EQ(list_selection(page, IDC_TOOLBOX_CONTENTS), 2);
        EXPECT_EQ(list_items(page, IDC_TOOLBOX_AVAILABLE)[3], "Schieben/Zoomen");
        // Remove the first row: the row after it takes its place and is selected.
        test::choose_list_item(page, IDC_TOOLBOX_CONTENTS, 0);
        test::click(page, IDB_TOOLBOX_REMOVE);
        EXPECT_EQ(list_selection(page, IDC_TOOLBOX_CONTENTS), 0);
        EXPECT_EQ(list_items(page, IDC_TOOLBOX_CONTENTS), (Strings{"Modell speichern", "Taschenrechner"}));
      },
      IDOK);
  EXPECT_EQ(written("TOOLBOX2", "B01"), "SAVE");
  EXPECT_EQ(written("TOOLBOX2", "B02"), "CALC");
  EXPECT_EQ(written("TOOLBOX2", "B03"), "");
  EXPECT_EQ(written("TOOLBOX2", "B04"), "");
}

TEST_F(ToolboxPage, UnknownCodeBeforeKnownOnesKeepsItsSlot) {
  installation.write("taviro.ini", main_file({"B01=XXXX", "B02=OPEN", "B03=SAVE", "B04=ZOOM"}));
  with_page(
      [](HWND, HWND page) {
        EXPECT_EQ(list_items(page, IDC_TOOLBOX_CONTENTS), (Strings{"Modell \xF6"
                                                                   "ffnen",
                                                                   "Modell speichern", "Schieben/Zoomen"}));
        test::choose_list_item(page, IDC_TOOLBOX_CONTENTS, 0);
        test::click(page, IDB_TOOLBOX_DOWN);
        test::choose_list_item(page, IDC_TOOLBOX_CONTENTS, 2);
        test::click(page, IDB_TOOLBOX_REMOVE);
        EXPECT_EQ(list_items(page, IDC_TOOLBOX_CONTENTS), (Strings{"Modell speichern",
                                                                   "Modell \xF6"
                                                                   "ffnen"}));
        EXPECT_EQ(list_selection(page, IDC_TOOLBOX_CONTENTS), 1);
      },
      IDOK);
  EXPECT_EQ(written("TOOLBOX2", "B01"), "XXXX");
  EXPECT_EQ(written("TOOLBOX2", "B02"), "SAVE");
  EXPECT_EQ(written("TOOLBOX2", "B03"), "OPEN");
  EXPECT_EQ(written("TOOLBOX2", "B04"), "");
}

TEST_F(ToolboxPage, FullToolboxTakesNothingMore) {
  Strings full;
  const auto& catalogue = toolbox_catalogue(ToolboxKind::construction);
  for (int slot = 1; slot <= 25; ++slot) {
    full.push_back((slot < 10 ? "B0" : "B") + std::to_string(slot) + "=" +
                   std::string(catalogue[static_cast<std::size_t>(slot - 1)].code.raw()));
  }
  installation.write("taviro.ini", main_file(full));
  with_page(
      [](HWND, HWND page) {
        EXPECT_EQ(list_items(page, IDC_TOOLBOX_CONTENTS).size(), 25u);
        ASSERT_EQ(list_items(page, IDC_TOOLBOX_AVAILABLE).size(), 14u);
        test::choose_list_item(page, IDC_TOOLBOX_AVAILABLE, 0);
        test::click(page, IDB_TOOLBOX_ADD);
        EXPECT_EQ(list_items(page, IDC_TOOLBOX_CONTENTS).size(), 25u);
        EXPECT_EQ(list_items(page, IDC_TOOLBOX_AVAILABLE).size(), 14u);
      },
      IDOK);
  EXPECT_EQ(written("TOOLBOX2", "B25"), std::string(catalogue[24].code.raw()));
}

TEST_F(ToolboxPage, LayplanningButtonsLeaveTheConstructionToolboxAlone) {
  installation.write("taviro.ini", main_file({"B01=OPEN", "B02=SAVE"}, {"B01=UNDO", "B02=REDO"}));
  with_page(
      [](HWND, HWND page) {
        test::click(page, IDX_TOOLBOX_LAYPLANNING);
        EXPECT_EQ(list_items(page, IDC_TOOLBOX_CONTENTS), (Strings{"R\xFC"
                                                                   "ckg\xE4ngig",
                                                                   "Wiederholen"}));
        EXPECT_EQ(list_items(page, IDC_TOOLBOX_AVAILABLE).size(), 33u);
        EXPECT_EQ(list_items(page, IDC_TOOLBOX_AVAILABLE)[0],
                  "Schnittbild \xF6"
                  "ffnen");
        test::choose_list_item(page, IDC_TOOLBOX_CONTENTS, 0);
        test::click(page, IDB_TOOLBOX_DOWN);
        test::click(page, IDB_TOOLBOX_REMOVE);
        test::choose_list_item(page, IDC_TOOLBOX_AVAILABLE, 0);
        test::click(page, IDB_TOOLBOX_ADD);
        test::click(page, IDB_TOOLBOX_UP);
        EXPECT_EQ(list_items(page, IDC_TOOLBOX_CONTENTS), (Strings{"Wiederholen",
                                                                   "Schnittbild \xF6"
                                                                   "ffnen"}));
      },
      IDOK);
  EXPECT_EQ(written("TOOLBOX2", "B01"), "OPEN");
  EXPECT_EQ(written("TOOLBOX2", "B02"), "SAVE");
  EXPECT_EQ(written("TOOLBOXS", "B01"), "REDO");
  EXPECT_EQ(written("TOOLBOXS", "B02"), "OPEN");
  EXPECT_EQ(written("TOOLBOXS", "B03"), "");
}

TEST_F(ToolboxPage, ChosenProgramAndChangesSurviveATabChangeButNotCancel) {
  installation.write("taviro.ini", main_file({"B01=OPEN"}, {"B01=UNDO"}));
  with_page([](HWND dialog, HWND page) {
    test::click(page, IDX_TOOLBOX_LAYPLANNING);
    test::choose_list_item(page, IDC_TOOLBOX_AVAILABLE, 0);
    test::click(page, IDB_TOOLBOX_ADD);
    HWND tabs = GetDlgItem(dialog, IDC_MAIN_TABS);
    test::select_tab(tabs, 0);
    EXPECT_EQ(current_toolbox(), ToolboxKind::layplanning);
    test::select_tab(tabs, kToolboxTab);
    test::pump_messages();
    HWND again = window_state().page;
    EXPECT_TRUE(test::is_checked(again, IDX_TOOLBOX_LAYPLANNING));
    EXPECT_FALSE(test::is_checked(again, IDX_TOOLBOX_CONSTRUCTION));
    EXPECT_EQ(list_items(again, IDC_TOOLBOX_CONTENTS), (Strings{"R\xFC"
                                                                "ckg\xE4ngig",
                                                                "Schnittbild \xF6"
                                                                "ffnen"}));
    test::click(again, IDX_TOOLBOX_CONSTRUCTION);
    EXPECT_EQ(list_items(again, IDC_TOOLBOX_CONTENTS), (Strings{"Modell \xF6"
                                                                "ffnen"}));
  });
  EXPECT_EQ(current_toolbox(), ToolboxKind::construction);
  EXPECT_EQ(installation.read("taviro.ini"), main_file({"B01=OPEN"}, {"B01=UNDO"}));
}

TEST_F(ToolboxPage, EnglishCaptionsAndKeyboardOrder) {
  with_page([](HWND, HWND page) {
    EXPECT_EQ(test::plain_text(test::item_text(page, IDX_TOOLBOX_CONSTRUCTION)), "Pattern Construction");
    EXPECT_EQ(test::plain_text(test::item_text(page, IDX_TOOLBOX_LAYPLANNING)), "Layplanning");
    EXPECT_EQ(test::item_text(page, IDB_TOOLBOX_ADD), "<---");
    EXPECT_EQ(test::item_text(page, IDB_TOOLBOX_REMOVE), "--->");
    EXPECT_EQ(test::plain_text(test::item_text(page, IDB_TOOLBOX_UP)), "Up");
    EXPECT_EQ(test::plain_text(test::item_text(page, IDB_TOOLBOX_DOWN)), "Down");
    // Tab moves from the radio pair through the toolbox, its buttons and the available list.
    std::vector<int> order;
    HWND control = GetDlgItem(page, IDX_TOOLBOX_CONSTRUCTION);
    for (int i = 0; i < 7; ++i) {
      order.push_back(GetDlgCtrlID(control));
      control = GetNextDlgTabItem(page, control, FALSE);
    }
    EXPECT_EQ(order, (std::vector<int>{IDX_TOOLBOX_CONSTRUCTION, IDC_TOOLBOX_CONTENTS, IDB_TOOLBOX_UP, IDB_TOOLBOX_DOWN,
                                       IDB_TOOLBOX_ADD, IDB_TOOLBOX_REMOVE, IDC_TOOLBOX_AVAILABLE}));
  });
}

class ToolboxPage_de : public ToolboxPage {};

TEST_F(ToolboxPage_de, GermanCaptions) {
  with_page([](HWND, HWND page) {
    EXPECT_EQ(test::plain_text(test::item_text(page, IDX_TOOLBOX_CONSTRUCTION)), "Schnittkonstruktion");
    EXPECT_EQ(test::plain_text(test::item_text(page, IDX_TOOLBOX_LAYPLANNING)), "Schnittbild");
    EXPECT_EQ(test::plain_text(test::item_text(page, IDB_TOOLBOX_UP)), "Nach oben");
    EXPECT_EQ(test::plain_text(test::item_text(page, IDB_TOOLBOX_DOWN)), "Nach unten");
    EXPECT_EQ(list_items(page, IDC_TOOLBOX_AVAILABLE)[0],
              "Modell \xF6"
              "ffnen");
  });
}

}  // namespace
}  // namespace tav
