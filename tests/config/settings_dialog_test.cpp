// Loading the main configuration file when the main dialog opens and writing it on OK,
// through the real dialog and real files on the test drive.
#include "config/settings.h"

#include <windows.h>
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "config/data/new_main_file.h"
#include "resources/ids.h"
#include "shell/main_dialog.h"
#include "support/gui.h"
#include "support/installation.h"

namespace tav {
namespace {

using test::ModalScript;

// Opens the main dialog, runs step on it and ends it with the command (OK or Cancel).
void with_main_dialog(const std::function<void(HWND)>& step, int closing_command) {
  ModalScript script;
  script.on("TAVIRO - Setup 1.58", [&](HWND dialog) {
    step(dialog);
    SendMessageA(dialog, WM_COMMAND, closing_command, 0);
  });
  script.run([] { run_main_dialog(nullptr); });
}

// clang-format off
// A file as a user's installation may hold it: comments, keys of other programs, blank
// lines, a lower-case name with blanks around '=', values outside their ranges, and some
// keys of the catalogue missing.
const char* const kUsersFile =
    "; Main configuration of the TAVIRO programs\r\n"
    "[SCREEN]\r\n"
    "WIDTHMM=340\r\n"
    "hightmm = 260\r\n"
    "MENUFONTHIGHT=18\r\n"
    "BACKGROUND=1\r\n"
    "COLORDEPTH=24\r\n"
    "\r\n"
    "[PATH]\r\n"
    "STARTUPDRIVE=4\r\n"
    "DRIVES=C.E\r\n"
    "MSEXCELRUN=excel.exe /e\r\n"
    "PATHPROG=\\taviro\\prog\r\n"
    "\r\n"
    "[OPTIONS]\r\n"
    "USEMENUBUTTONS=1\r\n"
    "SAVEMINUTES=150\r\n"
    "BAKMAX=3\r\n"
    "TAVIROFONT=TAVIRO4.FNT\r\n"
    "EDITONCLICK=1\r\n"
    "; construction options\r\n"
    "NO_INTERBB_ZOOM=1\r\n"
    "LANGUAGE=440\r\n"
    "LANGNAME=Deutsch\r\n"
    "SHOW_ALIAS=1\r\n"
    "ENABLE_BG_PIC=1\r\n"
    "ENABLE_SYMBLEN=2\r\n"
    "\r\n"
    "[DIGITIZER]\r\n"
    "SCHABLONEMM=300\r\n"
    "LUPE=>  2  1<\r\n"
    "\r\n"
    "[MARKER]\r\n"
    "MINPLOTLETTER=50\r\n"
    "AUTONESTEREXEC=C:\\nest\\nester.exe\r\n"
    "AUTONESTERPATH=C:\\old\\\r\n"
    "AUTONESTERKEY=0\r\n"
    "ENABLE_BG_PIC=0\r\n"
    "\r\n"
    "[TOOLBOX2]\r\n"
    "B01=ZOOM\r\n" "B02=\r\n" "B03=MOVE\r\n"
    "\r\n"
    "[OTHER]\r\n"
    "KEY=value\r\n";

// What OK without any change leaves of it: the values in their written forms, the missing
// keys after the last line of their sections, a new section at the end, MENUFONTHIGHT,
// MSEXCELRUN and everything outside the catalogue as it was.
const char* const kUsersFileAfterOk =
    "; Main configuration of the TAVIRO programs\r\n"
    "[SCREEN]\r\n"
    "WIDTHMM=340\r\n"
    "hightmm = 260\r\n"
    "MENUFONTHIGHT=18\r\n"
    "BACKGROUND=15\r\n"
    "COLORDEPTH=24\r\n"
    "CONTINUOUS_SEAM=0\r\n"
    "\r\n"
    "[PATH]\r\n"
    "STARTUPDRIVE=4\r\n"
    "DRIVES=CUE\r\n"
    "MSEXCELRUN=excel.exe /e\r\n"
    "PATHPROG=\\taviro\\prog\r\n"
    "TABCALCRUN=excel.exe /e\r\n"
    "TEXTPROCRUN=\r\n"
    "\r\n"
    "[OPTIONS]\r\n"
    "USEMENUBUTTONS=1\r\n"
    "SAVEMINUTES=99\r\n"
    "BAKMAX=3\r\n"
    "TAVIROFONT=TAVIRO4.FNT\r\n"
    "EDITONCLICK=1\r\n"
    "; construction options\r\n"
    "NO_INTERBB_ZOOM=1\r\n"
    "LANGUAGE=0440\r\n"
    "LANGNAME=Deutsch\r\n"
    "SHOW_ALIAS=1\r\n"
    "ENABLE_BG_PIC=1\r\n"
    "ENABLE_SYMBLEN=1\r\n"
    "ENHMETAFILE=0\r\n"
    "CHECKMDLONSAVE=0\r\n"
    "CACHE_CHM=0\r\n"
    "HIDE_MIRFOLD=0\r\n"
    "USE_TTF=0\r\n"
    "PTTF_SUPP_UNICODE=0\r\n"
    "FIXMENUBUTTONS=32\r\n"
    "FIXTOOLBUTTONS=32\r\n"
    "GRIDCOLOR_TYP=0\r\n"
    "SHOW_BAKFILES=0\r\n"
    "ENABLE_GRDTAB_SUBPATH=0\r\n"
    "ENABLE_GRDTAB_ALTREF=0\r\n"
    "ENABLE_GRDTAB_ZGON=0\r\n"
    "ENABLE_GRDTAB_MEMMAP=0\r\n"
    "ENABLE_GRDTAB_PWD=0\r\n"
    "DUPLICTREE=0\r\n"
    "SWITCH_SEAMADDITION=0\r\n"
    "ENABLE_EXTDXVAL=0\r\n"
    "MDL_PREVIEW_IMAGE=0\r\n"
    "SAVE_VERIFY=0\r\n"
    "\r\n"
    "[DIGITIZER]\r\n"
    "SCHABLONEMM=300\r\n"
    "LUPE=>  2  1<\r\n"
    "DIGIOK=1\r\n"
    "DIGIQUIT=4\r\n"
    "DIGISTOP=0\r\n"
    "\r\n"
    "[MARKER]\r\n"
    "MINPLOTLETTER=50\r\n"
    "AUTONESTEREXEC=C:\\nest\\nester.exe\r\n"
    "AUTONESTERPATH=C:\\nest\\\r\n"
    "AUTONESTERKEY=1\r\n"
    "ENABLE_BG_PIC=0\r\n"
    "MINPRINTLETTER=30\r\n"
    "ADDSIZETOFNAME=0\r\n"
    "ONEPATHONLY=0\r\n"
    "ENABLE_BDL_FLIP=0\r\n"
    "ENABLE_ENH_REPEAT=0\r\n"
    "ENABLE_PMD_SZOPT=0\r\n"
    "ENABLE_SHRINK_ASST=0\r\n"
    "\r\n"
    "[TOOLBOX2]\r\n"
    "B01=ZOOM\r\n" "B02=\r\n" "B03=MOVE\r\n" "B04=\r\n" "B05=\r\n"
    "B06=\r\n" "B07=\r\n" "B08=\r\n" "B09=\r\n" "B10=\r\n"
    "B11=\r\n" "B12=\r\n" "B13=\r\n" "B14=\r\n" "B15=\r\n"
    "B16=\r\n" "B17=\r\n" "B18=\r\n" "B19=\r\n" "B20=\r\n"
    "B21=\r\n" "B22=\r\n" "B23=\r\n" "B24=\r\n" "B25=\r\n"
    "\r\n"
    "[OTHER]\r\n"
    "KEY=value\r\n"
    "[TOOLBOXS]\r\n"
    "B01=\r\n" "B02=\r\n" "B03=\r\n" "B04=\r\n" "B05=\r\n"
    "B06=\r\n" "B07=\r\n" "B08=\r\n" "B09=\r\n" "B10=\r\n"
    "B11=\r\n" "B12=\r\n" "B13=\r\n" "B14=\r\n" "B15=\r\n"
    "B16=\r\n" "B17=\r\n" "B18=\r\n" "B19=\r\n" "B20=\r\n"
    "B21=\r\n" "B22=\r\n" "B23=\r\n" "B24=\r\n"
    "B25=\r\n";
// clang-format on

TEST(SettingsDialog, OkOnAMissingFileCreatesItWithEveryDefault) {
  test::TestInstallation installation;
  ASSERT_FALSE(installation.exists("taviro.ini"));
  with_main_dialog([](HWND) {}, IDOK);
  EXPECT_EQ(installation.read("taviro.ini"), test::kNewMainFile);
}

TEST(SettingsDialog, OpeningLoadsTheFile) {
  test::TestInstallation installation;
  installation.write("taviro.ini", kUsersFile);
  with_main_dialog(
      [](HWND) {
        const Settings& s = settings();
        EXPECT_EQ(s.screen.widthmm, 340);
        EXPECT_EQ(s.screen.hightmm, 260);
        EXPECT_EQ(s.screen.menufonthight, 18);
        EXPECT_EQ(s.screen.background, 1);
        EXPECT_EQ(s.path.drives.str(), "CUE");  // the full stop is the current drive U:
        EXPECT_EQ(s.drive_letter_count, 3);
        EXPECT_EQ(s.path.tabcalcrun.str(), "excel.exe /e");
        EXPECT_EQ(s.options.saveminutes, 99);
        EXPECT_EQ(s.graphics_font_name.str(), "TAVIRO4");
        EXPECT_FALSE(s.interpiece_zoom);
        EXPECT_EQ(s.options.language, 440);
        EXPECT_EQ(s.digitizer.lupe.str(), ">  2  1<");
        EXPECT_EQ(s.autonester_exec_length, 18);
        EXPECT_EQ(s.construction_toolbox[2].str(), "MOVE");
        EXPECT_FALSE(s.font_size_changed);
      },
      IDCANCEL);
}

TEST(SettingsDialog, OkWithoutChangesRewritesTheCatalogueAndKeepsEverythingElse) {
  test::TestInstallation installation;
  installation.write("taviro.ini", kUsersFile);
  with_main_dialog([](HWND) {}, IDOK);
  EXPECT_EQ(installation.read("taviro.ini"), kUsersFileAfterOk);
}

TEST(SettingsDialog, CancelWritesNothing) {
  test::TestInstallation installation;
  installation.write("taviro.ini", kUsersFile);
  with_main_dialog(
      [](HWND dialog) {
        HWND tabs = GetDlgItem(dialog, IDC_MAIN_TABS);
        for (int index = 0; index < 9; ++index) test::select_tab(tabs, index);
        settings().screen.widthmm = 999;
        settings().font_size_changed = true;
        settings().construction_toolbox[5].assign("KILL");
      },
      IDCANCEL);
  EXPECT_EQ(installation.read("taviro.ini"), kUsersFile);

  installation.remove("taviro.ini");
  with_main_dialog([](HWND) { settings().screen.widthmm = 999; }, IDCANCEL);
  EXPECT_FALSE(installation.exists("taviro.ini"));
}

TEST(SettingsDialog, OkWritesWhatThePagesChanged) {
  test::TestInstallation installation;
  installation.write("taviro.ini", kUsersFile);
  with_main_dialog(
      [](HWND dialog) {
        // The Expert mode page is open: its close routine stores only its own keys.
        test::select_tab(GetDlgItem(dialog, IDC_MAIN_TABS), 8);
        Settings& s = settings();
        s.screen.widthmm = 355;
        s.screen.menufonthight = 24;
        s.font_size_changed = true;
        s.graphics_font_name.assign("TAVIRO3");
        s.path.drives.assign("CDEF");
        s.drive_letter_count = 2;
        s.autonester_exec_length = 0;  // "Use Autonester" unchecked
        s.construction_toolbox[0].clear();
        s.layplanning_toolbox[24].assign("LINE");
      },
      IDOK);
  const std::string file = installation.read("taviro.ini");
  for (const char* line : {"\r\nWIDTHMM=355\r\n", "\r\nMENUFONTHIGHT=24\r\n", "\r\nTAVIROFONT=TAVIRO3.FNT\r\n",
                           "\r\nDRIVES=CD\r\n", "\r\nAUTONESTEREXEC=\r\nAUTONESTERPATH=\r\nAUTONESTERKEY=0\r\n",
                           "[TOOLBOX2]\r\nB01=\r\nB02=\r\nB03=MOVE\r\n", "\r\nB25=LINE\r\n"}) {
    EXPECT_NE(file.find(line), std::string::npos) << line;
  }
}

// The batch (one load, one atomic save) leaves exactly the bytes that the single-key writers
// leave one after another, whatever the file looked like.
TEST(SettingsDialog, BatchWriteEqualsWritingKeyByKey) {
  test::TestInstallation installation;
  const std::string starts[] = {
      "",
      kUsersFile,
      "[SCREEN]\nWIDTHMM=300\n[OPTIONS]\nLANGUAGE=7",                         // LF only, no final line break
      "\xEF\xBB\xBF[screen]\r\nwidthmm=1\r\nWIDTHMM=2\r\n[Marker]\r\nX\r\n",  // mark, duplicates, key without '='
      "\r\n\r\n; only a comment\r\n",
  };
  int number = 0;
  for (const std::string& start : starts) {
    SCOPED_TRACE("start file " + std::to_string(++number));
    installation.write("source.ini", start);
    Settings record;
    load_settings_from(record, installation.path("source.ini").c_str());
    record.font_size_changed = number % 2 == 0;
    record.options.language = 45;
    record.layplanning_toolbox[3].assign("ZO");
    installation.write("batch.ini", start);
    installation.write("single.ini", start);
    EXPECT_TRUE(write_settings_to(record, installation.path("batch.ini").c_str()));
    write_settings_key_by_key(record, installation.path("single.ini").c_str());
    EXPECT_EQ(installation.read("batch.ini"), installation.read("single.ini"));
    if (start.empty()) {
      // A missing file, not only an empty one.
      installation.remove("batch.ini");
      installation.remove("single.ini");
      EXPECT_TRUE(write_settings_to(record, installation.path("batch.ini").c_str()));
      write_settings_key_by_key(record, installation.path("single.ini").c_str());
      EXPECT_EQ(installation.read("batch.ini"), installation.read("single.ini"));
    }
  }
}

TEST(SettingsDialog, ReadOnlyFileStaysAsItWasAndOkSaysSo) {
  test::TestInstallation installation;
  installation.write("taviro.ini", kUsersFile);
  SetFileAttributesA(installation.path("taviro.ini").c_str(), FILE_ATTRIBUTE_READONLY);
  std::string told;
  ModalScript script;
  script.on("TAVIRO - Setup 1.58", [](HWND dialog) {
    settings().screen.widthmm = 999;
    PostMessageA(dialog, WM_COMMAND, IDOK, 0);
  });
  script.on("TAVIRO - Setup 1.58", [&](HWND box) {
    told = test::message_text(box);
    test::click(box, IDOK);
  });
  script.on("TAVIRO - Setup 1.58", [](HWND dialog) { SendMessageA(dialog, WM_COMMAND, IDCANCEL, 0); });
  script.run([] { run_main_dialog(nullptr); });
  SetFileAttributesA(installation.path("taviro.ini").c_str(), FILE_ATTRIBUTE_NORMAL);
  EXPECT_EQ(installation.read("taviro.ini"), kUsersFile);
  EXPECT_NE(told.find("U:\\taviro\\taviro.ini"), std::string::npos) << told;
}

}  // namespace
}  // namespace tav
