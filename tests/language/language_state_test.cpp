// The language of the run at start-up, the path rewriting into the language folder, and
// the toolbox labels that the start-up takes from the language folder's menu dialog file.
#include "language/language_state.h"

#include <windows.h>
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "pages/toolbox_catalogue.h"
#include "shell/startup.h"
#include "support/installation.h"

namespace tav {
namespace {

// An installation of the given version whose main configuration file sets LANGUAGE, with
// the program started from its \taviro folder (".\0440\language.ini" names the folder's
// description file).
void install(const test::TestInstallation& installation, int version, const std::string& language) {
  installation.add_program_files();
  installation.write("settings.ini", "[SHELL]\r\nLASTVERSION=" + std::to_string(version) + "\r\n");
  installation.write("taviro.ini", "[OPTIONS]\r\nLANGUAGE=" + language + "\r\n");
  ASSERT_TRUE(SetCurrentDirectoryA("U:\\taviro"));
}

void add_language(const test::TestInstallation& installation, const std::string& code, int version) {
  installation.write(code + "\\language.ini",
                     "[LANGUAGE]\r\nNAMEEXACT=lang " + code + "\r\nVERSION=" + std::to_string(version) + "\r\n");
}

// Rewrites path in a field of field_size characters; answers the result and the path.
std::pair<bool, std::string> rewritten(const std::string& path, bool must_exist, int field_size = 1024) {
  char field[1100] = {};
  std::memcpy(field, path.data(), path.size());
  int length = static_cast<int>(path.size());
  const bool result = rewrite_path_into_language(field, length, must_exist, field_size);
  EXPECT_EQ(length, static_cast<int>(path.size()) + (result ? 5 : 0));
  return {result, std::string(field, static_cast<std::size_t>(length))};
}

class LanguageStartup : public ::testing::Test {
 protected:
  void TearDown() override {
    installation.write("taviro.ini", "");
    determine_language();  // language mode off again for the other tests
  }
  test::TestInstallation installation;
};

TEST_F(LanguageStartup, VersionOfTheConfiguredLanguage) {
  struct Case {
    int installed, language;
    bool mode;
  };
  for (const Case& c : {Case{1100, 1100, true}, Case{1000, 1095, true}, Case{1000, 1085, false},
                        Case{1100, 1110, false}, Case{1200, 1090, true}}) {
    install(installation, c.installed, "0440");
    add_language(installation, "0440", c.language);
    determine_language();
    EXPECT_EQ(language_state().mode, c.mode) << c.installed << " " << c.language;
    EXPECT_STREQ(language_state().code, "0440");
  }
  // Without a description file the version reads 0, which is no installed version here.
  install(installation, 1100, "0330");
  determine_language();
  EXPECT_FALSE(language_state().mode);
}

TEST_F(LanguageStartup, CodesThatLeaveLanguageModeOff) {
  for (const char* code : {"0000", "abcd", "12345", "", "-440"}) {
    install(installation, 1100, code);
    add_language(installation, code, 1100);
    installation.write(std::string(code) + "\\menues\\dialog.ini", "");
    determine_language();
    EXPECT_FALSE(language_state().mode) << code;
    EXPECT_EQ(rewritten("\\taviro\\menues\\dialog.ini", false),
              std::make_pair(false, std::string("\\taviro\\menues\\dialog.ini")));
  }
}

TEST_F(LanguageStartup, TheDescriptionFileIsLookedUpFromTheCurrentFolder) {
  install(installation, 1100, "0440");
  add_language(installation, "0440", 1100);
  ASSERT_TRUE(SetCurrentDirectoryA("U:\\"));
  determine_language();
  EXPECT_FALSE(language_state().mode);
}

TEST_F(LanguageStartup, PathsMoveIntoTheLanguageFolder) {
  install(installation, 1100, "0440");
  add_language(installation, "0440", 1100);
  installation.write("0440\\menues\\dialog.ini", "[IDR_TAVIRO_MENU1]\r\n");
  determine_language();
  ASSERT_TRUE(language_state().mode);
  using Result = std::pair<bool, std::string>;
  EXPECT_EQ(rewritten("\\taviro\\menues\\dialog.ini", true), Result(true, "\\taviro\\0440\\menues\\dialog.ini"));
  EXPECT_EQ(rewritten("U:\\TAVIRO\\menues\\dialog.ini", true), Result(true, "U:\\TAVIRO\\0440\\menues\\dialog.ini"));
  EXPECT_EQ(rewritten("\\taviro\\menues\\other.ini", true), Result(false, "\\taviro\\menues\\other.ini"));
  EXPECT_EQ(rewritten("\\taviro\\menues", true), Result(false, "\\taviro\\menues"));  // a folder is no file
  EXPECT_EQ(rewritten("\\taviro\\menues\\other.ini", false), Result(true, "\\taviro\\0440\\menues\\other.ini"));
  EXPECT_EQ(rewritten("\\Taviro\\x.ini", false), Result(true, "\\Taviro\\0440\\x.ini"));
  EXPECT_EQ(rewritten("\\tav\\x.ini", false), Result(false, "\\tav\\x.ini"));
  // A rewritten path that would not fit its field is not taken.
  EXPECT_EQ(rewritten("\\taviro\\x.ini", false, 17), Result(false, "\\taviro\\x.ini"));
  EXPECT_EQ(rewritten("\\taviro\\x.ini", false, 18), Result(true, "\\taviro\\0440\\x.ini"));
}

// Base folder and two language folders, each with its own menu texts, as a user's
// installation with two translations has them.
class LanguageToolboxLabels : public LanguageStartup {
 protected:
  void SetUp() override {
    installation.write("menues\\dialog.ini",
                       "[IDR_TAVIRO_MENU1]\r\nID_OEFFNEN=Modell &laden (Basis)\r\n"
                       "[SB$IDR_TAVIRO_MENU1]\r\nIDM_UNDO=Zur\xFC"
                       "ck (Basis)\r\n");
    installation.write("0440\\menues\\dialog.ini",
                       "[IDR_TAVIRO_MENU1]\r\nID_OEFFNEN=&Open model\r\n"
                       "[SB$IDR_TAVIRO_MENU1]\r\nIDM_UNDO=&Undo\r\n");
    installation.write("0490\\menues\\dialog.ini",
                       "[IDR_TAVIRO_MENU1]\r\nID_OEFFNEN=Modell \xF6"
                       "ffnen (deutsch)\r\n");
    add_language(installation, "0440", 1100);
    add_language(installation, "0490", 1050);
  }
  void TearDown() override {
    LanguageStartup::TearDown();
    set_up_toolbox_labels("\\taviro\\menues\\missing.ini");
  }
  static std::string open_label() { return toolbox_catalogue(ToolboxKind::construction)[0].description.str(); }
  static std::string undo_label() { return toolbox_catalogue(ToolboxKind::layplanning)[14].description.str(); }
};

TEST_F(LanguageToolboxLabels, MatchingLanguageFolderGivesTheLabels) {
  install(installation, 1100, "0440");
  current_toolbox() = ToolboxKind::layplanning;
  prepare_run(GetModuleHandleA(nullptr));
  EXPECT_EQ(menu_dialog_file(), "\\taviro\\0440\\menues\\dialog.ini");
  EXPECT_EQ(open_label(), "Open model");
  EXPECT_EQ(undo_label(), "Undo");
  EXPECT_EQ(current_toolbox(), ToolboxKind::construction);
}

TEST_F(LanguageToolboxLabels, VersionOutsideTheWindowGivesTheBaseLabels) {
  install(installation, 1100, "0490");
  prepare_run(GetModuleHandleA(nullptr));
  EXPECT_FALSE(language_state().mode);
  EXPECT_EQ(open_label(), "Modell laden (Basis)");
  EXPECT_EQ(undo_label(),
            "Zur\xFC"
            "ck (Basis)");
}

TEST_F(LanguageToolboxLabels, LanguageFolderWithoutMenuFileGivesTheBaseLabels) {
  install(installation, 1100, "0440");
  installation.remove("0440\\menues\\dialog.ini");
  prepare_run(GetModuleHandleA(nullptr));
  EXPECT_TRUE(language_state().mode);
  EXPECT_EQ(menu_dialog_file(), "\\taviro\\menues\\dialog.ini");
  EXPECT_EQ(open_label(), "Modell laden (Basis)");
}

TEST_F(LanguageToolboxLabels, NoLanguageConfigured) {
  install(installation, 1100, "");
  prepare_run(GetModuleHandleA(nullptr));
  EXPECT_EQ(open_label(), "Modell laden (Basis)");
  // A command the menu file does not name keeps its German text.
  EXPECT_EQ(toolbox_catalogue(ToolboxKind::construction)[1].description.str(), "Modell speichern");
}

}  // namespace
}  // namespace tav
