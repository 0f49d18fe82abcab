// The set-up of the toolbox labels from a real menu dialog file.
#include "pages/toolbox_catalogue.h"

#include <windows.h>
#include <gtest/gtest.h>

#include <string>

#include "support/installation.h"

namespace tav {
namespace {

std::string label(ToolboxKind kind, const char* code) {
  for (const ToolboxCommand& entry : toolbox_catalogue(kind)) {
    if (entry.code.raw() == code) return std::string(entry.description.raw());
  }
  return "(no such code)";
}

std::string padded(const std::string& text) { return text + std::string(50 - text.size(), ' '); }

// Values that a hand-edited or translated menu dialog file may hold.
std::string unusual_menu_file() {
  return "[IDR_TAVIRO_MENU1]\r\n"
         "ID_OEFFNEN=#OPEN_TEXT#\r\n"  // indirection, found
         "ID_SPEICHERN=#NOWHERE#\r\n"  // indirection, missing in STANDARD
         "IDM_NEW=\"Neu; im Ma\xDF"
         "system\"\r\n"                                 // semicolon inside quotes
         "IDM_NEW_SHELL=Neu mit &Wahl ; Kommentar\r\n"  // semicolon outside quotes
         "ID_SCHLIESSEN=Schlie\xDF"
         "en!Ausruf\r\n"   // exclamation mark ends it too
         "IDM_ZOOM=Z\r\n"  // one character: ignored
         "IDM_F2=&F2 \"Zoom\" &&\r\n"
         "IDM_F3=" +
         std::string(300, 'x') +
         "\r\n"
         "IDM_F4=;only a comment\r\n"
         "IDM_F5=\"&\"\r\n"  // nothing left once the marks go
         "PG_STOP=not this section\r\n"
         "[STRING]\r\n"
         "PG_STOP=Stopp &Gradieren\r\n"
         "[SB$IDR_TAVIRO_MENU1]\r\n"
         "ID_OEFFNEN=Schnittbild &\xF6"
         "ffnen (Legen)\r\n"
         "BAR0006=\"Hilfe\"\r\n"
         "[STANDARD]\r\n"
         "#OPEN_TEXT#=&Modell laden ; aus STANDARD\r\n";
}

class ToolboxLabels : public ::testing::Test {
 protected:
  void TearDown() override { set_up_toolbox_labels("\\taviro\\menues\\missing.ini"); }
  test::TestInstallation installation;
};

TEST_F(ToolboxLabels, UnusualMenuTexts) {
  installation.write("menues\\dialog.ini", unusual_menu_file());
  set_up_toolbox_labels("\\taviro\\menues\\dialog.ini");
  const ToolboxKind c = ToolboxKind::construction;
  EXPECT_EQ(label(c, "OPEN"), padded("Modell laden"));
  EXPECT_EQ(label(c, "SAVE"), padded("Modell speichern"));  // built-in text kept
  EXPECT_EQ(label(c, "MNEW"), padded("Neu; im Ma\xDF"
                                     "system"));
  EXPECT_EQ(label(c, "MNWS"), padded("Neu mit Wahl"));
  EXPECT_EQ(label(c, "CLSE"), padded("Schlie\xDF"
                                     "en"));
  EXPECT_EQ(label(c, "ZOOM"), padded("Schieben/Zoomen"));
  EXPECT_EQ(label(c, "F2__"), padded("F2 Zoom "));
  EXPECT_EQ(label(c, "F3__"), std::string(50, 'x'));
  EXPECT_EQ(label(c, "F4__"), padded("F4 (Bild neu)"));
  EXPECT_EQ(label(c, "F5__"), padded("F5 (Teile positionieren)"));
  EXPECT_EQ(label(c, "STOP"), padded("Stopp Gradieren"));
  EXPECT_EQ(label(c, "CALC"), padded("Taschenrechner"));
  const ToolboxKind l = ToolboxKind::layplanning;
  EXPECT_EQ(label(l, "OPEN"), padded("Schnittbild \xF6"
                                     "ffnen (Legen)"));
  EXPECT_EQ(label(l, "HELP"), padded("Hilfe"));
  EXPECT_EQ(label(l, "SAVE"), padded("Schnittbild speichern"));
}

TEST_F(ToolboxLabels, MissingFileLeavesTheBuiltInTexts) {
  installation.write("menues\\dialog.ini", unusual_menu_file());
  set_up_toolbox_labels("\\taviro\\menues\\dialog.ini");
  set_up_toolbox_labels("\\taviro\\menues\\missing.ini");
  EXPECT_EQ(label(ToolboxKind::construction, "OPEN"), padded("Modell \xF6"
                                                             "ffnen"));
  EXPECT_EQ(label(ToolboxKind::layplanning, "HELP"), padded("Kontext-Hilfe (F1)"));
  EXPECT_EQ(toolbox_catalogue(ToolboxKind::construction).size(), 39u);
  EXPECT_EQ(toolbox_catalogue(ToolboxKind::layplanning).size(), 35u);
}

}  // namespace
}  // namespace tav
