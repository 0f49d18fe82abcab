#include <gtest/gtest.h>

#include "pages/core/hem_position.h"
#include "pages/core/layplanning_rules.h"

namespace tav {
namespace {

TEST(LayplanningRules, LetterHeightsAndAutonesterVersion) {
  EXPECT_EQ(letter_height_shown(45), 4);
  EXPECT_EQ(letter_height_shown(-45), -4);
  EXPECT_EQ(letter_height_stored(4), 40);
  EXPECT_EQ(letter_height_stored(214748364), 2147483640);
  EXPECT_EQ(letter_height_stored(214748365), std::nullopt);  // would be stored negative
  EXPECT_FALSE(knows_autonester(-1));
  EXPECT_FALSE(knows_autonester(899));
  EXPECT_TRUE(knows_autonester(900));
}

TEST(HemPosition, NearestPositionOfAnAngle) {
  using enum hem::Layplan;
  using enum hem::Construction;
  const struct {
    double angle;
    hem::Layplan layplan;
    hem::Construction construction;
  } cases[] = {{-90.9, start_of_material, right}, {-91, end_of_material, right}, {0.9, end_of_material, bottom},
               {-1, end_of_material, right},      {89.5, end_of_material, left}, {180, end_of_material, right}};
  for (const auto& c : cases) {
    EXPECT_EQ(hem::layplan_position(c.angle), c.layplan) << c.angle;
    EXPECT_EQ(hem::construction_position(c.angle), c.construction) << c.angle;
  }
  EXPECT_EQ(hem::layplan_angle(start_of_material), -90);
  EXPECT_EQ(hem::layplan_angle(end_of_material), 90);
  EXPECT_EQ(hem::construction_angle(bottom), 0);
  EXPECT_EQ(hem::construction_angle(left), 90);
  EXPECT_EQ(hem::construction_angle(right), -90);
}

}  // namespace
}  // namespace tav
