#include "config/core/profile_rules.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

namespace tav {
namespace {

// The integers Wine 8's GetPrivateProfileIntA gives for these stored values (measured).
TEST(ProfileInteger, FollowsThePlatformConversion) {
  const std::vector<std::pair<std::string, int>> cases = {{"12", 12},
                                                          {"-5", -5},
                                                          {"+7", 7},
                                                          {"0x1F", 31},
                                                          {"0xa", 10},
                                                          {"-0x10", -16},
                                                          {"0b101", 5},
                                                          {"0o17", 15},
                                                          {"017", 17},
                                                          {"12abc", 12},
                                                          {"0x1G", 1},
                                                          {"abc", 0},
                                                          {"0X1f", 0},
                                                          {"0B1", 0},
                                                          {"0x", 0},
                                                          {"-", 0},
                                                          {"- 5", 0},
                                                          {"+-3", 0},
                                                          {"0x-3", 0},
                                                          {"\x01\x02 5", 5},
                                                          {"\"5\"", 5},
                                                          {"'5'", 5},
                                                          {"\"  5\"", 5},
                                                          {"\"7", 0},
                                                          {"-\"3\"", 0},
                                                          {"4294967297", 1},
                                                          {"2147483648", INT_MIN},
                                                          {"-2147483649", INT_MAX},
                                                          {"0xFFFFFFFF", -1},
                                                          {"0xffffffffff", -1},
                                                          {"99999999999999999999", 1661992959},
                                                          // Only 29 characters count.
                                                          {"12345678901234567890123456789", 1849262357},
                                                          {"1234567890123456789012345678901234", 1849262357},
                                                          {"\"123456789012345678901234567890\"", 1849262357},
                                                          {std::string("4\0"
                                                                       "5",
                                                                       3),
                                                           4}};
  for (const auto& [stored, expected] : cases) EXPECT_EQ(integer_value(stored, 99), expected) << stored;
  for (std::string empty : {"", "\"\"", "''"}) EXPECT_EQ(integer_value(empty, 99), 99) << empty;
}

TEST(ProfileInteger, MissingEmptyOrValuelessKeyGivesTheDefault) {
  IniDocument doc("[s]\r\nempty=\r\nnovalue\r\nzero=0\r\nblank=  \r\n");
  EXPECT_EQ(read_int(doc, "s", "empty", 7), 7);
  EXPECT_EQ(read_int(doc, "s", "blank", 7), 7);
  EXPECT_EQ(read_int(doc, "s", "novalue", 7), 7);
  EXPECT_EQ(read_int(doc, "s", "missing", 7), 7);
  EXPECT_EQ(read_int(doc, "t", "zero", 7), 7);
  EXPECT_EQ(read_int(doc, "S", "ZERO", 7), 0);
}

TEST(ProfileText, CopyCutsToSizeMinusOne) {
  char dest[8];
  std::memset(dest, 'X', sizeof dest);
  EXPECT_EQ(copy_cut("abcdef", dest, 0), 0);
  EXPECT_EQ(dest[0], 'X');  // nothing written for size 0
  EXPECT_EQ(copy_cut("abcdef", dest, 1), 0);
  EXPECT_STREQ(dest, "");
  EXPECT_EQ(copy_cut("abcdef", dest, 4), 3);
  EXPECT_STREQ(dest, "abc");
  EXPECT_EQ(copy_cut("abcdef", dest, 7), 6);
  EXPECT_STREQ(dest, "abcdef");
  EXPECT_EQ(copy_cut("abcdef", dest, 8), 6);
  EXPECT_EQ(copy_cut("x", nullptr, 8), 0);
}

TEST(ProfileText, ValueOrDefault) {
  IniDocument doc("[PATH]\r\nDRIVES = CDE \r\nEMPTY=\r\nQ=\"x\"\r\n");
  char dest[30];
  EXPECT_EQ(read_text(doc, "PATH", "DRIVES", "C", dest, 30), 3);
  EXPECT_STREQ(dest, "CDE");
  EXPECT_EQ(read_text(doc, "PATH", "EMPTY", "C", dest, 30), 0);  // present but empty: not the default
  EXPECT_EQ(read_text(doc, "PATH", "Q", "C", dest, 30), 3);
  EXPECT_STREQ(dest, "\"x\"");
  EXPECT_EQ(read_text(doc, "PATH", "MISSING", "C", dest, 30), 1);
  EXPECT_STREQ(dest, "C");
  // The platform drops trailing spaces of a default, but not tabs or leading spaces.
  EXPECT_EQ(read_text(doc, "PATH", "MISSING", " abc  ", dest, 30), 4);
  EXPECT_STREQ(dest, " abc");
  EXPECT_EQ(read_text(doc, "PATH", "MISSING", "abc\t", dest, 30), 4);
  EXPECT_EQ(read_text(IniDocument(), "PATH", "DRIVES", "TAVIRO2.FNT", dest, 5), 4);
  EXPECT_STREQ(dest, "TAVI");
}

TEST(ProfileValues, FlagsAndIntegersAsStored) {
  EXPECT_TRUE(flag_from_stored(2, false));
  EXPECT_TRUE(flag_from_stored(1, false));
  EXPECT_FALSE(flag_from_stored(0, true));
  EXPECT_TRUE(flag_from_stored(-1, true));
  EXPECT_FALSE(flag_from_stored(-1, false));
  EXPECT_TRUE(flag_from_stored(-2, false));
  EXPECT_EQ(integer_text(7), "7");
  EXPECT_EQ(integer_text(0), "0");
  EXPECT_EQ(integer_text(-1), "-1");
  EXPECT_EQ(integer_text(INT_MIN), "-2147483648");
  EXPECT_EQ(integer_text(INT_MAX), "2147483647");
  EXPECT_EQ(flag_text(true), "1");
  EXPECT_EQ(flag_text(false), "0");
}

TEST(ProfileIndirect, StandardSectionAndCommentStripping) {
  IniDocument doc(
      "[PLOT]\r\nNAME=#PEN#\r\nQUOTED=\"a;b\"\r\nAFTER=\"a;b\" ; note\r\nBANG=x!y\r\nPLAIN= abc \r\n"
      "UNKNOWN=#NONE#\r\nHASH=#\r\nEMPTYREF=#EMPTY#\r\n"
      "[STANDARD]\r\n#PEN#=Text ;comment\r\n#EMPTY#=\r\n");
  char dest[256];
  EXPECT_EQ(read_text_indirect(doc, "PLOT", "NAME", "", dest, 256), 5);
  EXPECT_STREQ(dest, "Text ");
  EXPECT_EQ(read_text_indirect(doc, "PLOT", "QUOTED", "", dest, 256), 5);
  EXPECT_STREQ(dest, "\"a;b\"");
  EXPECT_EQ(read_text_indirect(doc, "PLOT", "AFTER", "", dest, 256), 6);
  EXPECT_STREQ(dest, "\"a;b\" ");
  EXPECT_EQ(read_text_indirect(doc, "PLOT", "BANG", "", dest, 256), 1);
  EXPECT_STREQ(dest, "x");
  EXPECT_EQ(read_text_indirect(doc, "PLOT", "PLAIN", "", dest, 256), 3);
  // "STANDARD" lacks the name: the default, with its own length.
  EXPECT_EQ(read_text_indirect(doc, "PLOT", "UNKNOWN", "dflt", dest, 256), 4);
  EXPECT_STREQ(dest, "dflt");
  EXPECT_EQ(read_text_indirect(doc, "PLOT", "EMPTYREF", "dflt", dest, 256), 0);
  EXPECT_STREQ(dest, "");
  // A single '#' both begins and ends the value; "STANDARD" has no key "#".
  EXPECT_EQ(read_text_indirect(doc, "PLOT", "HASH", "d", dest, 256), 1);
  EXPECT_STREQ(dest, "d");
  // A missing key gives the default, which is stripped as well.
  EXPECT_EQ(read_text_indirect(doc, "PLOT", "MISSING", "a!b", dest, 256), 1);
  // A name cut by the size no longer ends with '#': no indirection.
  EXPECT_EQ(read_text_indirect(doc, "PLOT", "NAME", "", dest, 4), 3);
  EXPECT_STREQ(dest, "#PE");
}

TEST(ProfileIndirect, StripCommentOnlyLooksAtTheGivenLength) {
  char text[] = "ab;cd";
  EXPECT_EQ(strip_comment(text, 2), 2);
  EXPECT_STREQ(text, "ab;cd");
  EXPECT_EQ(strip_comment(text, 5), 2);
  EXPECT_STREQ(text, "ab");
  char quotes[] = "\"\";x";
  EXPECT_EQ(strip_comment(quotes, 4), 2);
}

}  // namespace
}  // namespace tav
