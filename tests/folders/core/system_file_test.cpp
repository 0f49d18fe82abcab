#include "folders/core/system_file.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tav {
namespace {

using Lines = std::vector<std::string>;

// A system with its data in the standard folders on the base drive, and the same system
// with its data on drive E:.
const Lines kOnBase = {"Damen Europa",
                       "damen_e  Damen DOB Gr\xF6\xDF"
                       "en",
                       "V1100",
                       "-  Datenordner",
                       "\\taviro\\damen_e\\mas\\",
                       "\\taviro\\damen_e\\prog\\",
                       "\\taviro\\damen_e\\st\\",
                       "\\taviro\\damen_e\\interfac\\",
                       "\\taviro\\damen_e\\xwert\\",
                       "\\taviro\\damen_e\\mask\\",
                       "\\taviro\\damen_e\\swert\\",
                       "GROESSEN 34 36 38",
                       "ENDE"};
const Lines kOnE = {"Damen Europa",
                    "damen_e  Damen DOB Gr\xF6\xDF"
                    "en",
                    "V1100",
                    "#  Datenordner",
                    "E:\\taviro\\damen_e\\mas\\",
                    "E:\\taviro\\damen_e\\prog\\",
                    "E:\\taviro\\damen_e\\st\\",
                    "E:\\taviro\\damen_e\\interfac\\",
                    "E:\\taviro\\damen_e\\xwert\\",
                    "E:\\taviro\\damen_e\\mask\\",
                    "E:\\taviro\\damen_e\\swert\\",
                    "GROESSEN 34 36 38",
                    "ENDE"};

SystemRelocationPlan plan(const Lines& lines, const char* code, const char* entry, bool keep_export = false) {
  return plan_system_relocation(lines, SystemCode(code), target_of_entry(entry), keep_export, "U:\\taviro");
}

std::vector<FolderAction> actions(const SystemRelocationPlan& p) {
  std::vector<FolderAction> result;
  for (const SystemFolderMove& f : p.folders) result.push_back(f.action);
  return result;
}

TEST(SystemFile, LinesAndRows) {
  // Lines are split at LF with or without CR and never cut; they are written without
  // trailing blanks, ending in CR LF.
  const std::string long_line(300, 'x');
  EXPECT_EQ(split_lines("a\r\nb  \n" + long_line), (Lines{"a", "b  ", long_line}));
  EXPECT_EQ(join_lines({"a  ", "", " b"}), "a\r\n\r\n b\r\n");

  struct Case {
    Lines lines;
    std::string code, name, drive;
  };
  const std::vector<Case> cases = {
      {kOnBase, "DAMEN_E",
       "Damen DOB Gr\xF6\xDF"
       "en",
       "-"},
      {kOnE, "DAMEN_E",
       "Damen DOB Gr\xF6\xDF"
       "en",
       "E:"},
      // No alternative name: line 1, cut to 32 characters. Folders on two drives: each drive
      // once, in the order of the lines (a line without a drive is on the base drive).
      {{"Herren Konfektion mit einem sehr langen Namen", "herren   ", "x", "#", "\\taviro\\", "f:\\herren\\prog\\",
        "F:\\herren\\st\\"},
       "HERREN",
       "Herren Konfektion mit einem sehr",
       "-, F:"},
      // "#" without any folder line on a drive: the data are on the base drive.
      {{"Kinder", "kind", "x", "#", "\\taviro\\kind\\mas\\"}, "KIND", "Kinder", "-"},
  };
  for (const Case& c : cases) {
    const std::optional<SystemRow> row = system_row(c.lines);
    ASSERT_TRUE(row.has_value()) << c.lines[0];
    EXPECT_EQ(row->code + "|" + row->name + "|" + row->drive, c.code + "|" + c.name + "|" + c.drive);
  }
  EXPECT_FALSE(system_row({"Nur eine Zeile"}).has_value());
  EXPECT_EQ(target_of_entry("<Base drive>").drive, "");
  EXPECT_EQ(target_of_entry("e:").drive, "E:");
}

TEST(SystemFile, RelocatedLines) {
  constexpr std::array<bool, kSystemFolderCount> all_moved{};
  std::array<bool, kSystemFolderCount> st_failed{};
  st_failed[2] = true;
  EXPECT_EQ(relocated_system_lines(plan(kOnBase, "DAMEN_E", "E:"), all_moved), kOnE);
  Lines back = kOnBase;
  back[3] = "-  Datenordner";
  EXPECT_EQ(relocated_system_lines(plan(kOnE, "damen_e", "<"), all_moved), back);
  // A folder whose copy failed keeps its old folder: to E:, the standard folder, which "#"
  // still finds; back to the base drive, its folder on E:, which needs "#" to be found.
  Lines expected = kOnE;
  expected[6] = "\\taviro\\damen_e\\st\\";
  EXPECT_EQ(relocated_system_lines(plan(kOnBase, "DAMEN_E", "E:"), st_failed), expected);
  expected = kOnBase;
  expected[3] = "#  Datenordner";
  expected[6] = "E:\\taviro\\damen_e\\st\\";
  EXPECT_EQ(relocated_system_lines(plan(kOnE, "DAMEN_E", "<"), st_failed), expected);
  // A file of three lines gets line 4 and the seven folder lines.
  const Lines written = relocated_system_lines(plan({"Kurz", "dob", "x"}, "DOB", "E:"), all_moved);
  ASSERT_EQ(written.size(), 11u);
  EXPECT_EQ(written[3], "#");
  EXPECT_EQ(written[10], "E:\\taviro\\dob\\swert\\");
}

TEST(SystemFile, NothingToDoOrRefused) {
  EXPECT_FALSE(plan(kOnBase, "DAMEN_E", "<").rewrite);  // already on the base drive
  SystemRelocationPlan p = plan({"Damen Europa", "damen_e"}, "DAMEN_E", "E:");
  EXPECT_EQ(p.status, kSystemTooShort);
  EXPECT_FALSE(p.rewrite);
  p = plan(kOnBase, "DAMEN", "E:");  // the code compares over 7 characters, blank-padded
  EXPECT_EQ(p.status, kSystemWrongCode);
  EXPECT_FALSE(p.rewrite);
}

TEST(SystemFile, FolderActions) {
  Lines lines = kOnE;
  lines[4] = "e:\\TAVIRO\\DAMEN_E\\MAS\\";     // already where it goes, in other case
  lines[5] = "E:\\taviro\\damen_e\\prog\\*|";  // markers read as blanks
  lines[6] = "";                               // nothing there
  lines[8] = "E:\\";                           // a drive's root is never copied or removed
  lines[9] = "U:\\taviro\\damen_e\\mask\\";    // the base drive named with its letter
  using A = FolderAction;
  const SystemRelocationPlan to_e = plan(lines, "DAMEN_E", "E:", true);
  EXPECT_EQ(actions(to_e), (std::vector<A>{A::stay, A::stay, A::stay, A::stay, A::blocked, A::move, A::stay}));
  const SystemRelocationPlan to_base = plan(lines, "DAMEN_E", "<");
  EXPECT_EQ(to_base.folders[1].old_path, "E:\\taviro\\damen_e\\prog\\");
  EXPECT_EQ(actions(to_base), (std::vector<A>{A::move, A::move, A::stay, A::move, A::blocked, A::stay, A::move}));
  // The kept export folder's line names the new place all the same; the blocked folder keeps
  // its line.
  const Lines written = relocated_system_lines(to_e, {});
  EXPECT_EQ(written[7], "E:\\taviro\\damen_e\\interfac\\");
  EXPECT_EQ(written[8], "E:\\");
}

}  // namespace
}  // namespace tav
