#include "util/core/text.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "util/core/error_report.h"

namespace tav {
namespace {

// Collects the tags reported through the error hook while a test runs.
class ReportedTags {
 public:
  ReportedTags() {
    set_error_observer([this](ErrorKind kind, const char* tag, long) { seen.emplace_back(kind, tag); });
  }
  ~ReportedTags() { set_error_observer(nullptr); }
  std::vector<std::pair<ErrorKind, std::string>> seen;
};

TEST(TextLengths, SignificantAndTerminated) {
  const char ab[] = {'A', 'B', '\0', ' ', ' '};
  EXPECT_EQ(significant_length(ab, 5), 2);
  EXPECT_EQ(terminated_length(ab, 5), 2);
  EXPECT_EQ(terminated_length("ABCDE", 5), 5);
  EXPECT_EQ(significant_length("     ", 5), 0);
  EXPECT_EQ(significant_length(" a b ", 5), 4);
  EXPECT_EQ(significant_length("x", 0), 0);
}

TEST(TextSqueezeTrim, SqueezeClosesGapsAndBlankFills) {
  char f[] = " C D ";
  EXPECT_EQ(squeeze(f, 5), 2);
  EXPECT_EQ(std::string(f, 5), "CD   ");
  char z[] = {'A', '\0', 'B', ' ', 'C'};
  EXPECT_EQ(squeeze(z, 5), 3);
  EXPECT_EQ(std::string(z, 5), "ABC  ");
}

TEST(TextSqueezeTrim, TrimMovesStretchAndLeavesTail) {
  char f[] = "  ab c  ";
  EXPECT_EQ(trim(f, 8), 4);
  EXPECT_EQ(std::string(f, 4), "ab c");
  EXPECT_EQ(std::string(f + 4, 4), " c  ");  // tail left as it was
  char blank[] = "   ";
  EXPECT_EQ(trim(blank, 3), 0);
  char text[] = "ab";
  EXPECT_EQ(trim(text, -1), 0);  // no character is looked at
  EXPECT_EQ(std::string(text), "ab");
}

TEST(TextSearch, FirstAndLastOccurrence) {
  EXPECT_EQ(find_text("abcabc", 6, "bc", 2), 2);
  EXPECT_EQ(find_last_text("abcabc", 6, "bc", 2), 5);
  EXPECT_EQ(find_text("abc", 3, "abcd", 4), 0);
  EXPECT_EQ(find_text("abcabc", 3, "ca", 2), 0);  // only within the given length
  EXPECT_EQ(find_text("abc", 0, "a", 1), 0);
  EXPECT_EQ(find_last_text("abc", 3, "a", 0), 0);
}

TEST(TextSearch, NegativeLengthIsReportedAndTakenAsZero) {
  ReportedTags tags;
  EXPECT_EQ(find_text("abc", -1, "a", 1), 0);
  EXPECT_EQ(find_last_text("abc", 3, "a", -4), 0);
  ASSERT_EQ(tags.seen.size(), 2u);
  EXPECT_EQ(tags.seen[0], std::make_pair(ErrorKind::length_cut, std::string("find_text")));
  EXPECT_EQ(tags.seen[1], std::make_pair(ErrorKind::length_cut, std::string("find_last_text")));
}

TEST(TextBackslash, CountsFromStartAndEnd) {
  const char* p = "E:\\TAVIRO\\FORMS";
  EXPECT_EQ(nth_backslash(p, -1, 15), 10);
  EXPECT_EQ(nth_backslash(p, 1, 15), 3);
  EXPECT_EQ(nth_backslash(p, 2, 15), 10);
  EXPECT_EQ(nth_backslash(p, 3, 15), 0);
  EXPECT_EQ(nth_backslash(p, -2, 15), 3);
  ReportedTags tags;
  EXPECT_EQ(nth_backslash(p, 0, 15), 0);
  ASSERT_EQ(tags.seen.size(), 1u);
  EXPECT_EQ(tags.seen[0], std::make_pair(ErrorKind::bad_argument, std::string("nth_backslash")));
}

TEST(TextCase, UpperLowerAndCodePageLetters) {
  char dob[] = "dob";
  to_upper_case(dob, 3);
  EXPECT_STREQ(dob, "DOB");
  to_upper_case(dob, 0);
  EXPECT_STREQ(dob, "DOB");
  char umlaut[] = "\xe4\xf6\xfc\xdf";  // a, o, u umlaut and sharp s in the Western code page
  to_upper_case(umlaut, 4);
  EXPECT_EQ(std::string(umlaut), "\xc4\xd6\xdc\xdf");
  to_lower_case(umlaut, 4);
  EXPECT_EQ(std::string(umlaut), "\xe4\xf6\xfc\xdf");
  char part[] = "abc";
  to_upper_case(part, 2);
  EXPECT_STREQ(part, "ABc");
}

TEST(TextCase, NegativeCountLeavesFieldAndReports) {
  ReportedTags tags;
  char f[] = "abc";
  to_upper_case(f, -1);
  to_lower_case(f, -2);
  EXPECT_STREQ(f, "abc");
  std::vector<std::pair<ErrorKind, std::string>> expected = {{ErrorKind::length_cut, "to_upper_case"},
                                                             {ErrorKind::length_cut, "convert_case"},
                                                             {ErrorKind::length_cut, "to_lower_case"},
                                                             {ErrorKind::length_cut, "convert_case"}};
  EXPECT_EQ(tags.seen, expected);
}

TEST(TextCase, SameTextIgnoresCase) {
  EXPECT_TRUE(same_text("TaViRo", "taviro", 6));
  EXPECT_FALSE(same_text("taviro", "tavira", 6));
  EXPECT_TRUE(same_text("taviro", "tavira", 5));
  EXPECT_TRUE(same_text("a", "b", 0));
  EXPECT_TRUE(same_text("a", "b", -3));
  EXPECT_TRUE(same_text("\xc4", "\xe4", 1));
}

std::string resolve(const std::string& base, const std::string& rel, int result_size = 260) {
  std::vector<char> out(static_cast<std::size_t>(result_size) + 1, 'x');
  const int n = resolve_relative_path(base.c_str(), static_cast<int>(base.size()) + 1, rel.c_str(),
                                      static_cast<int>(rel.size()) + 1, out.data(), result_size);
  EXPECT_EQ(out[static_cast<std::size_t>(n)], '\0');
  return std::string(out.data(), static_cast<std::size_t>(n));
}

TEST(TextResolve, RelativePathsAgainstTheBaseFolder) {
  EXPECT_EQ(resolve("C:\\TAVIRO", "forms\\"), "C:\\forms\\");
  EXPECT_EQ(resolve("C:\\A\\B", "..\\x\\"), "C:\\x\\");
  EXPECT_EQ(resolve("C:\\A\\B\\", "y\\.\\z"), "C:\\A\\B\\y\\z");
  EXPECT_EQ(resolve("C:\\A\\B\\C", "..\\..\\q"), "C:\\q");
  EXPECT_EQ(resolve("C:\\A\\B", ".\\x"), "C:\\A\\x");
}

TEST(TextResolve, AbsoluteAndShortPathsStayAsTheyAre) {
  EXPECT_EQ(resolve("C:\\A\\B", "\\taviro\\x"), "\\taviro\\x");
  EXPECT_EQ(resolve("C:\\A\\B", "D:\\data"), "D:\\data");
  EXPECT_EQ(resolve("C:\\A\\B", "x"), "x");
  EXPECT_EQ(resolve("C:\\A\\B", ""), "");
}

TEST(TextResolve, ResultIsCutToItsField) { EXPECT_EQ(resolve("C:\\A\\B", "forms\\", 7), "C:\\A\\f"); }

TEST(TextField, AssignCutsAndPads) {
  Field<5> f("abcdefg");
  EXPECT_EQ(f.raw(), "abcde");
  f.assign("ab");
  EXPECT_EQ(f.raw(), "ab   ");
  EXPECT_EQ(f.significant_length(), 2);
  EXPECT_EQ(f.str(), "ab");
  EXPECT_EQ(f.data()[5], '\0');
  Field<5> g("ab");
  EXPECT_TRUE(f == g);
}

}  // namespace
}  // namespace tav
