// Tooltips of the controls whose caption cannot carry their meaning. Faults caught:
// - a control named below has no tooltip, or another control's text;
// - the text is not the one of the user interface's language;
// - the tooltip of the Plotter list's marker column is missing.
#include <windows.h>
#include <commctrl.h>
#include <gtest/gtest.h>

#include <string>

#include "controls/controls.h"
#include "pages/calibration_dialog.h"
#include "pages/page_test_support.h"
#include "resources/ids.h"
#include "support/gui.h"
#include "support/installation.h"

namespace tav {
namespace {

struct Tip {
  int tab;
  int control;
  int text;
};
const Tip kPageTips[] = {
    {test::kOptionsTab, IDX_OPTIONS_SHOW_BACKUPS, IDS_TIP_OPTIONS_SHOW_BACKUPS},
    {test::kOptionsTab, IDB_OPTIONS_ERROR_LOG_SB, IDS_TIP_OPTIONS_ERROR_LOG_SB},
    {test::kExpertTab, IDX_EXPERT_EXTDXVAL, IDS_TIP_EXPERT_EXTDXVAL},
    {test::kExpertTab, IDX_EXPERT_LAYPLANNING_BG_PIC, IDS_TIP_EXPERT_LAYPLANNING_BG_PIC},
};

std::string tip_of(HWND dialog, int control) {
  return test::tooltip_text(dialog, reinterpret_cast<UINT_PTR>(GetDlgItem(dialog, control)));
}

// calibration_caption and wider_tip: the calibration dialog's caption and the tooltip of
// its "<>" button in the language of the run.
void check_tooltips(const char* calibration_caption, const std::string& wider_tip) {
  test::TestInstallation installation;
  for (const Tip& tip : kPageTips) {
    test::with_page(
        tip.tab,
        [&](HWND page, HWND) {
          EXPECT_FALSE(controls::load_string(tip.text).empty());
          EXPECT_EQ(tip_of(page, tip.control), controls::load_string(tip.text)) << "control " << tip.control;
        },
        IDCANCEL);
  }
  test::with_page(
      test::kPlotterTab,
      [](HWND page, HWND) {
        HWND header = reinterpret_cast<HWND>(SendDlgItemMessageA(page, IDC_PLOTTER_LIST, LVM_GETHEADER, 0, 0));
        EXPECT_EQ(test::tooltip_text(header, 0), controls::load_string(IDS_TIP_PLOTTER_MARKER));
      },
      IDCANCEL);
  test::ModalScript script;
  script.on(calibration_caption, [&](HWND dialog) {
    EXPECT_EQ(tip_of(dialog, IDB_CALIB_WIDER), wider_tip);
    EXPECT_EQ(tip_of(dialog, IDB_CALIB_LOWER), controls::load_string(IDS_TIP_CALIB_LOWER));
    test::click(dialog, IDOK);
  });
  script.run([] { run_calibration_dialog(nullptr); });
}

TEST(Tooltips, ArrowsAbbreviationsAndMarkerColumn) {
  check_tooltips("TAVIRO - Adjust screen size", "Makes the rectangle 1 pixel wider");
}
TEST(Tooltips_de, ArrowsAbbreviationsAndMarkerColumnInGerman) {
  check_tooltips(
      "TAVIRO - Bildschirmgr\xf6\xdf"
      "e einstellen",
      "Macht das Rechteck 1 Pixel breiter");
}

}  // namespace
}  // namespace tav
