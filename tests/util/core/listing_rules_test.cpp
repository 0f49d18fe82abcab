#include "util/core/listing_rules.h"

#include <gtest/gtest.h>

#include <string>

namespace tav {
namespace {

TEST(EightDotThreeForm, NamesThatFit) {
  for (const char* name : {"README.TXT", "a.b.c", "TAVIRO", "ABCDEFGH", "ABCDEFGH.IJK", "x.", ".abc", ""}) {
    EXPECT_TRUE(has_8_3_form(name)) << name;
  }
}

TEST(EightDotThreeForm, NamesThatDoNot) {
  for (const char* name : {"Lange Datei.txt",  // blank
                           "ABCDEFGHI",        // no dot, 9 characters
                           "ABCDEFGHI.TX",     // base name of 9
                           "abc.defg",         // 4 characters after the first dot
                           "ABCDEFGH.IJK1",    // 13 characters
                           "a b", "a.b.cd"}) {
    EXPECT_FALSE(has_8_3_form(name)) << name;
  }
}

TEST(ListedName, AlternateNameOnlyWhereTheLongNameNeedsIt) {
  EXPECT_EQ(listed_name("README.TXT", "", false), "README.TXT");
  EXPECT_EQ(listed_name("README.TXT", "", true), "README.TXT");
  EXPECT_EQ(listed_name("Lange Datei.txt", "LANG~3GZ.TXT", false), "LANG~3GZ.TXT");
  EXPECT_EQ(listed_name("a.b.c", "A_B~~54C.C", false), "a.b.c");
  EXPECT_EQ(listed_name("a.b.c", "A_B~~54C.C", true), "A_B~~54C.C");
  // A long name without 8.3 form but without an alternate name is all there is.
  EXPECT_EQ(listed_name("Lange Datei.txt", "", false), "Lange Datei.txt");
}

std::string entry_of(const std::string& name) {
  FolderNameEntry entry(std::string_view("untouched"));
  if (!make_folder_name_entry(name, entry)) return "<none>";
  return std::string(entry.raw());
}

TEST(FolderNameEntries, BlankNameCutAtDotAndEightCharactersUpperCase) {
  EXPECT_EQ(entry_of("damen_e"), " DAMEN_E  ");
  EXPECT_EQ(entry_of("hilfen"), " HILFEN   ");
  EXPECT_EQ(entry_of("abc.def.ghi"), " ABC      ");
  EXPECT_EQ(entry_of("Roll60a.que"), " ROLL60A  ");
  EXPECT_EQ(entry_of("verylongname.que"), " VERYLONG ");
  EXPECT_EQ(entry_of("x"), " X        ");
}

TEST(FolderNameEntries, NothingBeforeTheFirstDotGivesNoEntry) {
  EXPECT_EQ(entry_of("."), "<none>");
  EXPECT_EQ(entry_of(".."), "<none>");
  EXPECT_EQ(entry_of(".hidden"), "<none>");
  EXPECT_EQ(entry_of(""), "<none>");
}

}  // namespace
}  // namespace tav
