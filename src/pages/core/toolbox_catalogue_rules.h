#pragma once
// The command catalogues of the two toolboxes: which commands each program's toolbox can
// hold, their built-in German descriptions, the menu dialog file keys that give the
// descriptions in the user's language, and the rule that turns a menu text into a
// description.
//
// Descriptions are bytes of the ANSI code page (1252 for the built-in texts: "Modell
// öffnen" holds 0xF6), as the menu dialog file and the list boxes hold them.

#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "util/core/text.h"

namespace tav {

enum class ToolboxKind { construction, layplanning };

inline constexpr int kDescriptionLength = 50;

struct ToolboxCommand {
  Field<4> code;                          // stored in the toolbox slots
  Field<kDescriptionLength> description;  // shown in the lists
};

// One row of a catalogue's code table: where the menu dialog file keeps a code's text.
struct CommandKey {
  const char* code;
  const char* section;
  const char* key;
};

// The catalogue with its built-in descriptions, in catalogue order (39 construction
// commands, 35 lay-planning commands).
std::vector<ToolboxCommand> built_in_catalogue(ToolboxKind kind);

// The code table of a catalogue. The lay-planning table also holds three codes that no
// catalogue entry uses (MKFX, MKFY, MK18).
std::span<const CommandKey> command_keys(ToolboxKind kind);
// The row of a code, or nullptr when the table has none.
const CommandKey* find_command_key(ToolboxKind kind, std::string_view code);

// Makes a description from a text read from the menu dialog file (length characters, the
// comment already cut off). A text shorter than 2 characters, or one with nothing left once
// every '&' and '"' is removed, leaves the description as it is and answers false.
// Otherwise the description takes the text, blank-filled and cut at 50 characters (never
// in the middle of a two-byte character), and the answer is true.
bool take_menu_text(Field<kDescriptionLength>& description, const char* text, int length,
                    LeadBytePredicate is_lead_byte = nullptr);

// Reads a menu text (with the indirection through "STANDARD" and the comment cut) into dest
// (size characters) and answers its length.
using MenuTextReader = std::function<int(const char* section, const char* key, char* dest, int size)>;

// Replaces the description of every entry whose code has a row in the code table and whose
// menu text is usable (take_menu_text); the others keep theirs.
void refresh_descriptions(std::vector<ToolboxCommand>& catalogue, ToolboxKind kind, const MenuTextReader& read,
                          LeadBytePredicate is_lead_byte = nullptr);

}  // namespace tav
