// The Drives page through its real controls, on the drives of the test prefix: U: the
// installation drive, V: and X: fixed drives, W: a CD-ROM drive without a disc, and the
// prefix's own C:, T: and Z:. Q: is no drive at all. What OK writes is read back from the
// main configuration file.
#include <windows.h>
#include <cderr.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "controls/open_file_dialog.h"
#include "pages/page_test_support.h"
#include "resources/ids.h"
#include "shell/main_dialog.h"
#include "support/gui.h"
#include "support/installation.h"

namespace tav {
namespace {

using test::list_items;
using test::main_value;
using test::with_page;
using Entries = std::vector<std::string>;

void write_path(const test::TestInstallation& inst, const std::string& keys) {
  inst.write("taviro.ini", "[PATH]\r\n" + keys + "[OPTIONS]\r\nBAKMAX=1\r\n");
}

// The entries of the other-drives list that the test drives add to the prefix's own.
Entries test_drives(const Entries& entries) {
  Entries found;
  for (const std::string& e : entries) {
    if (e == " U:" || e == " V:" || e == " W:" || e == " X:" || e == " Q:") found.push_back(e);
  }
  return found;
}

int index_of(const Entries& entries, const std::string& entry) {
  for (std::size_t i = 0; i < entries.size(); ++i) {
    if (entries[i] == entry) return static_cast<int>(i);
  }
  return -1;
}

TEST(DrivesPage, ListsAndMovesAndWhatOkWrites) {
  test::TestInstallation inst;
  // W: is a CD-ROM drive and leaves the letters; Q: is not present and stays, unlisted.
  write_path(inst, "STARTUPDRIVE=2\r\nDRIVES=UWQX\r\nTABCALCRUN=C:\\kalk.exe\r\nTEXTPROCRUN=\r\n");
  with_page(
      test::kDrivesTab,
      [](HWND page, HWND) {
        EXPECT_EQ(list_items(page, IDC_DRIVES_INSTALLATION), (Entries{" U:", " X:"}));
        EXPECT_EQ(test::combo_items(page, IDC_DRIVES_STARTUP), (Entries{" U:", " X:"}));
        EXPECT_EQ(test::combo_selection(page, IDC_DRIVES_STARTUP), 1);
        const Entries others = list_items(page, IDC_DRIVES_OTHER);
        EXPECT_EQ(test_drives(others), (Entries{" V:"})) << "no CD-ROM, no installation drive";
        EXPECT_NE(index_of(others, " C:"), -1);
        EXPECT_EQ(test::item_text(page, IDE_DRIVES_SPREADSHEET), "C:\\kalk.exe");

        // V: in, then U: out: the start-up drive stays X:.
        test::choose_list_item(page, IDC_DRIVES_OTHER, index_of(others, " V:"));
        test::click(page, IDB_DRIVES_ADD);
        EXPECT_EQ(list_items(page, IDC_DRIVES_INSTALLATION), (Entries{" U:", " V:", " X:"}));
        EXPECT_EQ(index_of(list_items(page, IDC_DRIVES_OTHER), " V:"), -1);
        test::choose_list_item(page, IDC_DRIVES_INSTALLATION, 0);
        test::click(page, IDB_DRIVES_REMOVE);
        EXPECT_EQ(list_items(page, IDC_DRIVES_INSTALLATION), (Entries{" V:", " X:"}));
        EXPECT_EQ(test::combo_items(page, IDC_DRIVES_STARTUP), (Entries{" V:", " X:"}));
        EXPECT_EQ(test::combo_selection(page, IDC_DRIVES_STARTUP), 1);
        EXPECT_NE(index_of(list_items(page, IDC_DRIVES_OTHER), " U:"), -1);
        // Without a selection the moves do nothing.
        test::choose_list_item(page, IDC_DRIVES_OTHER, -1);
        test::click(page, IDB_DRIVES_ADD);
        EXPECT_EQ(list_items(page, IDC_DRIVES_INSTALLATION), (Entries{" V:", " X:"}));
        test::set_item_text(page, IDE_DRIVES_WORD_PROCESSOR, "notepad.exe");
      },
      IDOK);
  EXPECT_EQ(main_value("PATH", "DRIVES"), "QVX");
  EXPECT_EQ(main_value("PATH", "STARTUPDRIVE"), "2");
  EXPECT_EQ(main_value("PATH", "TEXTPROCRUN"), "notepad.exe");
  EXPECT_EQ(main_value("PATH", "TABCALCRUN"), "C:\\kalk.exe");
}

TEST(DrivesPage, StartupDriveChosenWhenNoneIs) {
  test::TestInstallation inst;
  write_path(inst, "STARTUPDRIVE=5\r\nDRIVES=U\r\n");
  with_page(
      test::kDrivesTab,
      [](HWND page, HWND) {
        EXPECT_EQ(test::combo_selection(page, IDC_DRIVES_STARTUP), -1) << "position 5 does not exist";
        // The only installation drive out: nothing left.
        test::choose_list_item(page, IDC_DRIVES_INSTALLATION, 0);
        test::click(page, IDB_DRIVES_REMOVE);
        EXPECT_TRUE(list_items(page, IDC_DRIVES_INSTALLATION).empty());
        EXPECT_TRUE(test::combo_items(page, IDC_DRIVES_STARTUP).empty());
        // A fixed drive in: it becomes the start-up drive.
        test::choose_list_item(page, IDC_DRIVES_OTHER, index_of(list_items(page, IDC_DRIVES_OTHER), " X:"));
        test::click(page, IDB_DRIVES_ADD);
        EXPECT_EQ(test::combo_items(page, IDC_DRIVES_STARTUP), (Entries{" X:"}));
        EXPECT_EQ(test::combo_selection(page, IDC_DRIVES_STARTUP), 0);
      },
      IDOK);
  EXPECT_EQ(main_value("PATH", "DRIVES"), "X");
  EXPECT_EQ(main_value("PATH", "STARTUPDRIVE"), "1");

  write_path(inst, "STARTUPDRIVE=5\r\nDRIVES=U\r\n");
  with_page(
      test::kDrivesTab, [](HWND, HWND) {}, IDOK);
  EXPECT_EQ(main_value("PATH", "STARTUPDRIVE"), "0");
}

// Y: comes while the dialog is open, announced by the system or while the user works in
// another program: the page opened again sees it, although the drives are kept from the
// opening before. A drive the system defines this way has no root, so it leaves the letters.
TEST(DrivesPage, ADriveThatComesBetweenTwoOpeningsIsSeen) {
  struct DefinedDrive {
    DefinedDrive() { EXPECT_TRUE(DefineDosDeviceA(DDD_RAW_TARGET_PATH, "Y:", "\\??\\C:")); }
    ~DefinedDrive() { DefineDosDeviceA(DDD_REMOVE_DEFINITION, "Y:", nullptr); }
  };
  for (UINT announcement : {WM_DEVICECHANGE, WM_ACTIVATEAPP}) {
    test::TestInstallation inst;
    write_path(inst, "STARTUPDRIVE=1\r\nDRIVES=UY\r\n");
    with_page(
        test::kDrivesTab,
        [&](HWND, HWND dialog) {
          test::select_tab(GetDlgItem(dialog, IDC_MAIN_TABS), 0);
          DefinedDrive defined;
          SendMessageA(dialog, announcement, TRUE, 0);
          test::select_tab(GetDlgItem(dialog, IDC_MAIN_TABS), test::kDrivesTab);
        },
        IDOK);
    EXPECT_EQ(main_value("PATH", "DRIVES"), "U") << announcement;
  }
}

// What the stand-in open dialog was shown, call by call.
struct Shown {
  std::string name, title, filter;
  DWORD filter_index, flags, buffer;
};
std::vector<Shown> g_shown;

// Refuses a preset that is not a valid name, as Windows does; picks a program when the name
// is empty.
BOOL WINAPI refusing_open(OPENFILENAMEA* request) {
  std::string filter;
  for (const char* p = request->lpstrFilter; *p; p += lstrlenA(p) + 1) filter += std::string(p) + "|";
  g_shown.push_back(
      {request->lpstrFile, request->lpstrTitle, filter, request->nFilterIndex, request->Flags, request->nMaxFile});
  if (request->lpstrFile[0] != '\0') return FALSE;
  lstrcpyA(request->lpstrFile, "C:\\Programme\\Schreiben\\schreib.exe");
  return TRUE;
}
DWORD WINAPI invalid_name() { return FNERR_INVALIDFILENAME; }

TEST(DrivesPage, BrowseRetriesAnInvalidStoredCommandWithAnEmptyName) {
  test::TestInstallation inst;
  write_path(inst, "DRIVES=U\r\nTABCALCRUN=C:\\kalk.exe /s\r\nTEXTPROCRUN=schreib.exe -neu\r\n");
  controls::ScopedOpenDialog stand_in({refusing_open, invalid_name});
  g_shown.clear();
  with_page(
      test::kDrivesTab,
      [](HWND page, HWND) {
        // The dialog starts from the stored command, not from what was typed since.
        test::set_item_text(page, IDE_DRIVES_WORD_PROCESSOR, "getippt.exe");
        test::click(page, IDB_DRIVES_BROWSE_WORD_PROCESSOR);
        EXPECT_EQ(test::item_text(page, IDE_DRIVES_WORD_PROCESSOR), "C:\\Programme\\Schreiben\\schreib.exe");
        EXPECT_EQ(test::item_text(page, IDE_DRIVES_SPREADSHEET), "C:\\kalk.exe /s");
      },
      IDOK);
  ASSERT_EQ(g_shown.size(), 2u);
  EXPECT_EQ(g_shown[0].name, "schreib.exe -neu");
  EXPECT_EQ(g_shown[1].name, "");
  EXPECT_EQ(g_shown[0].title, "TAVIRO - Textverarbeitung");
  EXPECT_EQ(g_shown[0].filter, "Programmdateien (*.exe)|*.exe|Alle Dateien (*.*)|*.*|");
  EXPECT_EQ(g_shown[0].filter_index, 1u);
  EXPECT_EQ(g_shown[0].buffer, 261u);
  const DWORD wanted = OFN_HIDEREADONLY | OFN_NOCHANGEDIR | OFN_FILEMUSTEXIST | OFN_LONGNAMES;
  EXPECT_EQ(g_shown[0].flags & wanted, wanted);
  EXPECT_EQ(main_value("PATH", "TEXTPROCRUN"), "C:\\Programme\\Schreiben\\schreib.exe");
}

TEST(DrivesPage, BrowseWithTheSystemsDialogAndCancel) {
  test::TestInstallation inst;
  inst.add_program_files();
  write_path(inst, "DRIVES=U\r\nTABCALCRUN=\r\n");
  test::ModalScript script;
  script.on("TAVIRO - Setup 1.58", [](HWND dialog) {
    test::select_tab(GetDlgItem(dialog, IDC_MAIN_TABS), test::kDrivesTab);
    test::post_click(test::current_page(), IDB_DRIVES_BROWSE_SPREADSHEET);
  });
  script.on("TAVIRO - Tabellenkalkulation", [](HWND open) {
    HWND name = GetDlgItem(open, 0x480);  // the file name edit
    if (!name) name = GetDlgItem(open, 0x47c);
    ASSERT_NE(name, nullptr);
    SetWindowTextA(name, "U:\\taviro\\taviro.exe");
    PostMessageA(open, WM_COMMAND, IDOK, 0);
  });
  script.on("TAVIRO - Setup 1.58", [](HWND dialog) {
    EXPECT_EQ(
        lstrcmpiA(test::item_text(test::current_page(), IDE_DRIVES_SPREADSHEET).c_str(), "U:\\taviro\\taviro.exe"), 0);
    test::post_click(test::current_page(), IDB_DRIVES_BROWSE_SPREADSHEET);
  });
  script.on("TAVIRO - Tabellenkalkulation", [](HWND open) { PostMessageA(open, WM_COMMAND, IDCANCEL, 0); });
  script.on("TAVIRO - Setup 1.58", [](HWND dialog) {
    EXPECT_EQ(
        lstrcmpiA(test::item_text(test::current_page(), IDE_DRIVES_SPREADSHEET).c_str(), "U:\\taviro\\taviro.exe"), 0);
    SendMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
  });
  script.run([] { run_main_dialog(nullptr); });
  EXPECT_EQ(main_value("PATH", "TABCALCRUN"), "") << "Cancel writes nothing";
}

}  // namespace
}  // namespace tav
