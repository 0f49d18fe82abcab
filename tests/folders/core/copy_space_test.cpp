#include "folders/core/copy_space.h"

#include <gtest/gtest.h>

namespace tav {
namespace {

// Trees on two drives, one named in two spellings: each drive must hold its bytes and 5 %
// more (rounded up); a drive that did not answer never refuses the run.
TEST(CopySpace, EachDriveNeedsItsBytesAndFivePercent) {
  struct Row {
    std::uint64_t free;
    bool known;
    std::uint64_t missing;
  };
  // 1000 + 150 bytes to V:, so 1150 + 58 are needed.
  for (const Row& row : {Row{1208, true, 0}, Row{1207, true, 1}, Row{1150, true, 58}, Row{0, false, 0}}) {
    CopySpace space;
    space.add("V:\\", 3, 1000);
    space.add("X:\\", 1, 7);
    space.add("v:\\", 2, 150);
    ASSERT_EQ(space.drives.size(), 2u);
    space.drives[0].free = row.free;
    space.drives[0].free_known = row.known;
    space.drives[1].free = 100;
    space.drives[1].free_known = true;
    EXPECT_EQ(space.files, 6u);
    EXPECT_EQ(space.drives[0].missing(), row.missing) << row.free;
    EXPECT_EQ(space.fits(), row.missing == 0) << row.free;
  }
}

TEST(CopySpace, RootsAndSizeTexts) {
  EXPECT_EQ(drive_root("X:\\TAVIRO\\FORMS\\"), "X:\\");
  EXPECT_EQ(drive_root("\\\\server\\share\\taviro\\"), "\\\\server\\share\\");
  EXPECT_EQ(drive_root("\\\\server\\share"), "\\\\server\\share\\");
  EXPECT_EQ(drive_root("\\taviro\\forms"), "");
  EXPECT_EQ(drive_root("\\\\server"), "");

  constexpr std::uint64_t kMB = 1024 * 1024;
  EXPECT_EQ(size_text(0), "0 KB");
  EXPECT_EQ(size_text(1), "1 KB");
  EXPECT_EQ(size_text(10 * kMB - 1), "10240 KB");
  EXPECT_EQ(size_text(10 * kMB), "10 MB");
  EXPECT_EQ(size_text(10 * kMB + 1), "11 MB");
  EXPECT_EQ(size_text(10240 * kMB), "10 GB");
}

}  // namespace
}  // namespace tav
