#include "plotter/core/queue_file.h"

#include <gtest/gtest.h>

#include <set>

namespace tav {
namespace {

TEST(QueueFile, ReadsNameAndDriverWithTheirLimits) {
  const std::string long_name(300, 'n');
  const IniDocument queue("[QUEUE]\r\nNAME=other\r\n[DEVICE]\r\nNAME=" + long_name + "\r\nDRIVER= ROLL60A.PLT \r\n");
  const QueueValues values = read_queue_values(queue);
  EXPECT_EQ(values.name, long_name.substr(0, 255));
  EXPECT_EQ(values.driver, "ROLL60A.PLT");
  EXPECT_EQ(read_queue_values(IniDocument("[DEVICE]\r\nPORT=FILE:\r\n")).name, "");
}

TEST(QueueFile, DriverNameIsTheValueWithoutItsExtension) {
  const std::pair<const char*, const char*> cases[] = {
      {"ROLL60A.PLT", "ROLL60A "}, {"roll60a.plt", "roll60a "}, {"LONGDRIVERNAME.PLT", "LONGDRIV"},
      {"A.PLT", "A       "},       {"X.P", "        "},         {"", "        "}};
  for (const auto& [driver, name] : cases) EXPECT_EQ(driver_name_of(driver).raw(), name) << driver;
  EXPECT_EQ(duplicate_display_name("HP", "DJ.que"), "HP (DJ.que      )");  // file name padded to 12
}

TEST(FreeQueueName, CountsAcrossTheDigitBoundaries) {
  // Every candidate up to `last` is taken; answers the name found and how many were tried.
  const auto first_free_after = [](const char* driver, int taken) {
    int tried = 0;
    auto name = free_queue_name(PlotterFileName(driver), [&](const std::string&) { return ++tried <= taken; });
    return std::pair{name ? name->str() : std::string("-"), tried};
  };
  EXPECT_EQ(first_free_after("ROLL60A", 0), (std::pair{std::string("ROLL60A2"), 1}));
  EXPECT_EQ(first_free_after("ROLL60A", 8), (std::pair{std::string("ROLL6010"), 9}));    // after ROLL60A9
  EXPECT_EQ(first_free_after("ROLL60A", 98), (std::pair{std::string("ROLL6100"), 99}));  // after ROLL6099
  EXPECT_EQ(first_free_after("ROLL60A", 998), (std::pair{std::string("RO001000"), 999}));
  EXPECT_EQ(first_free_after("DJ", 8), (std::pair{std::string("DJ000010"), 9}));
  EXPECT_EQ(first_free_after("A B", 0), (std::pair{std::string("AB000002"), 1}));
  EXPECT_EQ(first_free_after("ROLL60A", 999996), (std::pair{std::string("RO999998"), 999997}));
  EXPECT_EQ(first_free_after("ROLL60A", 999997), (std::pair{std::string("-"), 999997}));
}

TEST(FreeQueueName, SkipsOnlyTheNamesInTheWay) {
  const std::set<std::string> existing = {"ROLL60A2", "ROLL60A3", "ROLL60A5"};
  const auto name =
      free_queue_name(PlotterFileName("ROLL60A"), [&](const std::string& n) { return existing.count(n) > 0; });
  ASSERT_TRUE(name);
  EXPECT_EQ(name->str(), "ROLL60A4");
}

}  // namespace
}  // namespace tav
