#include "pages/core/line_type_roles.h"

#include <gtest/gtest.h>

#include <vector>

namespace tav::line_types {
namespace {

constexpr int kGrainList = 0, kAnnotationList = 1, kSplitList = 2, kCutList = 3;

std::vector<int> selections(const Roles& roles) {
  std::vector<int> items;
  for (int list = 0; list < kSingleRoleLists; ++list) items.push_back(roles.selected_item(list));
  return items;
}

TEST(LineTypeRoles, OpeningShowsEveryLineTypeInTheRoleOkWrites) {
  // LT1 is a grain line that is never offered; LT3 and LT5 both claim the grain line; LT6
  // has a usage no list shows.
  const Roles roles(Usages{0, 1, 3, 1, 2, 1, 9});
  EXPECT_EQ(selections(roles), (std::vector<int>{4, 3, kNotSet, kNotSet}));  // grain LT5, annotation LT4
  EXPECT_EQ(roles.holders(kMarking), std::vector<int>{2});
  EXPECT_EQ(roles.holders(kAuxiliary), std::vector<int>{3});  // the earlier grain line
  EXPECT_EQ(roles.usages(), (Usages{0, 1, 3, 4, 2, 1, 9}));
}

TEST(LineTypeRoles, ChoosingInASingleRoleList) {
  const struct {
    const char* what;
    Usages read;
    int list, item;
    Usages written;
    std::vector<int> shown;
  } cases[] = {
      {"LT4, the split line, becomes the grain line: split is free, the old grain line LT5 auxiliary",
       {0, 4, 3, 4, 5, 1, 4}, kGrainList, 3, {0, 4, 3, 4, 1, 4, 4}, {3, kNotSet, kNotSet, kNotSet}},
      {"not set frees the role only", {0, 4, 3, 6, 5, 1, 4}, kGrainList, kNotSet, {0, 4, 3, 6, 5, 4, 4},
       {kNotSet, kNotSet, 3, 2}},
      {"a marking line taken as cut internal line leaves the marking lines", {0, 4, 3, 4, 4, 4, 4}, kCutList, 1,
       {0, 4, 6, 4, 4, 4, 4}, {kNotSet, kNotSet, kNotSet, 1}},
      {"a line type of unknown usage can be chosen", {0, 4, 4, 4, 4, 4, 0}, kAnnotationList, 5, {0, 4, 4, 4, 4, 4, 2},
       {kNotSet, 5, kNotSet, kNotSet}},
      {"LT1 keeps the role it was read with", {0, 5, 4, 4, 4, 4, 4}, kSplitList, 2, {0, 5, 4, 5, 4, 4, 4},
       {kNotSet, kNotSet, 2, kNotSet}},
      {"an item outside the list changes nothing", {0, 4, 1, 4, 4, 4, 4}, kGrainList, 6, {0, 4, 1, 4, 4, 4, 4},
       {1, kNotSet, kNotSet, kNotSet}},
      {"a list outside the dialog changes nothing", {0, 4, 1, 4, 4, 4, 4}, 4, 2, {0, 4, 1, 4, 4, 4, 4},
       {1, kNotSet, kNotSet, kNotSet}},
  };
  for (const auto& c : cases) {
    Roles roles(c.read);
    roles.choose(c.list, c.item);
    EXPECT_EQ(roles.usages(), c.written) << c.what;
    EXPECT_EQ(selections(roles), c.shown) << c.what;
  }
}

TEST(LineTypeRoles, MovingBetweenMarkingAndAuxiliaryLines) {
  Roles roles(Usages{0, 4, 4, 3, 1, 4, 4});
  EXPECT_TRUE(roles.make_marking(2));
  EXPECT_TRUE(roles.make_auxiliary(3));
  EXPECT_EQ(roles.holders(kMarking), std::vector<int>{2});
  EXPECT_EQ(roles.holders(kAuxiliary), (std::vector<int>{3, 5, 6}));
  // Only from the other list, and never line type 1 or a line type outside 1 to 6.
  EXPECT_FALSE(roles.make_marking(4));  // the grain line
  EXPECT_FALSE(roles.make_auxiliary(5));  // already auxiliary
  EXPECT_FALSE(roles.make_marking(1));
  EXPECT_FALSE(roles.make_marking(7));
  EXPECT_FALSE(roles.make_marking(-1));
  EXPECT_EQ(roles.usages(), (Usages{0, 4, 3, 4, 1, 4, 4}));
}

}  // namespace
}  // namespace tav::line_types
