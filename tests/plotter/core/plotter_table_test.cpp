#include "plotter/core/plotter_table.h"

#include <gtest/gtest.h>

#include "plotter/driver_text.h"

namespace tav {
namespace {

TEST(PlotterFolder, EndsInABackslashAndDefaultsWhenEmpty) {
  EXPECT_EQ(plotter_folder("\\TAVIRO\\PLOTTER\\"), "\\TAVIRO\\PLOTTER\\");
  EXPECT_EQ(plotter_folder("D:\\plot"), "D:\\plot\\");
  EXPECT_EQ(plotter_folder(""), "\\taviro\\plotter\\");
  EXPECT_EQ(plotter_folder("   "), "\\taviro\\plotter\\");
  EXPECT_EQ(plotter_file_path("U:\\Mein Plotter\\", "DJ      ", ".PLT"), "U:\\Mein Plotter\\DJ.PLT");
}

PlotterEntry active(const char* queue, const char* driver) {
  PlotterEntry entry;
  entry.queue_name.assign(queue);
  entry.driver_name.assign(driver);
  entry.active = true;
  entry.display_name.assign(std::string("Plotter ") + queue);
  return entry;
}
PlotterEntry inactive(const char* driver) {
  PlotterEntry entry;
  entry.driver_name.assign(driver);
  entry.display_name.assign(std::string("Treiber ") + driver);
  return entry;
}

TEST(PlotterEntries, ComeFromQueueAndDriverFiles) {
  const auto entry = active_entry(PlotterFileName("roll60a"), IniDocument("[DEVICE]\nNAME=Rolle\nDRIVER=roll60a.plt\n"),
                                  "U:\\p\\ROLL60A.que");
  ASSERT_TRUE(entry);
  EXPECT_EQ(entry->queue_name.raw(), "ROLL60A ");
  EXPECT_EQ(entry->driver_name.raw(), "roll60a ");
  EXPECT_TRUE(entry->active);
  EXPECT_EQ(entry->display_name.str(), "Rolle");
  const auto unnamed = active_entry(PlotterFileName("ABC"), IniDocument("[DEVICE]\nDRIVER=X.P\n"), "\\taviro\\plotter\\ABC.que");
  ASSERT_TRUE(unnamed);
  EXPECT_EQ(unnamed->display_name.str(), "\\taviro\\plotter\\ABC.que");
  EXPECT_EQ(unnamed->driver_name.str(), "");
  EXPECT_FALSE(active_entry(PlotterFileName("ISO"), IniDocument("[DEVICE]\nDRIVER=ISOPLOT.PLT\n"), "x"));

  const auto available = inactive_entry(PlotterFileName("PEN90"), test::DriverText().build());
  ASSERT_TRUE(available);
  EXPECT_FALSE(available->active);
  EXPECT_EQ(available->queue_name.raw(), "        ");
  EXPECT_EQ(available->display_name.str(), "Tintenstrahlplotter 180 cm");
  EXPECT_FALSE(inactive_entry(PlotterFileName("EMPTY"), ""));
}

TEST(PlotterTable, HoldsAtMost800Entries) {
  PlotterTable table;
  for (int i = 0; i < kMaxPlotterEntries; ++i) ASSERT_TRUE(table.append(inactive("D")));
  EXPECT_FALSE(table.append(inactive("D")));
  EXPECT_EQ(table.count(), kMaxPlotterEntries);
}

TEST(PlotterTable, RowsShowMarkersAndEntryNumbers) {
  PlotterTable table;
  table.append(active("ROLL60A", "ROLL60A"));
  table.append(inactive("PEN90"));
  table.append(active("ROLL60A2", "ROLL60A"));
  const auto rows = table.rows(true);
  ASSERT_EQ(rows.size(), 3u);
  EXPECT_EQ(rows[1].entry, 2);
  EXPECT_EQ(rows[1].marker, "");
  EXPECT_EQ(rows[1].queue_name, "");
  EXPECT_EQ(rows[1].driver_name, "PEN90");
  EXPECT_EQ(rows[2].marker, "*");
  EXPECT_EQ(rows[2].queue_name, "ROLL60A2");
  const auto active_rows = table.rows(false);
  ASSERT_EQ(active_rows.size(), 2u);
  EXPECT_EQ(active_rows[1].entry, 3);
  EXPECT_EQ(cell_text(std::string_view("Name\0rest  ", 11)), "Name");
}

TEST(PlotterTable, ActionsChangeEntriesInPlace) {
  PlotterTable table;
  table.append(active("ROLL60A", "ROLL60A"));
  table.append(active("ROLL60A2", "roll60a"));
  table.append(inactive("PEN90"));
  table.append(inactive("CUT160"));
  table.activate(3);
  EXPECT_EQ(table.row(3).queue_name, "PEN90");
  EXPECT_EQ(table.row(3).marker, "*");
  EXPECT_TRUE(table.driver_in_use(PlotterFileName("pen90")));
  EXPECT_TRUE(table.driver_in_use(PlotterFileName("ROLL60A"), 1));  // entry 2 uses it too
  table.deactivate(2);
  EXPECT_FALSE(table.driver_in_use(PlotterFileName("ROLL60A"), 1));
  EXPECT_EQ(table.row(2).queue_name, "");
  table.remove(2);
  EXPECT_EQ(table.count(), 3);
  EXPECT_EQ(table.row(2).driver_name, "PEN90");
  EXPECT_EQ(table.row(3).driver_name, "CUT160");
}

}  // namespace
}  // namespace tav
