// The folder listing on real folders of the test drive U: and on the drive W:, which the
// test prefix sets up as a CD-ROM drive without a disc.
#include "util/directory_listing.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "config/utility_settings_readers.h"
#include "support/installation.h"
#include "util/listing_support.h"
#include "util/reported_tags.h"
#include "util/utility_settings.h"

namespace tav {
namespace {

using test::TestInstallation;

struct Listed {
  std::string name;
  std::uint16_t attributes;
  ListingEntry entry;
};

// Lists a pattern to its end with list_folder and answers the entries and the final status.
std::vector<Listed> list_all(const std::string& pattern, std::uint16_t mask, ListStatus* final_status = nullptr) {
  std::vector<Listed> listed;
  char name[260];
  std::memset(name, ' ', sizeof name);
  std::memcpy(name, pattern.data(), pattern.size());
  int length = static_cast<int>(pattern.size());
  std::uint16_t attributes = mask;
  ListingEntry entry;
  ListStatus status = list_folder(ListStep::start, name, sizeof name, length, attributes, entry);
  while (status == ListStatus::delivered) {
    listed.push_back({std::string(name, static_cast<std::size_t>(length)), attributes, entry});
    status = list_folder(ListStep::next, name, sizeof name, length, attributes, entry);
  }
  if (final_status) *final_status = status;
  return listed;
}

std::vector<std::string> names_of(const std::vector<Listed>& listed) {
  std::vector<std::string> names;
  for (const Listed& l : listed) names.push_back(l.name);
  std::sort(names.begin(), names.end());
  return names;
}
std::vector<std::string> sorted(std::vector<std::string> names) {
  std::sort(names.begin(), names.end());
  return names;
}

// The status of a start on the pattern, in a field of the pattern's own length.
ListStatus start_status(std::string pattern) {
  int length = static_cast<int>(pattern.size());
  pattern.resize(pattern.size() + 1);
  std::uint16_t attributes = 0;
  ListingEntry entry;
  const ListStatus status = list_folder(ListStep::start, pattern.data(), length, length, attributes, entry);
  list_folder(ListStep::close, pattern.data(), length, length, attributes, entry);
  return status;
}

// A folder with long names, names with blanks and with two dots, and plain 8.3 names.
class ListingTest : public ::testing::Test {
 protected:
  void SetUp() override {
    set_show_alias_reader(stored_show_alias);
    inst.write("liste\\README.TXT", "hello");
    inst.write("liste\\Lange Datei.txt", "long");
    inst.write("liste\\a.b.c", "");
    inst.make_folder("liste\\Mein langer Ordner");
    inst.make_folder("liste\\forms");
    long_folder_alias = test::alternate_name(inst.path("liste\\Mein langer Ordner"));
    long_file_alias = test::alternate_name(inst.path("liste\\Lange Datei.txt"));
    dots_alias = test::alternate_name(inst.path("liste\\a.b.c"));
    ASSERT_FALSE(long_folder_alias.empty());
    ASSERT_FALSE(long_file_alias.empty());
  }
  void TearDown() override { set_show_alias_reader(stored_show_alias); }
  void set_show_alias(const char* value) {
    inst.write("taviro.ini", std::string("[OPTIONS]\r\nSHOW_ALIAS=") + value + "\r\n");
  }

  TestInstallation inst;
  std::string long_folder_alias, long_file_alias, dots_alias;
};

TEST_F(ListingTest, WithoutShowAliasOnlyNamesLackingTheShortFormUseTheirAlternateName) {
  ListStatus status = ListStatus::failed;
  const auto listed = list_all("U:\\taviro\\liste\\*.*", 0, &status);
  EXPECT_EQ(status, ListStatus::no_more);
  EXPECT_EQ(names_of(listed), sorted({".", "..", "README.TXT", long_file_alias, "a.b.c", long_folder_alias, "forms"}));
}

TEST_F(ListingTest, WithShowAliasEveryEntryWithAnAlternateNameUsesIt) {
  set_show_alias("1");
  const auto listed = list_all("U:\\taviro\\liste\\*.*", 0);
  const std::string dots = dots_alias.empty() ? "a.b.c" : dots_alias;
  EXPECT_EQ(names_of(listed), sorted({".", "..", "README.TXT", long_file_alias, dots, long_folder_alias, "forms"}));
  EXPECT_FALSE(dots_alias.empty()) << "this volume gives a.b.c no alternate name; the case is not shown";
}

TEST_F(ListingTest, ShowAliasIsReadOncePerRun) {
  ASSERT_FALSE(dots_alias.empty()) << "a.b.c needs an alternate name for this test";
  set_show_alias("1");
  EXPECT_EQ(names_of(list_all("U:\\taviro\\liste\\a.b.c", 0)), std::vector<std::string>{dots_alias});
  set_show_alias("0");
  EXPECT_EQ(names_of(list_all("U:\\taviro\\liste\\a.b.c", 0)), std::vector<std::string>{dots_alias})
      << "the setting was read again";
  set_show_alias_reader(stored_show_alias);
  EXPECT_EQ(names_of(list_all("U:\\taviro\\liste\\a.b.c", 0)), std::vector<std::string>{"a.b.c"});
}

TEST_F(ListingTest, ShowAliasOffForZeroAndForAMissingOrEmptyKey) {
  for (const char* value : {"0", ""}) {
    set_show_alias(value);
    set_show_alias_reader(stored_show_alias);
    EXPECT_EQ(names_of(list_all("U:\\taviro\\liste\\a.b.c", 0)), std::vector<std::string>{"a.b.c"}) << value;
  }
  inst.write("taviro.ini", "[OPTIONS]\r\nBAKMAX=3\r\n");
  set_show_alias_reader(stored_show_alias);
  EXPECT_EQ(names_of(list_all("U:\\taviro\\liste\\a.b.c", 0)), std::vector<std::string>{"a.b.c"});
  set_show_alias("7");
  set_show_alias_reader(stored_show_alias);
  EXPECT_EQ(names_of(list_all("U:\\taviro\\liste\\Mein*", 0)), std::vector<std::string>{long_folder_alias});
}

TEST_F(ListingTest, EntryRecordHoldsSizeAttributesAndLocalTime) {
  test::set_local_time(inst.path("liste\\README.TXT"), 2021, 3, 4, 5, 6, 7);
  test::set_local_time(inst.path("liste\\forms"), 1999, 12, 31, 23, 59, 58);
  ASSERT_TRUE(test::set_attributes(inst.path("liste\\README.TXT"), FILE_ATTRIBUTE_READONLY));
  std::map<std::string, Listed> by_name;
  for (const Listed& l : list_all("U:\\taviro\\liste\\*", 0)) by_name.emplace(l.name, l);
  const Listed& file = by_name.at("README.TXT");
  EXPECT_EQ(file.entry.size, 5);
  EXPECT_TRUE(file.attributes & FILE_ATTRIBUTE_READONLY);
  EXPECT_FALSE(file.attributes & FILE_ATTRIBUTE_DIRECTORY);
  EXPECT_EQ((std::vector<int>{file.entry.year, file.entry.month, file.entry.day, file.entry.hour, file.entry.minute,
                              file.entry.second}),
            (std::vector<int>{2021, 3, 4, 5, 6, 7}));
  const Listed& folder = by_name.at("forms");
  EXPECT_TRUE(folder.attributes & FILE_ATTRIBUTE_DIRECTORY);
  EXPECT_EQ((std::vector<int>{folder.entry.year, folder.entry.month, folder.entry.day, folder.entry.hour,
                              folder.entry.minute, folder.entry.second}),
            (std::vector<int>{1999, 12, 31, 23, 59, 58}));
  test::set_attributes(inst.path("liste\\README.TXT"), FILE_ATTRIBUTE_NORMAL);
}

TEST_F(ListingTest, AttributeMaskOfTheStartHoldsForEveryNext) {
  const auto folders = list_all("U:\\taviro\\liste\\*", FILE_ATTRIBUTE_DIRECTORY);
  EXPECT_EQ(names_of(folders), sorted({".", "..", long_folder_alias, "forms"}));
  ASSERT_TRUE(test::set_attributes(inst.path("liste\\a.b.c"), FILE_ATTRIBUTE_HIDDEN));
  EXPECT_EQ(names_of(list_all("U:\\taviro\\liste\\*", FILE_ATTRIBUTE_HIDDEN)), std::vector<std::string>{"a.b.c"});
}

TEST_F(ListingTest, NameIsBlankPaddedAndCutToTheCallersField) {
  const std::string pattern = "U:\\taviro\\liste\\README.TXT";
  char name[40];
  std::memcpy(name, pattern.data(), pattern.size());
  int length = static_cast<int>(pattern.size());
  std::uint16_t attributes = 0;
  ListingEntry entry;
  ASSERT_EQ(list_folder(ListStep::start, name, sizeof name, length, attributes, entry), ListStatus::delivered);
  EXPECT_EQ(length, 10);
  EXPECT_EQ(std::string(name, sizeof name), "README.TXT" + std::string(30, ' '));

  // An 8-character field inside a larger buffer: the name is cut, nothing beyond is touched.
  char buffer[12];
  std::memcpy(buffer, "READ*   ####", 12);
  SetCurrentDirectoryA("U:\\taviro\\liste");
  length = 8;
  ASSERT_EQ(list_folder(ListStep::start, buffer, 8, length, attributes, entry), ListStatus::delivered);
  EXPECT_EQ(length, 8);
  EXPECT_EQ(std::string(buffer, 12), "README.T####");
  list_folder(ListStep::close, buffer, 8, length, attributes, entry);
}

TEST_F(ListingTest, StatusesOfStartNextCloseAndUnknownModes) {
  EXPECT_EQ(start_status("U:\\taviro\\fehlt\\*.*"), ListStatus::not_started);  // missing folder
  EXPECT_EQ(start_status("U:\\taviro\\liste\\*.xyz"),
            ListStatus::not_started);  // no match: the system says file not found
  EXPECT_EQ(start_status(""), ListStatus::not_started);
  EXPECT_EQ(start_status("\\taviro\\liste\\*.*"), ListStatus::delivered);  // no drive letter: the current drive U:

  char name[260] = "U:\\taviro\\liste\\forms";
  int length = 21;
  std::uint16_t attributes = 0;
  ListingEntry entry;
  ASSERT_EQ(list_folder(ListStep::start, name, sizeof name, length, attributes, entry), ListStatus::delivered);
  EXPECT_EQ(std::string(name, length), "forms");
  EXPECT_EQ(list_folder(ListStep::next, name, sizeof name, length, attributes, entry), ListStatus::no_more);
  // The failing next closed the search: there is no handle left for another next.
  EXPECT_EQ(list_folder(ListStep::next, name, sizeof name, length, attributes, entry), ListStatus::invalid_handle);
  EXPECT_EQ(list_folder(ListStep::close, name, sizeof name, length, attributes, entry), ListStatus::delivered);
  EXPECT_EQ(list_folder(ListStep::close, name, sizeof name, length, attributes, entry), ListStatus::delivered);

  // Lengths of 0 or less leave an empty pattern.
  std::strcpy(name, "U:\\taviro\\liste\\*");
  length = 17;
  EXPECT_EQ(list_folder(ListStep::start, name, 0, length, attributes, entry), ListStatus::not_started);
  EXPECT_EQ(list_folder(ListStep::start, name, -5, length, attributes, entry), ListStatus::not_started);
  length = -1;
  EXPECT_EQ(list_folder(ListStep::start, name, sizeof name, length, attributes, entry), ListStatus::not_started);
  EXPECT_EQ(std::string(name), "U:\\taviro\\liste\\*");
}

TEST_F(ListingTest, PatternLengthsAroundTheWorkField) {
  inst.make_folder("lang");
  const std::string deep259 = test::path_of_length("U:\\taviro\\lang", 259, true);
  EXPECT_EQ(start_status(deep259), ListStatus::delivered);
  // Cut to 259 characters this pattern would name the 259-character file.
  EXPECT_EQ(start_status(deep259 + "*"), ListStatus::not_started);
  EXPECT_EQ(start_status(test::path_of_length("U:\\taviro\\lang", 300, false)), ListStatus::not_started);
}

TEST_F(ListingTest, StartClosesTheSearchStillOpen) {
  char name[260] = "U:\\taviro\\liste\\*";
  int length = 17;
  std::uint16_t attributes = 0;
  ListingEntry entry;
  ASSERT_EQ(list_folder(ListStep::start, name, sizeof name, length, attributes, entry), ListStatus::delivered);
  // A second start lists only its own pattern.
  std::strcpy(name, "U:\\taviro\\liste\\forms");
  length = 21;
  ASSERT_EQ(list_folder(ListStep::start, name, sizeof name, length, attributes, entry), ListStatus::delivered);
  EXPECT_EQ(list_folder(ListStep::next, name, sizeof name, length, attributes, entry), ListStatus::no_more);
}

TEST(DriveReady, FixedDrivesPassWithTheirTypeOthersAsTheyAre) {
  EXPECT_EQ(drive_ready("U:\\"), DRIVE_FIXED);
  EXPECT_EQ(drive_ready("\\ta"), DRIVE_NO_ROOT_DIR);  // a pattern without drive letter passes
}

TEST(DriveReady, CdRomWithoutDiscIsNotReady) {
  ASSERT_EQ(GetDriveTypeA(test::kNoDiscDrive), static_cast<UINT>(DRIVE_CDROM))
      << "drive W: must be a CD-ROM drive without a disc (scripts/wine-prefix)";
  EXPECT_EQ(drive_ready(test::kNoDiscDrive), 0);
  EXPECT_EQ(start_status("W:\\taviro\\*.*"), ListStatus::not_started);
  EXPECT_FALSE(path_exists("W:\\taviro\\forms", 15));
}

class FolderNameTableTest : public ::testing::Test {
 protected:
  void SetUp() override {
    inst.make_folder("damen_e");
    inst.make_folder("hilfen");
    inst.make_folder("hidden");
    inst.make_folder("system");
    inst.make_folder("Herren Mode");
    ASSERT_TRUE(test::set_attributes(inst.path("hidden"), FILE_ATTRIBUTE_HIDDEN));
    ASSERT_TRUE(test::set_attributes(inst.path("system"), FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM));
    inst.write("abc.d.e", "");
    inst.write("abc.def.ghi", "");
    inst.write("taviro.ini", "");
    inst.write(".rc", "");
  }
  std::vector<std::string> table(bool directories, const std::string& pattern, int max_entries, int* count = nullptr) {
    std::vector<FolderNameEntry> entries(static_cast<std::size_t>(max_entries) + 1);
    entries.back().assign("sentinel");
    const int n =
        folder_name_table(directories, pattern.data(), static_cast<int>(pattern.size()), entries.data(), max_entries);
    EXPECT_EQ(entries.back(), FolderNameEntry("sentinel")) << "an entry beyond the maximum was written";
    if (count) *count = n;
    std::vector<std::string> out;
    for (int i = 0; i < n; ++i) out.emplace_back(entries[static_cast<std::size_t>(i)].raw());
    std::sort(out.begin(), out.end());
    return out;
  }
  // The entry of a name that lacks the 8.3 form: made from its alternate name.
  std::string entry_from_alias(const std::string& relative) {
    std::string alias = test::alternate_name(inst.path(relative));
    EXPECT_FALSE(alias.empty()) << relative;
    alias = alias.substr(0, alias.find('.'));
    return " " + alias + std::string(9 - alias.size(), ' ');
  }
  TestInstallation inst;
};

TEST_F(FolderNameTableTest, FoldersWithoutHiddenSystemOnesAndWithoutDotEntries) {
  EXPECT_EQ(table(true, "\\taviro\\*.*", 200),
            sorted({" DAMEN_E  ", " HILFEN   ", " HIDDEN   ", entry_from_alias("Herren Mode")}));
}

TEST_F(FolderNameTableTest, FilesCutAtTheirFirstDot) {
  EXPECT_EQ(table(false, "U:\\taviro\\*.*", 200),
            sorted({" ABC      ", entry_from_alias("abc.def.ghi"), " TAVIRO   "}));
}

TEST_F(FolderNameTableTest, StopsAtTheMaximumAndLeavesNoSearchBehind) {
  int count = 0;
  EXPECT_EQ(table(true, "U:\\taviro\\*", 3, &count).size(), 3u);
  EXPECT_EQ(count, 3);
  EXPECT_EQ(table(true, "U:\\taviro\\*", 2, &count).size(), 2u);
  EXPECT_EQ(count, 2);
  EXPECT_TRUE(table(true, "U:\\taviro\\*", 0).empty());
  // The table closed its search: a next has nothing to continue.
  char name[10];
  int length = 0;
  std::uint16_t attributes = 0;
  ListingEntry entry;
  EXPECT_EQ(list_folder(ListStep::next, name, sizeof name, length, attributes, entry), ListStatus::invalid_handle);
}

TEST_F(FolderNameTableTest, UnreadableFolderOrOverlongPatternGivesAnEmptyTable) {
  EXPECT_TRUE(table(true, "U:\\taviro\\fehlt\\*", 10).empty());
  inst.make_folder("t");
  std::string folder = "U:\\taviro\\t";
  while (folder.size() < 196) {
    const std::size_t part = std::min<std::size_t>(60, 196 - folder.size() - 1);
    folder.push_back('\\');
    folder.append(part, 'o');
  }
  ASSERT_EQ(folder.size(), 196u);
  test::make_folders(folder + "\\sub");
  EXPECT_EQ(table(true, folder + "\\*.*", 10), std::vector<std::string>{" SUB      "});  // 200 characters
  EXPECT_TRUE(table(true, folder + "\\*.**", 10).empty());                               // 201 characters
}

TEST(PathExists, FoldersAndFilesThatExist) {
  TestInstallation inst;
  inst.make_folder("forms");
  inst.write("forms\\a.plt", "x");
  EXPECT_TRUE(path_exists("U:\\taviro\\forms", 15));
  EXPECT_TRUE(path_exists("\\taviro\\forms\\a.plt   ", 22));  // blank-padded field
  EXPECT_FALSE(path_exists("U:\\taviro\\formen", 16));
  EXPECT_FALSE(path_exists("U:\\taviro\\*", 11));  // a wildcard names no path
  EXPECT_FALSE(path_exists("", 0));
  EXPECT_FALSE(path_exists("U:\\taviro\\forms", -3));
}

TEST(PathExists, LongPathsAreReportedNotCut) {
  TestInstallation inst;
  inst.make_folder("lang");
  const std::string deep259 = test::path_of_length("U:\\taviro\\lang", 259, true);
  test::ReportedTags reports;
  EXPECT_TRUE(path_exists(deep259.c_str(), 259));
  EXPECT_TRUE(reports.seen.empty());
  // The first 259 characters of this path name the file above.
  const std::string deep260 = deep259 + "x";
  EXPECT_FALSE(path_exists(deep260.c_str(), 260));
  const std::string deep300 = test::path_of_length("U:\\taviro\\lang", 300, false);
  EXPECT_FALSE(path_exists(deep300.c_str(), 300));
  EXPECT_EQ(reports.seen, (std::vector<test::Report>{{ErrorKind::bad_argument, "path_exists-1", 0},
                                                     {ErrorKind::bad_argument, "path_exists-1", 0}}));
}

TEST(PathExists, UsesItsOwnSearchBesideAnOpenListing) {
  TestInstallation inst;
  inst.write("liste\\a", "");
  inst.write("liste\\b", "");
  inst.write("liste\\c", "");
  char name[260] = "U:\\taviro\\liste\\*";
  int length = 17;
  std::uint16_t attributes = 0;
  ListingEntry entry;
  std::vector<std::string> names;
  ListStatus status = list_folder(ListStep::start, name, sizeof name, length, attributes, entry);
  while (status == ListStatus::delivered) {
    names.emplace_back(name, static_cast<std::size_t>(length));
    EXPECT_TRUE(path_exists("U:\\taviro\\liste", 15));
    status = list_folder(ListStep::next, name, sizeof name, length, attributes, entry);
  }
  EXPECT_EQ(sorted(names), sorted({".", "..", "a", "b", "c"}));
}

TEST(ListingEntryRecord, FolderCreationTimeFileWriteTimeAndUnconvertibleTimes) {
  WIN32_FIND_DATAA found{};
  found.nFileSizeHigh = 1;
  found.nFileSizeLow = 0x80000001u;  // only the low 32 bits count
  SYSTEMTIME parts{2020, 2, 0, 29, 13, 14, 15, 0};
  FILETIME local, created, written;
  ASSERT_TRUE(SystemTimeToFileTime(&parts, &local));
  ASSERT_TRUE(LocalFileTimeToFileTime(&local, &created));
  written = created;
  written.dwHighDateTime += 0x40000;  // about three years later

  found.ftCreationTime = created;
  found.ftLastWriteTime = written;
  found.dwFileAttributes = FILE_ATTRIBUTE_DIRECTORY;
  ListingEntry e = listing_entry_of(found);
  EXPECT_EQ(e.size, static_cast<std::int32_t>(0x80000001u));
  EXPECT_EQ((std::vector<int>{e.year, e.month, e.day, e.hour, e.minute, e.second}),
            (std::vector<int>{2020, 2, 29, 13, 14, 15}));

  found.dwFileAttributes = FILE_ATTRIBUTE_ARCHIVE;  // a file: its last-write time
  EXPECT_GT(listing_entry_of(found).year, 2022);
  found.dwFileAttributes = FILE_ATTRIBUTE_DIRECTORY;
  found.ftCreationTime = FILETIME{0, 0};  // a folder without creation time
  EXPECT_GT(listing_entry_of(found).year, 2022);

  test::ReportedTags reports;
  found.ftLastWriteTime = FILETIME{0, 0x80000000u};  // beyond what the system converts
  e = listing_entry_of(found);
  EXPECT_EQ((std::vector<int>{e.year, e.month, e.day, e.hour, e.minute, e.second}), (std::vector<int>(6, 0)));
  ASSERT_EQ(reports.seen.size(), 1u);
  EXPECT_EQ(reports.seen[0].kind, ErrorKind::system_error);
  EXPECT_EQ(reports.seen[0].tag, "list_folder-1");
  EXPECT_EQ(reports.seen[0].value, static_cast<long>(ERROR_INVALID_PARAMETER));
}

}  // namespace
}  // namespace tav
