#include "plotter/core/plot_resolution.h"

#include <gtest/gtest.h>

namespace tav {
namespace {

TEST(ResolutionComparison, EmptyOrZeroLengthsLeaveTheAxisOpen) {
  ResolutionComparison comparison(0.025f, 0.025f);
  const AxisLengths unusable[] = {{},
                                  {1000.0, std::nullopt},
                                  {std::nullopt, 1000.0},
                                  {0.0, 1000.0},
                                  {1000.0, 0.0},
                                  {-1000.0, 1004.0},
                                  {1e-300, 1e300}};
  for (const AxisLengths& lengths : unusable) {
    EXPECT_FALSE(comparison.recalculate({lengths, lengths})[0]);
    EXPECT_EQ(comparison.state(Axis::x), AxisState::open);
  }
}

TEST(ResolutionComparison, ChoosingAResolutionClosesOnlyAnOpenAxis) {
  ResolutionComparison comparison(0.025f, 0.025f);
  comparison.choose(Axis::x);
  EXPECT_EQ(comparison.state(Axis::x), AxisState::chosen);
  EXPECT_TRUE(comparison.can_recalculate());
  comparison.recalculate({AxisLengths{1000.0, 1004.0}, AxisLengths{1000.0, 1004.0}});
  EXPECT_EQ(comparison.state(Axis::x), AxisState::chosen);
  comparison.choose(Axis::y);
  EXPECT_EQ(comparison.state(Axis::y), AxisState::recalculated);
  EXPECT_FALSE(comparison.can_recalculate());
}

TEST(ResolutionComparison, AnAxisWithoutAResolutionHasNothingToCorrect) {
  ResolutionComparison comparison(std::nullopt, 0.025f);
  EXPECT_EQ(comparison.state(Axis::x), AxisState::chosen);
  EXPECT_FALSE(comparison.recalculate({AxisLengths{1000.0, 1004.0}, AxisLengths{}})[0]);
}

TEST(UsableResolution, IsAPositiveSinglePrecisionNumber) {
  EXPECT_EQ(usable_resolution(0.025), 0.025f);
  for (std::optional<double> read :
       {std::optional<double>(), std::optional(0.0), std::optional(-0.1), std::optional(1e-50), std::optional(1e50)}) {
    EXPECT_FALSE(usable_resolution(read));
  }
}

}  // namespace
}  // namespace tav
