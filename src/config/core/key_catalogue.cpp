#include "config/core/key_catalogue.h"

#include <cstring>

#include "config/core/key_rules.h"
#include "config/core/profile_rules.h"

namespace tav {
namespace catalogue {
namespace {

constexpr const char* kToolboxKeys[kToolboxSlots] = {
    "B01", "B02", "B03", "B04", "B05", "B06", "B07", "B08", "B09", "B10", "B11", "B12", "B13",
    "B14", "B15", "B16", "B17", "B18", "B19", "B20", "B21", "B22", "B23", "B24", "B25"};

void add_toolbox_loads(std::vector<LoadEntry>& table, std::string_view section, Toolbox& box) {
  for (int slot = 1; slot <= kToolboxSlots; ++slot) {
    table.push_back({section, toolbox_key(slot), Type::text, field(box[static_cast<std::size_t>(slot - 1)]), "",
                     LoadRule::toolbox_slot});
  }
}

void add_toolbox_writes(std::vector<WriteEntry>& table, std::string_view section, const Toolbox& box) {
  for (int slot = 1; slot <= kToolboxSlots; ++slot) {
    table.push_back({section, toolbox_key(slot), Type::text, field(box[static_cast<std::size_t>(slot - 1)]),
                     WriteRule::toolbox_slot});
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

std::vector<LoadEntry> load_order(Settings& s) {
  using enum Type;
  using enum LoadRule;
  ScreenSettings& sc = s.screen;
  PathSettings& pa = s.path;
  OptionsSettings& op = s.options;
  DigitizerSettings& di = s.digitizer;
  MarkerSettings& ma = s.marker;
  // TABCALCRUN falls back on the MSEXCELRUN just read, which is loaded first.
  const Default msexcelrun_value = Default::value_of(field(pa.msexcelrun));
  std::vector<LoadEntry> table = {
      // section    key                      type     member                                               default           rule
      {"SCREEN",    "WIDTHMM",               integer, &sc.widthmm,                                         300,              as_read},
      {"SCREEN",    "HIGHTMM",               integer, &sc.hightmm,                                         220,              as_read},
      {"SCREEN",    "MENUFONTHIGHT",         integer, &sc.menufonthight,                                   14,               as_read},
      {"OPTIONS",   "USEMENUBUTTONS",        flag,    &op.usemenubuttons,                                  false,            as_read},
      {"SCREEN",    "BACKGROUND",            integer, &sc.background,                                      0,                nonzero_as_one},
      {"PATH",      "STARTUPDRIVE",          integer, &pa.startupdrive,                                    2,                as_read},
      {"PATH",      "DRIVES",                text,    field(pa.drives, &s.drive_letter_count),             "C",              drive_letters},
      {"OPTIONS",   "SAVEMINUTES",           integer, &op.saveminutes,                                     0,                clamp_0_to_99},
      {"OPTIONS",   "BAKMAX",                integer, &op.bakmax,                                          1,                clamp_0_to_9},
      {"PATH",      "MSEXCELRUN",            text,    field(pa.msexcelrun),                                "",               as_read},
      {"PATH",      "TABCALCRUN",            text,    field(pa.tabcalcrun),                                msexcelrun_value, as_read},
      {"PATH",      "TEXTPROCRUN",           text,    field(pa.textprocrun),                               "",               as_read},
      {"OPTIONS",   "TAVIROFONT",            text,    field(s.graphics_font_name),                         "TAVIRO2.FNT",    font_name},
      {"OPTIONS",   "EDITONCLICK",           integer, &op.editonclick,                                     0,                as_read},
      {"OPTIONS",   "ENHMETAFILE",           integer, &op.enhmetafile,                                     0,                as_read},
      {"OPTIONS",   "CHECKMDLONSAVE",        flag,    &op.checkmdlonsave,                                  false,            as_read},
      {"OPTIONS",   "CACHE_CHM",             flag,    &op.cache_chm,                                       false,            as_read},
      {"OPTIONS",   "HIDE_MIRFOLD",          flag,    &op.hide_mirfold,                                    false,            as_read},
      {"OPTIONS",   "NO_INTERBB_ZOOM",       flag,    &s.interpiece_zoom,                                  false,            inverted},
      {"OPTIONS",   "LANGUAGE",              integer, &op.language,                                        0,                as_read},
      {"OPTIONS",   "LANGNAME",              text,    field(op.langname),                                  "",               as_read},
      {"OPTIONS",   "USE_TTF",               flag,    &op.use_ttf,                                         false,            as_read},
      {"OPTIONS",   "PTTF_SUPP_UNICODE",     flag,    &op.pttf_supp_unicode,                               false,            as_read},
      {"DIGITIZER", "SCHABLONEMM",           integer, &di.schablonemm,                                     kDefaultSchablonemm, as_read},
      {"DIGITIZER", "DIGIOK",                integer, &di.digiok,                                          kDefaultDigiok,   as_read},
      {"DIGITIZER", "DIGIQUIT",              integer, &di.digiquit,                                        kDefaultDigiquit, as_read},
      {"DIGITIZER", "DIGISTOP",              integer, &di.digistop,                                        kDefaultDigistop, as_read},
      {"DIGITIZER", "LUPE",                  text,    field(di.lupe),                                      kDefaultLupe,     as_read},
      {"MARKER",    "MINPLOTLETTER",         integer, &ma.minplotletter,                                   40,               as_read},
      {"MARKER",    "MINPRINTLETTER",        integer, &ma.minprintletter,                                  30,               as_read},
      {"MARKER",    "ADDSIZETOFNAME",        flag,    &ma.addsizetofname,                                  false,            as_read},
      {"MARKER",    "ONEPATHONLY",           flag,    &ma.onepathonly,                                     false,            as_read},
      {"MARKER",    "AUTONESTEREXEC",        text,    field(ma.autonesterexec, &s.autonester_exec_length), "",               with_length},
      {"MARKER",    "AUTONESTERKEY",         text,    field(ma.autonesterkey, &s.autonester_key_length),   "0",              with_length},
      {"OPTIONS",   "FIXMENUBUTTONS",        integer, &op.fixmenubuttons,                                  32,               as_read},
      {"OPTIONS",   "FIXTOOLBUTTONS",        integer, &op.fixtoolbuttons,                                  32,               as_read},
      {"SCREEN",    "CONTINUOUS_SEAM",       flag,    &sc.continuous_seam,                                 false,            as_read},
      {"OPTIONS",   "GRIDCOLOR_TYP",         integer, &op.gridcolor_typ,                                   0,                as_read},
      {"OPTIONS",   "SHOW_BAKFILES",         flag,    &op.show_bakfiles,                                   false,            as_read},
      {"OPTIONS",   "ENABLE_GRDTAB_SUBPATH", flag,    &op.enable_grdtab_subpath,                           false,            as_read},
      {"OPTIONS",   "ENABLE_GRDTAB_ALTREF",  flag,    &op.enable_grdtab_altref,                            false,            as_read},
      {"OPTIONS",   "ENABLE_GRDTAB_ZGON",    flag,    &op.enable_grdtab_zgon,                              false,            as_read},
      {"OPTIONS",   "ENABLE_GRDTAB_MEMMAP",  flag,    &op.enable_grdtab_memmap,                            false,            as_read},
      {"OPTIONS",   "ENABLE_GRDTAB_PWD",     flag,    &op.enable_grdtab_pwd,                               false,            as_read},
      {"OPTIONS",   "DUPLICTREE",            flag,    &op.duplictree,                                      false,            as_read},
      {"OPTIONS",   "SWITCH_SEAMADDITION",   flag,    &op.switch_seamaddition,                             false,            as_read},
      {"OPTIONS",   "ENABLE_EXTDXVAL",       flag,    &op.enable_extdxval,                                 false,            as_read},
      {"MARKER",    "ENABLE_BDL_FLIP",       flag,    &ma.enable_bdl_flip,                                 false,            as_read},
      {"MARKER",    "ENABLE_ENH_REPEAT",     flag,    &ma.enable_enh_repeat,                               false,            as_read},
      {"MARKER",    "ENABLE_BG_PIC",         flag,    &ma.enable_bg_pic,                                   false,            as_read},
      {"OPTIONS",   "ENABLE_BG_PIC",         flag,    &op.enable_bg_pic,                                   false,            as_read},
      {"MARKER",    "ENABLE_PMD_SZOPT",      flag,    &ma.enable_pmd_szopt,                                false,            as_read},
      {"MARKER",    "ENABLE_SHRINK_ASST",    flag,    &ma.enable_shrink_asst,                              false,            as_read},
      {"OPTIONS",   "MDL_PREVIEW_IMAGE",     flag,    &op.mdl_preview_image,                               false,            as_read},
      {"OPTIONS",   "SAVE_VERIFY",           flag,    &op.save_verify,                                     false,            as_read},
      {"OPTIONS",   "ENABLE_SYMBLEN",        flag,    &op.enable_symblen,                                  false,            as_read},
  };
  add_toolbox_loads(table, "TOOLBOX2", s.construction_toolbox);
  add_toolbox_loads(table, "TOOLBOXS", s.layplanning_toolbox);
  return table;
}

std::vector<WriteEntry> write_order(const Settings& s) {
  using enum Type;
  using enum WriteRule;
  const ScreenSettings& sc = s.screen;
  const PathSettings& pa = s.path;
  const OptionsSettings& op = s.options;
  const DigitizerSettings& di = s.digitizer;
  const MarkerSettings& ma = s.marker;
  std::vector<WriteEntry> table = {
      // section    key                      type     member                                               rule
      {"SCREEN",    "WIDTHMM",               integer, &sc.widthmm,                                         as_held},
      {"SCREEN",    "HIGHTMM",               integer, &sc.hightmm,                                         as_held},
      {"OPTIONS",   "USEMENUBUTTONS",        flag,    &op.usemenubuttons,                                  as_held},
      {"SCREEN",    "MENUFONTHIGHT",         integer, &sc.menufonthight,                                   if_font_size_changed},
      {"SCREEN",    "BACKGROUND",            integer, &sc.background,                                      fifteen_or_zero},
      {"PATH",      "STARTUPDRIVE",          integer, &pa.startupdrive,                                    as_held},
      {"PATH",      "DRIVES",                text,    field(pa.drives, &s.drive_letter_count),             up_to_length},
      {"PATH",      "TABCALCRUN",            text,    field(pa.tabcalcrun),                                as_held},
      {"PATH",      "TEXTPROCRUN",           text,    field(pa.textprocrun),                               as_held},
      {"OPTIONS",   "SAVEMINUTES",           integer, &op.saveminutes,                                     as_held},
      {"OPTIONS",   "BAKMAX",                integer, &op.bakmax,                                          as_held},
      {"OPTIONS",   "TAVIROFONT",            text,    field(s.graphics_font_name),                         font_file},
      {"OPTIONS",   "EDITONCLICK",           integer, &op.editonclick,                                     one_digit},
      {"OPTIONS",   "ENHMETAFILE",           integer, &op.enhmetafile,                                     one_digit},
      {"OPTIONS",   "CHECKMDLONSAVE",        flag,    &op.checkmdlonsave,                                  as_held},
      {"OPTIONS",   "CACHE_CHM",             flag,    &op.cache_chm,                                       as_held},
      {"OPTIONS",   "HIDE_MIRFOLD",          flag,    &op.hide_mirfold,                                    as_held},
      {"OPTIONS",   "NO_INTERBB_ZOOM",       flag,    &s.interpiece_zoom,                                  inverted},
      {"OPTIONS",   "LANGUAGE",              integer, &op.language,                                        four_digits},
      {"OPTIONS",   "LANGNAME",              text,    field(op.langname),                                  as_held},
      {"OPTIONS",   "USE_TTF",               flag,    &op.use_ttf,                                         as_held},
      {"OPTIONS",   "PTTF_SUPP_UNICODE",     flag,    &op.pttf_supp_unicode,                               as_held},
      {"DIGITIZER", "SCHABLONEMM",           integer, &di.schablonemm,                                     as_held},
      {"DIGITIZER", "DIGIOK",                integer, &di.digiok,                                          as_held},
      {"DIGITIZER", "DIGIQUIT",              integer, &di.digiquit,                                        as_held},
      {"DIGITIZER", "DIGISTOP",              integer, &di.digistop,                                        as_held},
      {"DIGITIZER", "LUPE",                  text,    field(di.lupe),                                      as_held},
      {"MARKER",    "MINPLOTLETTER",         integer, &ma.minplotletter,                                   as_held},
      {"MARKER",    "MINPRINTLETTER",        integer, &ma.minprintletter,                                  as_held},
      {"MARKER",    "ADDSIZETOFNAME",        flag,    &ma.addsizetofname,                                  as_held},
      {"MARKER",    "ONEPATHONLY",           flag,    &ma.onepathonly,                                     as_held},
      {"MARKER",    "AUTONESTEREXEC",        text,    field(ma.autonesterexec, &s.autonester_exec_length), autonester_program},
      {"MARKER",    "AUTONESTERPATH",        text,    field(ma.autonesterexec, &s.autonester_exec_length), autonester_folder},
      {"MARKER",    "AUTONESTERKEY",         text,    field(ma.autonesterkey, &s.autonester_key_length),   autonester_key},
      {"OPTIONS",   "FIXMENUBUTTONS",        integer, &op.fixmenubuttons,                                  as_held},
      {"OPTIONS",   "FIXTOOLBUTTONS",        integer, &op.fixtoolbuttons,                                  as_held},
      {"SCREEN",    "CONTINUOUS_SEAM",       flag,    &sc.continuous_seam,                                 as_held},
      {"OPTIONS",   "GRIDCOLOR_TYP",         integer, &op.gridcolor_typ,                                   as_held},
      {"OPTIONS",   "SHOW_BAKFILES",         flag,    &op.show_bakfiles,                                   as_held},
      {"OPTIONS",   "ENABLE_GRDTAB_SUBPATH", flag,    &op.enable_grdtab_subpath,                           as_held},
      {"OPTIONS",   "ENABLE_GRDTAB_ALTREF",  flag,    &op.enable_grdtab_altref,                            as_held},
      {"OPTIONS",   "ENABLE_GRDTAB_ZGON",    flag,    &op.enable_grdtab_zgon,                              as_held},
      {"OPTIONS",   "ENABLE_GRDTAB_MEMMAP",  flag,    &op.enable_grdtab_memmap,                            as_held},
      {"OPTIONS",   "ENABLE_GRDTAB_PWD",     flag,    &op.enable_grdtab_pwd,                               as_held},
      {"OPTIONS",   "DUPLICTREE",            flag,    &op.duplictree,                                      as_held},
      {"OPTIONS",   "SWITCH_SEAMADDITION",   flag,    &op.switch_seamaddition,                             as_held},
      {"OPTIONS",   "ENABLE_EXTDXVAL",       flag,    &op.enable_extdxval,                                 as_held},
      {"MARKER",    "ENABLE_BDL_FLIP",       flag,    &ma.enable_bdl_flip,                                 as_held},
      {"MARKER",    "ENABLE_ENH_REPEAT",     flag,    &ma.enable_enh_repeat,                               as_held},
      {"MARKER",    "ENABLE_BG_PIC",         flag,    &ma.enable_bg_pic,                                   as_held},
      {"OPTIONS",   "ENABLE_BG_PIC",         flag,    &op.enable_bg_pic,                                   as_held},
      {"MARKER",    "ENABLE_PMD_SZOPT",      flag,    &ma.enable_pmd_szopt,                                as_held},
      {"MARKER",    "ENABLE_SHRINK_ASST",    flag,    &ma.enable_shrink_asst,                              as_held},
      {"OPTIONS",   "MDL_PREVIEW_IMAGE",     flag,    &op.mdl_preview_image,                               as_held},
      {"OPTIONS",   "SAVE_VERIFY",           flag,    &op.save_verify,                                     as_held},
      {"OPTIONS",   "ENABLE_SYMBLEN",        flag,    &op.enable_symblen,                                  as_held},
  };
  add_toolbox_writes(table, "TOOLBOX2", s.construction_toolbox);
  add_toolbox_writes(table, "TOOLBOXS", s.layplanning_toolbox);
  return table;
}

}  // namespace catalogue

namespace {

using catalogue::LoadEntry;
using catalogue::LoadRule;
using catalogue::TextMember;
using catalogue::TextView;
using catalogue::Type;
using catalogue::WriteEntry;
using catalogue::WriteRule;

// Size of the text read for TAVIROFONT before the name is taken from it.
constexpr int kFontFileSize = 256;

void hold_text(const TextMember& member, std::string_view value) {
  std::memset(member.chars, ' ', static_cast<std::size_t>(member.size));
  const std::size_t count = value.size() < static_cast<std::size_t>(member.size) ? value.size()
                                                                                 : static_cast<std::size_t>(member.size);
  if (count > 0) std::memcpy(member.chars, value.data(), count);
}

void load_integer(const LoadEntry& entry, int& held, KeyReader& reader) {
  const int value = reader.integer(entry.section, entry.key, entry.fallback.number);
  switch (entry.rule) {
    case LoadRule::nonzero_as_one: held = value != 0 ? 1 : 0; break;
    case LoadRule::clamp_0_to_99: held = clamped(value, 0, 99); break;
    case LoadRule::clamp_0_to_9: held = clamped(value, 0, 9); break;
    default: held = value; break;
  }
}

void load_flag(const LoadEntry& entry, bool& held, KeyReader& reader) {
  const bool flag = flag_from_stored(reader.integer(entry.section, entry.key, -1), entry.fallback.number != 0);
  held = entry.rule == LoadRule::inverted ? !flag : flag;
}

void load_text(const LoadEntry& entry, const TextMember& member, KeyReader& reader, std::string_view current_folder) {
  const std::string fallback = catalogue::default_text(entry.fallback);
  switch (entry.rule) {
    case LoadRule::drive_letters: {
      const std::string value = reader.text(entry.section, entry.key, fallback, member.size);
      const int count = load_drive_letters(value, current_folder, member.chars, member.size);
      if (member.length) *member.length = count;
      break;
    }
    case LoadRule::font_name:
      hold_text(member, graphics_font_from_file(reader.text(entry.section, entry.key, fallback, kFontFileSize)));
      break;
    case LoadRule::toolbox_slot:
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

std::string_view significant(const TextView& view) {
  return std::string_view(view.chars, static_cast<std::size_t>(significant_length(view.chars, view.size)));
}

// The characters up to the length companion, within the field.
std::string_view up_to_length(const TextView& view) {
  const int length = view.length ? clamped(*view.length, 0, view.size) : significant_length(view.chars, view.size);
  return std::string_view(view.chars, static_cast<std::size_t>(length));
}

void write_integer(const WriteEntry& entry, int held, const Settings& settings, KeyWriter& writer) {
  switch (entry.rule) {
    case WriteRule::fifteen_or_zero: writer.integer(entry.section, entry.key, held != 0 ? 15 : 0); break;
    case WriteRule::if_font_size_changed:
      if (settings.font_size_changed) writer.integer(entry.section, entry.key, held);
      break;
    case WriteRule::one_digit: writer.text(entry.section, entry.key, fixed_digits(held, 1)); break;
    case WriteRule::four_digits: writer.text(entry.section, entry.key, fixed_digits(held, 4)); break;
    default: writer.integer(entry.section, entry.key, held); break;
  }
}

void write_text(const WriteEntry& entry, const TextView& view, const Settings& settings, KeyWriter& writer) {
  const bool has_autonester = settings.autonester_exec_length > 0;
  switch (entry.rule) {
    case WriteRule::up_to_length: writer.text(entry.section, entry.key, up_to_length(view)); break;
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
                  significant(view).empty() ? std::string_view() : std::string_view(view.chars, static_cast<std::size_t>(view.size)));
      break;
    default: writer.text(entry.section, entry.key, significant(view)); break;
  }
}

}  // namespace

void load_settings(Settings& settings, KeyReader& reader, std::string_view current_folder) {
  for (const LoadEntry& entry : catalogue::load_order(settings)) {
    // A row whose member does not match its type is skipped (the catalogue test rules it out).
    if (entry.type == Type::integer) {
      if (int* const* held = std::get_if<int*>(&entry.member)) load_integer(entry, **held, reader);
    } else if (entry.type == Type::flag) {
      if (bool* const* held = std::get_if<bool*>(&entry.member)) load_flag(entry, **held, reader);
    } else if (const TextMember* member = std::get_if<TextMember>(&entry.member)) {
      load_text(entry, *member, reader, current_folder);
    }
  }
}

void write_settings(const Settings& settings, KeyWriter& writer) {
  for (const WriteEntry& entry : catalogue::write_order(settings)) {
    if (entry.type == Type::integer) {
      if (const int* const* held = std::get_if<const int*>(&entry.member)) write_integer(entry, **held, settings, writer);
    } else if (entry.type == Type::flag) {
      if (const bool* const* held = std::get_if<const bool*>(&entry.member)) {
        writer.flag(entry.section, entry.key, entry.rule == WriteRule::inverted ? !**held : **held);
      }
    } else if (const TextView* view = std::get_if<TextView>(&entry.member)) {
      write_text(entry, *view, settings, writer);
    }
  }
}

}  // namespace tav
