#include "plotter/core/removed_plotters.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace tav {
namespace {

// Faults: a queue not matched to its driver for a difference of case; a queue whose driver
// is not there lost from the list.
TEST(RemovedPlotters, QueuesJoinTheDriverTheyName) {
  const auto plotters = removed_plotters({"roll60a.plt", "PEN90.plt"}, {{"ROLL60A.que", {"Rolle", "ROLL60A.PLT"}},
                                                                        {"CUT160.que", {"Cutter", "CUT160.PLT"}}});
  ASSERT_EQ(plotters.size(), 3u);
  EXPECT_EQ(plotters[0].queue_files, std::vector<std::string>{"ROLL60A.que"});
  EXPECT_EQ(plotters[0].queue_name, "Rolle");
  EXPECT_TRUE(plotters[1].queue_files.empty());
  EXPECT_EQ(plotters[2].driver_file, "");
  EXPECT_EQ(plotters[2].queue_files, std::vector<std::string>{"CUT160.que"});
}

// Faults: a taken name reused (a file overwritten); a renamed driver left out of DRIVER;
// two queues given the same free name.
TEST(RemovedPlotters, TakenNamesGetTheNextFreeNumberedName) {
  struct Case {
    std::set<std::string> taken;
    std::string driver_to, queues_to, driver_value;
  };
  const Case cases[] = {
      {{}, "ROLL60A.plt", "ROLL60A.que ROLL60A2.que ", ""},
      {{"ROLL60A.que", "ROLL60A2.que"}, "ROLL60A.plt", "ROLL60A3.que ROLL60A2.que->ROLL60A4.que ", ""},
      {{"ROLL60A.plt", "ROLL60A2.plt", "ROLL60A.que"}, "ROLL60A3.plt", "ROLL60A3.que ROLL60A2.que ", "ROLL60A3.PLT"},
  };
  const RemovedPlotter plotter{"ROLL60A.plt", {"ROLL60A.que", "ROLL60A2.que"}, "Rolle"};
  for (const Case& c : cases) {
    const auto plan = plan_return(plotter, [&](const std::string& name) { return c.taken.count(name) > 0; });
    ASSERT_TRUE(plan && plan->driver);
    std::string queues;
    for (const FileReturn& queue : plan->queues) {
      queues += (queue.from == "ROLL60A.que" || queue.from == queue.to ? "" : queue.from + "->") + queue.to + " ";
    }
    EXPECT_EQ(plan->driver->to, c.driver_to);
    EXPECT_EQ(queues, c.queues_to);
    EXPECT_EQ(plan->driver_value, c.driver_value);
  }
}

}  // namespace
}  // namespace tav
