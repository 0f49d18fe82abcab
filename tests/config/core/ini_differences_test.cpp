#include "config/core/ini_differences.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tav {
namespace {

// The differences as "[SECTION] KEY: earlier > today" lines, "-" for a missing value.
std::vector<std::string> lines(const std::string& earlier, const std::string& today) {
  std::vector<std::string> shown;
  for (const KeyDifference& d : key_differences(IniDocument(earlier), IniDocument(today))) {
    shown.push_back("[" + d.section + "] " + d.key + ": " + d.earlier.value_or("-") + " > " + d.today.value_or("-"));
  }
  return shown;
}
using Lines = std::vector<std::string>;

// Faults: a changed value missed; an unchanged key reported; a key of one version only
// missed; names of other case, blanks, comments or a hidden duplicate taken as changes.
TEST(KeyDifferences, NameTheKeysWhoseValuesDiffer) {
  struct Case {
    const char* earlier;
    const char* today;
    Lines expected;
  };
  const Case cases[] = {
      {"[SCREEN]\r\nWIDTHMM=300\r\nHIGHTMM=200\r\n",
       "[SCREEN]\r\nWIDTHMM=320\r\nHIGHTMM=200\r\n",
       {"[SCREEN] WIDTHMM: 300 > 320"}},
      {"[A]\r\nOLD=1\r\n", "[A]\r\nNEW=2\r\n", {"[A] OLD: 1 > -", "[A] NEW: - > 2"}},
      {"[screen]\nwidthmm = 300\n; WIDTHMM=1\n", "[SCREEN]\r\nWIDTHMM=300\r\n", {}},
      {"[A]\r\nK=1\r\nK=2\r\n", "[A]\r\nK=1\r\nK=3\r\n", {}},
      {"\xEF\xBB\xBF[A]\r\nK=\"x\"\r\n", "[A]\r\nK=x\r\n", {"[A] K: \"x\" > x"}},
  };
  for (const Case& c : cases) EXPECT_EQ(lines(c.earlier, c.today), c.expected) << c.earlier;
}

}  // namespace
}  // namespace tav
