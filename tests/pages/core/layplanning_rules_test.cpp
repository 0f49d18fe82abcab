#include <gtest/gtest.h>

#include "pages/core/hem_position.h"
#include "pages/core/layplanning_rules.h"

namespace tav {
namespace {

TEST(LayplanningRules, LetterHeightsInTenths) {
  EXPECT_EQ(letter_height_shown(45), 4);
  EXPECT_EQ(letter_height_shown(40), 4);
  EXPECT_EQ(letter_height_shown(9), 0);
  EXPECT_EQ(letter_height_shown(-45), -4);
  EXPECT_EQ(letter_height_stored(4), 40);
  EXPECT_EQ(letter_height_stored(0), 0);
  EXPECT_EQ(letter_height_stored(214748364), 2147483640);
  EXPECT_EQ(letter_height_stored(214748365), std::nullopt);
  EXPECT_EQ(letter_height_stored(4294967295u), std::nullopt);
}

TEST(LayplanningRules, AutonesterFromVersion900) {
  EXPECT_FALSE(knows_autonester(-1));
  EXPECT_FALSE(knows_autonester(899));
  EXPECT_TRUE(knows_autonester(900));
  EXPECT_TRUE(knows_autonester(1100));
}

TEST(HemPosition, NearestPositionOfAnAngle) {
  using hem::Construction;
  using hem::Layplan;
  const struct {
    double angle;
    Layplan layplan;
    Construction construction;
  } cases[] = {
      {-90, Layplan::start_of_material, Construction::right},
      {-90.9, Layplan::start_of_material, Construction::right},
      {-89.1, Layplan::start_of_material, Construction::right},
      {-91, Layplan::end_of_material, Construction::right},
      {0, Layplan::end_of_material, Construction::bottom},
      {0.9, Layplan::end_of_material, Construction::bottom},
      {-1, Layplan::end_of_material, Construction::right},
      {45, Layplan::end_of_material, Construction::right},
      {90, Layplan::end_of_material, Construction::left},
      {89.5, Layplan::end_of_material, Construction::left},
      {180, Layplan::end_of_material, Construction::right},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(hem::layplan_position(c.angle), c.layplan) << c.angle;
    EXPECT_EQ(hem::construction_position(c.angle), c.construction) << c.angle;
  }
  EXPECT_EQ(hem::layplan_angle(Layplan::start_of_material), -90);
  EXPECT_EQ(hem::layplan_angle(Layplan::end_of_material), 90);
  EXPECT_EQ(hem::construction_angle(Construction::bottom), 0);
  EXPECT_EQ(hem::construction_angle(Construction::left), 90);
  EXPECT_EQ(hem::construction_angle(Construction::right), -90);
  // Before anything is read: start of the material, bottom.
  EXPECT_EQ(hem::layplan_position(hem::kInitialLayplanAngle), Layplan::start_of_material);
  EXPECT_EQ(hem::construction_position(hem::kInitialConstructionAngle), Construction::bottom);
}

}  // namespace
}  // namespace tav
