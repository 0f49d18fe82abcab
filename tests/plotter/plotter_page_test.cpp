// The Plotter page through its real controls on real plotter folders: every action checked
// in the files and in the list.
#include <windows.h>
#include <commctrl.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "controls/list_view.h"
#include "pages/page_test_support.h"
#include "plotter/plotter_page.h"
#include "plotter/plotter_test_support.h"
#include "resources/ids.h"
#include "support/gui.h"
#include "support/captured_log.h"
#include "support/installation.h"
#include "support/locked_file.h"
#include "util/program_log.h"

namespace tav {
namespace {

using Rows = std::vector<std::string>;
using test::kMainCaption;
using test::message_text;
using test::on_page;
using test::on_plotter_page;
using test::plotter_row;
using test::plotter_rows;
using test::select_plotter_row;

constexpr int kActions[] = {IDB_PLOTTER_ACTIVATE, IDB_PLOTTER_DUPLICATE, IDB_PLOTTER_DEACTIVATE, IDB_PLOTTER_SETTINGS,
                            IDB_PLOTTER_REMOVE};

// Which of the five action buttons are enabled, as a text: "ADdSR" style, '-' for disabled.
std::string enabled_actions(HWND page) {
  const char letters[] = "AUDSR";
  std::string shown;
  for (int i = 0; i < 5; ++i) shown += test::is_enabled(page, kActions[i]) ? letters[i] : '-';
  return shown;
}

class PlotterPageTest : public ::testing::Test {
 protected:
  PlotterPageTest() {
    show_inactive_plotters() = false;
    inst.write("plotter\\ROLL60A.plt", test::driver_file("Rollenplotter 60"));
    inst.write("plotter\\ROLL60A.que", test::queue_file("Rolle Halle 1", "ROLL60A.PLT"));
    inst.write("plotter\\PEN90.plt", test::driver_file("Stiftplotter 90"));
    inst.write("plotter\\CUT160.plt", test::driver_file("Cutter 160", true));
  }
  ~PlotterPageTest() override { show_inactive_plotters() = false; }

  std::string plotter(const std::string& name) const { return inst.read("plotter\\" + name); }
  // The log holds `count` lines, the last with the action, the file and the reason.
  void expect_logged(const std::string& action, const std::string& file, DWORD error = ERROR_ACCESS_DENIED,
                     std::size_t count = 1) const {
    const std::vector<std::string> lines = log.lines();
    ASSERT_EQ(lines.size(), count);
    EXPECT_NE(lines.back().find(action + "\tU:\\taviro\\plotter\\" + file + "\t" + system_error_text(error)),
              std::string::npos)
        << lines.back();
  }
  bool has(const std::string& name) const { return inst.exists("plotter\\" + name); }

  // Runs the steps on the Plotter page, then closes the main dialog.
  void on_plotter(const std::function<void(HWND page)>& step) {
    test::ModalScript script;
    script.on(kMainCaption, on_plotter_page([&](HWND page) {
                step(page);
                test::close_main_dialog();
              }));
    test::run_main_dialog_with(script);
  }

  // Selects the row of the driver and queue, posts `button` and answers the question that
  // follows with Yes (checking its text unless `question` is empty); a `failure` message is
  // expected next and answered with OK. Then the list must show `rows`.
  void confirm_on_row(const std::string& driver, const std::string& queue, int button, const std::string& question,
                      const std::string& failure, const Rows& rows) {
    test::ModalScript script;
    script
        .on(kMainCaption, on_plotter_page([&](HWND page) {
              select_plotter_row(page, plotter_row(page, driver, queue));
              test::post_click(page, button);
            }))
        .on(kMainCaption, [&](HWND box) {
          if (!question.empty()) {
            EXPECT_EQ(message_text(box), question);
          }
          test::click(box, IDYES);
        });
    if (!failure.empty()) {
      script.on(kMainCaption, [&](HWND box) {
        EXPECT_EQ(message_text(box), failure);
        test::click(box, IDOK);
      });
    }
    script.on(kMainCaption, on_page([&](HWND page) {
                EXPECT_EQ(plotter_rows(page), rows);
                test::close_main_dialog();
              }));
    test::run_main_dialog_with(script);
  }

  test::TestInstallation inst;
  test::CapturedLog log;
};

TEST_F(PlotterPageTest, OpensWithTheActivePlottersAndNoActionEnabled) {
  on_plotter([&](HWND page) {
    EXPECT_EQ(plotter_rows(page), (Rows{"*|Rolle Halle 1|ROLL60A|ROLL60A"}));
    EXPECT_EQ(test::column_titles(page), "active,Name,PLT file,QUE file");
    // The marker column is as wide as its title (tests/pages/page_layout_test.cpp), and
    // never narrower than the marker's 15 pixels.
    EXPECT_GT(SendDlgItemMessageA(page, IDC_PLOTTER_LIST, LVM_GETCOLUMNWIDTH, 0, 0), 15);
    EXPECT_EQ(enabled_actions(page), "-----");
    test::click(page, IDX_PLOTTER_SHOW_INACTIVE);
    EXPECT_EQ(plotter_rows(page).size(), 3u);
    EXPECT_EQ(plotter_rows(page)[0], "*|Rolle Halle 1|ROLL60A|ROLL60A");  // active ones first
    // A selected row enables the actions of its kind.
    select_plotter_row(page, plotter_row(page, "PEN90", ""));
    EXPECT_EQ(enabled_actions(page), "A--SR");
    select_plotter_row(page, 0);
    EXPECT_EQ(enabled_actions(page), "-UDSR");
    select_plotter_row(page, -1);
    EXPECT_EQ(enabled_actions(page), "-----");
    // The choice holds for the rest of the run.
    HWND tabs = GetDlgItem(GetAncestor(page, GA_ROOT), IDC_MAIN_TABS);
    test::select_tab(tabs, test::kScreenTab);
    test::select_tab(tabs, test::kPlotterTab);
    EXPECT_TRUE(test::is_checked(test::current_page(), IDX_PLOTTER_SHOW_INACTIVE));
    EXPECT_EQ(plotter_rows(test::current_page()).size(), 3u);
  });
}

TEST_F(PlotterPageTest, ActivateWritesTheQueueFileAndMarksTheRow) {
  show_inactive_plotters() = true;
  on_plotter([&](HWND page) {
    const int row = plotter_row(page, "CUT160", "");
    select_plotter_row(page, row);
    test::click(page, IDB_PLOTTER_ACTIVATE);
    EXPECT_EQ(plotter_rows(page)[static_cast<std::size_t>(row)], "*|Cutter 160|CUT160|CUT160");
    EXPECT_EQ(enabled_actions(page), "-UDSR");
  });
  EXPECT_EQ(plotter("CUT160.que"),
            "[DEVICE]\r\nNAME=Cutter 160\r\nPORT=FILE:\r\nDRIVER=CUT160.PLT\r\nRASTER=0\r\nCUTTER=1\r\n");
}

TEST_F(PlotterPageTest, ActivateAsksBeforeOverwritingAQueueFileAndKeepsABackup) {
  show_inactive_plotters() = true;
  const std::string old_queue = "[DEVICE]\r\nNAME=alt\r\nBAUD=1\r\n\r\n[QUEUE]\r\nCOPIES=2\r\n";
  test::ModalScript script;
  script
      .on(kMainCaption, on_plotter_page([&](HWND page) {
            inst.write("plotter\\PEN90.que", old_queue);  // appears while the page is open
            select_plotter_row(page, plotter_row(page, "PEN90", ""));
            test::post_click(page, IDB_PLOTTER_ACTIVATE);
          }))
      .on("TAVIRO - Add plotter",
          [&](HWND box) {
            EXPECT_EQ(message_text(box), "File already exists. Overwrite?");
            EXPECT_TRUE(GetWindowLongA(GetDlgItem(box, IDNO), GWL_STYLE) & BS_DEFPUSHBUTTON);
            test::click(box, IDNO);
          })
      .on(kMainCaption, on_page([&](HWND page) {
            EXPECT_EQ(plotter("PEN90.que"), old_queue);
            EXPECT_FALSE(has("PEN90.bk0"));
            test::post_click(page, IDB_PLOTTER_ACTIVATE);
          }))
      .on("TAVIRO - Add plotter", [&](HWND box) { test::click(box, IDYES); })
      .on(kMainCaption, on_page([&](HWND page) {
            EXPECT_EQ(plotter_rows(page)[static_cast<std::size_t>(plotter_row(page, "PEN90", "PEN90"))],
                      "*|Stiftplotter 90|PEN90|PEN90");
            test::close_main_dialog();
          }));
  test::run_main_dialog_with(script);
  EXPECT_EQ(plotter("PEN90.que"),
            "[DEVICE]\r\nNAME=Stiftplotter 90\r\nBAUD=1\r\nPORT=FILE:\r\nDRIVER=PEN90.PLT\r\nRASTER=0\r\nCUTTER=0\r\n"
            "\r\n[QUEUE]\r\nCOPIES=2\r\n");
  EXPECT_EQ(plotter("PEN90.bk0"), old_queue);
}

TEST_F(PlotterPageTest, DuplicateTakesTheNextFreeNumberedName) {
  for (char digit = '2'; digit <= '9'; ++digit) {
    inst.write(std::string("plotter\\ROLL60A") + digit + ".que", test::queue_file("", "ROLL60A.PLT"));
  }
  on_plotter([&](HWND page) {
    select_plotter_row(page, plotter_row(page, "ROLL60A", "ROLL60A"));
    test::click(page, IDB_PLOTTER_DUPLICATE);
    EXPECT_NE(plotter_row(page, "ROLL60A", "ROLL6010"), -1);
    select_plotter_row(page, plotter_row(page, "ROLL60A", "ROLL6010"));
    test::click(page, IDB_PLOTTER_DUPLICATE);
    EXPECT_NE(plotter_row(page, "ROLL60A", "ROLL6011"), -1);
    EXPECT_EQ(plotter_rows(page).size(), 11u);
  });
  EXPECT_EQ(plotter("ROLL6010.que"),
            "[DEVICE]\r\nNAME=Rollenplotter 60 (ROLL6010.que)\r\nPORT=FILE:\r\n"
            "DRIVER=ROLL60A.PLT\r\nRASTER=0\r\nCUTTER=0\r\n");
  EXPECT_TRUE(has("ROLL6011.que"));
}

TEST_F(PlotterPageTest, DeactivateDeletesTheQueueFileAfterItsBackups) {
  inst.write("plotter\\PEN90.que", test::queue_file("Stift", "PEN90.PLT"));
  // Inactive plotters are hidden: the list is read anew.
  confirm_on_row("PEN90", "PEN90", IDB_PLOTTER_DEACTIVATE, "Really delete the selected file?", "",
                 Rows{"*|Rolle Halle 1|ROLL60A|ROLL60A"});
  EXPECT_FALSE(has("PEN90.que"));
  EXPECT_EQ(plotter("PEN90.bk0"), test::queue_file("Stift", "PEN90.PLT"));
}

TEST_F(PlotterPageTest, DeactivateWhileInactivePlottersAreShown) {
  show_inactive_plotters() = true;
  inst.write("plotter\\ROLL60A2.que", test::queue_file("Rolle Halle 2", "ROLL60A.PLT"));
  test::ModalScript script;
  script
      .on(kMainCaption, on_plotter_page([&](HWND page) {
            // Another queue uses the driver: the entry goes.
            select_plotter_row(page, plotter_row(page, "ROLL60A", "ROLL60A2"));
            test::post_click(page, IDB_PLOTTER_DEACTIVATE);
          }))
      .on(kMainCaption, [](HWND box) { test::click(box, IDYES); })
      .on(kMainCaption, on_page([&](HWND page) {
            EXPECT_EQ(plotter_rows(page).size(), 3u);
            EXPECT_EQ(plotter_row(page, "ROLL60A", "ROLL60A2"), -1);
            select_plotter_row(page, plotter_row(page, "ROLL60A", "ROLL60A"));
            test::post_click(page, IDB_PLOTTER_DEACTIVATE);
          }))
      .on(kMainCaption, [](HWND box) { test::click(box, IDYES); })
      .on(kMainCaption, on_page([&](HWND page) {
            // The last queue of the driver: the row stays, now inactive.
            EXPECT_EQ(plotter_rows(page)[0], "|Rolle Halle 1|ROLL60A|");
            EXPECT_EQ(plotter_rows(page).size(), 3u);
            select_plotter_row(page, 0);
            EXPECT_EQ(enabled_actions(page), "A--SR");
            test::close_main_dialog();
          }));
  test::run_main_dialog_with(script);
  EXPECT_FALSE(has("ROLL60A.que"));
  EXPECT_FALSE(has("ROLL60A2.que"));
  EXPECT_TRUE(has("ROLL60A2.bk0"));
}

// Files whose names differ only in case (the test drive is a Linux folder): each action
// takes the file its row was listed from.
TEST_F(PlotterPageTest, ActionsTakeTheFilesTheirRowsWereListedFrom) {
  struct Case {
    int button;
    const char* row;
    bool asks;
    std::vector<std::string> plotter_files;  // the plotter folder afterwards
    std::vector<std::string> removed_files;  // its subfolder for removed plotters
    const char* file;                        // a file and a line it holds afterwards
    const char* line;
  };
  const Case cases[] = {
      {IDB_PLOTTER_DEACTIVATE,
       "Klein",
       true,
       {"ABC.que", "PEN90.PLT", "ROLL60A.plt", "abc.bk0", "pen90.plt"},
       {},
       "ABC.que",
       "NAME=Gross"},
      {IDB_PLOTTER_REMOVE,
       "Klein",
       true,
       {"ABC.que", "PEN90.PLT", "ROLL60A.plt", "pen90.plt"},
       {"ROLL60A.plt", "abc.que"},
       "diverse\\abc.que",
       "NAME=Klein"},
      {IDB_PLOTTER_ACTIVATE,
       "Stift klein",
       false,
       {"ABC.que", "PEN90.PLT", "PEN90.que", "ROLL60A.plt", "abc.que", "pen90.plt"},
       {},
       "PEN90.que",
       "NAME=Stift klein"},
  };
  show_inactive_plotters() = true;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.line);
    test::TestInstallation installation;
    installation.write("plotter\\ROLL60A.plt", test::driver_file("Rollenplotter 60"));
    installation.write("plotter\\ABC.que", test::queue_file("Gross", "ROLL60A.PLT"));
    test::write_case_twin(installation, "plotter\\abc.que", test::queue_file("Klein", "ROLL60A.PLT"));
    installation.write("plotter\\PEN90.PLT", test::driver_file("Stiftplotter 90"));
    test::write_case_twin(installation, "plotter\\pen90.plt", test::driver_file("Stift klein"));
    test::ModalScript script;
    script.on(kMainCaption, on_plotter_page([&](HWND page) {
                select_plotter_row(page, test::plotter_row_named(page, c.row));
                test::post_click(page, c.button);
              }));
    if (c.asks) script.on(kMainCaption, [](HWND box) { test::click(box, IDYES); });
    script.on(kMainCaption, [](HWND) { test::close_main_dialog(); });
    test::run_main_dialog_with(script);
    EXPECT_EQ(test::file_names(installation.path("plotter")), c.plotter_files);
    EXPECT_EQ(test::file_names(installation.path("plotter\\diverse")), c.removed_files);
    EXPECT_NE(installation.read(std::string("plotter\\") + c.file).find(c.line), std::string::npos);
  }
}

TEST_F(PlotterPageTest, RemoveMovesTheFilesKeepsTheEarlierOnesAndTheRowsBelowKeepTheirPlotters) {
  show_inactive_plotters() = true;
  inst.write("plotter\\diverse\\ROLL60A.plt", "old removed driver");
  inst.write("plotter\\diverse\\ROLL60A.que", "old removed queue");
  inst.write("plotter\\diverse\\ROLL60A.bk0", "older");
  test::ModalScript script;
  script
      .on(kMainCaption, on_plotter_page([&](HWND page) {
            select_plotter_row(page, plotter_row(page, "ROLL60A", "ROLL60A"));
            test::post_click(page, IDB_PLOTTER_REMOVE);
          }))
      .on(kMainCaption,
          [](HWND box) {
            EXPECT_EQ(message_text(box),
                      "Really remove the selected plotter? For a backup the current settings are moved "
                      "to subfolder \"Diverse\" .");
            test::click(box, IDYES);
          })
      .on(kMainCaption,
          [](HWND box) {
            EXPECT_EQ(message_text(box),
                      "Subfolder \"Diverse\" already held files of these names. They are kept under new "
                      "names:\nROLL60A.plt is now ROLL60A.bk1\nROLL60A.que is now ROLL60A.bk2");
            test::click(box, IDOK);
          })
      .on(kMainCaption, on_page([&](HWND page) {
            EXPECT_EQ(plotter_rows(page).size(), 2u);
            EXPECT_EQ(enabled_actions(page), "-----");
            // The rows that moved up still act on their own plotters.
            const int pen = plotter_row(page, "PEN90", "");
            select_plotter_row(page, pen);
            test::click(page, IDB_PLOTTER_ACTIVATE);
            EXPECT_EQ(plotter_rows(page)[static_cast<std::size_t>(pen)], "*|Stiftplotter 90|PEN90|PEN90");
            select_plotter_row(page, plotter_row(page, "CUT160", ""));
            test::post_click(page, IDB_PLOTTER_REMOVE);
          }))
      .on(kMainCaption, [](HWND box) { test::click(box, IDYES); })
      .on(kMainCaption, on_page([&](HWND page) {
            EXPECT_EQ(plotter_rows(page), (Rows{"*|Stiftplotter 90|PEN90|PEN90"}));
            test::close_main_dialog();
          }));
  test::run_main_dialog_with(script);
  EXPECT_EQ(plotter("diverse\\ROLL60A.plt"), test::driver_file("Rollenplotter 60"));
  EXPECT_EQ(plotter("diverse\\ROLL60A.que"), test::queue_file("Rolle Halle 1", "ROLL60A.PLT"));
  EXPECT_EQ(plotter("diverse\\ROLL60A.bk0") + plotter("diverse\\ROLL60A.bk1") + plotter("diverse\\ROLL60A.bk2"),
            "olderold removed driverold removed queue");
  EXPECT_EQ(plotter("diverse\\CUT160.plt"), test::driver_file("Cutter 160", true));
  EXPECT_FALSE(has("ROLL60A.plt") || has("ROLL60A.que") || has("CUT160.plt"));
  EXPECT_TRUE(has("PEN90.que"));
}

// A file that cannot be given its numbered name, or cannot be moved: nothing is moved, the
// user is told which file and why.
TEST_F(PlotterPageTest, RemoveThatCannotKeepOrMoveAFileMovesNothing) {
  struct Case {
    std::vector<std::string> removed;  // the subfolder for removed plotters holds these
    const char* locked;
    std::string message;
    const char* action;  // as logged
  };
  const std::string reason = system_error_text(ERROR_SHARING_VIOLATION);
  const Case cases[] = {
      {{"ROLL60A.plt"},
       "diverse\\ROLL60A.plt",
       "The earlier removed file U:\\taviro\\plotter\\diverse\\ROLL60A.plt could not be renamed to ROLL60A.bk0:\n" +
           reason + "\n\nThe plotter was not removed.",
       "keep removed plotter file"},
      {{},
       "ROLL60A.plt",
       "The file U:\\taviro\\plotter\\ROLL60A.plt could not be moved to subfolder \"Diverse\":\n" + reason,
       "remove plotter"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.locked);
    inst.remove("plotter\\diverse");
    for (const std::string& name : c.removed) inst.write("plotter\\diverse\\" + name, "old removed " + name);
    const std::vector<std::string> files = test::file_names(inst.path("plotter"));
    test::LockedFile lock(inst.path(std::string("plotter\\") + c.locked));
    confirm_on_row("ROLL60A", "ROLL60A", IDB_PLOTTER_REMOVE, "", c.message, Rows{"*|Rolle Halle 1|ROLL60A|ROLL60A"});
    EXPECT_EQ(test::file_names(inst.path("plotter")), files);
    EXPECT_EQ(test::file_names(inst.path("plotter\\diverse")), c.removed);
    expect_logged(c.action, c.locked, ERROR_SHARING_VIOLATION, static_cast<std::size_t>(&c - cases) + 1);
  }
}

TEST_F(PlotterPageTest, RemovingOneOfTwoQueuesKeepsTheirSharedDriver) {
  inst.write("plotter\\ROLL60A2.que", test::queue_file("Rolle Halle 2", "ROLL60A.PLT"));
  confirm_on_row("ROLL60A", "ROLL60A2", IDB_PLOTTER_REMOVE, "", "", Rows{"*|Rolle Halle 1|ROLL60A|ROLL60A"});
  // The subfolder did not exist; it was made.
  EXPECT_EQ(plotter("diverse\\ROLL60A2.que"), test::queue_file("Rolle Halle 2", "ROLL60A.PLT"));
  EXPECT_EQ(plotter("diverse\\ROLL60A.plt"), test::driver_file("Rollenplotter 60"));
  EXPECT_EQ(plotter("ROLL60A.plt"), test::driver_file("Rollenplotter 60"));
  EXPECT_TRUE(has("ROLL60A.que"));
}

TEST_F(PlotterPageTest, AQueueFileThatCannotBeWrittenStaysAsItWas) {
  show_inactive_plotters() = true;
  const std::string old_queue = test::queue_file("alt", "OTHER.PLT");
  test::ModalScript script;
  script
      .on(kMainCaption, on_plotter_page([&](HWND page) {
            inst.write("plotter\\PEN90.que", old_queue);
            SetFileAttributesA(inst.path("plotter\\PEN90.que").c_str(), FILE_ATTRIBUTE_READONLY);
            select_plotter_row(page, plotter_row(page, "PEN90", ""));
            test::post_click(page, IDB_PLOTTER_ACTIVATE);
          }))
      .on("TAVIRO - Add plotter", [](HWND box) { test::click(box, IDYES); })
      .on(kMainCaption,
          [](HWND box) {
            EXPECT_EQ(message_text(box), "Error when creating file U:\\taviro\\plotter\\PEN90.que:\n" +
                                             system_error_text(ERROR_ACCESS_DENIED));
            test::click(box, IDOK);
          })
      .on(kMainCaption, on_page([&](HWND page) {
            EXPECT_EQ(plotter_rows(page)[static_cast<std::size_t>(plotter_row(page, "PEN90", ""))],
                      "|Stiftplotter 90|PEN90|");
            test::close_main_dialog();
          }));
  test::run_main_dialog_with(script);
  EXPECT_EQ(plotter("PEN90.que"), old_queue);
  expect_logged("create queue file", "PEN90.que");
  SetFileAttributesA(inst.path("plotter\\PEN90.que").c_str(), FILE_ATTRIBUTE_NORMAL);
}

TEST_F(PlotterPageTest, AQueueFileThatCannotBeDeletedKeepsThePlotterActive) {
  SetFileAttributesA(inst.path("plotter\\ROLL60A.que").c_str(), FILE_ATTRIBUTE_READONLY);
  confirm_on_row("ROLL60A", "ROLL60A", IDB_PLOTTER_DEACTIVATE, "",
                 "The file U:\\taviro\\plotter\\ROLL60A.que could not be deleted:\n" +
                     system_error_text(ERROR_ACCESS_DENIED) + "\n\nThe plotter stays active.",
                 Rows{"*|Rolle Halle 1|ROLL60A|ROLL60A"});
  EXPECT_TRUE(has("ROLL60A.que"));
  expect_logged("delete queue file", "ROLL60A.que");
  SetFileAttributesA(inst.path("plotter\\ROLL60A.que").c_str(), FILE_ATTRIBUTE_NORMAL);
}

TEST_F(PlotterPageTest, DoubleClickOpensTheDriverSettingsOfTheRow) {
  show_inactive_plotters() = true;
  inst.write("plotter\\DJ.PLT", test::driver_file("Tinte gross"));
  test::write_case_twin(inst, "plotter\\dj.plt", test::driver_file("Tinte klein"));
  std::string shown_file, shown_name;
  test::ModalScript script;
  script
      .on(kMainCaption, on_plotter_page([&](HWND page) {
            HWND list = GetDlgItem(page, IDC_PLOTTER_LIST);
            RECT cell{};
            cell.left = LVIR_LABEL;
            const int row = test::plotter_row_named(page, "Tinte klein");
            SendMessageA(list, LVM_GETITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&cell));
            const LPARAM at = MAKELPARAM(cell.left + 4, (cell.top + cell.bottom) / 2);
            SendMessageA(list, WM_LBUTTONDOWN, MK_LBUTTON, at);
            SendMessageA(list, WM_LBUTTONUP, 0, at);
            SendMessageA(list, WM_LBUTTONDBLCLK, MK_LBUTTON, at);
            SendMessageA(list, WM_LBUTTONUP, 0, at);
          }))
      .on("TAVIRO - Plotter setup",
          [&](HWND dialog) {
            shown_file = test::item_text(dialog, IDE_DRIVER_FILE);
            shown_name = test::item_text(dialog, IDE_DRIVER_PLOTTER_NAME);
            test::click(dialog, IDCANCEL);
          })
      .on(kMainCaption, [](HWND) { test::close_main_dialog(); });
  test::run_main_dialog_with(script);
  EXPECT_EQ(shown_file + "|" + shown_name, "dj.plt|Tinte klein");
}

}  // namespace
}  // namespace tav
