// Relocating data folders and measurement systems on real trees: the installation on the
// test drive U: (the base drive), spare drives V: and X:, W: a CD-ROM drive without a disc.
// Removed folders go to the recycle bin, the host's trash inside the build folder.
#include "folders/folder_relocation.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "config/utility_settings_readers.h"
#include "folders/core/system_file.h"
#include "folders/folder_test_support.h"
#include "support/gui.h"
#include "support/installation.h"
#include "support/unix_command.h"
#include "pages/page_test_support.h"
#include "util/utility_settings.h"

namespace tav {
namespace {

using test::folder_exists;
using test::LockedFile;
using test::make_tree;
using test::ModalScript;
using test::Tree;
using test::tree_of;

const Tree kForms = {
    {"\\kragen01.frm", "Kragen mit Steg"}, {"\\alt", "<dir>"},  {"\\alt\\k0.frm", "alt"},     {"\\alt\\tief", "<dir>"},
    {"\\alt\\tief\\k.frm", "tief"},        {"\\leer", "<dir>"}, {"\\Lange Datei.frm", "lang"}};

const std::string kIni =
    "; Hauptkonfiguration\r\n[PATH]\r\nPATHFORM=\\TAVIRO\\FORMS\\\r\nPATHTEXT=\r\n[OPTIONS]\r\nBAKMAX=3\r\n";

std::string with_forms_path(const std::string& path) {
  std::string ini = kIni;
  ini.replace(ini.find("\\TAVIRO\\FORMS\\"), 14, path);
  return ini;
}

const RelocationOptions kCopyAndRemove{true, true, true, false};
constexpr int kShapes = 0;  // PATHFORM, the first of the data folders

class FolderRelocationTest : public ::testing::Test {
 protected:
  FolderRelocationTest() {
    set_backup_count_reader(stored_backup_count);  // BAKMAX is read again for this installation
    inst.write("taviro.ini", kIni);
  }
  // Runs the relocation with the modal script in place, so that a dialog nobody expected
  // fails the test instead of waiting for a user.
  template <typename Result>
  Result run(const std::function<Result()>& relocation) {
    Result result{};
    ModalScript script;
    script.run([&] { result = relocation(); });
    return result;
  }
  DataFolderResult forms_to(const std::string& shown, const std::string& entry, const RelocationOptions& options) {
    return run<DataFolderResult>(
        [&] { return relocate_data_folder(nullptr, shown, entry, kShapes, options, installation_folders()); });
  }
  Tree trash() const { return tree_of(test::trash_folder() + "\\files"); }

  test::TestInstallation inst;
  test::CleanDrives drives;
};

TEST_F(FolderRelocationTest, DataFolderToAnotherDriveAndBack) {
  make_tree(inst.path("forms"), kForms);
  DataFolderResult result = forms_to("\\TAVIRO\\FORMS\\", "V:", kCopyAndRemove);
  EXPECT_TRUE(result.relocated);
  EXPECT_EQ(result.path, "V:\\TAVIRO\\FORMS\\");
  EXPECT_EQ(tree_of("V:\\TAVIRO\\FORMS"), kForms);
  EXPECT_FALSE(folder_exists(inst.path("forms")));
  EXPECT_EQ(tree_of(test::trash_folder() + "\\files\\forms"), kForms) << "the old folder is in the recycle bin";
  EXPECT_EQ(inst.read("taviro.ini"), with_forms_path("V:\\TAVIRO\\FORMS\\"));

  // Back to the base drive; the shown path need not end with a backslash.
  result = forms_to("V:\\TAVIRO\\FORMS", "<Basislaufwerk>", kCopyAndRemove);
  EXPECT_TRUE(result.relocated);
  EXPECT_EQ(result.path, "\\TAVIRO\\FORMS\\");
  EXPECT_EQ(tree_of("U:\\TAVIRO\\FORMS"), kForms);
  EXPECT_FALSE(folder_exists("V:\\TAVIRO\\FORMS"));
  EXPECT_EQ(inst.read("taviro.ini"), kIni);
}

TEST_F(FolderRelocationTest, WithoutCopyingOnlyTheKeyMoves) {
  make_tree(inst.path("forms"), kForms);
  EXPECT_TRUE(forms_to("\\TAVIRO\\FORMS\\", "X:", RelocationOptions{}).relocated);
  EXPECT_EQ(inst.read("taviro.ini"), with_forms_path("X:\\TAVIRO\\FORMS\\"));
  EXPECT_FALSE(folder_exists("X:\\TAVIRO"));
  // The same folder named with its drive is no move: nothing is copied or removed.
  EXPECT_TRUE(forms_to("U:\\TAVIRO\\FORMS\\", "<Basislaufwerk>", kCopyAndRemove).relocated);
  EXPECT_EQ(inst.read("taviro.ini"), kIni);
  EXPECT_EQ(tree_of(inst.path("forms")), kForms);
  EXPECT_TRUE(trash().empty());
}

TEST_F(FolderRelocationTest, IntoAnExistingDestinationFolder) {
  make_tree(inst.path("forms"), kForms);
  make_tree("V:\\TAVIRO\\FORMS", {{"\\vorher.frm", "schon da"}, {"\\alt\\v.frm", "auch"}, {"\\kragen01.frm", "alt"}});
  EXPECT_TRUE(forms_to("\\TAVIRO\\FORMS\\", "V:", kCopyAndRemove).relocated);
  Tree merged = kForms;
  merged["\\vorher.frm"] = "schon da";
  merged["\\alt\\v.frm"] = "auch";
  EXPECT_EQ(tree_of("V:\\TAVIRO\\FORMS"), merged) << "copied into the folder, not into FORMS\\FORMS";
}

TEST_F(FolderRelocationTest, WithWarningsTheShellAsksBeforeReplacingAndRemoving) {
  const RelocationOptions asking{true, true, false, false};
  const auto arrange = [&] {
    test::remove_tree("V:\\TAVIRO");
    make_tree(inst.path("forms"), kForms);
    make_tree("V:\\TAVIRO\\FORMS", {{"\\kragen01.frm", "wird ersetzt"}, {"\\alt", "<dir>"}});
  };
  const auto relocate = [&] {
    return relocate_data_folder(nullptr, "\\TAVIRO\\FORMS\\", "V:", kShapes, asking, installation_folders());
  };
  // The shell asks about the file and about the folder that exist (Wine with the same box).
  // Replacing refused: the copy is not complete, so nothing moves.
  arrange();
  DataFolderResult result;
  ModalScript refuse;
  refuse.on("Confirm file overwrite", [](HWND box) { test::click(box, IDNO); })
      .on("Confirm file overwrite", [](HWND box) { test::click(box, IDNO); });
  refuse.run([&] { result = relocate(); });
  EXPECT_FALSE(result.relocated);
  EXPECT_EQ(tree_of("V:\\TAVIRO\\FORMS")["\\kragen01.frm"], "wird ersetzt");
  EXPECT_EQ(tree_of(inst.path("forms")), kForms);
  EXPECT_EQ(inst.read("taviro.ini"), kIni);
  // Replacing and removing agreed to.
  arrange();
  ModalScript agree;
  agree.on("Confirm file overwrite", [](HWND box) { test::click(box, IDYES); })
      .on("Confirm file overwrite", [](HWND box) { test::click(box, IDYES); })
      .on("Confirm folder deletion", [](HWND box) { test::click(box, IDYES); });
  agree.run([&] { result = relocate(); });
  EXPECT_TRUE(result.relocated);
  EXPECT_EQ(tree_of("V:\\TAVIRO\\FORMS"), kForms);
  EXPECT_FALSE(folder_exists(inst.path("forms")));
}

TEST_F(FolderRelocationTest, AFailedCopyKeepsEverything) {
  struct Fault {
    const char* what;
    std::function<void()> arrange;
    std::string shown = "\\TAVIRO\\FORMS\\";
  };
  const auto read_only = [](const char* file, const char* contents) {
    make_tree("V:\\TAVIRO\\FORMS", {{std::string("\\") + file, contents}});
    SetFileAttributesA((std::string("V:\\TAVIRO\\FORMS\\") + file).c_str(), FILE_ATTRIBUTE_READONLY);
  };
  std::unique_ptr<LockedFile> lock;
  const std::vector<Fault> faults = {
      {"a read-only file of another size in the destination", [&] { read_only("kragen01.frm", "alt"); }},
      {"a read-only file of the same size in the destination", [&] { read_only("alt\\tief\\k.frm", "TIEF"); }},
      {"a file that cannot be read", [&] { lock = std::make_unique<LockedFile>(inst.path("forms\\alt\\k0.frm")); }},
      {"a folder where a file goes", [] { test::make_folders("V:\\TAVIRO\\FORMS\\alt\\tief\\k.frm"); }},
      {"a file where the folder goes",
       [] {
         make_tree("V:\\TAVIRO", {{"\\FORMS", "Datei"}});
       }},
      {"the main configuration file is read-only",
       [&] { SetFileAttributesA(inst.path("taviro.ini").c_str(), FILE_ATTRIBUTE_READONLY); }},
      {"the old folder on a drive without a disc", [] {}, "W:\\TAVIRO\\FORMS\\"},
  };
  for (const Fault& fault : faults) {
    SCOPED_TRACE(fault.what);
    test::remove_tree("V:\\TAVIRO");
    make_tree(inst.path("forms"), kForms);
    fault.arrange();
    if (lock) {
      ASSERT_TRUE(lock->locked());
    }
    const DataFolderResult result = forms_to(fault.shown, "V:", kCopyAndRemove);
    lock.reset();
    SetFileAttributesA(inst.path("taviro.ini").c_str(), FILE_ATTRIBUTE_NORMAL);
    EXPECT_FALSE(result.relocated);
    EXPECT_EQ(result.path, fault.shown);
    EXPECT_EQ(tree_of(inst.path("forms")), kForms);
    EXPECT_EQ(inst.read("taviro.ini"), kIni);
    EXPECT_TRUE(trash().empty());
  }
}

// A folder that holds more than the data folder's own data: the installation itself, a
// measurement-system file, or a folder another key names.
TEST_F(FolderRelocationTest, FoldersThatHoldMoreThanTheirDataAreNeverRemoved) {
  struct Case {
    const char* shown;
    const char* old_folder;  // below U:\taviro
    FolderFate fate;
  };
  const Case cases[] = {
      {"\\TAVIRO\\", "", FolderFate::holds_installation},
      {"\\TAVIRO\\DOB\\", "dob", FolderFate::kept_system_file},
      {"\\TAVIRO\\GEMEINSAM\\", "gemeinsam", FolderFate::kept_shared},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.shown);
    test::remove_tree("V:\\TAVIRO");
    inst.write("taviro.ini", "[PATH]\r\nPATHFORM=" + std::string(c.shown) + "\r\nPATHPROG=\\TAVIRO\\GEMEINSAM\\\r\n");
    inst.write("dob\\taviro_s.kon", "Damen\r\ndob\r\n");
    make_tree(inst.path("gemeinsam"), kForms);
    const Tree before = tree_of(inst.path(c.old_folder));
    const DataFolderResult result = forms_to(c.shown, "V:", kCopyAndRemove);
    EXPECT_EQ(result.report.fate, c.fate);
    EXPECT_EQ(tree_of(inst.path(c.old_folder)), before) << "nothing of the old folder is removed";
    const bool relocated = c.fate != FolderFate::holds_installation;
    EXPECT_EQ(result.relocated, relocated);
    EXPECT_EQ(test::main_value("PATH", "PATHFORM"), relocated ? "V:\\TAVIRO\\FORMS\\" : c.shown);
    if (relocated) {
      EXPECT_EQ(tree_of("V:\\TAVIRO\\FORMS"), tree_of(inst.path(c.old_folder)));
    } else {
      EXPECT_FALSE(folder_exists("V:\\TAVIRO")) << "nothing is copied";
    }
  }
  EXPECT_TRUE(trash().empty());
}

// Copies that only looked complete: names the target would take for one, a file that was
// there before with the old one's size and time whose replacement the user refused, a path
// too long for the code page's functions, and a removal without copying when the new place
// lacks the data.
TEST_F(FolderRelocationTest, AFolderIsRemovedOnlyWhenItsDataAreWholeAtTheNewPlace) {
  const std::string long_folder = "\\TAVIRO\\" + std::string(251, 'p') + "\\";  // 260 characters
  const std::wstring long_wide = L"\\\\?\\U:" + std::wstring(long_folder.begin(), long_folder.end());
  struct Case {
    const char* what;
    std::function<void()> arrange;
    std::string shown;
    RelocationOptions options;
    FolderFate fate;
    CopyOutcome outcome;
    bool refuse_replacing = false;  // the shell asks before it replaces a file: No
  };
  const auto same_time_as_old = [&] {
    make_tree("V:\\TAVIRO\\FORMS", {{"\\kragen01.frm", "KRAGEN MIT STEG"}});
    FILETIME written{};
    HANDLE old_file = CreateFileA(inst.path("forms\\kragen01.frm").c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                  OPEN_EXISTING, 0, nullptr);
    GetFileTime(old_file, nullptr, nullptr, &written);
    CloseHandle(old_file);
    HANDLE new_file =
        CreateFileA("V:\\TAVIRO\\FORMS\\kragen01.frm", FILE_WRITE_ATTRIBUTES, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    SetFileTime(new_file, nullptr, nullptr, &written);
    CloseHandle(new_file);
  };
  const Case cases[] = {
      {"names that differ only in case",
       [&] {
         test::run_unix("/bin/cp " + test::unix_name(inst.path("forms\\kragen01.frm")) + " " +
                        test::unix_name(inst.path("forms")) + "/KRAGEN01.FRM");
         // The Unix copy runs on after start.exe returns: wait for its whole content, not just its name.
         ASSERT_TRUE(test::eventually([&] {
           const Tree forms = tree_of(inst.path("forms"));
           return forms.count("\\KRAGEN01.FRM") == 1 && forms.at("\\KRAGEN01.FRM") == forms.at("\\kragen01.frm");
         }));
       },
       "\\TAVIRO\\FORMS\\", kCopyAndRemove, FolderFate::not_copied, CopyOutcome::case_twins},
      {"a path of 260 characters",
       [&] {
         CreateDirectoryW(long_wide.c_str(), nullptr);
         HANDLE file = CreateFileW((long_wide + L"k.frm").c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr);
         DWORD written = 0;
         WriteFile(file, "lang", 4, &written, nullptr);
         CloseHandle(file);
       },
       long_folder, RelocationOptions{true, false, true, false}, FolderFate::moved, CopyOutcome::copied},
      {"removing without copying", [] {}, "\\TAVIRO\\FORMS\\", RelocationOptions{false, true, true, false},
       FolderFate::kept_incomplete, CopyOutcome::incomplete},
      {"a file left in place with the same size and time", same_time_as_old, "\\TAVIRO\\FORMS\\",
       RelocationOptions{true, true, false, false}, FolderFate::not_copied, CopyOutcome::differs, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    test::remove_tree("V:\\TAVIRO");
    test::remove_tree(inst.path("forms"));
    inst.write("taviro.ini", kIni);
    make_tree(inst.path("forms"), kForms);
    c.arrange();
    const Tree before = tree_of(inst.path("forms"));
    DataFolderResult result;
    ModalScript script;
    if (c.refuse_replacing) script.on("Confirm file overwrite", [](HWND box) { test::click(box, IDNO); });
    script.run(
        [&] { result = relocate_data_folder(nullptr, c.shown, "V:", kShapes, c.options, installation_folders()); });
    EXPECT_EQ(result.report.fate, c.fate);
    EXPECT_EQ(result.report.copy.outcome, c.outcome) << result.report.copy.item << " " << result.report.copy.error;
    EXPECT_EQ(tree_of(inst.path("forms")), before);
    if (c.fate == FolderFate::moved) {
      EXPECT_EQ(tree_of("V:\\TAVIRO\\FORMS"), (Tree{{"\\k.frm", "lang"}})) << "the data arrived";
    }
    if (c.fate == FolderFate::not_copied) {
      EXPECT_EQ(inst.read("taviro.ini"), kIni) << "the key stays";
    }
  }
  test::remove_tree("U:" + long_folder);
}

// ---- Measurement systems ----------------------------------------------------------------

const std::vector<std::string> kSystemFile = {"Damen Oberbekleidung",
                                              "dob      DOB Gr\xF6\xDF"
                                              "en 34-54",
                                              "V1100 Stand 12.05.2023",
                                              "-  Standardordner",
                                              "\\taviro\\dob\\mas\\",
                                              "\\taviro\\dob\\prog\\",
                                              "\\taviro\\dob\\st\\",
                                              "\\taviro\\dob\\interfac\\",
                                              "\\taviro\\dob\\xwert\\",
                                              "\\taviro\\dob\\mask\\",
                                              "\\taviro\\dob\\swert\\",
                                              "GROESSEN 34 36 38",
                                              "ENDE"};

std::string file_of(const std::vector<std::string>& lines) {
  std::string bytes;
  for (const std::string& line : lines) bytes += line + "\r\n";
  return bytes;
}

// The seven data folders, each with a file, and one with a folder inside.
Tree system_data() {
  Tree tree;
  for (std::string_view name : kSystemFolderNames) {
    const std::string folder = "\\" + std::string(name);
    tree[folder] = "<dir>";
    tree[folder + "\\" + std::string(name) + ".dat"] = std::string(name) + " Daten";
  }
  tree["\\mas\\alt"] = "<dir>";
  tree["\\mas\\alt\\m0.mas"] =
      "alte Ma\xDF"
      "e";
  return tree;
}

// The part of a system tree below one of its data folders.
Tree folder_part(const Tree& tree, const std::string& folder) {
  Tree part;
  for (const auto& [path, contents] : tree) {
    if (path == "\\" + folder || path.rfind("\\" + folder + "\\", 0) == 0) part[path] = contents;
  }
  return part;
}

// The system file with its folders on a drive (or the base drive), all but the folder left.
std::vector<std::string> lines_on(const std::string& drive, const std::string& left = "") {
  std::vector<std::string> lines = kSystemFile;
  lines[3][0] = drive.empty() && left.empty() ? '-' : '#';
  for (std::size_t i = 0; i < kSystemFolderNames.size(); ++i) {
    const std::string name(kSystemFolderNames[i]);
    if (name != left) lines[4 + i] = drive + "\\taviro\\dob\\" + name + "\\";
  }
  return lines;
}

class SystemRelocationTest : public FolderRelocationTest {
 protected:
  SystemRelocationTest() {
    inst.write("dob\\taviro_s.kon", file_of(kSystemFile));
    make_tree(inst.path("dob"), system_data());
  }
  int relocate(const std::string& entry, const RelocationOptions& options) {
    return run<int>(
        [&] { return relocate_measurement_system(nullptr, "DOB", entry, options, installation_folders()).status; });
  }
};

TEST_F(SystemRelocationTest, ToADriveAndBack) {
  const Tree data = system_data();
  EXPECT_EQ(relocate("X:", kCopyAndRemove), kSystemDone);
  const std::vector<std::string> on_x = lines_on("X:");
  EXPECT_EQ(split_lines(inst.read("dob\\taviro_s.kon")), on_x);
  EXPECT_EQ(tree_of("X:\\taviro\\dob"), data);
  EXPECT_EQ(tree_of(inst.path("dob")),
            (Tree{{"\\taviro_s.bk0", file_of(kSystemFile)}, {"\\taviro_s.kon", file_of(on_x)}}))
      << "the old folders are removed after the backup, and no work file is left";

  // Back, keeping the export folder where it is: its line names the base drive's folder all
  // the same, but it is neither copied nor removed.
  RelocationOptions keep = kCopyAndRemove;
  keep.keep_export = true;
  EXPECT_EQ(relocate("<Basislaufwerk>", keep), kSystemDone);
  Tree on_base = data;
  for (const auto& [path, contents] : folder_part(data, "interfac")) on_base.erase(path);
  on_base["\\taviro_s.kon"] = file_of(lines_on(""));
  on_base["\\taviro_s.bk0"] = file_of(on_x);
  on_base["\\taviro_s.bk1"] = file_of(kSystemFile);
  EXPECT_EQ(tree_of(inst.path("dob")), on_base);
  EXPECT_EQ(tree_of("X:\\taviro\\dob"), folder_part(data, "interfac"));
}

TEST_F(SystemRelocationTest, FilesThatAreRefusedOrCannotBeReplacedMoveNothing) {
  struct Case {
    const char* what;
    std::vector<std::string> lines;
    int status;
    DWORD attributes = FILE_ATTRIBUTE_NORMAL;
    bool held_open = false;
  };
  const Case cases[] = {
      {"two lines", {"Damen Oberbekleidung", "dob"}, kSystemTooShort},
      {"another code", {"Herren", "herren   Herren", "x", "-"}, kSystemWrongCode},
      {"a read-only file", kSystemFile, kSystemFileLocked, FILE_ATTRIBUTE_READONLY},
      {"a file held open by another program", kSystemFile, kSystemFileLocked, FILE_ATTRIBUTE_NORMAL, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    inst.write("dob\\taviro_s.kon", file_of(c.lines));
    SetFileAttributesA(inst.path("dob\\taviro_s.kon").c_str(), c.attributes);
    std::unique_ptr<LockedFile> lock;
    if (c.held_open) lock = std::make_unique<LockedFile>(inst.path("dob\\taviro_s.kon"), LockedFile::reading);
    EXPECT_EQ(relocate("X:", kCopyAndRemove), c.status);
    lock.reset();
    SetFileAttributesA(inst.path("dob\\taviro_s.kon").c_str(), FILE_ATTRIBUTE_NORMAL);
    Tree expected = system_data();
    expected["\\taviro_s.kon"] = file_of(c.lines);
    EXPECT_EQ(tree_of(inst.path("dob")), expected);
    EXPECT_FALSE(folder_exists("X:\\taviro"));
  }
}

TEST_F(SystemRelocationTest, AFolderWhoseCopyFailsStaysWhereItWas) {
  const Tree data = system_data();
  {
    LockedFile lock(inst.path("dob\\st\\st.dat"));
    ASSERT_TRUE(lock.locked());
    EXPECT_EQ(relocate("X:", kCopyAndRemove), kSystemCopyFailed);
  }
  const std::vector<std::string> expected = lines_on("X:", "st");
  EXPECT_EQ(split_lines(inst.read("dob\\taviro_s.kon")), expected);
  // Only the folder that did not arrive is still on the base drive, whole.
  Tree left = folder_part(data, "st");
  left["\\taviro_s.kon"] = file_of(expected);
  left["\\taviro_s.bk0"] = file_of(kSystemFile);
  EXPECT_EQ(tree_of(inst.path("dob")), left);
  Tree on_x = data;
  on_x.erase("\\st\\st.dat");
  EXPECT_EQ(tree_of("X:\\taviro\\dob"), on_x);
}

// A system's folder that holds the system's own file, and a folder that another system
// names too: both are copied and re-pointed, neither is removed.
TEST_F(SystemRelocationTest, FoldersThatHoldMoreThanTheSystemsDataAreKept) {
  std::vector<std::string> lines = lines_on("");
  lines[3][0] = '#';
  lines[4] = "\\taviro\\dob\\";  // mas: the system's own folder, with its file
  inst.write("dob\\taviro_s.kon", file_of(lines));
  // HERREN keeps its swert data in DOB's swert folder.
  std::vector<std::string> herren = lines_on("X:");
  herren[0] = "Herren";
  herren[1] = "herren";
  herren[10] = "\\taviro\\dob\\swert\\";
  inst.write("herren\\taviro_s.kon", file_of(herren));
  const Tree before = tree_of(inst.path("dob"));

  SystemRelocationResult result;
  run<int>([&] {
    result = relocate_measurement_system(nullptr, "DOB", "V:", kCopyAndRemove, installation_folders());
    return 0;
  });
  EXPECT_EQ(result.folders[0].fate, FolderFate::kept_system_file);
  EXPECT_EQ(result.folders[6].fate, FolderFate::kept_shared);
  EXPECT_EQ(result.folders[6].guard.user.system_code, "HERREN");
  EXPECT_EQ(result.folders[1].fate, FolderFate::moved);
  EXPECT_EQ(split_lines(inst.read("dob\\taviro_s.kon")), lines_on("V:"));
  EXPECT_EQ(tree_of("V:\\taviro\\dob\\mas"), before) << "the whole folder was copied";
  const Tree left = tree_of(inst.path("dob"));
  EXPECT_EQ(left.count("\\prog"), 0u) << "a folder nothing else uses is removed";
  EXPECT_EQ(folder_part(left, "swert"), folder_part(before, "swert"));
  EXPECT_EQ(left.at("\\taviro_s.kon"), file_of(lines_on("V:")));
}

}  // namespace
}  // namespace tav
