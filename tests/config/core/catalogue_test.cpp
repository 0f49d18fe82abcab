// The key catalogue of the main configuration file on documents in memory: the order of both
// directions, every key's default, held form and written format, the special rules, and
// files that the program did not write.
#include "config/core/key_catalogue.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "config/core/document_keys.h"
#include "config/core/ini_document.h"
#include "config/data/new_main_file.h"

namespace tav {
namespace {

using catalogue::Type;

Settings load_from(const std::string& bytes, std::string_view current_folder = "D:\\data") {
  IniDocument document(bytes);
  DocumentKeyReader reader(document);
  Settings record;
  load_settings(record, reader, current_folder);
  return record;
}

std::string write_into(const Settings& record, const std::string& bytes = "") {
  IniDocument document(bytes);
  DocumentKeyWriter writer(document);
  write_settings(record, writer);
  return document.bytes();
}

std::optional<std::string> value_in(const std::string& bytes, std::string_view section, std::string_view key) {
  IniDocument document(bytes);
  std::optional<std::string_view> value = document.find(section, key);
  if (!value) return std::nullopt;
  return std::string(*value);
}

std::string one_key(std::string_view section, std::string_view key, std::string_view value) {
  std::string line = "[";
  line.append(section).append("]\r\n").append(key).append("=").append(value).append("\r\n");
  return line;
}

// Loads a file holding only this key and answers what OK writes for it into a new file.
std::optional<std::string> round_trip(std::string_view section, std::string_view key, std::string_view stored) {
  return value_in(write_into(load_from(one_key(section, key, stored))), section, key);
}

std::string name_of(const catalogue::KeyEntry& entry) {
  return std::string(entry.section) + "/" + std::string(entry.key);
}

TEST(KeyCatalogue, EachKeyOnceEveryKeyReadOrWrittenAndTheWriteOrderWhole) {
  Settings record;
  std::set<std::string> keys;
  std::vector<int> places;
  for (const catalogue::KeyEntry& entry : catalogue::key_table(record)) {
    EXPECT_TRUE(keys.insert(name_of(entry)).second) << name_of(entry) << " is declared twice";
    EXPECT_FALSE(entry.load == catalogue::LoadRule::not_read && entry.write == catalogue::WriteRule::not_written)
        << name_of(entry);
    EXPECT_EQ(entry.write_place == 0, entry.write == catalogue::WriteRule::not_written) << name_of(entry);
    if (entry.write_place > 0) places.push_back(entry.write_place);
  }
  std::sort(places.begin(), places.end());
  for (std::size_t i = 0; i < places.size(); ++i) EXPECT_EQ(places[i], static_cast<int>(i) + 1);
  // The spreadsheet command falls back on the old key, which must be read before it.
  const auto loaded = catalogue::load_order(record);
  const auto position = [&](std::string_view key) {
    return std::find_if(loaded.begin(), loaded.end(), [&](const auto& entry) { return entry.key == key; }) -
           loaded.begin();
  };
  EXPECT_LT(position("MSEXCELRUN"), position("TABCALCRUN"));
  EXPECT_EQ(catalogue::toolbox_key(1), "B01");
  EXPECT_EQ(catalogue::toolbox_key(25), "B25");
  EXPECT_EQ(catalogue::toolbox_key(26), "");
}

TEST(KeyCatalogue, EveryReadKeyHoldsItsTypeInAMemberOfItsOwn) {
  Settings record;
  std::set<const void*> held;
  for (const catalogue::KeyEntry& entry : catalogue::load_order(record)) {
    const bool matches = entry.type == Type::integer ? std::holds_alternative<int*>(entry.member)
                         : entry.type == Type::flag  ? std::holds_alternative<bool*>(entry.member)
                                                     : std::holds_alternative<catalogue::TextMember>(entry.member);
    EXPECT_TRUE(matches) << name_of(entry);
    EXPECT_TRUE(held.insert(entry.held()).second) << name_of(entry) << " shares its member with another key";
  }
}

// Every key that is read and written keeps a value other than its default through OK and the
// next opening.
TEST(KeyCatalogue, ARoundTripKeepsEveryValue) {
  Settings record;
  record.font_size_changed = true;
  for (const catalogue::KeyEntry& entry : catalogue::load_order(record)) {
    if (int* const* number = std::get_if<int*>(&entry.member)) {
      **number = entry.load == catalogue::LoadRule::nonzero_as_one ? 1 : 7;
    } else if (bool* const* flag = std::get_if<bool*>(&entry.member)) {
      **flag = entry.fallback.number == 0;
    } else {
      const catalogue::TextMember& text = std::get<catalogue::TextMember>(entry.member);
      std::memset(text.chars, ' ', static_cast<std::size_t>(text.size));
      std::memcpy(text.chars, "AB12", 4);
      if (text.length) *text.length = 4;
    }
  }
  Settings loaded = load_from(write_into(record), "C:\\");
  auto expected = catalogue::write_order(record);
  auto found = catalogue::write_order(loaded);
  ASSERT_EQ(expected.size(), found.size());
  for (std::size_t i = 0; i < expected.size(); ++i) {
    if (expected[i].load == catalogue::LoadRule::not_read) continue;
    const catalogue::KeyEntry& a = expected[i];
    const catalogue::KeyEntry& b = found[i];
    if (a.type == Type::integer) {
      EXPECT_EQ(*std::get<int*>(a.member), *std::get<int*>(b.member)) << name_of(a);
    } else if (a.type == Type::flag) {
      EXPECT_EQ(*std::get<bool*>(a.member), *std::get<bool*>(b.member)) << name_of(a);
    } else {
      const auto& x = std::get<catalogue::TextMember>(a.member);
      const auto& y = std::get<catalogue::TextMember>(b.member);
      EXPECT_EQ(std::string(x.chars, x.size), std::string(y.chars, y.size)) << name_of(a);
    }
  }
}

// A missing file: every default, and a new file with every key except MENUFONTHIGHT.
TEST(KeyCatalogue, MissingFileGivesTheDefaultsAndTheNewFile) {
  const Settings record = load_from("");
  EXPECT_EQ(record.screen.widthmm, 300);
  EXPECT_EQ(record.screen.hightmm, 220);
  EXPECT_EQ(record.screen.menufonthight, 14);
  EXPECT_EQ(record.path.startupdrive, 2);
  EXPECT_EQ(record.path.drives.str(), "C");
  EXPECT_EQ(record.drive_letter_count, 1);
  EXPECT_EQ(record.options.bakmax, 1);
  EXPECT_EQ(record.options.fixmenubuttons, 32);
  EXPECT_EQ(record.options.fixtoolbuttons, 32);
  EXPECT_EQ(record.graphics_font_name.str(), "TAVIRO2");
  EXPECT_TRUE(record.interpiece_zoom);
  EXPECT_EQ(record.digitizer.schablonemm, 245);
  EXPECT_EQ(record.digitizer.digiok, 1);
  EXPECT_EQ(record.digitizer.digiquit, 4);
  EXPECT_EQ(record.digitizer.lupe.str(), kDefaultLupe);
  EXPECT_EQ(record.marker.minplotletter, 40);
  EXPECT_EQ(record.marker.minprintletter, 30);
  EXPECT_EQ(record.autonester_exec_length, 0);
  EXPECT_EQ(record.marker.autonesterkey.str(), "0");
  EXPECT_EQ(record.autonester_key_length, 1);
  EXPECT_EQ(record.construction_toolbox[0].raw(), "    ");
  EXPECT_EQ(record.layplanning_toolbox[24].raw(), "    ");
  EXPECT_FALSE(record.font_size_changed);

  EXPECT_EQ(write_into(record), test::kNewMainFile);
  // Loading that file and writing it again changes nothing.
  EXPECT_EQ(write_into(load_from(test::kNewMainFile), test::kNewMainFile), test::kNewMainFile);
}

struct KeyCase {
  const char* section;
  const char* key;
  const char* stored;
  const char* written;
};

TEST(KeyCatalogue, EveryKeyIsWrittenBackInItsFormat) {
  const KeyCase cases[] = {
      {"SCREEN", "WIDTHMM", "400", "400"},
      {"SCREEN", "HIGHTMM", "250", "250"},
      {"SCREEN", "BACKGROUND", "1", "15"},
      {"SCREEN", "BACKGROUND", "15", "15"},
      {"SCREEN", "BACKGROUND", "-3", "15"},
      {"SCREEN", "BACKGROUND", "0", "0"},
      {"PATH", "STARTUPDRIVE", "3", "3"},
      {"PATH", "DRIVES", "CDE", "CDE"},
      {"PATH", "TABCALCRUN", "calc.exe /s", "calc.exe /s"},
      {"PATH", "TEXTPROCRUN", "\"C:\\Program Files\\write.exe\"", "\"C:\\Program Files\\write.exe\""},
      {"OPTIONS", "FIXMENUBUTTONS", "48", "48"},
      {"OPTIONS", "FIXTOOLBUTTONS", "24", "24"},
      {"OPTIONS", "GRIDCOLOR_TYP", "2", "2"},
      {"OPTIONS", "SAVEMINUTES", "15", "15"},
      {"OPTIONS", "SAVEMINUTES", "150", "99"},
      {"OPTIONS", "SAVEMINUTES", "-5", "0"},
      {"OPTIONS", "BAKMAX", "3", "3"},
      {"OPTIONS", "BAKMAX", "12", "9"},
      {"OPTIONS", "BAKMAX", "-1", "0"},
      {"OPTIONS", "TAVIROFONT", "TAVIRO4.FNT", "TAVIRO4.FNT"},
      {"OPTIONS", "TAVIROFONT", "taviro5.fnt", "taviro5.FNT"},
      {"OPTIONS", "TAVIROFONT", "GRAFIK.DAT", "GRAFIK.FNT"},
      {"OPTIONS", "TAVIROFONT", "LONGFONTNAME.FNT", "LONGFONTN.FNT"},
      {"OPTIONS", "TAVIROFONT", ".FNT", "TAVIRO2.FNT"},
      {"OPTIONS", "TAVIROFONT", "", "TAVIRO2.FNT"},
      {"OPTIONS", "TAVIROFONT", "TAVIRO5", "TAVIRO2.FNT"},
      {"OPTIONS", "EDITONCLICK", "1", "1"},
      {"OPTIONS", "ENHMETAFILE", "1", "1"},
      {"OPTIONS", "LANGUAGE", "440", "0440"},
      {"OPTIONS", "LANGUAGE", "7", "0007"},
      {"OPTIONS", "LANGUAGE", "0", "0000"},
      {"OPTIONS", "LANGNAME", "Deutsch", "Deutsch"},
      {"DIGITIZER", "SCHABLONEMM", "300", "300"},
      {"DIGITIZER", "DIGIOK", "2", "2"},
      {"DIGITIZER", "DIGIQUIT", "3", "3"},
      {"DIGITIZER", "DIGISTOP", "50", "50"},
      {"DIGITIZER", "LUPE", ">  2  1<", ">  2  1<"},
      {"MARKER", "MINPLOTLETTER", "50", "50"},
      {"MARKER", "MINPRINTLETTER", "20", "20"},
      {"TOOLBOX2", "B01", "ZOOM", "ZOOM"},
      {"TOOLBOX2", "B25", "ZO", "ZO"},
      {"TOOLBOXS", "B07", "MOVEX", "MOVE"},
      {"TOOLBOXS", "B12", "", ""},
  };
  for (const KeyCase& c : cases) {
    EXPECT_EQ(round_trip(c.section, c.key, c.stored), std::optional<std::string>(c.written))
        << c.section << "/" << c.key << "=" << c.stored;
  }
  // A short toolbox code is held filled with blanks and written with its four characters.
  const std::string written = write_into(load_from(one_key("TOOLBOX2", "B25", "ZO")));
  EXPECT_NE(written.find("\r\nB25=ZO  \r\n[TOOLBOXS]"), std::string::npos);
}

TEST(KeyCatalogue, EveryFlagReadsAnyNonzeroAsTrueAndMinusOneAsMissing) {
  Settings record;
  for (const auto& entry : catalogue::write_order(record)) {
    if (entry.type != Type::flag) continue;
    const bool inverted = entry.write == catalogue::WriteRule::inverse;
    const std::string name = std::string(entry.section) + "/" + std::string(entry.key);
    EXPECT_EQ(round_trip(entry.section, entry.key, "1"), "1") << name;
    EXPECT_EQ(round_trip(entry.section, entry.key, "2"), "1") << name;
    EXPECT_EQ(round_trip(entry.section, entry.key, "0"), "0") << name;
    EXPECT_EQ(round_trip(entry.section, entry.key, "-1"), "0") << name << ": -1 reads as missing";
    EXPECT_EQ(round_trip(entry.section, entry.key, "yes"), "0") << name << ": a word reads as 0";
    // The held form: true for "1", except NO_INTERBB_ZOOM, held as inter-piece zoom.
    Settings loaded = load_from(one_key(entry.section, entry.key, "1"));
    bool held = false;
    for (const auto& row : catalogue::write_order(loaded)) {
      if (row.section == entry.section && row.key == entry.key) held = *std::get<bool*>(row.member);
    }
    EXPECT_EQ(held, !inverted) << name;
  }
}

TEST(KeyCatalogue, MenuFontSizeIsWrittenOnlyAfterTheUserPickedOne) {
  Settings record = load_from(one_key("SCREEN", "MENUFONTHIGHT", "18"));
  EXPECT_EQ(record.screen.menufonthight, 18);
  EXPECT_EQ(value_in(write_into(record), "SCREEN", "MENUFONTHIGHT"), std::nullopt);
  const std::string existing = one_key("SCREEN", "MENUFONTHIGHT", "18");
  record.screen.menufonthight = 24;
  EXPECT_EQ(value_in(write_into(record, existing), "SCREEN", "MENUFONTHIGHT"), "18");
  record.font_size_changed = true;
  EXPECT_EQ(value_in(write_into(record, existing), "SCREEN", "MENUFONTHIGHT"), "24");
}

TEST(KeyCatalogue, HeldFormsOfTheSpecialKeys) {
  const Settings record = load_from(
      "[SCREEN]\r\nBACKGROUND=15\r\n"
      "[OPTIONS]\r\nNO_INTERBB_ZOOM=1\r\nTAVIROFONT=TAVIRO4.FNT\r\nSAVEMINUTES=150\r\nBAKMAX=12\r\n"
      "[PATH]\r\nDRIVES=C.E\r\n"
      "[MARKER]\r\nAUTONESTEREXEC=C:\\nest\\nester.exe\r\nAUTONESTERKEY=AB12\r\n"
      "[TOOLBOX2]\r\nB03=ZO\r\n");
  EXPECT_EQ(record.screen.background, 1);
  EXPECT_FALSE(record.interpiece_zoom);
  EXPECT_EQ(record.graphics_font_name.raw(), "TAVIRO4  ");
  EXPECT_EQ(record.options.saveminutes, 99);
  EXPECT_EQ(record.options.bakmax, 9);
  EXPECT_EQ(record.path.drives.str(), "CDE");
  EXPECT_EQ(record.drive_letter_count, 3);
  EXPECT_EQ(record.marker.autonesterexec.str(), "C:\\nest\\nester.exe");
  EXPECT_EQ(record.autonester_exec_length, 18);
  EXPECT_EQ(record.autonester_key_length, 4);
  EXPECT_EQ(record.construction_toolbox[2].raw(), "ZO  ");
  EXPECT_EQ(record.construction_toolbox[3].raw(), "    ");
}

TEST(KeyCatalogue, DriveLettersTakeTheCurrentDriveAndLoseTheirGaps) {
  auto drives = [](const char* stored, const char* folder) {
    const Settings record = load_from(one_key("PATH", "DRIVES", stored), folder);
    return std::make_pair(std::string(record.path.drives.raw()), record.drive_letter_count);
  };
  const std::string blanks(30, ' ');
  EXPECT_EQ(drives("C.E", "D:\\data"), std::make_pair("CDE" + blanks.substr(3), 3));
  EXPECT_EQ(drives("C E", "D:\\data"), std::make_pair("CE" + blanks.substr(2), 2));
  EXPECT_EQ(drives("..", "E:\\"), std::make_pair("EE" + blanks.substr(2), 2));
  // Without a drive letter in the current folder the full stop stays.
  EXPECT_EQ(drives("C.E", "\\\\server\\share"), std::make_pair("C.E" + blanks.substr(3), 3));
  EXPECT_EQ(drives("C.", "D:"), std::make_pair("C." + blanks.substr(2), 2));
  // Empty: no letters (the default "C" is only for a missing key).
  EXPECT_EQ(drives("", "D:\\"), std::make_pair(blanks, 0));
  // Longer than the field: cut to 29 letters, as the platform's reader does.
  const std::string many = "ABCDEFGHIJKLMNOPQRSTUVWXYZABCDEFGHIJ";
  EXPECT_EQ(drives(many.c_str(), "D:\\"), std::make_pair(many.substr(0, 29) + " ", 29));

  Settings record = load_from(one_key("PATH", "DRIVES", "C E"));
  EXPECT_EQ(value_in(write_into(record), "PATH", "DRIVES"), "CE");
  record.drive_letter_count = 1;  // as the Drives page keeps it
  EXPECT_EQ(value_in(write_into(record), "PATH", "DRIVES"), "C");
}

TEST(KeyCatalogue, SpreadsheetCommandFallsBackOnTheOldKeyWhichIsNeverWritten) {
  const std::string file = "[PATH]\r\nMSEXCELRUN=excel.exe /e\r\n";
  const Settings record = load_from(file);
  EXPECT_EQ(record.path.tabcalcrun.str(), "excel.exe /e");
  const std::string written = write_into(record, file);
  EXPECT_EQ(value_in(written, "PATH", "TABCALCRUN"), "excel.exe /e");
  EXPECT_EQ(value_in(written, "PATH", "MSEXCELRUN"), "excel.exe /e");
  EXPECT_EQ(value_in(write_into(record), "PATH", "MSEXCELRUN"), std::nullopt);
  // A TABCALCRUN that is present, even empty, wins.
  EXPECT_EQ(load_from(file + "TABCALCRUN=\r\n").path.tabcalcrun.str(), "");
  EXPECT_EQ(load_from(file + "TABCALCRUN=calc\r\n").path.tabcalcrun.str(), "calc");
}

struct Autonester {
  std::optional<std::string> program, folder, key;
  bool operator==(const Autonester&) const = default;
};
std::ostream& operator<<(std::ostream& out, const Autonester& a) {
  return out << a.program.value_or("(none)") << " | " << a.folder.value_or("(none)") << " | "
             << a.key.value_or("(none)");
}
Autonester autonester_written(const Settings& record) {
  const std::string bytes = write_into(record);
  return {value_in(bytes, "MARKER", "AUTONESTEREXEC"), value_in(bytes, "MARKER", "AUTONESTERPATH"),
          value_in(bytes, "MARKER", "AUTONESTERKEY")};
}
Settings with_autonester(const char* program, const char* key) {
  return load_from("[MARKER]\r\nAUTONESTEREXEC=" + std::string(program) + "\r\nAUTONESTERKEY=" + key + "\r\n");
}

TEST(KeyCatalogue, AutonesterKeysAreDerivedFromTheProgram) {
  EXPECT_EQ(autonester_written(with_autonester("C:\\nest\\nester.exe", "0")),
            (Autonester{"C:\\nest\\nester.exe", "C:\\nest\\", "1"}));
  EXPECT_EQ(autonester_written(with_autonester("nester.exe", "AB12")), (Autonester{"nester.exe", ".\\", "AB12"}));
  EXPECT_EQ(autonester_written(with_autonester("C:\\nest\\", "7")), (Autonester{"C:\\nest\\", "C:\\nest\\", "7"}));
  EXPECT_EQ(autonester_written(with_autonester("nester.exe", "")), (Autonester{"nester.exe", ".\\", ""}));
  EXPECT_EQ(autonester_written(load_from("")), (Autonester{"", "", "0"}));

  // The page switches the autonester off by setting the length to 0: the keys are emptied,
  // and the held program stays as it was.
  Settings record = with_autonester("C:\\nest\\nester.exe", "AB12");
  record.autonester_exec_length = 0;
  EXPECT_EQ(autonester_written(record), (Autonester{"", "", "0"}));
  EXPECT_EQ(record.marker.autonesterexec.str(), "C:\\nest\\nester.exe");

  // Writing does not shorten the held program: a second write gives the same file.
  const Settings on = with_autonester("C:\\nest\\nester.exe", "0");
  EXPECT_EQ(write_into(on), write_into(on));
  EXPECT_EQ(on.marker.autonesterexec.str(), "C:\\nest\\nester.exe");
}

TEST(KeyCatalogue, DigitsOfOutOfRangeValuesAreNotLost) {
  EXPECT_EQ(round_trip("OPTIONS", "EDITONCLICK", "12"), "12");
  EXPECT_EQ(round_trip("OPTIONS", "ENHMETAFILE", "-1"), "-1");
  EXPECT_EQ(round_trip("OPTIONS", "LANGUAGE", "123456"), "123456");
  EXPECT_EQ(round_trip("OPTIONS", "LANGUAGE", "-3"), "-3");
  EXPECT_EQ(round_trip("OPTIONS", "LANGUAGE", "9999"), "9999");
}

// Files written by hand or by other programs.
TEST(KeyCatalogue, ValuesTheProgramDidNotWrite) {
  // Blanks around names and values, lower-case names, numbers in other notations.
  const Settings record = load_from(
      "[screen]\r\n widthmm = 400   \r\nHIGHTMM=0x100\r\n"
      "[Path]\r\nTextProcRun=  winword.exe /n  \r\n"
      "[OPTIONS]\r\nLANGNAME=  Suomi  \r\nCACHE_CHM=\r\nSAVEMINUTES=99999999999\r\nBAKMAX=-2147483648\r\n"
      "[DIGITIZER]\r\nDIGIOK=abc\r\nDIGIQUIT=\r\nDIGISTOP=4294967396\r\n");
  EXPECT_EQ(record.screen.widthmm, 400);
  EXPECT_EQ(record.screen.hightmm, 256);
  EXPECT_EQ(record.path.textprocrun.str(), "winword.exe /n");
  EXPECT_EQ(record.options.langname.str(), "Suomi");
  EXPECT_FALSE(record.options.cache_chm);     // empty: the default
  EXPECT_EQ(record.options.saveminutes, 99);  // wraps modulo 2^32, then clamped
  EXPECT_EQ(record.options.bakmax, 0);
  EXPECT_EQ(record.digitizer.digiok, 0);    // not a number
  EXPECT_EQ(record.digitizer.digiquit, 4);  // empty: the default
  EXPECT_EQ(record.digitizer.digistop, 100);

  // A repeated key: the first one counts and is the one rewritten; the name keeps its spelling.
  const std::string repeated = "[SCREEN]\r\nwidthmm=400\r\nWIDTHMM=500\r\n";
  Settings first = load_from(repeated);
  EXPECT_EQ(first.screen.widthmm, 400);
  first.screen.widthmm = 410;
  const std::string written = write_into(first, repeated);
  EXPECT_EQ(written.substr(0, 47), "[SCREEN]\r\nwidthmm=410\r\nWIDTHMM=500\r\nHIGHTMM=220");

  // Values longer than their fields are cut to the field size minus one.
  const std::string long_text(300, 'x');
  const Settings cut =
      load_from("[OPTIONS]\r\nLANGNAME=" + long_text + "\r\n[DIGITIZER]\r\nLUPE=" + long_text +
                "\r\n[PATH]\r\nTEXTPROCRUN=" + long_text + "\r\n[MARKER]\r\nAUTONESTEREXEC=" + long_text + "\r\n");
  EXPECT_EQ(cut.options.langname.str(), std::string(40, 'x'));
  EXPECT_EQ(cut.digitizer.lupe.str(), std::string(79, 'x'));
  EXPECT_EQ(cut.path.textprocrun.str(), std::string(255, 'x'));
  EXPECT_EQ(cut.autonester_exec_length, 255);
  EXPECT_EQ(value_in(write_into(cut), "OPTIONS", "LANGNAME"), std::string(40, 'x'));
}

}  // namespace
}  // namespace tav
