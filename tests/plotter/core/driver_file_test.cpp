#include "plotter/core/driver_file.h"

#include <gtest/gtest.h>

#include <functional>

#include "plotter/driver_text.h"

namespace tav {
namespace {

using test::DriverText;

DriverSettings read(const std::string& bytes) {
  DriverSettings values;
  EXPECT_TRUE(read_driver_settings(bytes, values));
  return values;
}

TEST(DriverSettingsReader, ReadsTheNumberedBracketLinesAndTheDeviceLine) {
  DriverText text;
  text.values = {{6, "J"},   {26, "0.025"}, {27, " 0.0254 mm"}, {34, "y"}, {45, "ja"}, {51, "Rollenplotter 60"},
                 {53, "600"}};
  text.device = " 13 08 1 02 03 4";
  const DriverSettings values = read(text.build());
  EXPECT_EQ(values.plotter_name.str(), "Rollenplotter 60");
  EXPECT_EQ(values.bracket_lines, 58);
  EXPECT_EQ(values.device, (DeviceSettings{7, 8, 1, 2, 3, 4}));  // stored 13 is device code 7
  EXPECT_FLOAT_EQ(*values.resolution_x, 0.025f);
  EXPECT_FLOAT_EQ(*values.resolution_y, 0.0254f);
  EXPECT_EQ(values.cutter, 1);
  EXPECT_TRUE(values.each_page);
  EXPECT_TRUE(values.pen_change);
  EXPECT_EQ(values.paper_width, 600);
}

TEST(DriverSettingsReader, DeviceCodesBelowElevenAreNotShifted) {
  for (const auto& [stored, code] : {std::pair{" 03", 3}, {" 07", 7}, {" 10", 10}, {" 11", 5}, {" 99", 93}}) {
    DriverText text;
    text.device = std::string(stored) + " 01 0 00 01 0";
    EXPECT_EQ(read(text.build()).device[kDeviceCode], code) << stored;
  }
}

TEST(DriverSettingsReader, MissingValuesKeepWhatTheyHeldAndUnreadableOnesAreUnknown) {
  DriverSettings values;
  values.resolution_x = 0.5f;
  values.paper_width = 77;
  values.device = {1, 2, 3, 4, 5, 6};
  values.plotter_name.assign("old");
  DriverText text;
  text.values = {{26, "fein"}, {27, "1e39"}};  // 1e39: too large for the resolution
  text.device = " 12 01 0 00 01";              // 14 characters: too short for the six settings
  text.bracket_lines = 50;                     // no name line, no paper width line
  ASSERT_TRUE(read_driver_settings(text.build(), values));
  EXPECT_FALSE(values.resolution_x || values.resolution_y);
  EXPECT_EQ(values.device, DeviceSettings{});
  EXPECT_EQ(values.paper_width, 77);
  EXPECT_EQ(values.plotter_name.str(), "old");
  text.device = " 1x 08 1 00 01 0";  // one field that is no number
  ASSERT_TRUE(read_driver_settings(text.build(), values));
  EXPECT_EQ(values.device, (DeviceSettings{std::nullopt, 8, 1, 0, 1, 0}));
}

TEST(DriverSettingsReader, NeedsTwoBracketLinesAndCountsLinesWithoutClosingBracket) {
  DriverSettings values;
  EXPECT_FALSE(read_driver_settings("", values));
  EXPECT_FALSE(read_driver_settings("a [1]\r\n#02>[x]<\r\nno brackets\r\n", values));
  EXPECT_EQ(values.bracket_lines, 1);
  EXPECT_TRUE(read_driver_settings("a [1]\nb [open", values));
  EXPECT_EQ(values.bracket_lines, 2);
}

// Rewriting with the values just read.
std::string round_trip(const std::string& bytes) {
  DriverSettings values;
  read_driver_settings(bytes, values);
  return rewrite_driver_file(bytes, values);
}

TEST(DriverFileRewrite, UnchangedValuesKeepEveryByteOfTheUsualLayout) {
  DriverText crlf;
  EXPECT_EQ(round_trip(crlf.build()), crlf.build());
  DriverText lf;
  lf.eol = "\n";
  lf.device = " 03 08 1 00 00 0";
  lf.values = {{6, "J"}, {26, "0.0250"}, {27, "0.01"}, {53, "0"}};
  EXPECT_EQ(round_trip(lf.build()), lf.build().replace(lf.build().find("[0.01]"), 6, "[0.0100]"));
}

TEST(DriverFileRewrite, NormalisesOnlyTheRewrittenLines) {
  DriverText text;
  text.values = {{6, "yes"}, {26, "0.025"}, {45, "j"}, {53, " 1800 "}, {7, "x  "}};
  text.device = "  5  8 0  0  1 0    ";  // 20-character region, stored code 5 read as 5
  std::string bytes = text.build();
  bytes.insert(bytes.find("[x  ]") + 5, "   ");  // trailing blanks after a carried line
  bytes.pop_back();                              // and no final line feed
  bytes.pop_back();
  DriverText expected = text;
  expected.values = {{6, "J"}, {26, "0.0250"}, {45, "J"}, {53, "1800"}, {7, "x  "}};
  expected.device = " 11 08 0 00 01 0    ";
  std::string wanted = expected.build();
  wanted.insert(wanted.find("[x  ]") + 5, "   ");
  wanted.resize(wanted.size() - 2);
  EXPECT_EQ(round_trip(bytes), wanted);
  // A stray CR at the end of a rewritten line goes with its blanks, so that a second
  // rewrite changes nothing (found by fuzzing).
  DriverText lf = text;
  lf.eol = "\n";
  std::string stray = lf.build();
  stray.insert(stray.find("[yes]") + 5, "  \r ");
  EXPECT_EQ(round_trip(round_trip(stray)), round_trip(stray));
}

TEST(DriverFileRewrite, LeavesLinesItCannotRewriteAsTheyAre) {
  const std::string long_value(100000, 'x');
  const std::string bytes =
      "#03> 12 01 0 00<\r\n"   // value region too short
      "#07>anything [J]<\r\n"  // unknown tag: no bracket line
      "#0\r\n"
      "one   [1]  \r\n"
      "two [" +
      long_value +
      "]  \r\n"  // a line far longer than any reading width
      "three [open\r\n";
  DriverSettings values;
  read_driver_settings(bytes, values);
  values.device = {9, 9, 9, 9, 9, 9};
  EXPECT_EQ(rewrite_driver_file(bytes, values), bytes);
  // The sixth bracket line without its "]" stays; a long one is rewritten whole.
  values.pen_change = true;
  const std::string open_six = "1 [a]\n2 [a]\n3 [a]\n4 [a]\n5 [a]\nsix [N\n";
  EXPECT_EQ(rewrite_driver_file(open_six, values), open_six);
  std::string six = "1 [a]\n2 [a]\n3 [a]\n4 [a]\n5 [a]\nsix " + long_value + "[N] " + long_value + "\n";
  EXPECT_EQ(rewrite_driver_file(six, values),
            "1 [a]\n2 [a]\n3 [a]\n4 [a]\n5 [a]\nsix " + long_value + "[J] " + long_value + "\n");
}

TEST(DriverFileRewrite, DeviceValuesThatDoNotFitLeaveTheLine) {
  DriverText text;
  DriverSettings values = read(text.build());
  values.device[kPens] = 1000;
  EXPECT_EQ(rewrite_driver_file(text.build(), values), text.build());
  values.device[kPens] = -5;
  EXPECT_NE(rewrite_driver_file(text.build(), values).find("#03> 12-05 0 00 01 0<"), std::string::npos);
}

// A value the reader cannot take stays in the file byte for byte while the user saves other
// settings, until the user gives that setting a value.
TEST(DriverFileRewrite, KeepsWhatItCannotReadUntilTheUserGivesAValue) {
  struct Case {
    std::function<void(DriverSettings&)> change;
    int line;  // the bracket line that changes, 0 for the "03" line
    std::string text;
  };
  const Case cases[] = {
      {[](DriverSettings&) {}, 0, " 1x 0x y 00 ab 0"},
      {[](DriverSettings& v) { v.resolution_x = 0.0254f; }, 26, "0.0254"},
      {[](DriverSettings& v) { v.paper_width = 900; }, 53, "900"},
      {[](DriverSettings& v) { v.device[kPens] = 4; }, 0, " 1x 04 y 00 ab 0"},
      {[](DriverSettings& v) { v.device[kOrigin] = 0; }, 0, " 1x 0x 0 00 ab 0"},
  };
  for (const Case& c : cases) {
    DriverText text;
    text.values = {{26, "0.025mm"}, {27, "1e39"}, {45, "N"}, {53, "914mm"}};
    text.device = " 1x 0x y 00 ab 0";
    DriverSettings values;
    read_driver_settings(text.build(), values);
    values.each_page = true;
    c.change(values);
    DriverText expected = text;
    expected.values[45] = "J";
    (c.line == 0 ? expected.device : expected.values[c.line]) = c.text;
    EXPECT_EQ(rewrite_driver_file(text.build(), values), expected.build()) << c.line << c.text;
  }
}

TEST(ListedPlotterName, IsTheFiftyFirstClosedBracketLine) {
  DriverText text;
  EXPECT_EQ(listed_plotter_name(text.build()), "Tintenstrahlplotter 180 cm");
  text.values[51] = "";
  EXPECT_FALSE(listed_plotter_name(text.build()));
  text.bracket_lines = 50;
  EXPECT_FALSE(listed_plotter_name(text.build()));
  // Tagged lines and lines without "]" do not count, so the name moves down one line.
  DriverText open;
  open.values[10] = "open";
  open.values[52] = "Zweiter Name";
  std::string bytes = open.build();
  bytes.replace(bytes.find("[open]"), 6, "[open");
  EXPECT_EQ(listed_plotter_name(bytes), "Zweiter Name");
}

}  // namespace
}  // namespace tav
