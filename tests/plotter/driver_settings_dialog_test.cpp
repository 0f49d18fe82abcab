// The driver settings dialog and the plot resolution dialog it opens, driven through their
// controls on real driver files; every save checked byte for byte.
#include <windows.h>
#include <gtest/gtest.h>

#include <string>

#include "plotter/core/driver_file.h"
#include "plotter/driver_settings_dialog.h"
#include "plotter/driver_text.h"
#include "plotter/plot_resolution_dialog.h"
#include "plotter/plotter_test_support.h"
#include "resources/ids.h"
#include "support/gui.h"
#include "support/captured_log.h"
#include "support/installation.h"
#include "util/program_log.h"

namespace tav {
namespace {

using test::DriverText;

constexpr const char* kCaption = "TAVIRO - Plotter setup";
constexpr const char* kResolutionCaption = "TAVIRO - Setup";
constexpr const char* kDriverPath = "U:\\taviro\\plotter\\ROLL60A.PLT";

// Types text into the focused edit of a control as keystrokes do.
void type_into(HWND edit, const std::string& text) {
  SendMessageA(edit, EM_SETSEL, 0, -1);
  SendMessageA(edit, WM_CHAR, VK_BACK, 0);
  for (char c : text) SendMessageA(edit, WM_CHAR, static_cast<WPARAM>(static_cast<unsigned char>(c)), 0);
}
HWND combo_edit(HWND dialog, int id) { return FindWindowExA(GetDlgItem(dialog, id), nullptr, "Edit", nullptr); }

class DriverSettingsDialogTest : public ::testing::Test {
 protected:
  DriverSettingsDialogTest() {
    driver.device = " 12 08 1 00 01 0";
    driver.values = {{6, "N"}, {26, "0.025"}, {27, "0.0254"}, {45, "J"}, {51, "Rollenplotter 60"}, {53, "600"}};
    inst.write("plotter\\roll60a.plt", driver.build());  // the dialog names it ROLL60A.PLT
  }
  void run(test::ModalScript& script) {
    script.run([] { run_driver_settings_dialog(nullptr, kDriverPath); });
  }
  // Opens the dialog and runs `step`, which closes it.
  void run(const test::ModalScript::Step& step) {
    test::ModalScript script;
    script.on(kCaption, step);
    run(script);
  }
  void expect_save_refused(const std::string& message, const std::string& logged);
  std::string file() const { return inst.read("plotter\\ROLL60A.plt"); }
  std::string backup() const { return inst.read("plotter\\ROLL60A.BAK"); }

  test::TestInstallation inst;
  test::CapturedLog log;
  DriverText driver;
};

TEST_F(DriverSettingsDialogTest, ShowsTheSettingsOfTheDriverFile) {
  run([](HWND dialog) {
    EXPECT_EQ(test::item_text(dialog, IDE_DRIVER_PLOTTER_NAME), "Rollenplotter 60");
    EXPECT_EQ(test::item_text(dialog, IDE_DRIVER_FILE), "ROLL60A.PLT");
    EXPECT_EQ(test::item_text(dialog, IDE_DRIVER_PENS), "8");
    EXPECT_TRUE(test::is_checked(dialog, IDX_DRIVER_ORIGIN_CENTRE));
    EXPECT_EQ(test::item_text(dialog, IDE_DRIVER_RESOLUTION_X), "0,025");
    EXPECT_EQ(test::item_text(dialog, IDE_DRIVER_RESOLUTION_Y), "0,0254");
    EXPECT_EQ(test::item_text(dialog, IDE_DRIVER_PAPER_WIDTH), "600");
    EXPECT_TRUE(test::is_checked(dialog, IDX_DRIVER_EACH_PAGE));
    EXPECT_FALSE(test::is_checked(dialog, IDX_DRIVER_PEN_CHANGE));
    EXPECT_FALSE(test::is_enabled(dialog, IDE_DRIVER_PENS));
    EXPECT_FALSE(test::is_enabled(dialog, IDT_DRIVER_PENS));
    EXPECT_EQ(GetFocus(), GetDlgItem(dialog, IDE_DRIVER_PAPER_WIDTH));
    test::click(dialog, IDX_DRIVER_PEN_CHANGE);
    EXPECT_TRUE(test::is_enabled(dialog, IDE_DRIVER_PENS));
    EXPECT_TRUE(test::is_enabled(dialog, IDT_DRIVER_PENS));
    test::click(dialog, IDCANCEL);
  });
  EXPECT_EQ(file(), driver.build());
  EXPECT_FALSE(inst.exists("plotter\\ROLL60A.BAK"));
}

TEST_F(DriverSettingsDialogTest, OkKeepsABackupAndRewritesOnlyTheSettingLines) {
  run([](HWND dialog) {
    test::set_item_text(dialog, IDE_DRIVER_PAPER_WIDTH, "1200");
    test::click(dialog, IDX_DRIVER_ORIGIN_CORNER);
    test::click(dialog, IDX_DRIVER_PEN_CHANGE);
    test::set_item_text(dialog, IDE_DRIVER_PENS, "4");
    test::click(dialog, IDX_DRIVER_EACH_PAGE);
    test::click(dialog, IDB_DRIVER_OK);
  });
  DriverText expected = driver;
  expected.device = " 12 04 0 00 01 0";
  expected.values = {{6, "J"}, {26, "0.0250"}, {27, "0.0254"}, {45, "N"}, {51, "Rollenplotter 60"}, {53, "1200"}};
  EXPECT_EQ(file(), expected.build());
  EXPECT_EQ(backup(), driver.build());
  EXPECT_EQ(test::file_names(inst.path("plotter")), (std::vector<std::string>{"ROLL60A.BAK", "roll60a.plt"}));
}

TEST_F(DriverSettingsDialogTest, EnterTakesThePaperWidthAndKeepsTheDialogOpen) {
  test::ModalScript script;
  script
      .on(kCaption,
          [](HWND dialog) {
            HWND width = GetDlgItem(dialog, IDE_DRIVER_PAPER_WIDTH);
            SetFocus(width);
            type_into(width, "900");
            PostMessageA(width, WM_KEYDOWN, VK_RETURN, 0);
          })
      .on(kCaption, [](HWND dialog) {
        EXPECT_EQ(GetFocus(), GetDlgItem(dialog, IDB_DRIVER_OK));
        // What Enter took stays when the field no longer holds a number.
        test::set_item_text(dialog, IDE_DRIVER_PAPER_WIDTH, "breit");
        test::set_item_text(dialog, IDE_DRIVER_PENS, "");
        test::click(dialog, IDB_DRIVER_OK);
      });
  run(script);
  DriverText expected = driver;
  expected.device = " 12 01 1 00 01 0";  // a number of pens that cannot be read is 1
  expected.values[26] = "0.0250";
  expected.values[53] = "900";
  EXPECT_EQ(file(), expected.build());
}

// OK with a changed paper width shows `message`, logs a line that holds `logged` and leaves
// the driver file as it was.
void DriverSettingsDialogTest::expect_save_refused(const std::string& message, const std::string& logged) {
  test::ModalScript script;
  script
      .on(kCaption,
          [](HWND dialog) {
            test::set_item_text(dialog, IDE_DRIVER_PAPER_WIDTH, "1200");
            test::post_click(dialog, IDB_DRIVER_OK);
          })
      .on(kCaption,
          [&](HWND box) {
            EXPECT_EQ(test::message_text(box), message);
            test::click(box, IDOK);
          })
      .on(kCaption, [](HWND dialog) { test::click(dialog, IDCANCEL); });
  run(script);
  SetFileAttributesA(inst.path("plotter\\ROLL60A.plt").c_str(), FILE_ATTRIBUTE_NORMAL);
  EXPECT_EQ(file(), driver.build());
  const std::vector<std::string> lines = log.lines();
  ASSERT_FALSE(lines.empty());
  EXPECT_NE(lines.back().find(logged), std::string::npos) << lines.back();
}

TEST_F(DriverSettingsDialogTest, NoRewriteWithoutABackupOrWhenTheFileCannotBeWritten) {
  const std::string denied = system_error_text(ERROR_ACCESS_DENIED);
  inst.make_folder("plotter\\ROLL60A.BAK");  // the backup copy cannot be made
  expect_save_refused("No backup copy U:\\taviro\\plotter\\ROLL60A.BAK of the driver file could be made:\n" + denied +
                          "\n\nThe driver file was not changed.",
                      "back up driver file\tU:\\taviro\\plotter\\ROLL60A.BAK\t" + denied);
  inst.remove("plotter\\ROLL60A.BAK");
  SetFileAttributesA(inst.path("plotter\\ROLL60A.plt").c_str(), FILE_ATTRIBUTE_READONLY);
  expect_save_refused("The file U:\\taviro\\plotter\\ROLL60A.PLT could not be written:\n" + denied +
                          "\n\nYour changes are kept: press OK to try again, or Cancel to leave without saving.",
                      "save driver settings\tU:\\taviro\\plotter\\ROLL60A.PLT\t" + denied);
  EXPECT_EQ(backup(), driver.build());
}

TEST_F(DriverSettingsDialogTest, AnUnreadableDriverFileOffersNothingToSave) {
  inst.remove("plotter\\ROLL60A.plt");
  run([](HWND dialog) {
    EXPECT_EQ(test::item_text(dialog, IDE_DRIVER_FILE), "ROLL60A.PLT");
    EXPECT_EQ(test::item_text(dialog, IDE_DRIVER_PLOTTER_NAME), "");
    EXPECT_EQ(test::item_text(dialog, IDE_DRIVER_PAPER_WIDTH), "");
    EXPECT_FALSE(test::is_enabled(dialog, IDB_DRIVER_OK));
    EXPECT_FALSE(test::is_enabled(dialog, IDB_DRIVER_ADAPT));
    test::click(dialog, IDCANCEL);
  });
  EXPECT_FALSE(inst.exists("plotter\\ROLL60A.plt"));
}

TEST_F(DriverSettingsDialogTest, ALineOfAHundredThousandCharactersIsCarriedWhole) {
  driver.values[10] = std::string(100000, 'x');
  driver.values[26] = "0.0250";
  inst.write("plotter\\ROLL60A.plt", driver.build());
  run([](HWND dialog) { test::click(dialog, IDB_DRIVER_OK); });
  EXPECT_EQ(file(), driver.build());
}

TEST_F(DriverSettingsDialogTest, RecalculatedResolutionIsShownAndWritten) {
  test::ModalScript script;
  script.on(kCaption, [](HWND dialog) { test::post_click(dialog, IDB_DRIVER_ADAPT); })
      .on(kResolutionCaption,
          [](HWND dialog) {
            EXPECT_EQ(test::item_text(dialog, IDC_RESOLUTION_X), "0,025");
            EXPECT_EQ(test::combo_items(dialog, IDC_RESOLUTION_Y),
                      (std::vector<std::string>{"0,025", "0,0254", "0,01", "0,1"}));
            test::set_item_text(dialog, IDE_RESOLUTION_DESIRED_X, "1000");
            test::set_item_text(dialog, IDE_RESOLUTION_ACTUAL_X, "1004");
            test::click(dialog, IDB_RESOLUTION_RECALCULATE);
            EXPECT_EQ(test::item_text(dialog, IDC_RESOLUTION_X), "0,0251");
            test::click(dialog, IDOK);
          })
      .on(kCaption,
          [this](HWND dialog) {
            EXPECT_EQ(test::item_text(dialog, IDE_DRIVER_RESOLUTION_X), "0,0251");
            EXPECT_EQ(file(), driver.build());  // only OK writes what was adapted
            test::post_click(dialog, IDB_DRIVER_ADAPT);
          })
      .on(kResolutionCaption,
          [](HWND dialog) {
            test::choose_combo_item(dialog, IDC_RESOLUTION_Y, 2);
            test::click(dialog, IDCANCEL);
          })
      .on(kCaption, [](HWND dialog) {
        EXPECT_EQ(test::item_text(dialog, IDE_DRIVER_RESOLUTION_Y), "0,0254");
        test::click(dialog, IDB_DRIVER_OK);
      });
  run(script);
  DriverText expected = driver;
  expected.values[26] = "0.0251";
  EXPECT_EQ(file(), expected.build());
}

// Values the reader cannot take show empty, the resolution dialog lets such an axis stay
// unknown, and saving another setting leaves their lines as they were.
TEST_F(DriverSettingsDialogTest, ValuesThatCannotBeReadShowEmptyAndStayInTheFile) {
  driver.device = " 12 0x 1 00 01 0";
  driver.values[26] = "0.025mm";
  driver.values[53] = "914mm";
  inst.write("plotter\\ROLL60A.plt", driver.build());
  test::ModalScript script;
  script
      .on(kCaption,
          [](HWND dialog) {
            for (int id : {IDE_DRIVER_PENS, IDE_DRIVER_RESOLUTION_X, IDE_DRIVER_PAPER_WIDTH}) {
              EXPECT_EQ(test::item_text(dialog, id), "") << id;
            }
            test::click(dialog, IDX_DRIVER_EACH_PAGE);
            test::post_click(dialog, IDB_DRIVER_ADAPT);
          })
      .on(kResolutionCaption,
          [](HWND dialog) {
            EXPECT_EQ(test::item_text(dialog, IDC_RESOLUTION_X), "");
            test::set_item_text(dialog, IDC_RESOLUTION_X, "fein");
            test::post_click(dialog, IDOK);
          })
      .on(kResolutionCaption, [](HWND box) { test::click(box, IDOK); })  // a bad number is refused
      .on(kResolutionCaption,
          [](HWND dialog) {
            test::set_item_text(dialog, IDC_RESOLUTION_X, "");
            test::click(dialog, IDOK);
          })
      .on(kCaption, [](HWND dialog) { test::click(dialog, IDB_DRIVER_OK); });
  run(script);
  DriverText expected = driver;
  expected.values[45] = "N";
  EXPECT_EQ(file(), expected.build());
}

// The plot resolution dialog on its own, with the values it edits.
class PlotResolutionDialogTest : public ::testing::Test {
 protected:
  void run(test::ModalScript& script, INT_PTR expected_result) {
    INT_PTR result = -1;
    script.run([&] { result = run_plot_resolution_dialog(nullptr, values); });
    EXPECT_EQ(result, expected_result);
  }
  void run(const test::ModalScript::Step& step, INT_PTR expected_result) {
    test::ModalScript script;
    script.on(kResolutionCaption, step);
    run(script, expected_result);
  }
  DriverSettings values = [] {
    DriverSettings v;
    v.resolution_x = 0.025f;
    v.resolution_y = 0.025f;
    return v;
  }();
};

bool read_only(HWND dialog, int id) { return GetWindowLongA(GetDlgItem(dialog, id), GWL_STYLE) & ES_READONLY; }

TEST_F(PlotResolutionDialogTest, ChoosingAResolutionClosesThatAxisComparison) {
  run(
      [](HWND dialog) {
        test::set_item_text(dialog, IDE_RESOLUTION_DESIRED_X, "1000");
        test::choose_combo_item(dialog, IDC_RESOLUTION_X, 2);
        EXPECT_EQ(test::item_text(dialog, IDE_RESOLUTION_DESIRED_X), "");
        EXPECT_TRUE(read_only(dialog, IDE_RESOLUTION_DESIRED_X) && read_only(dialog, IDE_RESOLUTION_ACTUAL_X));
        EXPECT_FALSE(read_only(dialog, IDE_RESOLUTION_DESIRED_Y));
        EXPECT_TRUE(test::is_enabled(dialog, IDB_RESOLUTION_RECALCULATE));
        type_into(combo_edit(dialog, IDC_RESOLUTION_Y), "0.0254");  // typed with a decimal point
        EXPECT_FALSE(test::is_enabled(dialog, IDB_RESOLUTION_RECALCULATE));
        EXPECT_TRUE(test::is_enabled(dialog, IDC_RESOLUTION_X));
        test::click(dialog, IDOK);
      },
      IDOK);
  EXPECT_FLOAT_EQ(values.resolution_x.value_or(0), 0.01f);
  EXPECT_FLOAT_EQ(values.resolution_y.value_or(0), 0.0254f);
}

TEST_F(PlotResolutionDialogTest, RecalculatingBothAxesLocksTheDialog) {
  run(
      [](HWND dialog) {
        // An empty field or a desired length of 0 is no measurement.
        test::set_item_text(dialog, IDE_RESOLUTION_DESIRED_X, "0");
        test::set_item_text(dialog, IDE_RESOLUTION_ACTUAL_X, "1004");
        test::click(dialog, IDB_RESOLUTION_RECALCULATE);
        EXPECT_TRUE(test::is_enabled(dialog, IDC_RESOLUTION_X));
        EXPECT_TRUE(test::is_enabled(dialog, IDC_RESOLUTION_Y));
        EXPECT_EQ(test::item_text(dialog, IDC_RESOLUTION_X), "0,025");
        test::set_item_text(dialog, IDE_RESOLUTION_DESIRED_X, "1000");
        test::set_item_text(dialog, IDE_RESOLUTION_DESIRED_Y, "500,0");
        test::set_item_text(dialog, IDE_RESOLUTION_ACTUAL_Y, "499,5");
        test::click(dialog, IDB_RESOLUTION_RECALCULATE);
        EXPECT_EQ(test::item_text(dialog, IDC_RESOLUTION_X), "0,0251");
        EXPECT_EQ(test::item_text(dialog, IDC_RESOLUTION_Y), "0,025");
        EXPECT_FALSE(test::is_enabled(dialog, IDB_RESOLUTION_RECALCULATE));
        EXPECT_FALSE(test::is_enabled(dialog, IDC_RESOLUTION_X) || test::is_enabled(dialog, IDC_RESOLUTION_Y));
        EXPECT_TRUE(read_only(dialog, IDE_RESOLUTION_ACTUAL_Y));
        test::click(dialog, IDOK);
      },
      IDOK);
  EXPECT_FLOAT_EQ(values.resolution_x.value_or(0), 0.0251f);
  EXPECT_FLOAT_EQ(values.resolution_y.value_or(0), 0.025f);  // 0.024975 shown with four decimals
}

TEST_F(PlotResolutionDialogTest, AResolutionThatIsNoPositiveNumberIsRefused) {
  values.resolution_x = 0.02541f;
  test::ModalScript script;
  script
      .on(kResolutionCaption,
          [](HWND dialog) {
            test::set_item_text(dialog, IDC_RESOLUTION_Y, "0");
            test::post_click(dialog, IDOK);
          })
      .on(kResolutionCaption,
          [](HWND box) {
            EXPECT_EQ(test::message_text(box),
                      "Please enter the plot resolution as a positive number, for example 0,025.");
            test::click(box, IDOK);
          })
      .on(kResolutionCaption,
          [&](HWND dialog) {
            EXPECT_FLOAT_EQ(values.resolution_y.value_or(0), 0.025f);
            test::set_item_text(dialog, IDC_RESOLUTION_Y, "fein");
            test::post_click(dialog, IDOK);
          })
      .on(kResolutionCaption, [](HWND box) { test::click(box, IDOK); })
      .on(kResolutionCaption, [](HWND dialog) {
        test::set_item_text(dialog, IDC_RESOLUTION_Y, "0,0254");
        test::click(dialog, IDOK);
      });
  run(script, IDOK);
  EXPECT_FLOAT_EQ(values.resolution_x.value_or(0), 0.0254f);  // as shown when the dialog opened
  EXPECT_FLOAT_EQ(values.resolution_y.value_or(0), 0.0254f);
}

}  // namespace
}  // namespace tav
