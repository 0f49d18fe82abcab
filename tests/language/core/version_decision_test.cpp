// The installed version from the files present in the base folder and the stored version.
#include "language/core/version_decision.h"

#include <gtest/gtest.h>

#include <initializer_list>

namespace tav {
namespace {

using F = VersionFile;

PresentFiles files(std::initializer_list<VersionFile> present) {
  PresentFiles result;
  for (VersionFile file : present) result.add(file);
  return result;
}

TEST(VersionDecision, NoInstallationWithoutItsProgramFiles) {
  EXPECT_EQ(decide_installed_version(files({}), 0), -1);
  // Not even a stored version or the later program libraries make an installation.
  EXPECT_EQ(decide_installed_version(files({F::settings_ini, F::freeimage_dll, F::tavlib_dll}), 1050), -1);
  for (VersionFile marker : {F::taviroed_exe, F::taviro_exe, F::taviro_ini}) {
    EXPECT_EQ(decide_installed_version(files({marker}), 0), 0) << version_file_name(marker);
  }
}

TEST(VersionDecision, StoredVersionWinsOverTheFiles) {
  const PresentFiles all = files({F::taviro_exe, F::freeimage_dll, F::tavlib_dll, F::tvrsico_dll, F::tavirohelp_ini,
                                  F::news7_hlp, F::damen_e_kon, F::settings_ini});
  EXPECT_EQ(decide_installed_version(all, 1050), 1050);
  EXPECT_EQ(decide_installed_version(all, 1), 1);
  // Zero or a negative stored value means "not stored".
  EXPECT_EQ(decide_installed_version(all, 0), 1100);
  EXPECT_EQ(decide_installed_version(all, -5), 1100);
}

TEST(VersionDecision, LaterVersionsFromTheirLibraries) {
  struct Row {
    std::initializer_list<VersionFile> present;
    int version;
  };
  const Row rows[] = {
      {{F::freeimage_dll, F::tavlib_dll, F::tvrsico_dll, F::tavirohelp_ini}, 1100},
      {{F::freeimage_dll, F::tavlib_dll, F::tvrsico_dll}, 1000},
      {{F::freeimage_dll, F::tvrsico_dll}, 1000},
      {{F::freeimage_dll, F::tavlib_dll, F::tavirohelp_ini}, 1100},
      {{F::freeimage_dll, F::tavirohelp_ini}, 0},  // the image library alone tells nothing
      {{F::tavlib_dll, F::tvrsico_dll, F::prog_cpr}, 901},
      {{F::tavlib_dll, F::tvrsico_dll}, 900},
      {{F::tvrsico_dll, F::prog_cpr}, 800},
      {{F::tvrsico_dll, F::news7_hlp}, 800},
      {{F::tavlib_dll, F::news7_hlp}, 700},  // tavlib.dll without tvrsico.dll does not count
      {{F::news7_hlp, F::damen_e_kon}, 700},
      {{F::tavlib_dll, F::damen_e_kon}, 15},
      {{F::tavirohelp_ini}, 0},
  };
  for (const Row& row : rows) {
    PresentFiles present = files(row.present);
    present.add(F::taviroed_exe);
    EXPECT_EQ(decide_installed_version(present, 0), row.version) << "expected " << row.version;
  }
}

TEST(VersionDecision, EarlyGenerations) {
  struct Row {
    std::initializer_list<VersionFile> present;
    int generation;
  };
  const Row rows[] = {
      {{F::damen_e_kon, F::settings_ini}, 18},
      {{F::damen_e_kon}, 15},
      {{F::damen_e_kon, F::logo_dat}, 15},
      {{F::damen_e_kon, F::damen_2_kon, F::settings_ini, F::logo_dat}, 6},
      {{F::damen_2_kon, F::settings_ini, F::logo_dat}, 6},
      {{F::damen_2_kon, F::logo_dat}, 5},
      {{F::damen_2_kon}, 4},
      {{F::damen_e_kon, F::damen_2_kon}, 4},
      {{F::damen_2_kon, F::settings_ini}, 0},
      {{F::settings_ini, F::logo_dat}, 0},
      {{}, 0},
  };
  for (const Row& row : rows) {
    PresentFiles present = files(row.present);
    EXPECT_EQ(early_generation(present), row.generation) << "expected " << row.generation;
    present.add(F::taviro_ini);
    EXPECT_EQ(decide_installed_version(present, 0), row.generation);
  }
}

TEST(VersionDecision, FileNamesBelowTheBaseFolder) {
  EXPECT_EQ(version_base_folder("\\"), "\\taviro\\");
  EXPECT_EQ(version_base_folder("U:\\"), "U:\\taviro\\");
  EXPECT_STREQ(version_file_name(F::damen_e_kon), "damen_e\\taviro_s.kon");
  EXPECT_STREQ(version_file_name(F::prog_cpr), "prog\\TavPrg_GK_VK_c001_00.cpr");
  EXPECT_STREQ(version_file_name(F::tavirohelp_ini), "Tavirohelp.ini");
  for (int i = 0; i < kVersionFileCount; ++i) EXPECT_STRNE(version_file_name(static_cast<VersionFile>(i)), "");
}

// Callers compare the real-number form with language file versions after multiplying it by
// 100 again: every version number must come back unchanged.
TEST(VersionDecision, RealNumberFormComesBackExactly) {
  EXPECT_DOUBLE_EQ(version_as_real(1100), 11.0);
  EXPECT_DOUBLE_EQ(version_as_real(-1), -0.01);
  for (int version = -1; version <= 99999; ++version) {
    ASSERT_EQ(version_from_real(version_as_real(version)), version);
  }
}

}  // namespace
}  // namespace tav
