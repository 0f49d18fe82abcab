#include "language/core/language_rules.h"

#include <gtest/gtest.h>

#include <string>

namespace tav {
namespace {

TEST(LanguageRules, ConfiguredCode) {
  EXPECT_EQ(configured_language_code("0440"), "0440");
  EXPECT_EQ(configured_language_code("358"), "358 ");
  for (const char* off : {"0000", "000", "abcd", "12345", "", "44", "-440", "04a0", "44 x"}) {
    EXPECT_EQ(configured_language_code(off), std::nullopt) << off;
  }
}

TEST(LanguageRules, StartupVersionWindow) {
  EXPECT_TRUE(startup_version_accepted(1000, 1000));
  EXPECT_TRUE(startup_version_accepted(1095, 1000));
  EXPECT_TRUE(startup_version_accepted(1090, 1200));
  EXPECT_TRUE(startup_version_accepted(1109, -1));
  EXPECT_FALSE(startup_version_accepted(1085, 1000));
  EXPECT_FALSE(startup_version_accepted(1110, 1000));
  EXPECT_TRUE(startup_version_accepted(0, 0));
  EXPECT_FALSE(startup_version_accepted(0, 1100));
}

TEST(LanguageRules, ListedVersions) {
  EXPECT_TRUE(language_listed(1080, 1100));
  EXPECT_TRUE(language_listed(1120, 1100));
  EXPECT_FALSE(language_listed(1079, 1100));
  EXPECT_FALSE(language_listed(1121, 1100));
  EXPECT_FALSE(language_listed(0, 1100));
  EXPECT_TRUE(language_listed(0, 1000));
  EXPECT_TRUE(language_listed(-5, 1099));
  EXPECT_FALSE(language_listed(1050, 1000));
  EXPECT_FALSE(language_listed(-2147483647 - 1, 2147483647));  // no overflow
}

TEST(LanguageRules, NumbersOfFoldersAndTexts) {
  EXPECT_EQ(folder_language_number("0440"), 440);
  EXPECT_EQ(folder_language_number("0490XYZ"), 490);
  EXPECT_EQ(folder_language_number("04  "), 4);
  EXPECT_EQ(folder_language_number("0A12"), std::nullopt);
  EXPECT_EQ(folder_language_number("0 12"), std::nullopt);
  EXPECT_EQ(decimal_number(" -12 "), -12);
  EXPECT_EQ(decimal_number("99999999999"), std::nullopt);
  EXPECT_EQ(decimal_number("+"), std::nullopt);
}

TEST(LanguageRules, ItemTexts) {
  EXPECT_EQ(standard_language_item("", "anything"), "   -    (standard)");
  EXPECT_EQ(standard_language_item("deutsch", "german"), "deutsch (german) *");
  EXPECT_EQ(language_item("english", "english"), "english (english)");
  EXPECT_EQ(language_item("suomi", ""), "suomi ()");
}

TEST(LanguageRules, LangnameCut) {
  EXPECT_EQ(langname_from_item("english (english)"), "english (english)");
  EXPECT_EQ(langname_from_item("   -    (standard)"), "   -    (standard)");
  const std::string forty(40, 'n');
  EXPECT_EQ(langname_from_item(forty), forty);
  EXPECT_EQ(langname_from_item("portugu\xEAs do Brasil (Portuguese, Brazilian variant)"), "portugu\xEAs do Brasil");
  // The character before the bracket goes, whatever it is.
  EXPECT_EQ(langname_from_item("abcdefghij-(" + std::string(40, 'x') + ")"), "abcdefghij");
  // No bracket, or one in the first two places: the first 40 characters.
  EXPECT_EQ(langname_from_item(std::string(45, 'x')), std::string(40, 'x'));
  EXPECT_EQ(langname_from_item("a(" + std::string(45, 'x')), ("a(" + std::string(38, 'x')));
  EXPECT_EQ(langname_from_item("ab(" + std::string(45, 'x')), "a");
  // A name longer than 40 before the bracket still fits LANGNAME.
  EXPECT_EQ(langname_from_item(std::string(50, 'y') + " (z)"), std::string(40, 'y'));
}

bool lead_byte(unsigned char byte) { return byte >= 0x81 && byte <= 0xFE; }

TEST(LanguageRules, LangnameCutKeepsTwoByteCharactersWhole) {
  const std::string name = std::string(39, 'c') + "\xD6\xD0\xCE\xC4";
  EXPECT_EQ(langname_from_item(name, lead_byte), std::string(39, 'c'));
  EXPECT_EQ(langname_from_item(name), name.substr(0, 40));
}

// Dropping the character before the bracket takes both bytes of a two-byte character
// (found by fuzzing: the name kept the lead byte 0xA9 alone at its end).
TEST(LanguageRules, LangnameCutDropsATwoByteCharacterBeforeTheBracketWhole) {
  const std::string item = std::string(19, ')') + "\xA9)(" + std::string(30, 'z');
  EXPECT_EQ(langname_from_item(item, lead_byte), std::string(19, ')'));
}

TEST(LanguageRules, PathIntoLanguageFolder) {
  EXPECT_EQ(path_in_language_folder("C:\\taviro\\menues\\dialog.ini", "0440"), "C:\\taviro\\0440\\menues\\dialog.ini");
  EXPECT_EQ(path_in_language_folder("\\Taviro\\x.ini", "0440"), "\\Taviro\\0440\\x.ini");
  EXPECT_EQ(path_in_language_folder("\\a\\TAVIRO\\b\\taviro\\c", "0330"), "\\a\\TAVIRO\\0330\\b\\taviro\\c");
  EXPECT_EQ(path_in_language_folder("\\taviro\\", "0440"), "\\taviro\\0440\\");
  EXPECT_EQ(path_in_language_folder("\\taviroX\\menues\\dialog.ini", "0440"), std::nullopt);
  EXPECT_EQ(path_in_language_folder("taviro\\dialog.ini", "0440"), std::nullopt);
  EXPECT_EQ(path_in_language_folder("", "0440"), std::nullopt);
}

}  // namespace
}  // namespace tav
