// The numbers typed into the edits of the pages and dialogs.
#include "controls/core/number_text.h"

#include <gtest/gtest.h>

namespace tav {
namespace {

TEST(NumberText, OnlyUnsignedDecimalNumbers) {
  EXPECT_EQ(unsigned_number("250"), 250u);
  EXPECT_EQ(unsigned_number(" 7 "), 7u);
  EXPECT_EQ(unsigned_number("0"), 0u);
  EXPECT_EQ(unsigned_number("4294967295"), 4294967295u);
  EXPECT_EQ(unsigned_number("00099999"), 99999u);
  for (const char* invalid : {"", "   ", "-5", "+5", "12a", "1 2", "4294967296", "99999999999999999999999"}) {
    EXPECT_FALSE(unsigned_number(invalid).has_value()) << '"' << invalid << '"';
  }
}

}  // namespace
}  // namespace tav
