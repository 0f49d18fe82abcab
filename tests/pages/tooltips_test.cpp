// Tooltips where a caption cannot carry the meaning. Faults caught: a control has no
// tooltip or another one's text; the text is not in the user interface's language; the
// Plotter list's marker column has none; a page's tooltip windows outlive it, one more with
// every opening.
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

std::string tip_of(HWND dialog, int id) {
  return test::tooltip_text(dialog, reinterpret_cast<UINT_PTR>(GetDlgItem(dialog, id)));
}

// The calibration dialog's caption and the tooltip of its "<>" button in the run's language.
void check_tooltips(const char* calibration_caption, const char* wider_tip) {
  test::TestInstallation installation;
  struct Tip {
    int tab, control, text;
  };
  for (const Tip& tip : {Tip{test::kOptionsTab, IDX_OPTIONS_SHOW_BACKUPS, IDS_TIP_OPTIONS_SHOW_BACKUPS},
                         Tip{test::kOptionsTab, IDB_OPTIONS_ERROR_LOG_SB, IDS_TIP_OPTIONS_ERROR_LOG_SB},
                         Tip{test::kExpertTab, IDX_EXPERT_LAYPLANNING_BG_PIC, IDS_TIP_EXPERT_LAYPLANNING_BG_PIC},
                         Tip{test::kPlotterTab, 0, IDS_TIP_PLOTTER_MARKER}}) {
    test::with_page(
        tip.tab,
        [&](HWND page, HWND) {
          HWND header = reinterpret_cast<HWND>(SendDlgItemMessageA(page, IDC_PLOTTER_LIST, LVM_GETHEADER, 0, 0));
          const std::string shown = tip.control ? tip_of(page, tip.control) : test::tooltip_text(header, 0);
          EXPECT_EQ(shown, controls::load_string(tip.text)) << "string " << tip.text;
        },
        IDCANCEL);
  }
  test::ModalScript script;
  script.on(calibration_caption, [&](HWND dialog) {
    EXPECT_EQ(tip_of(dialog, IDB_CALIB_WIDER), wider_tip);
    test::click(dialog, IDOK);
  });
  script.run([] { run_calibration_dialog(nullptr); });
}

TEST(Tooltips, EndWithTheirPage) {
  test::TestInstallation installation;
  test::with_page(
      test::kOptionsTab,
      [&](HWND page, HWND dialog) {
        ASSERT_FALSE(tip_of(page, IDX_OPTIONS_SHOW_BACKUPS).empty());
        const std::size_t shown = test::tooltip_windows().size();
        for (int tab : {test::kExpertTab, test::kOptionsTab}) test::select_tab(GetDlgItem(dialog, IDC_MAIN_TABS), tab);
        EXPECT_FALSE(tip_of(test::current_page(), IDX_OPTIONS_SHOW_BACKUPS).empty());
        EXPECT_EQ(test::tooltip_windows().size(), shown);
      },
      IDCANCEL);
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
