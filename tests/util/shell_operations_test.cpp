// Folder trees copied and deleted through the shell, on real trees of the test drive U:.
// Deleting moves the items into the host's trash under $XDG_DATA_HOME, which the test
// environment keeps inside the build folder.
#include "util/file_operations.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>

#include "folders/folder_test_support.h"
#include "support/gui.h"
#include "support/installation.h"
#include "util/reported_tags.h"

namespace tav {
namespace {

using test::ModalScript;
using test::Report;
using test::ReportedTags;
using test::TestInstallation;

using test::Tree;
using test::tree_of;

// A tree of three levels with a file on every level and a folder name with a blank.
void make_tree(const TestInstallation& inst, const std::string& folder) {
  inst.write(folder + "\\taviro_s.kon", "system");
  inst.write(folder + "\\mas\\m1.mas", "measures");
  inst.write(folder + "\\mas\\alt dat\\m0.mas", "older");
  inst.write(folder + "\\mas\\alt dat\\tief\\x.dat", "deep");
  inst.make_folder(folder + "\\leer");
}
const Tree kTree{{"\\taviro_s.kon", "system"},
                 {"\\mas", "<dir>"},
                 {"\\mas\\m1.mas", "measures"},
                 {"\\mas\\alt dat", "<dir>"},
                 {"\\mas\\alt dat\\m0.mas", "older"},
                 {"\\mas\\alt dat\\tief", "<dir>"},
                 {"\\mas\\alt dat\\tief\\x.dat", "deep"},
                 {"\\leer", "<dir>"}};

// A path list: terminated paths and an extra terminator.
std::string list_of(std::initializer_list<std::string> paths) {
  std::string list;
  for (const std::string& p : paths) list += p + '\0';
  return list + '\0';
}

bool copy(const std::string& from, const std::string& to, bool multi, bool quiet) {
  return shell_copy_trees(nullptr, from.data(), static_cast<int>(from.size()), to.data(), static_cast<int>(to.size()),
                          multi, quiet);
}
bool remove(const std::string& list, bool quiet) {
  return shell_recycle(nullptr, list.data(), static_cast<int>(list.size()), quiet);
}

bool running_under_wine() { return GetProcAddress(GetModuleHandleA("ntdll.dll"), "wine_get_version") != nullptr; }

// The trash of the host as a Windows path (drive Z: is the host's root), or empty.
std::string trash_files_folder() {
  char unix_path[MAX_PATH] = {};
  if (!GetEnvironmentVariableA("XDG_DATA_HOME", unix_path, sizeof unix_path)) return "";
  std::string path = std::string("Z:") + unix_path + "/Trash/files";
  std::replace(path.begin(), path.end(), '/', '\\');
  return path;
}

// A folder name no earlier run has put into the trash.
std::string unique_name(const std::string& stem) {
  return stem + "_" + std::to_string(GetCurrentProcessId()) + "_" + std::to_string(GetTickCount());
}

class ShellOperationsTest : public ::testing::Test {
 protected:
  // Runs a shell operation with the modal script in place, so that a dialog nobody
  // expected fails the test instead of waiting for a user.
  bool run(ModalScript& script, const std::function<bool()>& operation) {
    bool result = false;
    script.run([&] { result = operation(); });
    return result;
  }
  TestInstallation inst;
  ReportedTags reports;
};

TEST_F(ShellOperationsTest, CopyTreeIntoANewFolderWithAndWithoutConfirmation) {
  make_tree(inst, "dob");
  ModalScript quiet;
  EXPECT_TRUE(run(quiet, [] { return copy(list_of({"U:\\taviro\\dob"}), list_of({"U:\\taviro\\neu"}), true, true); }));
  EXPECT_EQ(tree_of("U:\\taviro\\neu"), kTree);
  // Into a new folder the shell has nothing to ask even when it may.
  ModalScript asking;
  EXPECT_TRUE(
      run(asking, [] { return copy(list_of({"U:\\taviro\\dob"}), list_of({"U:\\taviro\\zwei"}), true, false); }));
  EXPECT_EQ(tree_of("U:\\taviro\\zwei"), kTree);
  EXPECT_EQ(tree_of("U:\\taviro\\dob"), kTree);
  EXPECT_TRUE(reports.seen.empty());
}

TEST_F(ShellOperationsTest, CopyIntoAnExistingFolder) {
  make_tree(inst, "dob");
  inst.write("ziel\\vorher.txt", "kept");
  ModalScript script;
  EXPECT_TRUE(
      run(script, [] { return copy(list_of({"U:\\taviro\\dob"}), list_of({"U:\\taviro\\ziel"}), true, true); }));
  Tree expected = running_under_wine() ? Tree{} : kTree;  // Wine nests the source inside the folder
  if (running_under_wine()) {
    expected["\\dob"] = "<dir>";
    for (const auto& [path, contents] : kTree) expected["\\dob" + path] = contents;
  }
  expected["\\vorher.txt"] = "kept";
  EXPECT_EQ(tree_of("U:\\taviro\\ziel"), expected);

  // The source's contents copied into the existing folder give the same result everywhere.
  inst.write("inhalt\\vorher.txt", "kept");
  EXPECT_TRUE(
      run(script, [] { return copy(list_of({"U:\\taviro\\dob\\*"}), list_of({"U:\\taviro\\inhalt"}), false, true); }));
  Tree merged = kTree;
  merged["\\vorher.txt"] = "kept";
  EXPECT_EQ(tree_of("U:\\taviro\\inhalt"), merged);
}

TEST_F(ShellOperationsTest, CopyOfAMissingSourceFails) {
  ModalScript script;
  EXPECT_FALSE(
      run(script, [] { return copy(list_of({"U:\\taviro\\fehlt"}), list_of({"U:\\taviro\\neu"}), true, true); }));
  EXPECT_FALSE(inst.exists("neu"));
}

TEST_F(ShellOperationsTest, ListsWithoutDoubleTerminatorAreRefused) {
  make_tree(inst, "dob");
  const std::string good = list_of({"U:\\taviro\\dob"});
  const std::string target = list_of({"U:\\taviro\\neu"});
  // One terminator only within the buffer: the shell would read beyond it.
  const std::string single = "U:\\taviro\\dob";
  const std::string open_target = std::string("U:\\taviro\\neu") + '\0';
  EXPECT_FALSE(shell_copy_trees(nullptr, single.data(), static_cast<int>(single.size()), target.data(),
                                static_cast<int>(target.size()), true, true));
  EXPECT_FALSE(shell_copy_trees(nullptr, good.data(), static_cast<int>(good.size()), open_target.data(),
                                static_cast<int>(open_target.size()), true, true));
  EXPECT_FALSE(shell_copy_trees(nullptr, good.data(), 0, target.data(), static_cast<int>(target.size()), true, true));
  EXPECT_FALSE(shell_recycle(nullptr, open_target.data(), static_cast<int>(open_target.size()), true));
  EXPECT_FALSE(shell_recycle(nullptr, nullptr, 10, true));
  EXPECT_FALSE(inst.exists("neu"));
  EXPECT_EQ(tree_of("U:\\taviro\\dob"), kTree);
  EXPECT_EQ(reports.seen, (std::vector<Report>{{ErrorKind::bad_argument, "shell_copy_trees-1", 0},
                                               {ErrorKind::bad_argument, "shell_copy_trees-1", 0},
                                               {ErrorKind::bad_argument, "shell_copy_trees-1", 0},
                                               {ErrorKind::bad_argument, "shell_recycle-1", 0},
                                               {ErrorKind::bad_argument, "shell_recycle-1", 0}}));
}

TEST_F(ShellOperationsTest, DeleteMovesTheTreeToTheRecycleBin) {
  const std::string trash = trash_files_folder();
  ASSERT_FALSE(trash.empty()) << "XDG_DATA_HOME is not set";
  const std::string name = unique_name("weg");
  make_tree(inst, name);
  ModalScript script;
  EXPECT_TRUE(run(script, [&] { return remove(list_of({"U:\\taviro\\" + name}), true); }));
  EXPECT_FALSE(inst.exists(name));
  EXPECT_EQ(tree_of(trash + "\\" + name), kTree) << "the tree is not in the trash " << trash;
  test::remove_tree(trash + "\\" + name);
  DeleteFileA((trash + "\\..\\info\\" + name + ".trashinfo").c_str());
}

TEST_F(ShellOperationsTest, DeleteWithConfirmation) {
  const std::string name = unique_name("frage");
  make_tree(inst, name);
  const std::string list = list_of({"U:\\taviro\\" + name});

  ModalScript no;
  no.on("Confirm folder deletion", [](HWND box) { test::click(box, IDNO); });
  EXPECT_FALSE(run(no, [&] { return remove(list, false); }));
  EXPECT_EQ(tree_of("U:\\taviro\\" + name), kTree);

  ModalScript yes;
  yes.on("Confirm folder deletion", [](HWND box) { test::click(box, IDYES); });
  EXPECT_TRUE(run(yes, [&] { return remove(list, false); }));
  EXPECT_FALSE(inst.exists(name));
  const std::string trash = trash_files_folder();
  EXPECT_EQ(tree_of(trash + "\\" + name), kTree);
  test::remove_tree(trash + "\\" + name);
  DeleteFileA((trash + "\\..\\info\\" + name + ".trashinfo").c_str());
}

TEST_F(ShellOperationsTest, DeleteOfAMissingFolderFails) {
  ModalScript script;
  EXPECT_FALSE(run(script, [] { return remove(list_of({"U:\\taviro\\fehlt"}), true); }));
}

}  // namespace
}  // namespace tav
