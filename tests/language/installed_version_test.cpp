// The installed version from real files of an installation on the test drive.
#include "language/installed_version.h"

#include <windows.h>
#include <gtest/gtest.h>

#include "language/core/version_decision.h"
#include "support/installation.h"

namespace tav {
namespace {

int version_of_current_drive() { return installed_version("\\", 1); }

TEST(InstalledVersion, EmptyFolderIsNoInstallation) {
  test::TestInstallation installation;
  EXPECT_EQ(version_of_current_drive(), -1);
  EXPECT_EQ(installed_version("U:\\", 3), -1);
  // Folders with the names of the program files do not count as files.
  installation.make_folder("taviro.exe");
  installation.make_folder("taviro.ini");
  EXPECT_EQ(version_of_current_drive(), -1);
}

TEST(InstalledVersion, OnlyTheMainConfigurationFile) {
  test::TestInstallation installation;
  installation.write("taviro.ini", "[SCREEN]\r\n");
  EXPECT_EQ(version_of_current_drive(), 0);
  EXPECT_EQ(installed_version("U:\\", 3), 0);
  // The prefix is taken up to its length.
  EXPECT_EQ(installed_version("\\nowhere\\", 1), 0);
  EXPECT_EQ(installed_version("U:\\taviro\\prog\\", 13), -1);
}

TEST(InstalledVersion, StoredVersionWhateverTheFiles) {
  test::TestInstallation installation;
  installation.add_program_files();
  for (const char* file : {"tvrsico.dll", "tavlib.dll", "freeimage.dll", "Tavirohelp.ini", "news7.hlp"}) {
    installation.write(file, "");
  }
  installation.write("settings.ini", "[SHELL]\r\nLASTVERSION=1050\r\n");
  EXPECT_EQ(version_of_current_drive(), 1050);
  installation.write("settings.ini", "[SHELL]\r\nLASTVERSION=0\r\n");
  EXPECT_EQ(version_of_current_drive(), 1100);
}

TEST(InstalledVersion, FromTheProgramLibraries) {
  test::TestInstallation installation;
  installation.add_program_files();
  installation.write("tvrsico.dll", "");
  EXPECT_EQ(version_of_current_drive(), 800);
  installation.write("tavlib.dll", "");
  EXPECT_EQ(version_of_current_drive(), 900);
  installation.write("prog\\TavPrg_GK_VK_c001_00.cpr", "");
  EXPECT_EQ(version_of_current_drive(), 901);
  installation.write("freeimage.dll", "");
  EXPECT_EQ(version_of_current_drive(), 1000);
  installation.write("Tavirohelp.ini", "");
  EXPECT_EQ(version_of_current_drive(), 1100);
  EXPECT_DOUBLE_EQ(installed_version_real(), 11.0);
  EXPECT_EQ(version_from_real(installed_version_real()), 1100);
}

TEST(InstalledVersion, LibraryWithoutItsPartnerAndEarlyGenerations) {
  test::TestInstallation installation;
  installation.write("taviroed.exe", "");
  installation.write("tavlib.dll", "");
  installation.write("news7.hlp", "");
  EXPECT_EQ(version_of_current_drive(), 700);
  installation.remove("news7.hlp");
  installation.write("damen_e\\taviro_s.kon", "");
  installation.write("settings.ini", "[SHELL]\r\n");  // no stored version
  EXPECT_EQ(version_of_current_drive(), 18);
  installation.write("damen_2\\taviro_s.kon", "");
  installation.write("logo.dat", "");
  EXPECT_EQ(version_of_current_drive(), 6);
  installation.remove("settings.ini");
  EXPECT_EQ(version_of_current_drive(), 5);
  EXPECT_DOUBLE_EQ(installed_version_real(), 0.05);
}

}  // namespace
}  // namespace tav
