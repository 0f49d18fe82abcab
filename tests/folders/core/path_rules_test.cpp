#include "folders/core/path_rules.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tav {
namespace {

TEST(FolderPaths, AbsolutePath) {
  struct Case {
    const char* path;
    const char* current;
    const char* absolute;
  };
  const Case cases[] = {
      {"E:\\TAVIRO\\FORMS", "U:\\taviro", "E:\\TAVIRO\\FORMS"},
      {"\\\\server\\share\\forms", "U:\\taviro", "\\\\server\\share\\forms"},
      {"\\TAVIRO\\FORMS", "U:\\taviro", "U:\\TAVIRO\\FORMS"},
      // A relative path lies in the current folder itself, as the shell would take it.
      {"forms\\", "U:\\taviro", "U:\\taviro\\forms\\"},
      {"forms", "U:\\", "U:\\forms"},
      {"..\\daten\\.\\forms", "U:\\taviro\\bin", "U:\\taviro\\daten\\forms"},
  };
  for (const Case& c : cases) EXPECT_EQ(absolute_path(c.path, c.current), c.absolute) << c.path;
}

TEST(FolderPaths, PathListsEndWithTwoTerminators) {
  std::string list(2, '\0');
  add_absolute_path(list, "\\taviro\\forms", "U:\\");
  EXPECT_EQ(list, std::string("U:\\taviro\\forms\0\0", 17));
  add_absolute_path(list, "E:\\x", "U:\\");
  EXPECT_EQ(list, std::string("U:\\taviro\\forms\0E:\\x\0\0", 22));
  std::string empty;
  add_absolute_path(empty, "E:\\x", "U:\\");
  EXPECT_EQ(empty, std::string("E:\\x\0\0", 6));
}

TEST(FolderPaths, FolderChain) {
  EXPECT_EQ(folder_chain("E:\\TAVIRO\\DOB\\"), (std::vector<std::string>{"E:\\TAVIRO", "E:\\TAVIRO\\DOB"}));
  EXPECT_EQ(folder_chain("E:\\TAVIRO\\FORMS"), (std::vector<std::string>{"E:\\TAVIRO", "E:\\TAVIRO\\FORMS"}));
  EXPECT_EQ(folder_chain("\\taviro\\dob\\mas\\"),
            (std::vector<std::string>{"\\taviro", "\\taviro\\dob", "\\taviro\\dob\\mas"}));
  EXPECT_EQ(folder_chain("\\\\server\\share\\d"),
            (std::vector<std::string>{"\\\\server", "\\\\server\\share", "\\\\server\\share\\d"}));
  EXPECT_EQ(folder_chain("E:\\"), std::vector<std::string>{});
  // Names longer than 260 characters are not attempted.
  const std::string deep = "E:\\" + std::string(300, 'a') + "\\b";
  EXPECT_TRUE(folder_chain(deep).empty());
}

TEST(FolderPaths, RelationAndAction) {
  struct Case {
    const char* old_path;
    const char* new_path;
    FolderRelation relation;
    FolderAction action;
  };
  const Case cases[] = {
      {"\\TAVIRO\\FORMS\\", "E:\\TAVIRO\\FORMS\\", FolderRelation::apart, FolderAction::move},
      {"U:\\taviro\\forms", "\\TAVIRO\\FORMS\\", FolderRelation::same, FolderAction::stay},
      {"u:/taviro/forms/", "\\TAVIRO\\FORMS", FolderRelation::same, FolderAction::stay},
      {"E:\\TAVIRO\\", "E:\\TAVIRO\\FORMS\\", FolderRelation::nested, FolderAction::blocked},
      {"E:\\TAVIRO\\FORMS\\ALT\\", "E:\\TAVIRO\\FORMS\\", FolderRelation::nested, FolderAction::blocked},
      {"E:\\TAVIRO\\FORMS2\\", "E:\\TAVIRO\\FORMS\\", FolderRelation::apart, FolderAction::move},
      {"V:\\", "\\TAVIRO\\FORMS\\", FolderRelation::apart, FolderAction::blocked},
      {"\\\\server\\share\\", "\\TAVIRO\\FORMS\\", FolderRelation::apart, FolderAction::blocked},
      {"\\\\server\\share\\forms", "\\TAVIRO\\FORMS\\", FolderRelation::apart, FolderAction::move},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(folder_relation(c.old_path, c.new_path, "U:\\"), c.relation) << c.old_path;
    EXPECT_EQ(folder_action(c.old_path, c.new_path, "U:\\"), c.action) << c.old_path;
  }
  EXPECT_EQ(folder_action("", "E:\\TAVIRO\\FORMS\\", "U:\\"), FolderAction::stay);
  // A path that names nothing holds nothing (found by fuzzing: it was read before its start).
  EXPECT_EQ(folder_relation("", "E:\\TAVIRO", ""), FolderRelation::apart);
}

TEST(FolderPaths, CompleteCopy) {
  const std::vector<TreeEntry> old_tree = {
      {"KRAGEN.FRM", false, 120}, {"ALT", true, 0}, {"ALT\\K1.FRM", false, 0}, {"LEER", true, 0}};
  std::vector<TreeEntry> copy = {{"ALT\\K1.FRM", false, 0},
                                 {"LEER", true, 0},
                                 {"ALT", true, 0},
                                 {"KRAGEN.FRM", false, 120},
                                 {"SCHON DA.TXT", false, 5}};
  EXPECT_FALSE(missing_from_copy(old_tree, copy).has_value());
  EXPECT_FALSE(missing_from_copy({}, {}).has_value());

  std::vector<TreeEntry> short_file = copy;
  short_file[3].size = 64;  // a copy cut off when the disk filled up
  EXPECT_EQ(missing_from_copy(old_tree, short_file), (TreeEntry{"KRAGEN.FRM", false, 120}));
  std::vector<TreeEntry> lacking = copy;
  lacking.erase(lacking.begin());
  EXPECT_EQ(missing_from_copy(old_tree, lacking), (TreeEntry{"ALT\\K1.FRM", false, 0}));
  std::vector<TreeEntry> file_for_folder = copy;
  file_for_folder[1].folder = false;
  EXPECT_EQ(missing_from_copy(old_tree, file_for_folder), (TreeEntry{"LEER", true, 0}));
  // A large file compares with all of its size.
  EXPECT_TRUE(missing_from_copy({{"BIG", false, 0x100000010ull}}, {{"BIG", false, 0x10}}).has_value());
  // A file of the same size written at another time is one that was not replaced; two
  // seconds apart is the same time on a coarse file system.
  constexpr std::uint64_t second = 10'000'000;
  EXPECT_TRUE(missing_from_copy({{"K.FRM", false, 5, 100 * second}}, {{"K.FRM", false, 5, 90 * second}}).has_value());
  EXPECT_FALSE(missing_from_copy({{"K.FRM", false, 5, 100 * second}}, {{"K.FRM", false, 5, 102 * second}}).has_value());
}

}  // namespace
}  // namespace tav
