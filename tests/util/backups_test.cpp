// Numbered backups on real files of the test drive U:, with BAKMAX in the test
// installation's main configuration file. Every backup file's contents are checked.
#include "util/backups.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <map>
#include <string>

#include "config/utility_settings_readers.h"
#include "support/installation.h"
#include "util/core/text.h"
#include "util/file_operations.h"
#include "util/utility_settings.h"

namespace tav {
namespace {

using test::TestInstallation;

class BackupTest : public ::testing::Test {
 protected:
  void SetUp() override { set_backup_count_reader(stored_backup_count); }
  void TearDown() override { set_backup_count_reader(stored_backup_count); }

  void set_bakmax(const std::string& value) { inst.write("taviro.ini", "[OPTIONS]\r\nBAKMAX=" + value + "\r\n"); }
  bool backup(const std::string& relative, int minimum) {
    const std::string name = "\\taviro\\" + relative;
    return numbered_backup(name.data(), static_cast<int>(name.size()), minimum);
  }
  // The contents of every file of folder whose name starts with stem, by name.
  std::map<std::string, std::string> files(const std::string& stem) {
    std::map<std::string, std::string> found;
    WIN32_FIND_DATAA entry;
    HANDLE search = FindFirstFileA(inst.path(stem + "*").c_str(), &entry);
    if (search == INVALID_HANDLE_VALUE) return found;
    const std::size_t slash = stem.rfind('\\');
    const std::string folder = slash == std::string::npos ? "" : stem.substr(0, slash + 1);
    do {
      found[entry.cFileName] = inst.read(folder + entry.cFileName);
    } while (FindNextFileA(search, &entry));
    FindClose(search);
    return found;
  }
  using Files = std::map<std::string, std::string>;
  TestInstallation inst;
};

TEST_F(BackupTest, RotationKeepsBakmaxCopies) {
  set_bakmax("3");
  inst.write("dob\\taviro_s.kon", "current");
  inst.write("dob\\taviro_s.bk0", "b0");
  inst.write("dob\\taviro_s.bk1", "b1");
  inst.write("dob\\taviro_s.bk2", "b2");
  EXPECT_TRUE(backup("dob\\taviro_s.kon", 0));
  EXPECT_EQ(
      files("dob\\taviro_s"),
      (Files{
          {"taviro_s.kon", "current"}, {"taviro_s.bk0", "current"}, {"taviro_s.bk1", "b0"}, {"taviro_s.bk2", "b1"}}));
}

TEST_F(BackupTest, NoBackupWithoutBakmaxAndWithoutMinimum) {
  inst.write("taviro.ini", "[OPTIONS]\r\nSHOW_ALIAS=1\r\n");
  inst.write("dob\\taviro_s.kon", "current");
  EXPECT_TRUE(backup("dob\\taviro_s.kon", 0));
  EXPECT_EQ(files("dob\\taviro_s"), (Files{{"taviro_s.kon", "current"}}));
  set_backup_count_reader(stored_backup_count);
  set_bakmax("-2");
  EXPECT_TRUE(backup("dob\\taviro_s.kon", 0));
  EXPECT_EQ(files("dob\\taviro_s"), (Files{{"taviro_s.kon", "current"}}));
}

TEST_F(BackupTest, MinimumCountsWhenLargerThanBakmax) {
  set_bakmax("1");
  inst.write("plotter\\ROLL60A.que", "queue");
  inst.write("plotter\\ROLL60A.bk0", "q0");
  inst.write("plotter\\ROLL60A.bk1", "q1");
  inst.write("plotter\\ROLL60A.bk2", "q2");
  EXPECT_TRUE(backup("plotter\\ROLL60A.que", 3));
  EXPECT_EQ(files("plotter\\ROLL60A"),
            (Files{{"ROLL60A.que", "queue"}, {"ROLL60A.bk0", "queue"}, {"ROLL60A.bk1", "q0"}, {"ROLL60A.bk2", "q1"}}));
  // Without the minimum only the newest copy is replaced.
  inst.write("plotter\\ROLL60A.que", "queue 2");
  EXPECT_TRUE(backup("plotter\\ROLL60A.que", 0));
  EXPECT_EQ(
      files("plotter\\ROLL60A"),
      (Files{{"ROLL60A.que", "queue 2"}, {"ROLL60A.bk0", "queue 2"}, {"ROLL60A.bk1", "q0"}, {"ROLL60A.bk2", "q1"}}));
}

TEST_F(BackupTest, BakmaxIsReadOnceAndClampedToNine) {
  set_bakmax("25");
  inst.write("f\\datei.kon", "now");
  for (int i = 0; i <= 9; ++i) inst.write("f\\datei.bk" + std::to_string(i), "old" + std::to_string(i));
  EXPECT_TRUE(backup("f\\datei.kon", 0));
  // Nine copies are bk0 to bk8; bk9 is only ever made from a backup of bk8.
  Files expected{{"datei.kon", "now"}, {"datei.bk0", "now"}, {"datei.bk9", "old9"}};
  for (int i = 1; i <= 8; ++i) expected["datei.bk" + std::to_string(i)] = "old" + std::to_string(i - 1);
  EXPECT_EQ(files("f\\datei"), expected);

  set_bakmax("0");  // not read again in this run
  inst.write("f\\datei.kon", "later");
  EXPECT_TRUE(backup("f\\datei.kon", 0));
  EXPECT_EQ(inst.read("f\\datei.bk0"), "later");
  EXPECT_EQ(inst.read("f\\datei.bk1"), "now");
  EXPECT_EQ(inst.read("f\\datei.bk8"), "old6");
  EXPECT_EQ(inst.read("f\\datei.bk9"), "old9");
}

TEST_F(BackupTest, BackupFilesAreBackedUpToTheNextIndex) {
  set_bakmax("3");
  inst.write("x.bk8", "eight");
  inst.write("x.bk9", "nine");
  EXPECT_TRUE(backup("x.bk8", 0));
  EXPECT_EQ(files("x."), (Files{{"x.bk8", "eight"}, {"x.bk9", "eight"}}));
  inst.write("x.bk9", "nine");
  EXPECT_TRUE(backup("x.bk9", 0));
  EXPECT_EQ(files("x."), (Files{{"x.bk8", "eight"}, {"x.bk9", "nine"}}));
}

TEST_F(BackupTest, NamesWithoutDotAndShortNames) {
  set_bakmax("2");
  inst.write("file.longext", "long extension");
  EXPECT_TRUE(backup("file.longext", 0));
  EXPECT_EQ(files("file."), (Files{{"file.longext", "long extension"}, {"file.longext.bk0", "long extension"}}));

  // Relative names: 6 characters get no backup, 7 characters do.
  inst.write("ab.kon", "six");
  inst.write("abc.kon", "seven");
  ASSERT_TRUE(SetCurrentDirectoryA("U:\\taviro"));
  EXPECT_TRUE(numbered_backup("ab.kon", 6, 3));
  EXPECT_TRUE(numbered_backup("abc.kon", 7, 0));
  EXPECT_EQ(files("ab."), (Files{{"ab.kon", "six"}}));
  EXPECT_EQ(files("abc."), (Files{{"abc.kon", "seven"}, {"abc.bk0", "seven"}}));
}

TEST_F(BackupTest, BlankPaddedFieldAndAFailedCopyWithinTheRotation) {
  set_bakmax("2");
  Field<260> name("\\taviro\\m\\taviro_s.kon");
  inst.write("m\\taviro_s.kon", "current");
  inst.write("m\\taviro_s.bk1", "b1");  // bk0 is missing: its shift fails, the rotation goes on
  EXPECT_TRUE(numbered_backup(name.data(), name.size(), 0));
  EXPECT_EQ(files("m\\taviro_s"),
            (Files{{"taviro_s.kon", "current"}, {"taviro_s.bk0", "current"}, {"taviro_s.bk1", "b1"}}));

  // A missing file: the older copies still shift, and the last copy's failure is the status.
  inst.remove("m\\taviro_s.kon");
  EXPECT_FALSE(numbered_backup(name.data(), name.size(), 0));
  EXPECT_EQ(files("m\\taviro_s"), (Files{{"taviro_s.bk0", "current"}, {"taviro_s.bk1", "current"}}));
}

}  // namespace
}  // namespace tav
