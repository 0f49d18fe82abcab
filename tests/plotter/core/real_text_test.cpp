#include "plotter/core/real_text.h"

#include <gtest/gtest.h>

namespace tav {
namespace {

TEST(ShortDecimal, KeepsSixCharactersWhereTheNumberAllows) {
  const std::pair<float, const char*> cases[] = {
      {0.025f, "0.0250"},     {0.0254f, "0.0254"}, {0.1f, "0.1000"},    {0.025412f, ".025412"},
      {0.0254101f, ".02541"}, {12.5f, "12.500"},   {0.0f, "0.0000"},    {12345.5f, "12345.5"},
  };
  for (const auto& [value, expected] : cases) EXPECT_EQ(short_decimal(value), expected) << value;
}

TEST(DecimalCommaText, DropsTrailingZerosAndKeepsFourDecimalsBelowOne) {
  const std::pair<double, const char*> cases[] = {
      {0.025, "0,025"}, {0.0254, "0,0254"}, {0.0251234, "0,0251"}, {2.5, "2,5"},  {3, "3"},
      {1.125, "1,125"}, {0.02541, "0,0254"}, {0.99996, "1"},       {-0.5, "-0,5"}, {1.123456789, "1,123456789"},
      {0.0, "0"},
  };
  for (const auto& [value, expected] : cases) EXPECT_EQ(decimal_comma_text(value, 100), expected) << value;
}

TEST(DecimalCommaText, LimitsTheDecimals) {
  EXPECT_EQ(decimal_comma_text(1.123456789, 3), "1,123");
  EXPECT_EQ(decimal_comma_text(1.100456789, 3), "1,1");
  EXPECT_EQ(decimal_comma_text(2.75, 0), "2");
}

TEST(DecimalCommaReading, TakesCommaOrPointAndRefusesWhatIsNoNumber) {
  EXPECT_EQ(read_decimal_comma("0,0254"), 0.0254);
  EXPECT_EQ(read_decimal_comma("0.0254"), 0.0254);
  EXPECT_EQ(read_decimal_comma(" 1 004 "), 1004.0);
  EXPECT_EQ(read_decimal_comma(",5"), 0.5);
  EXPECT_EQ(read_decimal_comma("-2"), -2.0);
  for (const char* text : {"", "   ", "abc", "0,02x", "1,2,3", "inf", "nan", "-", "1e999"}) {
    EXPECT_FALSE(read_decimal_comma(text)) << text;
  }
}

TEST(BracketNumbers, ReadTheFirstWordOnly) {
  EXPECT_EQ(leading_real("0.025"), 0.025);
  EXPECT_EQ(leading_real("  0.025 mm/Schritt"), 0.025);
  EXPECT_FALSE(leading_real("0,025"));
  EXPECT_FALSE(leading_real(""));
  EXPECT_EQ(leading_whole_number("1800"), 1800);
  EXPECT_EQ(leading_whole_number(" 1800 mm"), 1800);
  EXPECT_EQ(leading_whole_number("-5"), -5);
  EXPECT_FALSE(leading_whole_number("18.5"));
  EXPECT_FALSE(leading_whole_number("+-5"));
  EXPECT_FALSE(leading_whole_number("99999999999"));
}

}  // namespace
}  // namespace tav
