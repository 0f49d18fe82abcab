#include "plotter/core/real_text.h"

#include <gtest/gtest.h>

#include <optional>

namespace tav {
namespace {

TEST(ShortDecimal, KeepsSixCharactersWhereTheNumberAllows) {
  const std::pair<float, const char*> cases[] = {
      {0.025f, "0.0250"},     {0.0254f, "0.0254"}, {0.1f, "0.1000"}, {0.025412f, ".025412"},
      {0.0254101f, ".02541"}, {12.5f, "12.500"},   {0.0f, "0.0000"}, {12345.5f, "12345.5"},
  };
  for (const auto& [value, expected] : cases) EXPECT_EQ(short_decimal(value), expected) << value;
}

TEST(DecimalCommaText, DropsTrailingZerosAndKeepsFourDecimalsBelowOne) {
  const struct {
    double value;
    int decimals;
    const char* expected;
  } cases[] = {
      {0.025, 100, "0,025"},   {0.0254, 100, "0,0254"}, {0.0251234, 100, "0,0251"},        {2.5, 100, "2,5"},
      {3, 100, "3"},           {1.125, 100, "1,125"},   {0.02541, 100, "0,0254"},          {0.99996, 100, "1"},
      {-0.5, 100, "-0,5"},     {0.0, 100, "0"},         {1.123456789, 100, "1,123456789"}, {1.123456789, 3, "1,123"},
      {1.100456789, 3, "1,1"}, {2.75, 0, "2"},  // the decimals limited
  };
  for (const auto& c : cases)
    EXPECT_EQ(decimal_comma_text(c.value, c.decimals), c.expected) << c.value << "/" << c.decimals;
}

TEST(DecimalCommaReading, TakesCommaOrPointAndRefusesWhatIsNoNumber) {
  const std::pair<const char*, std::optional<double>> cases[] = {
      {"0,0254", 0.0254}, {"0.0254", 0.0254}, {" 1 004 ", 1004.0}, {",5", 0.5}, {"-2", -2.0}, {"", {}},  {"   ", {}},
      {"abc", {}},        {"0,02x", {}},      {"1,2,3", {}},       {"inf", {}}, {"nan", {}},  {"-", {}}, {"1e999", {}},
  };
  for (const auto& [text, expected] : cases) EXPECT_EQ(read_decimal_comma(text), expected) << text;
}

// Bracket lines hold a number followed by a unit or a note.
TEST(BracketNumbers, ReadTheFirstWordOnly) {
  const std::pair<const char*, std::optional<double>> reals[] = {
      {"0.025", 0.025}, {"  0.025 mm/Schritt", 0.025}, {"0,025", {}}, {"", {}}};
  for (const auto& [text, expected] : reals) EXPECT_EQ(leading_real(text), expected) << text;
  const std::pair<const char*, std::optional<int>> wholes[] = {{"1800", 1800}, {" 1800 mm", 1800}, {"-5", -5},
                                                               {"18.5", {}},   {"+-5", {}},        {"99999999999", {}}};
  for (const auto& [text, expected] : wholes) EXPECT_EQ(leading_whole_number(text), expected) << text;
}

}  // namespace
}  // namespace tav
