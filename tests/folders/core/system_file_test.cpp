#include "folders/core/system_file.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tav {
namespace {

using Lines = std::vector<std::string>;

// A system with its data in the standard folders on the base drive.
const Lines kOnBase = {
    "Damen Europa",
    "damen_e  Damen DOB Gr\xF6\xDF" "en 34-54",
    "V1100 Stand 12.05.2023",
    "-  Datenordner auf dem Basislaufwerk",
    "\\taviro\\damen_e\\mas\\",
    "\\taviro\\damen_e\\prog\\",
    "\\taviro\\damen_e\\st\\",
    "\\taviro\\damen_e\\interfac\\",
    "\\taviro\\damen_e\\xwert\\",
    "\\taviro\\damen_e\\mask\\",
    "\\taviro\\damen_e\\swert\\",
    "GROESSEN 34 36 38",
    "ENDE",
};

// The same system with its data on drive E:.
const Lines kOnE = {
    "Damen Europa",
    "damen_e  Damen DOB Gr\xF6\xDF" "en 34-54",
    "V1100 Stand 12.05.2023",
    "#  Datenordner auf dem Basislaufwerk",
    "E:\\taviro\\damen_e\\mas\\",
    "E:\\taviro\\damen_e\\prog\\",
    "E:\\taviro\\damen_e\\st\\",
    "E:\\taviro\\damen_e\\interfac\\",
    "E:\\taviro\\damen_e\\xwert\\",
    "E:\\taviro\\damen_e\\mask\\",
    "E:\\taviro\\damen_e\\swert\\",
    "GROESSEN 34 36 38",
    "ENDE",
};

constexpr std::array<bool, kSystemFolderCount> kAllMoved{};

SystemRelocationPlan plan(const Lines& lines, const char* code, const char* drive, bool keep_export = false) {
  return plan_system_relocation(lines, SystemCode(code), RelocationTarget{drive}, keep_export, "U:\\taviro");
}

std::vector<FolderAction> actions(const SystemRelocationPlan& p) {
  std::vector<FolderAction> result;
  for (const SystemFolderMove& f : p.folders) result.push_back(f.action);
  return result;
}

TEST(SystemFileLines, SplitAndJoin) {
  EXPECT_EQ(split_lines("a\r\nb  \nc"), (Lines{"a", "b  ", "c"}));
  EXPECT_EQ(split_lines("a\r\n\r\n"), (Lines{"a", ""}));
  EXPECT_EQ(split_lines(""), Lines{});
  // A line longer than the 260 characters the format promises stays whole.
  const std::string long_line(300, 'x');
  EXPECT_EQ(split_lines(long_line + "\r\nz"), (Lines{long_line, "z"}));
  EXPECT_EQ(join_lines({"a  ", "", " b"}), "a\r\n\r\n b\r\n");
}

TEST(SystemFileRow, CodeNameAndDrive) {
  struct Case {
    Lines lines;
    std::string code, name, drive;
  };
  const std::vector<Case> cases = {
      {kOnBase, "DAMEN_E", "Damen DOB Gr\xF6\xDF" "en 34-54", "-"},
      {kOnE, "DAMEN_E", "Damen DOB Gr\xF6\xDF" "en 34-54", "E:"},
      // No alternative name: line 1, cut to 32 characters and without trailing blanks.
      {{"Herren Konfektion mit einem sehr langen Namen", "herren   ", "x", "#", "\\taviro\\herren\\mas\\",
        "f:\\herren\\prog\\"},
       "HERREN", "Herren Konfektion mit einem sehr", "F:"},
      // "#" without any folder line on a drive: the data are on the base drive.
      {{"Kinder", "kind     Kinder  ", "x", "#", "\\taviro\\kind\\mas\\"}, "KIND", "Kinder", "-"},
      {{"Nur Name", "abc"}, "ABC", "Nur Name", "-"},
  };
  for (const Case& c : cases) {
    const std::optional<SystemRow> row = system_row(c.lines);
    ASSERT_TRUE(row.has_value()) << c.lines[0];
    EXPECT_EQ(row->code, c.code);
    EXPECT_EQ(row->name, c.name);
    EXPECT_EQ(row->drive, c.drive);
  }
  EXPECT_FALSE(system_row({"Nur eine Zeile"}).has_value());
}

TEST(SystemFileRelocation, FromTheBaseDriveToADrive) {
  const SystemRelocationPlan p = plan(kOnBase, "DAMEN_E", "E:");
  ASSERT_EQ(p.status, kSystemDone);
  ASSERT_TRUE(p.rewrite);
  EXPECT_EQ(actions(p), std::vector<FolderAction>(7, FolderAction::move));
  EXPECT_EQ(p.folders[1].old_path, "\\taviro\\damen_e\\prog\\");
  EXPECT_EQ(relocated_system_lines(p, kAllMoved), kOnE);
}

TEST(SystemFileRelocation, TargetOfADriveListEntry) {
  EXPECT_EQ(target_of_entry("<Basislaufwerk>").drive, "");
  EXPECT_EQ(target_of_entry("<Base drive>").drive, "");
  EXPECT_EQ(target_of_entry("e:").drive, "E:");
  EXPECT_EQ(target_of_entry("V:").drive, "V:");
}

TEST(SystemFileRelocation, BackToTheBaseDrive) {
  const SystemRelocationPlan p = plan(kOnE, "damen_e", "");
  ASSERT_TRUE(p.rewrite);
  Lines expected = kOnBase;
  expected[3] = "-  Datenordner auf dem Basislaufwerk";
  EXPECT_EQ(relocated_system_lines(p, kAllMoved), expected);
  EXPECT_EQ(p.folders[6].old_path, "E:\\taviro\\damen_e\\swert\\");
}

TEST(SystemFileRelocation, AFolderWhoseCopyFailedKeepsItsOldLine) {
  std::array<bool, kSystemFolderCount> failed{};
  failed[2] = true;  // st
  // To a drive: the failed folder stays in the standard folder, which "#" still finds.
  Lines to_e = relocated_system_lines(plan(kOnBase, "DAMEN_E", "E:"), failed);
  Lines expected = kOnE;
  expected[6] = "\\taviro\\damen_e\\st\\";
  EXPECT_EQ(to_e, expected);
  // Back to the base drive: the folder left on E: needs "#" to be found at all.
  Lines back = relocated_system_lines(plan(kOnE, "DAMEN_E", ""), failed);
  expected = kOnBase;
  expected[3] = "#  Datenordner auf dem Basislaufwerk";
  expected[6] = "E:\\taviro\\damen_e\\st\\";
  EXPECT_EQ(back, expected);
}

TEST(SystemFileRelocation, NothingToDoOrRefused) {
  // Already on the base drive.
  SystemRelocationPlan p = plan(kOnBase, "DAMEN_E", "");
  EXPECT_EQ(p.status, kSystemDone);
  EXPECT_FALSE(p.rewrite);
  // Fewer than three lines.
  p = plan({"Damen Europa", "damen_e"}, "DAMEN_E", "E:");
  EXPECT_EQ(p.status, kSystemTooShort);
  EXPECT_FALSE(p.rewrite);
  // Another code; the code compares over its 7 characters, blank-padded.
  p = plan(kOnBase, "DAMEN", "E:");
  EXPECT_EQ(p.status, kSystemWrongCode);
  EXPECT_FALSE(p.rewrite);
  p = plan({"Kurz", "dob", "x"}, "DOB", "E:");
  EXPECT_EQ(p.status, kSystemDone);
  EXPECT_TRUE(p.rewrite);
}

TEST(SystemFileRelocation, ShortFileGetsLineFourAndTheFolderLines) {
  const SystemRelocationPlan p = plan({"Kurz", "dob", "x"}, "DOB", "E:");
  EXPECT_EQ(relocated_system_lines(p, kAllMoved),
            (Lines{"Kurz", "dob", "x", "#", "E:\\taviro\\dob\\mas\\", "E:\\taviro\\dob\\prog\\", "E:\\taviro\\dob\\st\\",
                   "E:\\taviro\\dob\\interfac\\", "E:\\taviro\\dob\\xwert\\", "E:\\taviro\\dob\\mask\\",
                   "E:\\taviro\\dob\\swert\\"}));
  EXPECT_EQ(p.folders[0].old_path, "\\taviro\\dob\\mas\\");
}

TEST(SystemFileRelocation, FolderActions) {
  Lines lines = kOnE;
  lines[4] = "e:\\TAVIRO\\DAMEN_E\\MAS\\";   // already where it goes, in other case
  lines[5] = "E:\\taviro\\damen_e\\prog\\*|";  // markers read as blanks
  lines[6] = "";                                // nothing there
  lines[8] = "E:\\";                            // the drive's root holds the new folder
  lines[9] = "U:\\taviro\\damen_e\\mask\\";      // the base drive named with its letter
  const SystemRelocationPlan to_e = plan(lines, "DAMEN_E", "E:", true);
  EXPECT_EQ(actions(to_e), (std::vector<FolderAction>{FolderAction::stay, FolderAction::stay, FolderAction::stay,
                                                      FolderAction::stay, FolderAction::blocked, FolderAction::move,
                                                      FolderAction::stay}));
  const SystemRelocationPlan to_base = plan(lines, "DAMEN_E", "", false);
  EXPECT_EQ(to_base.folders[1].old_path, "E:\\taviro\\damen_e\\prog\\");
  // The root E:\ is never copied or removed, wherever the system goes.
  EXPECT_EQ(actions(to_base), (std::vector<FolderAction>{FolderAction::move, FolderAction::move, FolderAction::stay,
                                                         FolderAction::move, FolderAction::blocked, FolderAction::stay,
                                                         FolderAction::move}));
  // The kept export folder's line names the new place all the same; the blocked folder keeps
  // its line.
  const Lines written = relocated_system_lines(to_e, kAllMoved);
  EXPECT_EQ(written[7], "E:\\taviro\\damen_e\\interfac\\");
  EXPECT_EQ(written[8], "E:\\");
  EXPECT_EQ(written[5], "E:\\taviro\\damen_e\\prog\\");
}

}  // namespace
}  // namespace tav
