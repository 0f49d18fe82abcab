// This file is UTF-8: the built-in descriptions are written as they read and converted to
// code page 1252 bytes while compiling.
#include "pages/core/toolbox_catalogue_rules.h"

#include <array>
#include <cstring>

namespace tav {
namespace {

struct AnsiText {
  char bytes[kDescriptionLength + 1] = {};
  int length = 0;
};

// UTF-8 to code page 1252 at compile time. The descriptions use only characters of
// U+0000 to U+007F and U+00A0 to U+00FF, which code page 1252 holds at the same numbers;
// anything else, or a text longer than a description, stops the compilation.
consteval AnsiText ansi(std::u8string_view utf8) {
  AnsiText out;
  for (std::size_t i = 0; i < utf8.size();) {
    unsigned code = utf8[i];
    if (code < 0x80) {
      i += 1;
    } else if ((code & 0xE0) == 0xC0 && i + 1 < utf8.size()) {
      code = ((code & 0x1F) << 6) | (utf8[i + 1] & 0x3F);
      i += 2;
      if (code < 0xA0 || code > 0xFF) throw "character outside code page 1252";
    } else {
      throw "character outside code page 1252";
    }
    if (out.length == kDescriptionLength) throw "description longer than 50 characters";
    out.bytes[out.length++] = static_cast<char>(code);
  }
  return out;
}

struct BuiltInCommand {
  const char* code;
  AnsiText description;
};

constexpr BuiltInCommand kConstructionCommands[] = {
    {"OPEN", ansi(u8"Modell öffnen")},
    {"SAVE", ansi(u8"Modell speichern")},
    {"MNEW", ansi(u8"Neu im aktuellen Maßsystem (neu)")},
    {"MNWS", ansi(u8"Neu (mit Maßsystemwahl) (neu)")},
    {"CLSE", ansi(u8"Modell schließen")},
    {"ZOOM", ansi(u8"Schieben/Zoomen")},
    {"F2__", ansi(u8"F2 (zoomen)")},
    {"F3__", ansi(u8"F3 (schieben und drehen)")},
    {"F4__", ansi(u8"F4 (Bild neu)")},
    {"F5__", ansi(u8"F5 (Teile positionieren)")},
    {"F6__", ansi(u8"F6 (Bild zentrieren)")},
    {"F7__", ansi(u8"F7 (Maße ein- und ausschalten)")},
    {"F8__", ansi(u8"F8 (Verschiebewerte ein- und ausschalten)")},
    {"F12_", ansi(u8"F12 (Liste der Grundkonstruktionen)")},
    {"HELP", ansi(u8"Kontext-Hilfe (F1)")},
    {"PLOT", ansi(u8"Drucken/Plotten")},
    {"STAC", ansi(u8"Stapeln")},
    {"MEAS", ansi(u8"Messen")},
    {"SCHR", ansi(u8"Schraffur")},
    {"DLSZ", ansi(u8"Größen löschen")},
    {"AUSL", ansi(u8"Auslage aller Teile und Größen")},
    {"COPY", ansi(u8"Kopieren")},
    {"XVAL", ansi(u8"X-Werte")},
    {"ZVAL", ansi(u8"Z-Werte (F11)")},
    {"SIZE", ansi(u8"Gradiertabelle")},
    {"MTAB", ansi(u8"Maßtabellen")},
    {"FMAS", ansi(u8"Fertigmaße")},
    {"SYST", ansi(u8"Konstruktionssystem wechseln")},
    {"TRAP", ansi(u8"Probelauf alle Teile")},
    {"GRAP", ansi(u8"Gradieren alle Teile")},
    {"GRPP", ansi(u8"Gradiere Schnitteile")},
    {"TRCC", ansi(u8"Probelauf mit Kurvenkorrektur")},
    {"GRCC", ansi(u8"Gradieren mit Kurvenkorrektur")},
    {"STOP", ansi(u8"Gradieren/Probelauf Stop")},
    {"IMPS", ansi(u8"Import Sprungwertschnitt")},
    {"IMPA", ansi(u8"Import reduziert (neu)")},
    {"EXPS", ansi(u8"Export Schnitteile")},
    {"MARK", ansi(u8"Schnittbildlegung")},
    {"CALC", ansi(u8"Taschenrechner")},
};

constexpr BuiltInCommand kLayplanningCommands[] = {
    {"OPEN", ansi(u8"Schnittbild öffnen")},
    {"SAVE", ansi(u8"Schnittbild speichern")},
    {"OPNX", ansi(u8"Nächstes Schnittbild öffnen")},
    {"OPNM", ansi(u8"Modell öffnen")},
    {"SVEM", ansi(u8"Modell speichern")},
    {"CLSE", ansi(u8"Datei Schließen")},
    {"HELP", ansi(u8"Kontext-Hilfe (F1)")},
    {"PLOT", ansi(u8"Plotten/Drucken")},
    {"PLTC", ansi(u8"Schnittbildkette plotten/drucken")},
    {"CUTF", ansi(u8"Cutterdaten erzeugen")},
    {"STAC", ansi(u8"Stapeln")},
    {"MEAS", ansi(u8"Messen")},
    {"ZOOM", ansi(u8"Schieben/Zoomen (Lupe)")},
    {"COPY", ansi(u8"Kopieren")},
    {"UNDO", ansi(u8"Rückgängig")},
    {"REDO", ansi(u8"Wiederholen")},
    {"MLST", ansi(u8"Karteikarte Material")},
    {"PLST", ansi(u8"Karteikarte Teile")},
    {"SLST", ansi(u8"Karteikarte Größen")},
    {"PIEC", ansi(u8"Teilearbeit")},
    {"SIZE", ansi(u8"Größentabelle")},
    {"MRKR", ansi(u8"Schnittbild legen")},
    {"MKRP", ansi(u8"Auslage übernehmen")},
    {"NEWM", ansi(u8"Produktionsmodell neu anlegen")},
    {"ACTP", ansi(u8"Alle Teile aktualisieren")},
    {"ACPI", ansi(u8"Alle Teile mit Teileinformation aktualisieren")},
    {"ADDM", ansi(u8"Modell hinzufügen")},
    {"RPLM", ansi(u8"Modell ersetzen")},
    {"MKDL", ansi(u8"Legedaten löschen")},
    {"ANSS", ansi(u8"Schnittbild an Autonester senden")},
    {"ANSL", ansi(u8"Schnittbild von Autonester laden")},
    {"MSHK", ansi(u8"Schnittbild durchrütteln")},
    {"MKUN", ansi(u8"Alle Teile ungelegt")},
    {"OPTN", ansi(u8"Schnittbild-Optionen")},
    {"ORGM", ansi(u8"Modelle verwalten")},
};

constexpr const char* kConstructionMenu = "IDR_TAVIRO_MENU1";
constexpr const char* kLayplanningMenu = "SB$IDR_TAVIRO_MENU1";

constexpr CommandKey kConstructionKeys[] = {
    {"OPEN", kConstructionMenu, "ID_OEFFNEN"},
    {"SAVE", kConstructionMenu, "ID_SPEICHERN"},
    {"MNEW", kConstructionMenu, "IDM_NEW"},
    {"MNWS", kConstructionMenu, "IDM_NEW_SHELL"},
    {"CLSE", kConstructionMenu, "ID_SCHLIESSEN"},
    {"ZOOM", kConstructionMenu, "IDM_ZOOM"},
    {"F2__", kConstructionMenu, "IDM_F2"},
    {"F3__", kConstructionMenu, "IDM_F3"},
    {"F4__", kConstructionMenu, "IDM_F4"},
    {"F5__", kConstructionMenu, "IDM_F5"},
    {"F6__", kConstructionMenu, "IDM_F6"},
    {"F7__", kConstructionMenu, "IDM_F7"},
    {"F8__", kConstructionMenu, "IDM_F8"},
    {"F12_", kConstructionMenu, "IDM_F12"},
    {"HELP", kConstructionMenu, "IDM_HELP"},
    {"PLOT", kConstructionMenu, "ID_PLOTTEN"},
    {"STAC", kConstructionMenu, "ID_STAPELN"},
    {"MEAS", kConstructionMenu, "ID_MESSEN"},
    {"SCHR", kConstructionMenu, "ID_SCHRAFFUR"},
    {"DLSZ", kConstructionMenu, "ID_GRLOESCHEN"},
    {"AUSL", kConstructionMenu, "ID_AUSLAGE"},
    {"COPY", kConstructionMenu, "IDM_COPY"},
    {"XVAL", kConstructionMenu, "ID_XWERTE"},
    {"ZVAL", kConstructionMenu, "IDM_ZWERTE"},
    {"SIZE", kConstructionMenu, "ID_GRADIERTABELLE"},
    {"MTAB", kConstructionMenu, "ID_MTAB1"},
    {"FMAS", kConstructionMenu, "IDM_MESEDITOR"},
    {"SYST", kConstructionMenu, "ID_SHELL"},
    {"TRAP", kConstructionMenu, "ID_PROBELAUF_ALLE"},
    {"GRAP", kConstructionMenu, "ID_GRADIER_ALLE"},
    {"GRPP", kConstructionMenu, "ID_GRADIER_SCHNITT"},
    {"TRCC", kConstructionMenu, "ID_KURV_KOR_PROBE"},
    {"GRCC", kConstructionMenu, "ID_KURV_KOR_GRAD"},
    {"STOP", "STRING", "PG_STOP"},  // a single string, not a menu command
    {"IMPS", kConstructionMenu, "ID_SPRUNG_IMPORT2"},
    {"IMPA", kConstructionMenu, "IDM_IMPORT2"},
    {"EXPS", kConstructionMenu, "IDM_INTERFACE3"},
    {"MARK", kConstructionMenu, "IDM_RUNSB"},
    {"CALC", kConstructionMenu, "IDM_CALC"},
};

constexpr CommandKey kLayplanningKeys[] = {
    {"OPEN", kLayplanningMenu, "ID_OEFFNEN"},
    {"SAVE", kLayplanningMenu, "ID_SPEICHERN"},
    {"OPNX", kLayplanningMenu, "IDM_OPENNEXTSCB"},
    {"OPNM", kLayplanningMenu, "IDM_OPENMDL"},
    {"SVEM", kLayplanningMenu, "IDM_SAVEMDL"},
    {"CLSE", kLayplanningMenu, "ID_SCHLIESSEN"},
    {"HELP", kLayplanningMenu, "BAR0006"},
    {"PLOT", kLayplanningMenu, "ID_PLOTTEN"},
    {"PLTC", kLayplanningMenu, "IDM_PLOTCHAIN"},
    {"CUTF", kLayplanningMenu, "IDM_CUTFILE"},
    {"STAC", kLayplanningMenu, "ID_STAPELN"},
    {"MEAS", kLayplanningMenu, "ID_MESSEN"},
    {"ZOOM", kLayplanningMenu, "IDM_ZOOM"},
    {"COPY", kLayplanningMenu, "IDM_COPY"},
    {"UNDO", kLayplanningMenu, "IDM_UNDO"},
    {"REDO", kLayplanningMenu, "IDM_REDO"},
    {"MLST", kLayplanningMenu, "IDM_MATLISTE"},
    {"PLST", kLayplanningMenu, "IDM_TEILELISTE"},
    {"SLST", kLayplanningMenu, "IDM_GROESSENLIST"},
    {"PIEC", kLayplanningMenu, "ID_TEILEARBEIT"},
    {"SIZE", kLayplanningMenu, "IDM_GRADTAB"},
    {"MRKR", kLayplanningMenu, "IDM_PLOTAUSLAGE"},
    {"MKRP", kLayplanningMenu, "IDM_SCB_REPLACE"},
    {"NEWM", kLayplanningMenu, "IDM_NEWMDL"},
    {"ACTP", kLayplanningMenu, "IDM_AKTUTEILE"},
    {"ACPI", kLayplanningMenu, "IDM_AKTUTEILEINFO"},
    {"ADDM", kLayplanningMenu, "IDM_APPENDMDL"},
    {"RPLM", kLayplanningMenu, "IDM_REPLACEMDL"},
    {"MKDL", kLayplanningMenu, "IDM_SB4DELETE"},
    {"ANSS", kLayplanningMenu, "IDM_AUTONESTER"},
    {"ANSL", kLayplanningMenu, "IDM_IMPORTAUTONESTER"},
    {"MSHK", kLayplanningMenu, "IDM_RUETTEL"},
    {"MKUN", kLayplanningMenu, "IDM_UNGELEGT"},
    {"OPTN", kLayplanningMenu, "IDM_SB4DIA6"},
    {"ORGM", kLayplanningMenu, "IDM_MODELL_STRUCT"},
    // Mirror and rotate commands of the lay-planning program: not in its toolbox.
    {"MKFX", kLayplanningMenu, "IDM_SCB_SPIEGX"},
    {"MKFY", kLayplanningMenu, "IDM_SCB_SPIEGY"},
    {"MK18", kLayplanningMenu, "IDM_SCB_DREH180"},
};

std::span<const BuiltInCommand> built_in_commands(ToolboxKind kind) {
  if (kind == ToolboxKind::construction) return kConstructionCommands;
  return kLayplanningCommands;
}

bool is_removed_mark(char c) { return c == '&' || c == '"'; }

}  // namespace

std::vector<ToolboxCommand> built_in_catalogue(ToolboxKind kind) {
  std::vector<ToolboxCommand> catalogue;
  for (const BuiltInCommand& command : built_in_commands(kind)) {
    ToolboxCommand entry;
    entry.code.assign(command.code);
    entry.description.assign(
        std::string_view(command.description.bytes, static_cast<std::size_t>(command.description.length)));
    catalogue.push_back(entry);
  }
  return catalogue;
}

std::span<const CommandKey> command_keys(ToolboxKind kind) {
  if (kind == ToolboxKind::construction) return kConstructionKeys;
  return kLayplanningKeys;
}

const CommandKey* find_command_key(ToolboxKind kind, std::string_view code) {
  for (const CommandKey& row : command_keys(kind)) {
    if (code == row.code) return &row;
  }
  return nullptr;
}

bool take_menu_text(Field<kDescriptionLength>& description, const char* text, int length,
                    LeadBytePredicate is_lead_byte) {
  if (length < 2) return false;
  // Mnemonic marks and quotes belong to the menu, not to the command's name.
  std::string kept;
  for (int i = 0; i < length; ++i) {
    if (!is_removed_mark(text[i])) kept += text[i];
  }
  if (kept.empty()) return false;  // a blank list item could not be told apart
  description.assign(cut_characters(kept, kDescriptionLength, is_lead_byte));
  return true;
}

void refresh_descriptions(std::vector<ToolboxCommand>& catalogue, ToolboxKind kind, const MenuTextReader& read,
                          LeadBytePredicate is_lead_byte) {
  for (ToolboxCommand& entry : catalogue) {
    const CommandKey* row = find_command_key(kind, entry.code.raw());
    if (!row) continue;
    char text[1024] = {};
    const int size = static_cast<int>(sizeof text);
    const int length = read(row->section, row->key, text, size);
    take_menu_text(entry.description, text, length < 0 ? 0 : (length < size ? length : size - 1), is_lead_byte);
  }
}

}  // namespace tav
