#include "folders/core/network_rules.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tav {
namespace {

// The check boxes "Verlegen" (systems first, then the five folders), which of their drive
// lists have a selection, the selected rows, "Alle Dateien kopieren" and "... entfernen".
NetworkChoices choices(std::array<bool, 6> move, std::array<bool, 6> drive, int rows, bool copy, bool remove) {
  NetworkChoices c;
  c.move = move;
  c.drive_chosen = drive;
  c.selected_systems = rows;
  c.copy = copy;
  c.remove = remove;
  return c;
}
constexpr std::array<bool, 6> kNone{};
constexpr std::array<bool, 6> kForms{false, true, false, false, false, false};
constexpr std::array<bool, 6> kSystems{true, false, false, false, false, false};
constexpr std::array<bool, 6> kSystemsAndText{true, false, false, true, false, false};

TEST(NetworkEnabling, Rules) {
  struct Case {
    const char* what;
    NetworkChoices choices;
    bool copy, remove, no_warning, run;
  };
  const Case cases[] = {
      {"nothing to do", choices(kNone, kNone, 0, false, false), false, false, false, false},
      {"shapes without a drive", choices(kForms, kNone, 0, false, false), true, true, false, false},
      {"shapes with a drive", choices(kForms, kForms, 0, false, false), true, true, false, true},
      {"systems, drive, no row", choices(kSystems, kSystems, 0, false, false), true, true, false, false},
      {"systems, drive, a row", choices(kSystems, kSystems, 2, false, false), true, true, false, true},
      {"one of two drives chosen", choices(kSystemsAndText, kSystems, 1, true, false), true, true, true, false},
      {"copy asked", choices(kForms, kForms, 0, true, false), true, true, true, true},
      // Removing still checked with nothing to do: its box is disabled, the warning box not.
      {"remove left checked", choices(kNone, kNone, 0, false, true), false, false, true, false},
      {"copy left checked", choices(kNone, kNone, 0, true, false), false, false, false, false},
  };
  for (const Case& c : cases) {
    const NetworkEnabling e = network_enabling(c.choices);
    EXPECT_EQ(e.drive_list, c.choices.move) << c.what;
    EXPECT_EQ(e.keep_export, c.choices.move[0]) << c.what;
    EXPECT_EQ(e.copy, c.copy) << c.what;
    EXPECT_EQ(e.remove, c.remove) << c.what;
    EXPECT_EQ(e.no_warning, c.no_warning) << c.what;
    EXPECT_EQ(e.run, c.run) << c.what;
  }
}

TEST(NetworkRun, QuestionAndProgress) {
  EXPECT_EQ(run_question(false, true, true), RunQuestion::none);
  EXPECT_EQ(run_question(true, true, true), RunQuestion::copy_and_remove);
  EXPECT_EQ(run_question(true, true, false), RunQuestion::copy);
  EXPECT_EQ(run_question(true, false, true), RunQuestion::remove);
  EXPECT_EQ(run_question(true, false, false), RunQuestion::none);

  EXPECT_FALSE(run_shows_progress({false, false, false, true, true, true}, false));  // texts, plotter, symbols
  EXPECT_TRUE(run_shows_progress({false, false, false, true, false, false}, true));
  EXPECT_TRUE(run_shows_progress({false, false, true, false, false, false}, false));
  EXPECT_TRUE(run_shows_progress(kSystems, false));

  EXPECT_EQ(systems_progress(1, 3), 83);
  EXPECT_EQ(systems_progress(3, 3), 250);
  EXPECT_EQ(systems_progress(0, 0), 0);
}

TEST(NetworkDriveLists, ChoicesForAPath) {
  const std::vector<DriveRoot> roots = {{'A', kDriveRemovable}, {'C', kDriveFixed},   {'E', kDriveFixed},
                                        {'N', kDriveRemote},    {'R', kDriveRamDisk}, {'U', kDriveFixed},
                                        {'W', kDriveCdRom},     {'X', kDriveUnknown}, {'Y', kDriveNoRoot}};
  DriveChoicesForPath c = drive_choices("\\TAVIRO\\FORMS\\", 'U', roots);
  EXPECT_FALSE(c.base_entry);
  EXPECT_EQ(c.drives, (std::vector<std::string>{"C:", "E:", "N:"}));
  c = drive_choices("e:\\TAVIRO\\FORMS\\", 'u', roots);
  EXPECT_TRUE(c.base_entry);
  EXPECT_EQ(c.drives, (std::vector<std::string>{"C:", "N:"}));
  c = drive_choices("\\\\server\\share\\forms", 'U', roots);
  EXPECT_TRUE(c.base_entry);
  EXPECT_EQ(c.drives, (std::vector<std::string>{"C:", "E:", "N:"}));
  c = drive_choices_for_systems('U', roots);
  EXPECT_TRUE(c.base_entry);
  EXPECT_EQ(c.drives, (std::vector<std::string>{"C:", "E:", "N:"}));
}

}  // namespace
}  // namespace tav
