// The inventory scan on real plotter folders of a test installation on drive U:.
#include "plotter/plotter_inventory.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "plotter/driver_text.h"
#include "plotter/plotter_test_support.h"
#include "support/installation.h"

namespace tav {
namespace {

using test::DriverText;
using test::TestInstallation;

// Each entry as "marker|display name|driver|queue", in table order.
std::vector<std::string> entries(const PlotterTable& table) {
  std::vector<std::string> lines;
  for (const PlotterRow& row : table.rows(true)) {
    lines.push_back(row.marker + "|" + row.display_name + "|" + row.driver_name + "|" + row.queue_name);
  }
  return lines;
}
std::multiset<std::string> as_set(const std::vector<std::string>& lines) { return {lines.begin(), lines.end()}; }

class PlotterInventoryTest : public ::testing::Test {
 protected:
  PlotterTable scan() {
    PlotterTable table;
    scan_plotters(installation_plotter_folder(), table);
    return table;
  }
  TestInstallation inst;
};

TEST_F(PlotterInventoryTest, ListsQueuesFirstThenTheDriversNoQueueUses) {
  inst.write("plotter\\ROLL60A.plt", test::driver_file("Rollenplotter 60"));
  inst.write("plotter\\ROLL60A.que", test::queue_file("Rolle Halle 1", "ROLL60A.PLT"));
  inst.write("plotter\\ROLL60A2.que", test::queue_file("Rolle Halle 2", "roll60a.plt"));  // two queues on one driver
  inst.write("plotter\\ABC.que", test::queue_file("", "X.P"));                            // no NAME, too short a DRIVER
  inst.write("plotter\\ISOAUS.que", test::queue_file("ISO", "ISOAUS.PLT"));
  inst.write("plotter\\lower.que", test::queue_file("Klein", "iso.plt"));
  const std::string wide = test::queue_file("Breit", "CUT.PLT");  // in UTF-16, as the profile functions read it
  std::string utf16 = "\xFF\xFE";
  for (char c : wide) utf16 += {c, '\0'};
  inst.write("plotter\\WIDE.que", utf16);
  inst.write("plotter\\PEN90.plt", test::driver_file("Stiftplotter 90"));
  inst.write("plotter\\EMPTY51.plt", test::driver_file(""));
  inst.write("plotter\\SHORT.plt", DriverText{.bracket_lines = 50}.build());
  inst.write("plotter\\diverse\\OLD.plt", test::driver_file("Alt"));
  inst.write("plotter\\diverse\\OLD.que", test::queue_file("Alt", "OLD.PLT"));

  const std::vector<std::string> lines = entries(scan());
  ASSERT_EQ(lines.size(), 6u);
  EXPECT_EQ(as_set({lines.begin(), lines.begin() + 5}),
            as_set({"*|Rolle Halle 1|ROLL60A|ROLL60A", "*|Rolle Halle 2|roll60a|ROLL60A2",
                    "*|\\taviro\\plotter\\ABC.que||ABC", "*|Klein|iso|LOWER", "*|Breit|CUT|WIDE"}));
  EXPECT_EQ(lines[5], "|Stiftplotter 90|PEN90|");
}

TEST_F(PlotterInventoryTest, LongNamesAreListedByTheirShortNames) {
  inst.write("plotter\\Grosser Plotter.plt", test::driver_file("Gross"));
  inst.write("plotter\\Mein Plotter.que", test::queue_file("Mein Plotter", "PEN90.PLT"));
  const PlotterTable table = scan();
  ASSERT_EQ(table.count(), 2);
  const PlotterRow active = table.row(1);
  const PlotterRow available = table.row(2);
  EXPECT_EQ(active.display_name, "Mein Plotter");
  EXPECT_NE(active.queue_name.find('~'), std::string::npos) << active.queue_name;
  EXPECT_EQ(available.display_name, "Gross");
  EXPECT_NE(available.driver_name.find('~'), std::string::npos) << available.driver_name;
}

TEST_F(PlotterInventoryTest, FolderComesFromTheMainConfigurationFile) {
  inst.write("taviro.ini", "[PATH]\r\nPATHPLOT=\\taviro\\geraete\r\n");
  inst.write("geraete\\PEN90.plt", test::driver_file("Stiftplotter 90"));
  inst.write("plotter\\CUT.plt", test::driver_file("Cutter"));
  EXPECT_EQ(installation_plotter_folder(), "\\taviro\\geraete\\");
  EXPECT_EQ(entries(scan()), (std::vector<std::string>{"|Stiftplotter 90|PEN90|"}));
  inst.remove("geraete");
  EXPECT_EQ(scan().count(), 0);
}

}  // namespace
}  // namespace tav
