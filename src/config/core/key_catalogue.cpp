#include "config/core/key_catalogue.h"

#include <algorithm>
#include <cstring>

#include "config/core/key_rules.h"
#include "config/core/profile_rules.h"

namespace tav {
namespace catalogue {
namespace {

constexpr const char* kToolboxKeys[kToolboxSlots] = {"B01", "B02", "B03", "B04", "B05", "B06", "B07", "B08", "B09",
                                                     "B10", "B11", "B12", "B13", "B14", "B15", "B16", "B17", "B18",
                                                     "B19", "B20", "B21", "B22", "B23", "B24", "B25"};

// The toolbox slots come last, in both orders.
void add_toolbox(std::vector<KeyEntry>& table, std::string_view section, Toolbox& box) {
  for (int slot = 1; slot <= kToolboxSlots; ++slot) {
    const int place = static_cast<int>(std::count_if(table.begin(), table.end(),
                                                     [](const KeyEntry& key) { return key.write_place > 0; })) +
                      1;
    table.push_back({section, toolbox_key(slot), Type::text, field(box[static_cast<std::size_t>(slot - 1)]), "",
                     LoadRule::first_four, WriteRule::toolbox_slot, place});
  }
}

}  // namespace

Default Default::value_of(TextMember member) {
  Default fallback("");
  fallback.value_of_chars = member.chars;
  fallback.value_of_size = member.size;
  return fallback;
}

std::string default_text(const Default& fallback) {
  if (fallback.value_of_chars) {
    return std::string(fallback.value_of_chars,
                       static_cast<std::size_t>(significant_length(fallback.value_of_chars, fallback.value_of_size)));
  }
  return fallback.text;
}

std::string_view toolbox_key(int slot) {
  if (slot < 1 || slot > kToolboxSlots) return {};
  return kToolboxKeys[slot - 1];
}

const void* KeyEntry::held() const {
  if (const int* const* number = std::get_if<int*>(&member)) return *number;
  if (const bool* const* flag = std::get_if<bool*>(&member)) return *flag;
  return std::get<TextMember>(member).chars;
}

std::vector<KeyEntry> key_table(Settings& s) {
  using enum Type;
  using enum LoadRule;
  using enum WriteRule;
  ScreenSettings& sc = s.screen;
  PathSettings& pa = s.path;
  OptionsSettings& op = s.options;
  DigitizerSettings& di = s.digitizer;
  MarkerSettings& ma = s.marker;
  // TABCALCRUN falls back on the MSEXCELRUN just read, which is loaded first.
  const Default msexcelrun_value = Default::value_of(field(pa.msexcelrun));
  const TextMember autonester = field(ma.autonesterexec, &s.autonester_exec_length);
  // clang-format off
  std::vector<KeyEntry> table = {
      // section    key                      type     member                                             default              load            write               place
      {"SCREEN",    "WIDTHMM",               integer, &sc.widthmm,                                       300,                 as_read,        as_held,              1},
      {"SCREEN",    "HIGHTMM",               integer, &sc.hightmm,                                       220,                 as_read,        as_held,              2},
      {"SCREEN",    "MENUFONTHIGHT",         integer, &sc.menufonthight,                                 14,                  as_read,        if_font_size_changed, 4},
      {"OPTIONS",   "USEMENUBUTTONS",        flag,    &op.usemenubuttons,                                false,               as_read,        as_held,              3},
      {"SCREEN",    "BACKGROUND",            integer, &sc.background,                                    0,                   nonzero_as_one, fifteen_or_zero,      5},
      {"PATH",      "STARTUPDRIVE",          integer, &pa.startupdrive,                                  2,                   as_read,        as_held,              6},
      {"PATH",      "DRIVES",                text,    field(pa.drives, &s.drive_letter_count),           "C",                 drive_letters,  up_to_length,         7},
      {"OPTIONS",   "SAVEMINUTES",           integer, &op.saveminutes,                                   0,                   clamp_0_to_99,  as_held,              10},
      {"OPTIONS",   "BAKMAX",                integer, &op.bakmax,                                        1,                   clamp_0_to_9,   as_held,              11},
      {"PATH",      "MSEXCELRUN",            text,    field(pa.msexcelrun),                              "",                  as_read,        not_written,          0},
      {"PATH",      "TABCALCRUN",            text,    field(pa.tabcalcrun),                              msexcelrun_value,    as_read,        as_held,              8},
      {"PATH",      "TEXTPROCRUN",           text,    field(pa.textprocrun),                             "",                  as_read,        as_held,              9},
      {"OPTIONS",   "TAVIROFONT",            text,    field(s.graphics_font_name),                       "TAVIRO2.FNT",       font_name,      font_file,            12},
      {"OPTIONS",   "EDITONCLICK",           integer, &op.editonclick,                                   0,                   as_read,        one_digit,            13},
      {"OPTIONS",   "ENHMETAFILE",           integer, &op.enhmetafile,                                   0,                   as_read,        one_digit,            14},
      {"OPTIONS",   "CHECKMDLONSAVE",        flag,    &op.checkmdlonsave,                                false,               as_read,        as_held,              15},
      {"OPTIONS",   "CACHE_CHM",             flag,    &op.cache_chm,                                     false,               as_read,        as_held,              16},
      {"OPTIONS",   "HIDE_MIRFOLD",          flag,    &op.hide_mirfold,                                  false,               as_read,        as_held,              17},
      {"OPTIONS",   "NO_INTERBB_ZOOM",       flag,    &s.interpiece_zoom,                                false,               inverted,       inverse,              18},
      {"OPTIONS",   "LANGUAGE",              integer, &op.language,                                      0,                   as_read,        four_digits,          19},
      {"OPTIONS",   "LANGNAME",              text,    field(op.langname),                                "",                  as_read,        as_held,              20},
      {"OPTIONS",   "USE_TTF",               flag,    &op.use_ttf,                                       false,               as_read,        as_held,              21},
      {"OPTIONS",   "PTTF_SUPP_UNICODE",     flag,    &op.pttf_supp_unicode,                             false,               as_read,        as_held,              22},
      {"DIGITIZER", "SCHABLONEMM",           integer, &di.schablonemm,                                   kDefaultSchablonemm, as_read,        as_held,              23},
      {"DIGITIZER", "DIGIOK",                integer, &di.digiok,                                        kDefaultDigiok,      as_read,        as_held,              24},
      {"DIGITIZER", "DIGIQUIT",              integer, &di.digiquit,                                      kDefaultDigiquit,    as_read,        as_held,              25},
      {"DIGITIZER", "DIGISTOP",              integer, &di.digistop,                                      kDefaultDigistop,    as_read,        as_held,              26},
      {"DIGITIZER", "LUPE",                  text,    field(di.lupe),                                    kDefaultLupe,        as_read,        as_held,              27},
      {"MARKER",    "MINPLOTLETTER",         integer, &ma.minplotletter,                                 40,                  as_read,        as_held,              28},
      {"MARKER",    "MINPRINTLETTER",        integer, &ma.minprintletter,                                30,                  as_read,        as_held,              29},
      {"MARKER",    "ADDSIZETOFNAME",        flag,    &ma.addsizetofname,                                false,               as_read,        as_held,              30},
      {"MARKER",    "ONEPATHONLY",           flag,    &ma.onepathonly,                                   false,               as_read,        as_held,              31},
      {"MARKER",    "AUTONESTEREXEC",        text,    autonester,                                        "",                  with_length,    autonester_program,   32},
      {"MARKER",    "AUTONESTERPATH",        text,    autonester,                                        "",                  not_read,       autonester_folder,    33},
      {"MARKER",    "AUTONESTERKEY",         text,    field(ma.autonesterkey, &s.autonester_key_length), "0",                 with_length,    autonester_key,       34},
      {"OPTIONS",   "FIXMENUBUTTONS",        integer, &op.fixmenubuttons,                                32,                  as_read,        as_held,              35},
      {"OPTIONS",   "FIXTOOLBUTTONS",        integer, &op.fixtoolbuttons,                                32,                  as_read,        as_held,              36},
      {"SCREEN",    "CONTINUOUS_SEAM",       flag,    &sc.continuous_seam,                               false,               as_read,        as_held,              37},
      {"OPTIONS",   "GRIDCOLOR_TYP",         integer, &op.gridcolor_typ,                                 0,                   as_read,        as_held,              38},
      {"OPTIONS",   "SHOW_BAKFILES",         flag,    &op.show_bakfiles,                                 false,               as_read,        as_held,              39},
      {"OPTIONS",   "ENABLE_GRDTAB_SUBPATH", flag,    &op.enable_grdtab_subpath,                         false,               as_read,        as_held,              40},
      {"OPTIONS",   "ENABLE_GRDTAB_ALTREF",  flag,    &op.enable_grdtab_altref,                          false,               as_read,        as_held,              41},
      {"OPTIONS",   "ENABLE_GRDTAB_ZGON",    flag,    &op.enable_grdtab_zgon,                            false,               as_read,        as_held,              42},
      {"OPTIONS",   "ENABLE_GRDTAB_MEMMAP",  flag,    &op.enable_grdtab_memmap,                          false,               as_read,        as_held,              43},
      {"OPTIONS",   "ENABLE_GRDTAB_PWD",     flag,    &op.enable_grdtab_pwd,                             false,               as_read,        as_held,              44},
      {"OPTIONS",   "DUPLICTREE",            flag,    &op.duplictree,                                    false,               as_read,        as_held,              45},
      {"OPTIONS",   "SWITCH_SEAMADDITION",   flag,    &op.switch_seamaddition,                           false,               as_read,        as_held,              46},
      {"OPTIONS",   "ENABLE_EXTDXVAL",       flag,    &op.enable_extdxval,                               false,               as_read,        as_held,              47},
      {"MARKER",    "ENABLE_BDL_FLIP",       flag,    &ma.enable_bdl_flip,                               false,               as_read,        as_held,              48},
      {"MARKER",    "ENABLE_ENH_REPEAT",     flag,    &ma.enable_enh_repeat,                             false,               as_read,        as_held,              49},
      {"MARKER",    "ENABLE_BG_PIC",         flag,    &ma.enable_bg_pic,                                 false,               as_read,        as_held,              50},
      {"OPTIONS",   "ENABLE_BG_PIC",         flag,    &op.enable_bg_pic,                                 false,               as_read,        as_held,              51},
      {"MARKER",    "ENABLE_PMD_SZOPT",      flag,    &ma.enable_pmd_szopt,                              false,               as_read,        as_held,              52},
      {"MARKER",    "ENABLE_SHRINK_ASST",    flag,    &ma.enable_shrink_asst,                            false,               as_read,        as_held,              53},
      {"OPTIONS",   "MDL_PREVIEW_IMAGE",     flag,    &op.mdl_preview_image,                             false,               as_read,        as_held,              54},
      {"OPTIONS",   "SAVE_VERIFY",           flag,    &op.save_verify,                                   false,               as_read,        as_held,              55},
      {"OPTIONS",   "ENABLE_SYMBLEN",        flag,    &op.enable_symblen,                                false,               as_read,        as_held,              56},
  };  // clang-format on

  add_toolbox(table, "TOOLBOX2", s.construction_toolbox);
  add_toolbox(table, "TOOLBOXS", s.layplanning_toolbox);
  return table;
}

std::vector<KeyEntry> load_order(Settings& settings) {
  std::vector<KeyEntry> keys = key_table(settings);
  std::erase_if(keys, [](const KeyEntry& entry) { return entry.load == LoadRule::not_read; });
  return keys;
}

std::vector<KeyEntry> write_order(Settings& settings) {
  std::vector<KeyEntry> keys = key_table(settings);
  std::erase_if(keys, [](const KeyEntry& entry) { return entry.write == WriteRule::not_written; });
  std::stable_sort(keys.begin(), keys.end(),
                   [](const KeyEntry& a, const KeyEntry& b) { return a.write_place < b.write_place; });
  return keys;
}

}  // namespace catalogue

namespace {

using catalogue::KeyEntry;
using catalogue::LoadRule;
using catalogue::TextMember;
using catalogue::Type;
using catalogue::WriteRule;

// Size of the text read for TAVIROFONT before the name is taken from it.
constexpr int kFontFileSize = 256;

void hold_text(const TextMember& member, std::string_view value) {
  std::memset(member.chars, ' ', static_cast<std::size_t>(member.size));
  const std::size_t count =
      value.size() < static_cast<std::size_t>(member.size) ? value.size() : static_cast<std::size_t>(member.size);
  if (count > 0) std::memcpy(member.chars, value.data(), count);
}

void load_integer(const KeyEntry& entry, int& held, KeyReader& reader) {
  const int value = reader.integer(entry.section, entry.key, entry.fallback.number);
  switch (entry.load) {
    case LoadRule::nonzero_as_one:
      held = value != 0 ? 1 : 0;
      break;
    case LoadRule::clamp_0_to_99:
      held = clamped(value, 0, 99);
      break;
    case LoadRule::clamp_0_to_9:
      held = clamped(value, 0, 9);
      break;
    default:
      held = value;
      break;
  }
}

void load_flag(const KeyEntry& entry, bool& held, KeyReader& reader) {
  const bool flag = flag_from_stored(reader.integer(entry.section, entry.key, -1), entry.fallback.number != 0);
  held = entry.load == LoadRule::inverted ? !flag : flag;
}

void load_text(const KeyEntry& entry, const TextMember& member, KeyReader& reader, std::string_view current_folder) {
  const std::string fallback = catalogue::default_text(entry.fallback);
  switch (entry.load) {
    case LoadRule::drive_letters: {
      const std::string value = reader.text(entry.section, entry.key, fallback, member.size);
      const int count = load_drive_letters(value, current_folder, member.chars, member.size);
      if (member.length) *member.length = count;
      break;
    }
    case LoadRule::font_name:
      hold_text(member, graphics_font_from_file(reader.text(entry.section, entry.key, fallback, kFontFileSize)));
      break;
    case LoadRule::first_four:
      // The first four characters read; a shorter code is filled with blanks.
      hold_text(member, reader.text(entry.section, entry.key, fallback, member.size + 1));
      break;
    default: {
      const std::string value = reader.text(entry.section, entry.key, fallback, member.size);
      hold_text(member, value);
      if (member.length) *member.length = static_cast<int>(value.size());
      break;
    }
  }
}

std::string_view significant(const TextMember& view) {
  return std::string_view(view.chars, static_cast<std::size_t>(significant_length(view.chars, view.size)));
}

// The characters up to the length companion, within the field.
std::string_view up_to_length(const TextMember& view) {
  const int length = view.length ? clamped(*view.length, 0, view.size) : significant_length(view.chars, view.size);
  return std::string_view(view.chars, static_cast<std::size_t>(length));
}

void write_integer(const KeyEntry& entry, int held, const Settings& settings, KeyWriter& writer) {
  switch (entry.write) {
    case WriteRule::fifteen_or_zero:
      writer.integer(entry.section, entry.key, held != 0 ? 15 : 0);
      break;
    case WriteRule::if_font_size_changed:
      if (settings.font_size_changed) writer.integer(entry.section, entry.key, held);
      break;
    case WriteRule::one_digit:
      writer.text(entry.section, entry.key, fixed_digits(held, 1));
      break;
    case WriteRule::four_digits:
      writer.text(entry.section, entry.key, fixed_digits(held, 4));
      break;
    default:
      writer.integer(entry.section, entry.key, held);
      break;
  }
}

void write_text(const KeyEntry& entry, const TextMember& view, const Settings& settings, KeyWriter& writer) {
  const bool has_autonester = settings.autonester_exec_length > 0;
  switch (entry.write) {
    case WriteRule::up_to_length:
      writer.text(entry.section, entry.key, up_to_length(view));
      break;
    case WriteRule::font_file:
      writer.text(entry.section, entry.key, font_file_from_graphics_font(significant(view)));
      break;
    case WriteRule::autonester_program:
      writer.text(entry.section, entry.key, has_autonester ? up_to_length(view) : std::string_view());
      break;
    case WriteRule::autonester_folder:
      writer.text(entry.section, entry.key, has_autonester ? autonester_folder(up_to_length(view)) : std::string());
      break;
    case WriteRule::autonester_key:
      if (!has_autonester) {
        writer.integer(entry.section, entry.key, 0);
      } else if (up_to_length(view) == "0") {
        writer.integer(entry.section, entry.key, 1);  // switched on from now
      } else {
        writer.text(entry.section, entry.key, up_to_length(view));
      }
      break;
    case WriteRule::toolbox_slot:
      writer.text(entry.section, entry.key,
                  significant(view).empty() ? std::string_view()
                                            : std::string_view(view.chars, static_cast<std::size_t>(view.size)));
      break;
    default:
      writer.text(entry.section, entry.key, significant(view));
      break;
  }
}

void load_key(const KeyEntry& entry, KeyReader& reader, std::string_view current_folder) {
  // A row whose member does not match its type is skipped (the catalogue test rules it out).
  if (entry.type == Type::integer) {
    if (int* const* held = std::get_if<int*>(&entry.member)) load_integer(entry, **held, reader);
  } else if (entry.type == Type::flag) {
    if (bool* const* held = std::get_if<bool*>(&entry.member)) load_flag(entry, **held, reader);
  } else if (const TextMember* member = std::get_if<TextMember>(&entry.member)) {
    load_text(entry, *member, reader, current_folder);
  }
}

// Answers every key as missing.
class DefaultsReader : public KeyReader {
 public:
  std::string text(std::string_view, std::string_view, std::string_view default_text, int size) override {
    return std::string(default_text.substr(0, size > 0 ? static_cast<std::size_t>(size - 1) : 0));
  }
  int integer(std::string_view, std::string_view, int default_value) override { return default_value; }
};

}  // namespace

void load_settings(Settings& settings, KeyReader& reader, std::string_view current_folder) {
  for (const KeyEntry& entry : catalogue::load_order(settings)) load_key(entry, reader, current_folder);
}

void write_settings(const Settings& settings, KeyWriter& writer) {
  // The table is built on the record to read it here: nothing changes it.
  for (const KeyEntry& entry : catalogue::write_order(const_cast<Settings&>(settings))) {
    if (entry.type == Type::integer) {
      if (const int* const* held = std::get_if<int*>(&entry.member)) write_integer(entry, **held, settings, writer);
    } else if (entry.type == Type::flag) {
      if (const bool* const* held = std::get_if<bool*>(&entry.member)) {
        writer.flag(entry.section, entry.key, entry.write == WriteRule::inverse ? !**held : **held);
      }
    } else if (const TextMember* view = std::get_if<TextMember>(&entry.member)) {
      write_text(entry, *view, settings, writer);
    }
  }
}

namespace catalogue {

void reset_to_defaults(Settings& settings, std::initializer_list<const void*> members) {
  DefaultsReader defaults;
  for (const KeyEntry& entry : load_order(settings)) {
    if (std::find(members.begin(), members.end(), entry.held()) != members.end()) load_key(entry, defaults, "");
  }
}

}  // namespace catalogue
}  // namespace tav
