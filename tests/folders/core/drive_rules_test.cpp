#include "folders/core/drive_rules.h"

#include <gtest/gtest.h>

#include <cctype>
#include <map>
#include <string>
#include <vector>

namespace tav {
namespace {

std::uint32_t mask_of(const std::string& letters) {
  std::uint32_t mask = 0;
  for (char c : letters) mask |= 1u << (c - 'A');
  return mask;
}

// The drives of the test machine: C fixed, D CD-ROM, E fixed, N remote, R RAM disk, U fixed.
const std::map<char, int> kTypes = {{'C', kDriveFixed},  {'D', kDriveCdRom},   {'E', kDriveFixed},
                                    {'N', kDriveRemote}, {'R', kDriveRamDisk}, {'U', kDriveFixed}};
const DriveTypeOf kTypeOf = [](char letter) {
  const auto found = kTypes.find(static_cast<char>(std::toupper(static_cast<unsigned char>(letter))));
  return found == kTypes.end() ? static_cast<int>(kDriveNoRoot) : found->second;
};
const std::uint32_t kPresent = mask_of("CDENRU");

TEST(DriveLetters, UnusableDrivesLeaveTheLetters) {
  struct Case {
    const char* letters;
    const char* kept;
    std::vector<char> listed;
    const char* absent;
  };
  const Case cases[] = {
      {"CDE", "CE", {'C', 'E'}, ""},
      // A drive that is not present stays, also right after a removed letter.
      {"CDGE", "CGE", {'C', 'E'}, "G"},
      {"DGD", "G", {}, "G"},
      {"ucCE", "ucCE", {'c', 'E', 'u'}, ""},
      {"", "", {}, ""},
  };
  for (const Case& c : cases) {
    const CheckedLetters checked = check_installation_letters(c.letters, kPresent, kTypeOf);
    EXPECT_EQ(checked.letters, c.kept) << c.letters;
    EXPECT_EQ(checked.absent, c.absent) << c.letters;
    // Listed in letter order, each drive once whatever its case.
    EXPECT_EQ(checked.listed, c.listed) << c.letters;
  }
}

TEST(DriveLetters, OtherDrives) {
  std::vector<DriveRoot> roots;
  for (const auto& [letter, type] : kTypes) roots.push_back({letter, type});
  roots.push_back({'x', kDriveRemovable});
  EXPECT_EQ(other_drives("cE", roots), (std::vector<char>{'N', 'R', 'U', 'X'}));
}

TEST(DriveLetters, RebuildAndStartupChoice) {
  EXPECT_EQ(rebuilt_letters({" C:", " E:", " U:"}, ""), "CEU");
  EXPECT_EQ(rebuilt_letters({" C:", " U:"}, "GA"), "ACGU");
  EXPECT_EQ(rebuilt_letters({}, ""), "");
  std::vector<std::string> many;
  for (char c = 'A'; c <= 'Z'; ++c) many.push_back(drive_entry(c));
  EXPECT_EQ(rebuilt_letters(many, "abcde").size(), 30u);

  EXPECT_EQ(automatic_startup_entry({" D:", " N:", " C:"}, kTypeOf), 1);
  EXPECT_EQ(automatic_startup_entry({" R:"}, kTypeOf), 0);
  EXPECT_EQ(automatic_startup_entry({" D:"}, kTypeOf), -1);
}

}  // namespace
}  // namespace tav
