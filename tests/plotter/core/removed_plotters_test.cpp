#include "plotter/core/removed_plotters.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace tav {
namespace {

// Faults: a taken name reused (a file overwritten); a renamed driver left out of DRIVER;
// two queues given the same free name. (Queues joining their driver: tests/plotter.)
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
