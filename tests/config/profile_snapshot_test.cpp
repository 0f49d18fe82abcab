// A snapshot, which reads a large file only as far as its keys need, answers as the
// reading rules on the whole file do.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "config/core/profile_rules.h"
#include "config/profile.h"
#include "support/temp_folder.h"

namespace tav {
namespace {

// About 300 KB: the program's sections first, then sections of other programs (one
// repeating a name, one holding a line that runs across the snapshot's first part), the
// indirection section last, and lines ending in CR only.
std::string large_file() {
  std::string text = "top=0\r\n[OPTIONS]\r\nBAKMAX=3\r\nTEXT=#NAME#\r\n[PATH]\rPATHPLOT=\\p\\\r";
  for (int section = 0; section < 2000; ++section) {
    const std::string number = std::to_string(section);
    text.append("[OTHER").append(number).append("]\r\n");
    for (const char* key : {"K0", "K1", "K2", "K3", "K4"}) text.append(key).append("=v").append(number).append("\r\n");
    if (section == 1100) text += "[options]\r\nBAKMAX=9\r\nLATE=1\r\n";
    if (text.size() > 65000 && text.size() < 65600) text += "LONG=" + std::string(2000, 'x') + "\r\n";
  }
  return text + "[STANDARD]\nNAME=named text ; note\nLAST=end";
}

std::string utf16_of(const std::string& ascii) {
  std::string bytes = "\xFF\xFE";
  for (const char c : ascii) {
    bytes += c;
    bytes += '\0';
  }
  return bytes;
}

TEST(ProfileSnapshot, LargeFileAnswersAsTheRulesOnTheWholeFile) {
  test::TempFolder folder;
  const std::string text = large_file();
  const IniDocument whole(text);
  const std::pair<const char*, const char*> keys[] = {
      {"", "top"},         {"OPTIONS", "BAKMAX"}, {"OPTIONS", "TEXT"}, {"OPTIONS", "LATE"}, {"PATH", "PATHPLOT"},
      {"OTHER1500", "K4"}, {"OTHER1999", "K0"},   {"OTHER1", "LONG"},  {"MISSING", "K0"},   {"STANDARD", "LAST"}};
  for (const std::string& bytes : {text, utf16_of(text)}) {
    folder.write("large.ini", bytes);
    const profile::ProfileSnapshot snapshot(folder.file("large.ini").c_str());
    EXPECT_FALSE(snapshot.unreadable());
    for (const auto& [section, key] : keys) {
      SCOPED_TRACE(std::string(section) + "/" + key);
      char expected[64] = {};
      char got[64] = {};
      EXPECT_EQ(snapshot.get_string_indirect(section, key, "d", got, sizeof got),
                read_text_indirect(whole, section, key, "d", expected, sizeof expected));
      EXPECT_STREQ(got, expected);
      EXPECT_EQ(snapshot.get_int(section, key, -7), read_int(whole, section, key, -7));
    }
    EXPECT_EQ(snapshot.document().bytes(), text);
  }
}

}  // namespace
}  // namespace tav
