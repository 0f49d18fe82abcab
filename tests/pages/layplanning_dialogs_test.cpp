// The hem position and line types dialogs, opened from the Layplanning page and driven
// through their real controls, ending in the files they wrote (or did not write).
#include <windows.h>
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "pages/hem_position_dialog.h"
#include "pages/page_test_support.h"
#include "resources/ids.h"
#include "shell/main_dialog.h"
#include "support/gui.h"
#include "support/installation.h"

namespace tav {
namespace {

// Opens the Layplanning page, clicks `button`, runs `step` on the dialog of that caption,
// ends it with `closing` (IDOK or IDCANCEL), then cancels the main dialog.
void with_dialog(int button, const std::string& caption, int closing, const std::function<void(HWND)>& step) {
  test::ModalScript script;
  script.on("TAVIRO - Setup 1.58", [&](HWND dialog) {
    test::select_tab(GetDlgItem(dialog, IDC_MAIN_TABS), test::kLayplanningTab);
    test::post_click(test::current_page(), button);
  });
  script.on(caption, [&](HWND dialog) {
    step(dialog);
    test::click(dialog, closing);
  });
  script.on("TAVIRO - Setup 1.58", [](HWND dialog) { SendMessageA(dialog, WM_COMMAND, IDCANCEL, 0); });
  script.run([] { run_main_dialog(nullptr); });
}

// The selected hem buttons.
std::vector<int> hem_buttons(HWND dialog) {
  std::vector<int> checked;
  for (const int id : {IDX_HEM_CONSTRUCTION_BOTTOM, IDX_HEM_CONSTRUCTION_LEFT, IDX_HEM_CONSTRUCTION_RIGHT,
                       IDX_HEM_LAYPLAN_START, IDX_HEM_LAYPLAN_END}) {
    if (test::is_checked(dialog, id)) checked.push_back(id);
  }
  return checked;
}

TEST(HemPositionDialog, NearestPositionsShownAndOnlyTheTwoAnglesWritten) {
  test::TestInstallation installation;
  const std::string before = "; Schnittbild\r\n[SB3]\r\nBAHN_ROT=7\r\n[SB4]\r\nbahn_rot = ";
  const std::string after = "\r\nSTOFFBREITE=1500\r\n\r\n[SB4DRUCK]\nKONSTR_ROT=5\n";
  installation.write("settngsb.ini", before + "45\r\nKONSTR_ROT=180" + after);
  with_dialog(IDB_LAYPLAN_HEM_POSITION, "TAVIRO - Hem position", IDOK, [](HWND dialog) {
    EXPECT_EQ(hem_buttons(dialog), (std::vector<int>{IDX_HEM_CONSTRUCTION_RIGHT, IDX_HEM_LAYPLAN_END}));
  });
  EXPECT_EQ(installation.read("settngsb.ini"), before + "90\r\nKONSTR_ROT=-90" + after);
  EXPECT_FALSE(installation.exists("taviro.ini")) << "the main dialog's Cancel does not undo it";

  with_dialog(IDB_LAYPLAN_HEM_POSITION, "TAVIRO - Hem position", IDCANCEL,
              [](HWND dialog) { test::click(dialog, IDX_HEM_LAYPLAN_START); });
  EXPECT_EQ(installation.read("settngsb.ini"), before + "90\r\nKONSTR_ROT=-90" + after);
}

TEST(HemPositionDialog, MissingFileKeepsTheAnglesOfTheRun) {
  test::TestInstallation installation;
  hem_angles() = {-90, 0};
  with_dialog(IDB_LAYPLAN_HEM_POSITION, "TAVIRO - Hem position", IDOK, [](HWND dialog) {
    EXPECT_EQ(hem_buttons(dialog), (std::vector<int>{IDX_HEM_CONSTRUCTION_BOTTOM, IDX_HEM_LAYPLAN_START}));
    test::click(dialog, IDX_HEM_CONSTRUCTION_LEFT);
  });
  EXPECT_EQ(installation.read("settngsb.ini"), "[SB4]\r\nBAHN_ROT=-90\r\nKONSTR_ROT=90\r\n");
  installation.remove("settngsb.ini");
  with_dialog(IDB_LAYPLAN_HEM_POSITION, "TAVIRO - Hem position", IDCANCEL, [](HWND dialog) {
    EXPECT_EQ(hem_buttons(dialog), (std::vector<int>{IDX_HEM_CONSTRUCTION_LEFT, IDX_HEM_LAYPLAN_START}));
  });
  EXPECT_FALSE(installation.exists("settngsb.ini"));
}

// The drop-down lists' selections, then the marking and the auxiliary lines.
std::string shown(HWND dialog) {
  std::string text;
  for (const int id :
       {IDC_LINETYPES_GRAIN, IDC_LINETYPES_ANNOTATION, IDC_LINETYPES_SPLIT, IDC_LINETYPES_CUT_INTERNAL}) {
    text.append(std::to_string(test::combo_selection(dialog, id))).append(" ");
  }
  for (const int id : {IDC_LINETYPES_MARKING, IDC_LINETYPES_AUXILIARY}) {
    text.append("|");
    for (const std::string& name : test::list_items(dialog, id)) text.append(" ").append(name);
  }
  return text;
}

std::string line_type(int t, const std::string& name, int usage) {
  return "[LT" + std::to_string(t) + "]\r\nTEXT=" + name + "\r\nUSAGE=" + std::to_string(usage) + "\r\nSTIFT=1\r\n";
}

// LT1 (never offered) is a grain line; LT3 and LT5 both claim the grain line; LT2 and LT4
// share a name; LT6 has a usage that no list shows.
std::string line_types_file(int lt2, int lt3, int lt4, int lt5, int lt6) {
  return "; Linientypen\r\n[STRING]\r\nNOTSET=(none)\r\n" + line_type(1, "Outline", 1) + line_type(2, "Mark", lt2) +
         line_type(3, "Grain", lt3) + line_type(4, "Mark", lt4) + line_type(5, "Straight grain", lt5) +
         line_type(6, "Special", lt6);
}

TEST(LineTypesDialog, RolesChangeHandsAndOkWritesTheUsages) {
  test::TestInstallation installation;
  const std::string file = line_types_file(3, 1, 4, 1, 9);
  installation.write("lintypes.ini", file);
  const auto change_roles = [](HWND dialog) {
    EXPECT_EQ(test::combo_items(dialog, IDC_LINETYPES_SPLIT),
              (std::vector<std::string>{"(none)", "Mark", "Grain", "Mark", "Straight grain", "Special"}));
    // The later grain line wins; the earlier one shows as the auxiliary line it becomes.
    EXPECT_EQ(shown(dialog), "4 0 0 0 | Mark| Grain Mark");
    test::choose_combo_item(dialog, IDC_LINETYPES_SPLIT, 4);  // the grain line becomes the split line
    test::choose_combo_item(dialog, IDC_LINETYPES_GRAIN, 5);  // LT6 of unknown usage the grain line
    EXPECT_EQ(shown(dialog), "5 0 4 0 | Mark| Grain Mark");
    // "<" moves LT4's "Mark", not LT2's marking line of the same name; a double click moves too.
    test::choose_list_item(dialog, IDC_LINETYPES_AUXILIARY, 1);
    test::click(dialog, IDB_LINETYPES_TO_MARKING);
    test::choose_list_item(dialog, IDC_LINETYPES_AUXILIARY, 0);
    SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDC_LINETYPES_AUXILIARY, LBN_DBLCLK),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDC_LINETYPES_AUXILIARY)));
    EXPECT_EQ(shown(dialog), "5 0 4 0 | Grain Mark Mark|");
  };
  with_dialog(IDB_LAYPLAN_LINE_TYPES, "TAVIRO - Line types", IDCANCEL, change_roles);
  EXPECT_EQ(installation.read("lintypes.ini"), file);
  with_dialog(IDB_LAYPLAN_LINE_TYPES, "TAVIRO - Line types", IDOK, change_roles);
  EXPECT_EQ(installation.read("lintypes.ini"), line_types_file(3, 3, 3, 5, 1));  // LT1 as read
}

TEST(LayplanningDialogs_de, GermanTextsAndNamesInTheAnsiCodePage) {
  test::TestInstallation installation;
  with_dialog(IDB_LAYPLAN_HEM_POSITION, "TAVIRO - Saumlage", IDCANCEL, [](HWND dialog) {
    EXPECT_EQ(test::plain_text(test::item_text(dialog, IDX_HEM_LAYPLAN_END)), "Saum rechts (Stoffende)");
  });
  // Without the file: every line type an auxiliary line, with the German default names.
  with_dialog(IDB_LAYPLAN_LINE_TYPES, "TAVIRO - Linientypen", IDCANCEL, [](HWND dialog) {
    EXPECT_EQ(test::combo_items(dialog, IDC_LINETYPES_GRAIN)[0], "nicht besetzt");
    EXPECT_EQ(shown(dialog), "0 0 0 0 || Linientyp 2 Linientyp 3 Linientyp 4 Linientyp 5 Linientyp 6");
  });
  EXPECT_FALSE(installation.exists("lintypes.ini"));

  installation.write("lintypes.ini", line_type(2,
                                               "H\xFC"
                                               "ftlinie",
                                               3) +
                                         line_type(3, "\xD6sen", 4) +
                                         line_type(4,
                                                   "Gr\xF6\xDF"
                                                   "en",
                                                   4));
  with_dialog(IDB_LAYPLAN_LINE_TYPES, "TAVIRO - Linientypen", IDOK, [](HWND dialog) {
    EXPECT_EQ(shown(dialog),
              "0 0 0 0 | H\xFC"
              "ftlinie| Gr\xF6\xDF"
              "en Linientyp 5 Linientyp 6 \xD6sen");
    test::choose_list_item(dialog, IDC_LINETYPES_AUXILIARY, 3);
    test::click(dialog, IDB_LINETYPES_TO_MARKING);
  });
  EXPECT_NE(installation.read("lintypes.ini").find("TEXT=\xD6sen\r\nUSAGE=3\r\n"), std::string::npos);
}

}  // namespace
}  // namespace tav
