#include "folders/core/removal_guard.h"

#include <gtest/gtest.h>

#include "folders/core/path_rules.h"

namespace tav {
namespace {

// The installation on U: with PATHFORM and PATHPROG, and the systems DOB and HERREN.
const InstallationFolders kInstallation = {{"U:\\taviro", "U:\\taviro"},
                                           {"\\taviro\\dob", "\\taviro\\herren"},
                                           {{"\\TAVIRO\\FORMS\\", 0, "", -1},
                                            {"V:\\gemeinsam\\", 1, "", -1},
                                            {"\\taviro\\dob\\mas\\", -1, "DOB", 0},
                                            {"X:\\daten\\herren\\mas\\", -1, "HERREN", 0}}};

TEST(RemovalGuard, AFolderGoesOnlyWhenNothingElseOfTheInstallationIsInIt) {
  const FolderUser forms{"", 0, "", -1};
  const FolderUser dob{"", -1, "DOB", -1};
  struct Case {
    const char* old_path;
    FolderUser mover;
    Guard guard;
    const char* concerned;
  };
  const Case cases[] = {
      {"\\TAVIRO\\FORMS\\", forms, Guard::free, ""},  // its own key does not count
      {"\\TAVIRO\\", forms, Guard::holds_installation, "U:\\taviro"},
      {"u:\\", forms, Guard::holds_installation, "U:\\taviro"},
      {"\\taviro\\dob\\", dob, Guard::holds_system_file, "\\taviro\\dob"},
      {"\\taviro\\dob\\mas\\", dob, Guard::free, ""},  // the system's own folder
      {"\\taviro\\dob\\mas\\", forms, Guard::shared, "\\taviro\\dob\\mas\\"},
      {"V:\\gemeinsam", forms, Guard::shared, "V:\\gemeinsam\\"},       // the folder of another key
      {"X:\\daten\\", dob, Guard::shared, "X:\\daten\\herren\\mas\\"},  // holds another system's folder
      {"X:\\daten\\herren\\mas\\alt\\", dob, Guard::free, ""},          // inside one is no holding it
      {"\\TAVIRO\\FORMSALT\\", forms, Guard::free, ""},
  };
  for (const Case& c : cases) {
    const GuardDecision decision = guard_folder(c.old_path, kInstallation, c.mover, "U:\\");
    EXPECT_EQ(decision.guard, c.guard) << c.old_path;
    EXPECT_EQ(decision.folder, c.concerned) << c.old_path;
  }
}

TEST(RemovalGuard, NamesThatDifferOnlyInCaseAreTwins) {
  EXPECT_EQ(case_twin({{"ALT", true, 0, 0}, {"ALT\\K.FRM", false, 3, 0}, {"K.FRM", false, 3, 0}}), std::nullopt);
  const auto twin = case_twin({{"K.FRM", false, 3, 0}, {"ALT", true, 0, 0}, {"K.FRM", false, 4, 0}});
  ASSERT_TRUE(twin.has_value());
  EXPECT_EQ(twin->path, "K.FRM");
}

}  // namespace
}  // namespace tav
