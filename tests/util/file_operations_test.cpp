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

std::int16_t copy_file(const std::string& from, const std::string& to) {
  return FTNFCO(from.data(), len(from), to.data(), len(to));
}
std::int16_t delete_file(const std::string& name) { return FTNFDE(name.data(), len(name)); }
std::int16_t move_file(const std::string& from, const std::string& to) {
  return ftnfre(from.data(), len(from), to.data(), len(to));
}

using test::LockedFile;

class FileOperationsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    inst.write("quelle.plt", "driver settings");
    inst.write("alt.plt", "old contents");
  }
  void TearDown() override {
    SetFileAttributesA(inst.path("alt.plt").c_str(), FILE_ATTRIBUTE_NORMAL);
  }
  TestInstallation inst;
  ReportedTags reports;
  const std::string source = "U:\\taviro\\quelle.plt";
  const std::string target = "U:\\taviro\\alt.plt";
};

TEST_F(FileOperationsTest, CopyCreatesAndOverwritesTargets) {
  EXPECT_EQ(copy_file(source, "U:\\taviro\\neu.plt"), kFileDone);
  EXPECT_EQ(inst.read("neu.plt"), "driver settings");
  EXPECT_EQ(copy_file(source, target), kFileDone);
  EXPECT_EQ(inst.read("alt.plt"), "driver settings");
  EXPECT_EQ(inst.read("quelle.plt"), "driver settings");
  // Names are fields: blanks after the significant length do not count.
  const std::string padded = "\\taviro\\quelle.plt      ";
  EXPECT_EQ(FTNFCO(padded.data(), len(padded), "\\taviro\\b.plt", 13), kFileDone);
  EXPECT_EQ(inst.read("b.plt"), "driver settings");
  EXPECT_TRUE(reports.seen.empty());
}

TEST_F(FileOperationsTest, CopyOntoAReadOnlyTargetFailsAndKeepsIt) {
  ASSERT_TRUE(test::set_attributes(inst.path("alt.plt"), FILE_ATTRIBUTE_READONLY));
  EXPECT_EQ(copy_file(source, target), kFileFailed);
  EXPECT_EQ(inst.read("alt.plt"), "old contents");
  EXPECT_TRUE(reports.seen.empty());  // access denied is an expected failure
}

TEST_F(FileOperationsTest, CopyFailuresAndTheirReports) {
  EXPECT_EQ(copy_file("U:\\taviro\\fehlt.plt", target), kFileFailed);  // file not found
  EXPECT_EQ(copy_file(source, "U:\\taviro\\fehlt\\x.plt"), kFileFailed);  // path not found
  EXPECT_TRUE(reports.seen.empty());
  {
    LockedFile lock(inst.path("alt.plt"));
    EXPECT_EQ(copy_file(source, target), kFileFailed);
  }
  EXPECT_EQ(inst.read("alt.plt"), "old contents");
  EXPECT_EQ(reports.seen, (std::vector<Report>{{1, "FTNFCO", ERROR_SHARING_VIOLATION}}));
}

TEST_F(FileOperationsTest, CopyWithLengthsOfZeroOrLess) {
  EXPECT_EQ(FTNFCO(source.data(), 0, target.data(), len(target)), kFileFailed);
  EXPECT_EQ(FTNFCO(source.data(), len(source), target.data(), -4), kFileFailed);
  EXPECT_EQ(inst.read("alt.plt"), "old contents");
  EXPECT_EQ(reports.seen, (std::vector<Report>{{2, "ftnfco", 0}, {2, "ftnfco", 0}}));
}

TEST_F(FileOperationsTest, NamesLongerThanTheFieldAreRefusedNotCut) {
  inst.make_folder("lang");
  const std::string deep259 = test::path_of_length("U:\\taviro\\lang", 259, true);
  EXPECT_EQ(copy_file(source, deep259), kFileDone);
  EXPECT_EQ(copy_file(source, deep259 + "x"), kFileFailed);  // cut, it would overwrite deep259
  EXPECT_EQ(copy_file(deep259 + "x", target), kFileFailed);
  EXPECT_EQ(delete_file(deep259 + "x"), kFileFailed);
  EXPECT_EQ(move_file(deep259 + "x", "U:\\taviro\\neu.plt"), kFileFailed);
  EXPECT_EQ(move_file(source, deep259 + std::string(41, 'x')), kFileFailed);
  EXPECT_EQ(GetFileAttributesA(deep259.c_str()) != INVALID_FILE_ATTRIBUTES, true);
  EXPECT_EQ(inst.read("alt.plt"), "old contents");
  EXPECT_EQ(inst.read("quelle.plt"), "driver settings");
  EXPECT_EQ(delete_file(deep259), kFileDone);
}

TEST_F(FileOperationsTest, DeleteRemovesTheFileOrReportsWhyNot) {
  EXPECT_EQ(delete_file(source), kFileDone);
  EXPECT_FALSE(inst.exists("quelle.plt"));
  EXPECT_EQ(delete_file(source), kFileFailed);  // missing
  ASSERT_TRUE(test::set_attributes(inst.path("alt.plt"), FILE_ATTRIBUTE_READONLY));
  EXPECT_EQ(delete_file(target), kFileFailed);
  EXPECT_TRUE(inst.exists("alt.plt"));
  EXPECT_EQ(FTNFDE(target.data(), 0), kFileFailed);
  EXPECT_TRUE(reports.seen.empty());
  SetFileAttributesA(inst.path("alt.plt").c_str(), FILE_ATTRIBUTE_NORMAL);
  {
    LockedFile lock(inst.path("alt.plt"));
    EXPECT_EQ(delete_file(target), kFileFailed);
  }
  EXPECT_EQ(reports.seen, (std::vector<Report>{{1, "FTNFDE", ERROR_SHARING_VIOLATION}}));
  EXPECT_TRUE(inst.exists("alt.plt"));
}

TEST_F(FileOperationsTest, MoveRenamesButNeverOverwrites) {
  EXPECT_EQ(move_file(source, "U:\\taviro\\neu.plt"), kFileDone);
  EXPECT_FALSE(inst.exists("quelle.plt"));
  EXPECT_EQ(inst.read("neu.plt"), "driver settings");
  EXPECT_TRUE(reports.seen.empty());

  EXPECT_EQ(move_file("U:\\taviro\\neu.plt", target), kFileFailed);
  EXPECT_EQ(inst.read("neu.plt"), "driver settings");
  EXPECT_EQ(inst.read("alt.plt"), "old contents");
  EXPECT_EQ(reports.seen, (std::vector<Report>{{1, "ftnfre-2", ERROR_ALREADY_EXISTS}}));

  reports.seen.clear();
  EXPECT_EQ(move_file("U:\\taviro\\fehlt.plt", "U:\\taviro\\x.plt"), kFileFailed);
  EXPECT_TRUE(reports.seen.empty());
}

TEST_F(FileOperationsTest, MoveWithLengthsOfZeroOrLess) {
  EXPECT_EQ(ftnfre(source.data(), 0, "U:\\taviro\\neu.plt", 17), kFileBadLength);
  EXPECT_EQ(ftnfre(source.data(), len(source), "U:\\taviro\\neu.plt", -1), kFileBadLength);
  EXPECT_TRUE(inst.exists("quelle.plt"));
  EXPECT_FALSE(inst.exists("neu.plt"));
  EXPECT_EQ(reports.seen, (std::vector<Report>{{4, "ftnfre-1", 0}, {4, "ftnfre-1", 0}}));
}

}  // namespace
}  // namespace tav
