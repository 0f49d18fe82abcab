// Faults caught here:
// - a line the rules refuse is let through, or a harmless line is refused, or the wrong
//   line number is named;
// - the export leaves out a key of the catalogue (the keys the dialog only reads or writes
//   only after a change included);
// - loading an exported file gives other written values (an import of an export would
//   change the installation).
#include "config/core/settings_transfer.h"

#include <gtest/gtest.h>

#include "config/core/ini_document.h"
#include "config/core/key_catalogue.h"
#include "config/core/profile_rules.h"

namespace tav {
namespace {

struct RefusalRow {
  const char* file;
  int line;  // 0: nothing refused
  LineProblem problem;
};

TEST(SettingsTransfer, RefusesTheFirstLineTheRulesRefuse) {
  using enum LineProblem;
  const RefusalRow rows[] = {
      {"; comment\r\n\r\n[OPTIONS]\r\nSAVEMINUTES=99\r\nLANGNAME=any text at all\r\n", 0, unknown_key},
      {"[options]\nsaveminutes = 5\nUSE_TTF=1\n", 0, unknown_key},
      {"[OPTIONS]\r\nSAVEMINUTES=5\r\nNOSUCHKEY=1\r\n", 3, unknown_key},
      {"SAVEMINUTES=5\r\n", 1, unknown_key},
      {"[SCREEN]\r\nSAVEMINUTES=5\r\n", 2, unknown_key},
      {"[SCREEN]\r\nWIDTHMM=12cm\r\n", 2, not_a_number},
      {"[SCREEN]\r\nWIDTHMM=\r\n", 2, not_a_number},
      {"[OPTIONS]\r\nSAVEMINUTES=100\r\n", 2, out_of_range},
      {"[OPTIONS]\r\nBAKMAX=-1\r\n", 2, out_of_range},
      {"[OPTIONS]\r\nUSE_TTF=2\r\n", 2, out_of_range},
      {"[OPTIONS]\r\nLANGUAGE=10000\r\n", 2, out_of_range},
  };
  for (const RefusalRow& row : rows) {
    const auto refused = refused_line(row.file);
    if (row.line == 0) {
      EXPECT_FALSE(refused) << row.file;
      continue;
    }
    ASSERT_TRUE(refused) << row.file;
    EXPECT_EQ(refused->number, row.line) << row.file;
    EXPECT_EQ(refused->problem, row.problem) << row.file;
  }
}

// Reads every key from one document, as the import does.
class DocumentReader : public KeyReader {
 public:
  explicit DocumentReader(const IniDocument& document) : document_(document) {}
  std::string text(std::string_view section, std::string_view key, std::string_view default_text, int size) override {
    std::string buffer(static_cast<std::size_t>(size), '\0');
    buffer.resize(static_cast<std::size_t>(read_text(document_, section, key, default_text, buffer.data(), size)));
    return buffer;
  }
  int integer(std::string_view section, std::string_view key, int default_value) override {
    return read_int(document_, section, key, default_value);
  }

 private:
  const IniDocument& document_;
};

TEST(SettingsTransfer, ExportNamesEveryKeyAndReadsBackUnchanged) {
  const IniDocument installation(
      "[SCREEN]\r\nBACKGROUND=7\r\n[PATH]\r\nDRIVES=.E\r\nMSEXCELRUN=calc.exe\r\n[OPTIONS]\r\n"
      "TAVIROFONT=TAVIRO4.FNT\r\nSAVEMINUTES=250\r\n[MARKER]\r\nAUTONESTEREXEC=c:\\nest\\nest.exe\r\n"
      "AUTONESTERKEY=0\r\n[TOOLBOX2]\r\nB01=AB\r\n");
  Settings before;
  DocumentReader reader(installation);
  load_settings(before, reader, "T:\\taviro");

  const IniDocument exported(exported_text(before));
  const std::vector<WrittenKey> keys = written_keys(before);
  EXPECT_EQ(keys.size(), catalogue::key_table(before).size());
  for (const catalogue::KeyEntry& entry : catalogue::key_table(before)) {
    EXPECT_TRUE(exported.find(entry.section, entry.key)) << entry.section << "/" << entry.key;
  }
  EXPECT_FALSE(refused_line(exported.bytes()));

  Settings after;
  DocumentReader exported_reader(exported);
  load_settings(after, exported_reader, "T:\\taviro");
  EXPECT_TRUE(changed_keys(before, after).empty());
}

}  // namespace
}  // namespace tav
