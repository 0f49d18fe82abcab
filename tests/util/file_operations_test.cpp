// Copy, delete and move of single files on real files of the test drive U:.
#include "util/file_operations.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "support/installation.h"
#include "support/locked_file.h"
#include "util/listing_support.h"
#include "util/reported_tags.h"

namespace tav {
namespace {

using test::Report;
using test::ReportedTags;
using test::TestInstallation;

int len(const std::string& s) { return static_cast<int>(s.size()); }

bool copy_by_name(const std::string& from, const std::string& to) {
  return copy_file(from.data(), len(from), to.data(), len(to));
}
bool delete_by_name(const std::string& name) { return delete_file(name.data(), len(name)); }
bool move_by_name(const std::string& from, const std::string& to) {
  return rename_file(from.data(), len(from), to.data(), len(to));
}

using test::LockedFile;

class FileOperationsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    inst.write("quelle.plt", "driver settings");
    inst.write("alt.plt", "old contents");
  }
  void TearDown() override { SetFileAttributesA(inst.path("alt.plt").c_str(), FILE_ATTRIBUTE_NORMAL); }
  TestInstallation inst;
  ReportedTags reports;
  const std::string source = "U:\\taviro\\quelle.plt";
  const std::string target = "U:\\taviro\\alt.plt";
};

TEST_F(FileOperationsTest, CopyCreatesAndOverwritesTargets) {
  EXPECT_TRUE(copy_by_name(source, "U:\\taviro\\neu.plt"));
  EXPECT_EQ(inst.read("neu.plt"), "driver settings");
  EXPECT_TRUE(copy_by_name(source, target));
  EXPECT_EQ(inst.read("alt.plt"), "driver settings");
  EXPECT_EQ(inst.read("quelle.plt"), "driver settings");
  // Names are fields: blanks after the significant length do not count.
  const std::string padded = "\\taviro\\quelle.plt      ";
  EXPECT_TRUE(copy_file(padded.data(), len(padded), "\\taviro\\b.plt", 13));
  EXPECT_EQ(inst.read("b.plt"), "driver settings");
  EXPECT_TRUE(reports.seen.empty());
}

TEST_F(FileOperationsTest, CopyOntoAReadOnlyTargetFailsAndKeepsIt) {
  ASSERT_TRUE(test::set_attributes(inst.path("alt.plt"), FILE_ATTRIBUTE_READONLY));
  EXPECT_FALSE(copy_by_name(source, target));
  EXPECT_EQ(inst.read("alt.plt"), "old contents");
  EXPECT_TRUE(reports.seen.empty());  // access denied is an expected failure
}

TEST_F(FileOperationsTest, CopyFailuresAndTheirReports) {
  EXPECT_FALSE(copy_by_name("U:\\taviro\\fehlt.plt", target));     // file not found
  EXPECT_FALSE(copy_by_name(source, "U:\\taviro\\fehlt\\x.plt"));  // path not found
  EXPECT_TRUE(reports.seen.empty());
  {
    LockedFile lock(inst.path("alt.plt"));
    EXPECT_FALSE(copy_by_name(source, target));
  }
  EXPECT_EQ(inst.read("alt.plt"), "old contents");
  EXPECT_EQ(reports.seen, (std::vector<Report>{{ErrorKind::system_error, "copy_file", ERROR_SHARING_VIOLATION}}));
}

TEST_F(FileOperationsTest, CopyWithLengthsOfZeroOrLess) {
  EXPECT_FALSE(copy_file(source.data(), 0, target.data(), len(target)));
  EXPECT_FALSE(copy_file(source.data(), len(source), target.data(), -4));
  EXPECT_EQ(inst.read("alt.plt"), "old contents");
  EXPECT_EQ(reports.seen, (std::vector<Report>{{ErrorKind::length_cut, "copy_file-length", 0},
                                               {ErrorKind::length_cut, "copy_file-length", 0}}));
}

TEST_F(FileOperationsTest, NamesLongerThanTheFieldAreRefusedNotCut) {
  inst.make_folder("lang");
  const std::string deep259 = test::path_of_length("U:\\taviro\\lang", 259, true);
  EXPECT_TRUE(copy_by_name(source, deep259));
  EXPECT_FALSE(copy_by_name(source, deep259 + "x"));  // cut, it would overwrite deep259
  EXPECT_FALSE(copy_by_name(deep259 + "x", target));
  EXPECT_FALSE(delete_by_name(deep259 + "x"));
  EXPECT_FALSE(move_by_name(deep259 + "x", "U:\\taviro\\neu.plt"));
  EXPECT_FALSE(move_by_name(source, deep259 + std::string(41, 'x')));
  EXPECT_EQ(GetFileAttributesA(deep259.c_str()) != INVALID_FILE_ATTRIBUTES, true);
  EXPECT_EQ(inst.read("alt.plt"), "old contents");
  EXPECT_EQ(inst.read("quelle.plt"), "driver settings");
  EXPECT_TRUE(delete_by_name(deep259));
}

TEST_F(FileOperationsTest, DeleteRemovesTheFileOrReportsWhyNot) {
  EXPECT_TRUE(delete_by_name(source));
  EXPECT_FALSE(inst.exists("quelle.plt"));
  EXPECT_FALSE(delete_by_name(source));  // missing
  ASSERT_TRUE(test::set_attributes(inst.path("alt.plt"), FILE_ATTRIBUTE_READONLY));
  EXPECT_FALSE(delete_by_name(target));
  EXPECT_TRUE(inst.exists("alt.plt"));
  EXPECT_FALSE(delete_file(target.data(), 0));
  EXPECT_TRUE(reports.seen.empty());
  SetFileAttributesA(inst.path("alt.plt").c_str(), FILE_ATTRIBUTE_NORMAL);
  {
    LockedFile lock(inst.path("alt.plt"));
    EXPECT_FALSE(delete_by_name(target));
  }
  EXPECT_EQ(reports.seen, (std::vector<Report>{{ErrorKind::system_error, "delete_file", ERROR_SHARING_VIOLATION}}));
  EXPECT_TRUE(inst.exists("alt.plt"));
}

TEST_F(FileOperationsTest, MoveRenamesButNeverOverwrites) {
  EXPECT_TRUE(move_by_name(source, "U:\\taviro\\neu.plt"));
  EXPECT_FALSE(inst.exists("quelle.plt"));
  EXPECT_EQ(inst.read("neu.plt"), "driver settings");
  EXPECT_TRUE(reports.seen.empty());

  EXPECT_FALSE(move_by_name("U:\\taviro\\neu.plt", target));
  EXPECT_EQ(inst.read("neu.plt"), "driver settings");
  EXPECT_EQ(inst.read("alt.plt"), "old contents");
  EXPECT_EQ(reports.seen, (std::vector<Report>{{ErrorKind::system_error, "rename_file-2", ERROR_ALREADY_EXISTS}}));

  reports.seen.clear();
  EXPECT_FALSE(move_by_name("U:\\taviro\\fehlt.plt", "U:\\taviro\\x.plt"));
  EXPECT_TRUE(reports.seen.empty());
}

TEST_F(FileOperationsTest, MoveWithLengthsOfZeroOrLess) {
  EXPECT_FALSE(rename_file(source.data(), 0, "U:\\taviro\\neu.plt", 17));
  EXPECT_FALSE(rename_file(source.data(), len(source), "U:\\taviro\\neu.plt", -1));
  EXPECT_TRUE(inst.exists("quelle.plt"));
  EXPECT_FALSE(inst.exists("neu.plt"));
  EXPECT_EQ(reports.seen, (std::vector<Report>{{ErrorKind::bad_argument, "rename_file-1", 0},
                                               {ErrorKind::bad_argument, "rename_file-1", 0}}));
}

}  // namespace
}  // namespace tav
