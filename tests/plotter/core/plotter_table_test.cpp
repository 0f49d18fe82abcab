#include "plotter/core/plotter_table.h"

#include <gtest/gtest.h>

namespace tav {
namespace {

TEST(PlotterFolder, EndsInABackslashAndDefaultsWhenEmpty) {
  EXPECT_EQ(plotter_folder("\\TAVIRO\\PLOTTER\\"), "\\TAVIRO\\PLOTTER\\");
  EXPECT_EQ(plotter_folder("D:\\plot"), "D:\\plot\\");
  EXPECT_EQ(plotter_folder(""), "\\taviro\\plotter\\");
  EXPECT_EQ(plotter_folder("   "), "\\taviro\\plotter\\");
  EXPECT_EQ(plotter_file_path("U:\\Mein Plotter\\", "DJ      ", ".PLT"), "U:\\Mein Plotter\\DJ.PLT");
}

PlotterEntry inactive(const char* driver) {
  PlotterEntry entry;
  entry.driver_name.assign(driver);
  entry.display_name.assign(std::string("Treiber ") + driver);
  return entry;
}

TEST(PlotterTable, HoldsAtMost800Entries) {
  PlotterTable table;
  for (int i = 0; i < kMaxPlotterEntries; ++i) ASSERT_TRUE(table.append(inactive("D")));
  EXPECT_FALSE(table.append(inactive("D")));
  EXPECT_EQ(table.count(), kMaxPlotterEntries);
}

}  // namespace
}  // namespace tav
