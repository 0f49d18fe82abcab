#include "pages/core/line_type_roles.h"

#include <gtest/gtest.h>

#include <string>

namespace tav::line_types {
namespace {

// The four drop-down lists' items, then the marking and the auxiliary line types.
std::string shown(const Roles& roles) {
  std::string text;
  for (int list = 0; list < kSingleRoleLists; ++list)
    text.append(std::to_string(roles.selected_item(list))).append(" ");
  for (const int usage : {kMarking, kAuxiliary}) {
    text.append("|");
    for (const int t : roles.holders(usage)) text.append(" ").append(std::to_string(t));
  }
  return text;
}

TEST(LineTypeRoles, OpeningChoosingAndMoving) {
  // LT1 (never offered) is a grain line, LT3 and LT5 both claim the grain line, LT6 has a
  // usage that no list shows.
  Roles roles(Usages{0, 1, 3, 1, 2, 1, 9});
  EXPECT_EQ(shown(roles), "4 3 0 0 | 2| 3");  // the later grain line wins, the earlier one is auxiliary
  roles.choose(2, 3);                         // LT4, the annotation line, becomes the split line
  EXPECT_EQ(shown(roles), "4 0 3 0 | 2| 3");
  roles.choose(0, 3);  // LT4 as grain line frees the split line; LT5 turns auxiliary
  EXPECT_EQ(shown(roles), "3 0 0 0 | 2| 3 5");
  roles.choose(1, 5);        // LT6 of unknown usage can be chosen
  roles.choose(0, kNotSet);  // "not set" only frees the role
  EXPECT_EQ(shown(roles), "0 5 0 0 | 2| 3 4 5");
  roles.choose(3, kItems);  // outside the lists: nothing
  roles.choose(kSingleRoleLists, 1);
  EXPECT_EQ(shown(roles), "0 5 0 0 | 2| 3 4 5");

  EXPECT_TRUE(roles.make_marking(3));
  EXPECT_TRUE(roles.make_auxiliary(2));
  EXPECT_FALSE(roles.make_marking(6));  // only an auxiliary line moves to the marking lines
  EXPECT_FALSE(roles.make_auxiliary(4));
  EXPECT_FALSE(roles.make_marking(1));  // line type 1 is not offered
  EXPECT_FALSE(roles.make_marking(7));
  EXPECT_EQ(shown(roles), "0 5 0 0 | 3| 2 4 5");
  EXPECT_EQ(roles.usages(), (Usages{0, 1, 4, 3, 4, 4, 2}));
}

}  // namespace
}  // namespace tav::line_types
