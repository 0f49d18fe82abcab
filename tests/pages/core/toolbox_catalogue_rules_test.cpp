#include "pages/core/toolbox_catalogue_rules.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

namespace tav {
namespace {

std::string description_of(ToolboxKind kind, const char* code) {
  for (const ToolboxCommand& entry : built_in_catalogue(kind)) {
    if (entry.code.raw() == code) return entry.description.str();
  }
  return "(missing)";
}

TEST(ToolboxCatalogue, SizesOrderAndCodeTables) {
  const auto construction = built_in_catalogue(ToolboxKind::construction);
  const auto layplanning = built_in_catalogue(ToolboxKind::layplanning);
  ASSERT_EQ(construction.size(), 39u);
  ASSERT_EQ(layplanning.size(), 35u);
  EXPECT_EQ(construction.front().code.raw(), "OPEN");
  EXPECT_EQ(construction[13].code.raw(), "F12_");
  EXPECT_EQ(construction.back().code.raw(), "CALC");
  EXPECT_EQ(layplanning[2].code.raw(), "OPNX");
  EXPECT_EQ(layplanning.back().code.raw(), "ORGM");

  // Every entry has its key; the lay-planning table holds three more codes.
  for (ToolboxKind kind : {ToolboxKind::construction, ToolboxKind::layplanning}) {
    std::set<std::string> codes;
    for (const ToolboxCommand& entry : built_in_catalogue(kind)) {
      EXPECT_TRUE(codes.insert(std::string(entry.code.raw())).second) << "code twice: " << entry.code.raw();
      EXPECT_NE(find_command_key(kind, entry.code.raw()), nullptr) << entry.code.raw();
      EXPECT_GT(entry.description.significant_length(), 0);
    }
  }
  EXPECT_EQ(command_keys(ToolboxKind::construction).size(), 39u);
  EXPECT_EQ(command_keys(ToolboxKind::layplanning).size(), 38u);
  const CommandKey* mirror = find_command_key(ToolboxKind::layplanning, "MK18");
  ASSERT_NE(mirror, nullptr);
  EXPECT_STREQ(mirror->key, "IDM_SCB_DREH180");
  EXPECT_EQ(find_command_key(ToolboxKind::construction, "MK18"), nullptr);

  const CommandKey* stop = find_command_key(ToolboxKind::construction, "STOP");
  ASSERT_NE(stop, nullptr);
  EXPECT_STREQ(stop->section, "STRING");
  EXPECT_STREQ(stop->key, "PG_STOP");
  EXPECT_STREQ(find_command_key(ToolboxKind::construction, "OPEN")->section, "IDR_TAVIRO_MENU1");
  EXPECT_STREQ(find_command_key(ToolboxKind::layplanning, "HELP")->key, "BAR0006");
  EXPECT_STREQ(find_command_key(ToolboxKind::layplanning, "HELP")->section, "SB$IDR_TAVIRO_MENU1");
}

TEST(ToolboxCatalogue, BuiltInDescriptionsAreCodePage1252Bytes) {
  EXPECT_EQ(description_of(ToolboxKind::construction, "OPEN"),
            "Modell \xF6"
            "ffnen");
  EXPECT_EQ(description_of(ToolboxKind::construction, "MNEW"), "Neu im aktuellen Ma\xDFsystem (neu)");
  EXPECT_EQ(description_of(ToolboxKind::construction, "DLSZ"),
            "Gr\xF6\xDF"
            "en l\xF6schen");
  EXPECT_EQ(description_of(ToolboxKind::construction, "F8__"), "F8 (Verschiebewerte ein- und ausschalten)");
  EXPECT_EQ(description_of(ToolboxKind::layplanning, "UNDO"),
            "R\xFC"
            "ckg\xE4ngig");
  EXPECT_EQ(description_of(ToolboxKind::layplanning, "CLSE"),
            "Datei Schlie\xDF"
            "en");
  EXPECT_EQ(description_of(ToolboxKind::layplanning, "ACPI"), "Alle Teile mit Teileinformation aktualisieren");
  EXPECT_EQ(description_of(ToolboxKind::layplanning, "MKRP"),
            "Auslage \xFC"
            "bernehmen");
}

Field<kDescriptionLength> taken(const std::string& text, bool* used = nullptr) {
  Field<kDescriptionLength> description("old");
  const bool result = take_menu_text(description, text.data(), static_cast<int>(text.size()));
  if (used) *used = result;
  return description;
}

TEST(ToolboxCatalogue, MenuTextCleanUp) {
  EXPECT_EQ(taken("&Speichern").str(), "Speichern");
  EXPECT_EQ(taken("\"Mo&dell &\xF6"
                  "ffnen\"")
                .str(),
            "Modell \xF6"
            "ffnen");
  EXPECT_EQ(taken("A&&&B\"\"").str(), "AB");
  EXPECT_EQ(taken("Speichern ").raw(), "Speichern" + std::string(41, ' '));
  // Too short, or nothing left once the marks are gone: the old description stays.
  bool used = true;
  EXPECT_EQ(taken("X", &used).str(), "old");
  EXPECT_FALSE(used);
  EXPECT_EQ(taken("", &used).str(), "old");
  EXPECT_EQ(taken("&\"&", &used).str(), "old");
  EXPECT_FALSE(used);
  EXPECT_EQ(taken("&X", &used).str(), "X");
  EXPECT_TRUE(used);
  // A long text is cut at 50 characters.
  const std::string long_text = "&" + std::string(299, 'w');
  EXPECT_EQ(taken(long_text).raw(), std::string(50, 'w'));
}

bool lead_byte_above_0x80(unsigned char byte) { return byte >= 0x81 && byte <= 0xFE; }

TEST(ToolboxCatalogue, CutNeverSplitsATwoByteCharacter) {
  // 49 single bytes and then a two-byte character: it does not fit and is left out whole.
  const std::string text = std::string(49, 'a') +
                           "\xB4\xF2"
                           "b";
  Field<kDescriptionLength> description;
  ASSERT_TRUE(take_menu_text(description, text.data(), static_cast<int>(text.size()), lead_byte_above_0x80));
  EXPECT_EQ(description.raw(), std::string(49, 'a') + " ");
  const std::string even = std::string(48, 'a') +
                           "\xB4\xF2"
                           "b";
  ASSERT_TRUE(take_menu_text(description, even.data(), static_cast<int>(even.size()), lead_byte_above_0x80));
  EXPECT_EQ(description.raw(), even.substr(0, 50));
}

TEST(ToolboxCatalogue, RefreshReadsEachCodesKeyInItsSection) {
  const std::map<std::string, std::string> file = {
      {"IDR_TAVIRO_MENU1/ID_OEFFNEN", "&Open model"},
      {"IDR_TAVIRO_MENU1/IDM_F2", "F"},  // too short: the built-in text stays
      {"STRING/PG_STOP", "\"Stop grading\""},
      {"IDR_TAVIRO_MENU1/PG_STOP", "wrong section"},
      {"SB$IDR_TAVIRO_MENU1/BAR0006", "Context help"},
  };
  std::vector<std::string> asked;
  const MenuTextReader reader = [&](const char* section, const char* key, char* dest, int size) {
    asked.push_back(std::string(section) + "/" + key);
    const auto found = file.find(asked.back());
    const std::string value = found == file.end() ? "" : found->second;
    EXPECT_EQ(size, 1024);
    value.copy(dest, static_cast<std::size_t>(size - 1));
    return static_cast<int>(value.size());
  };
  auto construction = built_in_catalogue(ToolboxKind::construction);
  refresh_descriptions(construction, ToolboxKind::construction, reader);
  EXPECT_EQ(asked.size(), 39u);
  EXPECT_EQ(construction[0].description.str(), "Open model");
  EXPECT_EQ(construction[6].description.str(), "F2 (zoomen)");
  EXPECT_EQ(construction[33].description.str(), "Stop grading");
  EXPECT_EQ(construction[1].description.str(), "Modell speichern");

  asked.clear();
  auto layplanning = built_in_catalogue(ToolboxKind::layplanning);
  refresh_descriptions(layplanning, ToolboxKind::layplanning, reader);
  EXPECT_EQ(asked.size(), 35u);
  EXPECT_EQ(layplanning[6].description.str(), "Context help");
  EXPECT_EQ(asked[6], "SB$IDR_TAVIRO_MENU1/BAR0006");
}

}  // namespace
}  // namespace tav
