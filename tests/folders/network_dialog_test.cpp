// The network configuration dialog through its real controls, on an installation on the
// test drive U: with two measurement systems, and the spare drives V: and X: as targets.
// A run really moves the folders; removed ones go to the recycle bin.
#include "folders/network_dialog.h"

#include <windows.h>
#include <commctrl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "config/utility_settings_readers.h"
#include "controls/list_view.h"
#include "folders/copy_space_query.h"
#include "folders/folder_test_support.h"
#include "pages/page_test_support.h"
#include "resources/ids.h"
#include "support/captured_log.h"
#include "support/gui.h"
#include "support/installation.h"
#include "util/utility_settings.h"

namespace tav {
namespace {

using test::combo_items;
using test::folder_exists;
using test::make_tree;
using test::ModalScript;
using test::Tree;
using test::tree_of;
using Entries = std::vector<std::string>;

constexpr const char* kTitle = "TAVIRO - Setup - Network configuration";

const Tree kForms = {{"\\kragen01.frm", "Kragen"}, {"\\alt", "<dir>"}, {"\\alt\\k0.frm", "alt"}};

std::string system_file(const std::string& name, const std::string& code, const std::string& flag,
                        const std::string& base) {
  std::string text = name + "\r\n" + code + "\r\nV1100\r\n" + flag + "  Datenordner\r\n";
  for (const char* folder : {"mas", "prog", "st", "interfac", "xwert", "mask", "swert"}) {
    text += base + folder + "\\\r\n";
  }
  return text + "ENDE\r\n";
}

// Two systems (DOB on the base drive, HERREN on X:), a folder without a system file, a
// system file with one line, and the help folder, which is never a system.
void lay_out(const test::TestInstallation& inst) {
  inst.write("taviro.ini",
             "[PATH]\r\nPATHFORM=\r\nPATHPROG=\\taviro\\prog\\\r\nPATHTEXT=X:\\TAVIRO\\TEXTE\\\r\n"
             "PATHSYMB=\\TAVIRO\\SYMBOLE\\\r\n[OPTIONS]\r\nBAKMAX=2\r\n");
  inst.write("dob\\taviro_s.kon", system_file("Damen",
                                              "dob      DOB Gr\xF6\xDF"
                                              "en",
                                              "-", "\\taviro\\dob\\"));
  inst.write("dob\\mas\\m.mas",
             "Ma\xDF"
             "e");
  inst.write("herren\\taviro_s.kon", system_file("Herren Konfektion", "herren", "#", "X:\\taviro\\herren\\"));
  inst.write("hilfen\\taviro_s.kon", system_file("Hilfe", "hilfen", "-", "\\taviro\\hilfen\\"));
  inst.write("kurz\\taviro_s.kon", "Nur eine Zeile\r\n");
  inst.make_folder("leer");
  make_tree(inst.path("forms"), kForms);
  set_backup_count_reader(stored_backup_count);
}

// The rows of the systems list, sorted: code, name and drive of each.
std::vector<Entries> rows_of(HWND dialog) {
  HWND list = GetDlgItem(dialog, IDC_NETWORK_SYSTEMS);
  std::vector<Entries> rows;
  for (int row = 0; row < listview::row_count(list); ++row) {
    rows.push_back(
        {listview::cell_text(list, row, 0), listview::cell_text(list, row, 1), listview::cell_text(list, row, 2)});
  }
  std::sort(rows.begin(), rows.end());
  return rows;
}

int row_of(HWND dialog, const std::string& code) {
  HWND list = GetDlgItem(dialog, IDC_NETWORK_SYSTEMS);
  for (int row = 0; row < listview::row_count(list); ++row) {
    if (listview::cell_text(list, row, 0) == code) return row;
  }
  return -1;
}

void choose_drive(HWND dialog, int id, const std::string& entry) {
  const Entries items = combo_items(dialog, id);
  const auto found = std::find(items.begin(), items.end(), entry);
  ASSERT_NE(found, items.end()) << entry;
  test::choose_combo_item(dialog, id, static_cast<int>(found - items.begin()));
}

// Checks "Verlegen" of a folder (or of the systems) and picks the drive it goes to.
void move_to(HWND dialog, int move, int drive, const std::string& entry) {
  test::click(dialog, move);
  choose_drive(dialog, drive, entry);
}

std::string column_title(HWND dialog, int column) {
  char title[64] = {};
  LVCOLUMNA item{LVCF_TEXT};
  item.pszText = title;
  item.cchTextMax = sizeof title;
  SendDlgItemMessageA(dialog, IDC_NETWORK_SYSTEMS, LVM_GETCOLUMNA, column, reinterpret_cast<LPARAM>(&item));
  return title;
}

bool offers(HWND dialog, int id, const std::string& entry) {
  const Entries items = combo_items(dialog, id);
  return std::find(items.begin(), items.end(), entry) != items.end();
}

// Watches the progress window of this thread: every position of its bar, and every text of
// its folder and file count, in order.
class ProgressWatch {
 public:
  ProgressWatch() : hook_(SetWindowsHookExA(WH_CALLWNDPROC, watch, nullptr, GetCurrentThreadId())) {
    positions_ = &positions;
    texts_ = &texts;
  }
  ~ProgressWatch() {
    UnhookWindowsHookEx(hook_);
    positions_ = nullptr;
  }
  std::vector<int> positions;
  std::vector<std::string> texts;

 private:
  static LRESULT CALLBACK watch(int code, WPARAM wparam, LPARAM lparam) {
    const CWPSTRUCT* message = reinterpret_cast<const CWPSTRUCT*>(lparam);
    if (code == HC_ACTION && positions_ && message->message == PBM_SETPOS) {
      positions_->push_back(static_cast<int>(message->wParam));
    }
    const int id = GetDlgCtrlID(message->hwnd);
    if (code == HC_ACTION && positions_ && message->message == WM_SETTEXT &&
        (id == IDT_PROGRESS_FOLDER || id == IDT_PROGRESS_FILES)) {
      texts_->push_back(reinterpret_cast<const char*>(message->lParam));
    }
    return CallNextHookEx(nullptr, code, wparam, lparam);
  }
  static inline std::vector<int>* positions_ = nullptr;
  static inline std::vector<std::string>* texts_ = nullptr;
  HHOOK hook_;
};

class NetworkDialogTest : public ::testing::Test {
 protected:
  NetworkDialogTest() { lay_out(inst); }
  void open(ModalScript& script) {
    script.run([] { open_network_dialog(nullptr); });
  }
  test::TestInstallation inst;
  test::CleanDrives drives;
};

TEST_F(NetworkDialogTest, ShowsTheSystemsFoldersAndDrives) {
  ModalScript script;
  script.on(kTitle, [](HWND dialog) {
    EXPECT_EQ(rows_of(dialog), (std::vector<Entries>{{"DOB",
                                                      "DOB Gr\xF6\xDF"
                                                      "en",
                                                      "-"},
                                                     {"HERREN", "Herren Konfektion", "X:"}}));
    EXPECT_EQ((Entries{column_title(dialog, 0), column_title(dialog, 1), column_title(dialog, 2)}),
              (Entries{"Code", "Measurement system", "Drive"}));

    EXPECT_EQ(test::item_text(dialog, IDE_NETWORK_FORMS_PATH), "\\TAVIRO\\FORMS\\");
    EXPECT_EQ(test::item_text(dialog, IDE_NETWORK_PROG_PATH), "\\TAVIRO\\PROG\\");
    EXPECT_EQ(test::item_text(dialog, IDE_NETWORK_TEXT_PATH), "X:\\TAVIRO\\TEXTE\\");
    EXPECT_EQ(test::item_text(dialog, IDE_NETWORK_PLOT_PATH), "\\TAVIRO\\PLOTTER\\");
    EXPECT_EQ(test::item_text(dialog, IDE_NETWORK_SYMB_PATH), "\\TAVIRO\\SYMBOLE\\");
    // A folder on the base drive is offered the other fixed drives; one on X: the base
    // drive first, and not X:. No CD-ROM drive, never the base drive itself.
    for (int id : {IDC_NETWORK_FORMS_DRIVE, IDC_NETWORK_TEXT_DRIVE, IDC_NETWORK_SYSTEMS_DRIVE}) {
      EXPECT_FALSE(offers(dialog, id, "U:")) << id;
      EXPECT_FALSE(offers(dialog, id, "W:")) << id;
      EXPECT_TRUE(offers(dialog, id, "V:")) << id;
      EXPECT_EQ(test::combo_selection(dialog, id), -1) << id;
    }
    EXPECT_FALSE(offers(dialog, IDC_NETWORK_FORMS_DRIVE, "<Base drive>"));
    EXPECT_TRUE(offers(dialog, IDC_NETWORK_FORMS_DRIVE, "X:"));
    EXPECT_EQ(combo_items(dialog, IDC_NETWORK_TEXT_DRIVE).front(), "<Base drive>");
    EXPECT_FALSE(offers(dialog, IDC_NETWORK_TEXT_DRIVE, "X:"));
    EXPECT_EQ(combo_items(dialog, IDC_NETWORK_SYSTEMS_DRIVE).front(), "<Base drive>");
    EXPECT_TRUE(offers(dialog, IDC_NETWORK_SYSTEMS_DRIVE, "X:"));

    // The enabling rules at work on the real controls (their cases: the core's tests).
    for (int id : {IDB_NETWORK_RUN, IDX_NETWORK_COPY, IDX_NETWORK_NO_WARNING, IDC_NETWORK_FORMS_DRIVE}) {
      EXPECT_FALSE(test::is_enabled(dialog, id)) << id;
    }
    test::click(dialog, IDX_NETWORK_FORMS_MOVE);
    EXPECT_TRUE(test::is_enabled(dialog, IDC_NETWORK_FORMS_DRIVE));
    EXPECT_TRUE(test::is_enabled(dialog, IDX_NETWORK_COPY));
    EXPECT_FALSE(test::is_enabled(dialog, IDB_NETWORK_RUN));
    choose_drive(dialog, IDC_NETWORK_FORMS_DRIVE, "V:");
    EXPECT_TRUE(test::is_enabled(dialog, IDB_NETWORK_RUN));
    move_to(dialog, IDX_NETWORK_SYSTEMS_MOVE, IDC_NETWORK_SYSTEMS_DRIVE, "X:");
    EXPECT_FALSE(test::is_enabled(dialog, IDB_NETWORK_RUN)) << "no row selected";
    test::click(dialog, IDB_NETWORK_ALL);
    EXPECT_TRUE(test::is_enabled(dialog, IDB_NETWORK_RUN));
    test::click(dialog, IDB_NETWORK_NONE);
    EXPECT_FALSE(test::is_enabled(dialog, IDB_NETWORK_RUN));
    ListView_SetItemState(GetDlgItem(dialog, IDC_NETWORK_SYSTEMS), 0, LVIS_SELECTED, LVIS_SELECTED);
    EXPECT_TRUE(test::is_enabled(dialog, IDB_NETWORK_RUN));
    test::click(dialog, IDX_NETWORK_REMOVE);
    EXPECT_TRUE(test::is_enabled(dialog, IDX_NETWORK_NO_WARNING));
    test::click(dialog, IDCANCEL);
  });
  open(script);
}

TEST_F(NetworkDialogTest, ARunMovesSystemsAndFoldersAndShowsTheirNewPlaces) {
  ProgressWatch progress;
  ModalScript script;
  script.on(kTitle, [](HWND dialog) {
    move_to(dialog, IDX_NETWORK_FORMS_MOVE, IDC_NETWORK_FORMS_DRIVE, "V:");
    move_to(dialog, IDX_NETWORK_SYSTEMS_MOVE, IDC_NETWORK_SYSTEMS_DRIVE, "X:");
    ListView_SetItemState(GetDlgItem(dialog, IDC_NETWORK_SYSTEMS), row_of(dialog, "DOB"), LVIS_SELECTED, LVIS_SELECTED);
    test::click(dialog, IDX_NETWORK_COPY);
    test::click(dialog, IDX_NETWORK_REMOVE);
    test::click(dialog, IDX_NETWORK_NO_WARNING);
    test::post_click(dialog, IDB_NETWORK_RUN);
  });
  script.on(kTitle, [](HWND box) {
    // The question: its text is that of the hidden label for copying and removing, and what
    // the run copies (the system's file and the two of the shapes folder).
    EXPECT_EQ(test::message_text(box),
              "Do you really want to copy, overwrite and remove the old files and folders without being asked?"
              "\n\n3 files, 1 KB in all, will be copied.");
    test::click(box, IDYES);
  });
  script.on(kTitle, [](HWND dialog) {
    EXPECT_EQ(test::item_text(dialog, IDE_NETWORK_FORMS_PATH), "V:\\TAVIRO\\FORMS\\");
    EXPECT_FALSE(test::is_checked(dialog, IDX_NETWORK_FORMS_MOVE));
    EXPECT_FALSE(test::is_checked(dialog, IDX_NETWORK_SYSTEMS_MOVE));
    EXPECT_EQ(combo_items(dialog, IDC_NETWORK_FORMS_DRIVE).front(), "<Base drive>");
    EXPECT_FALSE(offers(dialog, IDC_NETWORK_FORMS_DRIVE, "V:"));
    EXPECT_EQ(rows_of(dialog)[0], (Entries{"DOB",
                                           "DOB Gr\xF6\xDF"
                                           "en",
                                           "X:"}));
    EXPECT_TRUE(test::is_enabled(dialog, IDX_NETWORK_FORMS_MOVE));
    EXPECT_FALSE(test::is_enabled(dialog, IDB_NETWORK_RUN));
    test::click(dialog, IDCANCEL);
  });
  open(script);

  EXPECT_EQ(test::main_value("PATH", "PATHFORM"), "V:\\TAVIRO\\FORMS\\");
  EXPECT_EQ(tree_of("V:\\TAVIRO\\FORMS"), kForms);
  EXPECT_FALSE(folder_exists(inst.path("forms")));
  EXPECT_EQ(tree_of("X:\\taviro\\dob\\mas"), (Tree{{"\\m.mas",
                                                    "Ma\xDF"
                                                    "e"}}));
  EXPECT_FALSE(folder_exists(inst.path("dob\\mas")));
  EXPECT_NE(inst.read("dob\\taviro_s.kon").find("X:\\taviro\\dob\\swert\\"), std::string::npos);
  EXPECT_TRUE(inst.exists("dob\\taviro_s.bk0"));
  // The bar moved through the systems and the folders, never backwards, to its end.
  ASSERT_FALSE(progress.positions.empty());
  EXPECT_TRUE(std::is_sorted(progress.positions.begin(), progress.positions.end()));
  for (int mark : {250, 500, 900, 930, 950, 1000}) {
    EXPECT_NE(std::find(progress.positions.begin(), progress.positions.end(), mark), progress.positions.end()) << mark;
  }
  // It named each folder as it was copied and counted its files to the last.
  for (const char* text : {"U:\\taviro\\dob\\mas", "1 of 1 files", "U:\\TAVIRO\\FORMS", "2 of 2 files"}) {
    EXPECT_NE(std::find(progress.texts.begin(), progress.texts.end(), text), progress.texts.end()) << text;
  }
}

TEST_F(NetworkDialogTest, NoAnswerRunsNothingAndAFailedFolderKeepsItsPlace) {
  ProgressWatch progress;
  ModalScript script;
  script.on(kTitle, [](HWND dialog) {
    move_to(dialog, IDX_NETWORK_FORMS_MOVE, IDC_NETWORK_FORMS_DRIVE, "V:");
    test::click(dialog, IDX_NETWORK_COPY);
    test::click(dialog, IDX_NETWORK_NO_WARNING);
    test::post_click(dialog, IDB_NETWORK_RUN);
  });
  script.on(kTitle, [](HWND box) { test::click(box, IDNO); });
  // A file held open by another program: the copy fails, the folder keeps its place and its
  // "Verlegen", and the run ends by saying so.
  std::unique_ptr<test::LockedFile> lock;
  script.on(kTitle, [&](HWND dialog) {
    EXPECT_TRUE(test::is_checked(dialog, IDX_NETWORK_FORMS_MOVE));
    EXPECT_FALSE(folder_exists("V:\\TAVIRO"));
    lock = std::make_unique<test::LockedFile>(inst.path("forms\\alt\\k0.frm"));
    ASSERT_TRUE(lock->locked());
    test::click(dialog, IDX_NETWORK_NO_WARNING);
    test::post_click(dialog, IDB_NETWORK_RUN);
  });
  script.on(kTitle, [](HWND box) {
    EXPECT_EQ(test::message_text(box),
              "Not everything was relocated as asked:\n\nShapes stays at U:\\TAVIRO\\FORMS\\: the copy to "
              "V:\\TAVIRO\\FORMS\\ is not complete. U:\\TAVIRO\\FORMS\\alt\\k0.frm did not arrive whole.");
    test::click(box, IDOK);
  });
  script.on(kTitle, [&](HWND dialog) {
    lock.reset();
    EXPECT_EQ(test::item_text(dialog, IDE_NETWORK_FORMS_PATH), "\\TAVIRO\\FORMS\\");
    EXPECT_TRUE(test::is_checked(dialog, IDX_NETWORK_FORMS_MOVE));
    // A run of the texts folder alone, re-pointing it only, shows no progress.
    progress.positions.clear();
    test::click(dialog, IDX_NETWORK_FORMS_MOVE);
    test::click(dialog, IDX_NETWORK_COPY);
    move_to(dialog, IDX_NETWORK_TEXT_MOVE, IDC_NETWORK_TEXT_DRIVE, "<Base drive>");
    test::click(dialog, IDB_NETWORK_RUN);
    EXPECT_EQ(test::item_text(dialog, IDE_NETWORK_TEXT_PATH), "\\TAVIRO\\TEXTE\\");
    EXPECT_TRUE(progress.positions.empty());
    test::click(dialog, IDCANCEL);
  });
  open(script);
  EXPECT_EQ(tree_of(inst.path("forms")), kForms);
  EXPECT_EQ(test::main_value("PATH", "PATHFORM"), "");
  EXPECT_EQ(test::main_value("PATH", "PATHTEXT"), "\\TAVIRO\\TEXTE\\");
}

// A system whose copy fails halfway: the run ends by saying which folder stayed and why (also
// in the log), and the list shows the system on both drives.
TEST_F(NetworkDialogTest, APartlyMovedSystemIsToldAndListedOnBothDrives) {
  test::CapturedLog log;
  test::LockedFile lock(inst.path("dob\\mas\\m.mas"));
  ASSERT_TRUE(lock.locked());
  std::string told;
  ModalScript script;
  script.on(kTitle, [](HWND dialog) {
    move_to(dialog, IDX_NETWORK_SYSTEMS_MOVE, IDC_NETWORK_SYSTEMS_DRIVE, "X:");
    ListView_SetItemState(GetDlgItem(dialog, IDC_NETWORK_SYSTEMS), row_of(dialog, "DOB"), LVIS_SELECTED, LVIS_SELECTED);
    test::click(dialog, IDX_NETWORK_COPY);
    test::click(dialog, IDX_NETWORK_REMOVE);
    test::post_click(dialog, IDB_NETWORK_RUN);
  });
  script.on(kTitle, [&](HWND box) {
    told = test::message_text(box);
    test::click(box, IDOK);
  });
  script.on(kTitle, [](HWND dialog) {
    EXPECT_EQ(rows_of(dialog)[0], (Entries{"DOB",
                                           "DOB Gr\xF6\xDF"
                                           "en",
                                           "-, X:"}));
    test::click(dialog, IDCANCEL);
  });
  open(script);
  const std::string paragraph =
      "Measurement system DOB, folder mas stays at U:\\taviro\\dob\\mas\\: the copy to X:\\taviro\\dob\\mas\\ is not "
      "complete. U:\\taviro\\dob\\mas\\m.mas did not arrive whole.";
  EXPECT_EQ(told, "Not everything was relocated as asked:\n\n" + paragraph);
  EXPECT_TRUE(log.holds_one_line_with("\trelocate\tU:\\taviro\\dob\\mas\\\t" + paragraph));
  EXPECT_TRUE(folder_exists(inst.path("dob\\mas")));
  EXPECT_FALSE(folder_exists(inst.path("dob\\prog")));
}

// A run that does not fit on its drive with 5 % to spare is refused before the first copy,
// told and logged.
TEST_F(NetworkDialogTest, ARunThatDoesNotFitIsRefusedBeforeTheFirstCopy) {
  inst.write("forms\\gross.frm", std::string(20 * 1024, 'x'));
  test::CapturedLog log;
  set_free_space_query([](const std::string& root, std::uint64_t& free) {
    free = root == "V:\\" ? 10 * 1024 : std::uint64_t{1} << 30;
    return true;
  });
  std::string refusal;
  ModalScript script;
  script.on(kTitle, [](HWND dialog) {
    move_to(dialog, IDX_NETWORK_FORMS_MOVE, IDC_NETWORK_FORMS_DRIVE, "V:");
    test::click(dialog, IDX_NETWORK_COPY);
    test::post_click(dialog, IDB_NETWORK_RUN);
  });
  script.on(kTitle, [&](HWND box) {
    refusal = test::message_text(box);
    test::click(box, IDOK);
  });
  script.on(kTitle, [](HWND dialog) { test::click(dialog, IDCANCEL); });
  open(script);
  set_free_space_query(nullptr);

  // 20,489 bytes and 5 % are 21,514 bytes.
  const std::string drive = "Drive V:\\ needs 22 KB (with 5 % to spare) but has 10 KB free: 12 KB are missing.";
  EXPECT_EQ(refusal, "There is not enough free space for the copy. Nothing was copied.\n\n" + drive);
  EXPECT_FALSE(folder_exists("V:\\TAVIRO"));
  EXPECT_EQ(test::main_value("PATH", "PATHFORM"), "");
  EXPECT_TRUE(log.holds_one_line_with("\trelocate\tV:\\\t" + drive));
}

// The German dialog: its texts, the base-drive entry and a question from its hidden labels.
class NetworkDialog_de : public NetworkDialogTest {};

TEST_F(NetworkDialog_de, TextsComeFromTheGermanTemplate) {
  const std::string title = "TAVIRO - Setup - Konfiguration im Netzwerk";
  ModalScript script;
  script.on(title, [](HWND dialog) {
    EXPECT_EQ(column_title(dialog, 1), "Ma\xDFsystem");
    EXPECT_EQ(combo_items(dialog, IDC_NETWORK_SYSTEMS_DRIVE).front(), "<Basislaufwerk>");
    EXPECT_EQ(test::plain_text(test::item_text(dialog, IDX_NETWORK_NO_WARNING)),
              "ohne Warnung \xFC"
              "berschreiben oder l\xF6schen");
    move_to(dialog, IDX_NETWORK_TEXT_MOVE, IDC_NETWORK_TEXT_DRIVE, "<Basislaufwerk>");
    test::click(dialog, IDX_NETWORK_REMOVE);
    test::click(dialog, IDX_NETWORK_NO_WARNING);
    test::post_click(dialog, IDB_NETWORK_RUN);
  });
  script.on(title, [](HWND box) {
    EXPECT_EQ(test::message_text(box),
              "Soll das Entfernen der alten Dateien und Ordner wirklich ohne R\xFC"
              "ckfrage erfolgen?");
    test::click(box, IDNO);
  });
  script.on(title, [](HWND dialog) {
    EXPECT_EQ(test::item_text(dialog, IDE_NETWORK_TEXT_PATH), "X:\\TAVIRO\\TEXTE\\");
    test::click(dialog, IDCANCEL);
  });
  open(script);
}

}  // namespace
}  // namespace tav
