#include "util/core/backup_rules.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tav {
namespace {

// The copies as "from>to" lines, easy to compare as a whole.
std::vector<std::string> plan(const std::string& name, int count) {
  std::vector<std::string> lines;
  for (const BackupCopy& c : backup_copies(name, count)) lines.push_back(c.from + ">" + c.to);
  return lines;
}
using Lines = std::vector<std::string>;

TEST(BackupCount, ClampedToZeroToNine) {
  EXPECT_EQ(clamp_backup_count(-5), 0);
  EXPECT_EQ(clamp_backup_count(0), 0);
  EXPECT_EQ(clamp_backup_count(1), 1);
  EXPECT_EQ(clamp_backup_count(8), 8);
  EXPECT_EQ(clamp_backup_count(9), 9);
  EXPECT_EQ(clamp_backup_count(250), 9);
}

TEST(BackupPlan, OrdinaryFileShiftsOlderCopiesThenCopiesItself) {
  EXPECT_EQ(plan("\\taviro\\dob\\taviro_s.kon", 3), (Lines{"\\taviro\\dob\\taviro_s.bk1>\\taviro\\dob\\taviro_s.bk2",
                                                           "\\taviro\\dob\\taviro_s.bk0>\\taviro\\dob\\taviro_s.bk1",
                                                           "\\taviro\\dob\\taviro_s.kon>\\taviro\\dob\\taviro_s.bk0"}));
  EXPECT_EQ(plan("U:\\p\\ROLL60A.que", 1), (Lines{"U:\\p\\ROLL60A.que>U:\\p\\ROLL60A.bk0"}));
}

TEST(BackupPlan, RotationNeverGoesBeyondIndexNine) {
  const Lines lines = plan("U:\\x\\file.kon", 12);
  ASSERT_EQ(lines.size(), 10u);
  EXPECT_EQ(lines.front(), "U:\\x\\file.bk8>U:\\x\\file.bk9");
  EXPECT_EQ(lines.back(), "U:\\x\\file.kon>U:\\x\\file.bk0");
}

TEST(BackupPlan, BackupFilesStartAtTheirNextIndex) {
  EXPECT_EQ(plan("U:\\t\\x.bk8", 3), (Lines{"U:\\t\\x.bk8>U:\\t\\x.bk9"}));
  EXPECT_EQ(plan("U:\\t\\x.BK3", 2), (Lines{"U:\\t\\x.bk4>U:\\t\\x.bk5", "U:\\t\\x.BK3>U:\\t\\x.bk4"}));
  EXPECT_TRUE(plan("U:\\t\\x.bk9", 3).empty());
  // "bk" without a digit is an ordinary extension.
  EXPECT_EQ(plan("U:\\t\\x.bkp", 1), (Lines{"U:\\t\\x.bkp>U:\\t\\x.bk0"}));
}

TEST(BackupPlan, NameWithoutDotInItsLastSixCharactersGetsOneAppended) {
  EXPECT_EQ(plan("U:\\file.longext", 1), (Lines{"U:\\file.longext>U:\\file.longext.bk0"}));
  EXPECT_EQ(plan("U:\\a\\README", 1), (Lines{"U:\\a\\README>U:\\a\\README.bk0"}));
  // The first dot among the last six characters starts the extension.
  EXPECT_EQ(plan("U:\\a\\x.b.kon", 1), (Lines{"U:\\a\\x.b.kon>U:\\a\\x.bk0"}));
}

TEST(BackupPlan, DotOfAFolderNameIsNoExtension) {
  // Without the separator check the backup would land in U:\t as x.bk0.
  EXPECT_EQ(plan("U:\\t\\x.y\\ab", 1), (Lines{"U:\\t\\x.y\\ab>U:\\t\\x.y\\ab.bk0"}));
}

TEST(BackupPlan, NothingIsDueForShortNamesOrNoCopies) {
  EXPECT_TRUE(plan("ab.kon", 3).empty());    // 6 characters
  EXPECT_EQ(plan("abc.kon", 1).size(), 1u);  // 7 characters
  EXPECT_TRUE(plan("U:\\taviro\\taviro_s.kon", 0).empty());
  EXPECT_TRUE(plan("U:\\taviro\\taviro_s.kon", -1).empty());
}

}  // namespace
}  // namespace tav
