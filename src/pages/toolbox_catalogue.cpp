#include "pages/toolbox_catalogue.h"

#include <windows.h>

#include <string>

#include "config/profile.h"

namespace tav {
namespace {

bool is_lead_byte(unsigned char byte) { return IsDBCSLeadByte(byte) != FALSE; }

// How German is written without a letter that a code page lacks.
const char* german_without(wchar_t letter) {
  switch (letter) {
    case L'\u00E4':
      return "ae";
    case L'\u00F6':
      return "oe";
    case L'\u00FC':
      return "ue";
    case L'\u00C4':
      return "Ae";
    case L'\u00D6':
      return "Oe";
    case L'\u00DC':
      return "Ue";
    case L'\u00DF':
      return "ss";
    default:
      return "?";
  }
}

// The built-in descriptions are German in code page 1252. Under another ANSI code page
// (Polish, Russian, Chinese) the same bytes would be other letters, so each description is
// carried over into the system's code page; a letter it lacks is written the German way
// without it ("Größen" as "Groessen").
void carry_into_system_code_page(std::vector<ToolboxCommand>& catalogue) {
  const UINT code_page = GetACP();
  if (code_page == 1252) return;
  for (ToolboxCommand& command : catalogue) {
    std::string text;
    for (const char byte : command.description.str()) {
      wchar_t letter = 0;
      MultiByteToWideChar(1252, 0, &byte, 1, &letter, 1);
      char bytes[4] = {};
      BOOL lost = FALSE;
      const int count =
          WideCharToMultiByte(code_page, WC_NO_BEST_FIT_CHARS, &letter, 1, bytes, sizeof bytes, nullptr, &lost);
      if (count > 0 && !lost) {
        text.append(bytes, static_cast<std::size_t>(count));
      } else {
        text += german_without(letter);
      }
    }
    command.description.assign(cut_characters(text, kDescriptionLength, is_lead_byte));
  }
}

std::vector<ToolboxCommand> built_in_for_this_system(ToolboxKind kind) {
  std::vector<ToolboxCommand> catalogue = built_in_catalogue(kind);
  carry_into_system_code_page(catalogue);
  return catalogue;
}

}  // namespace

ToolboxKind& current_toolbox() {
  static ToolboxKind kind = ToolboxKind::construction;
  return kind;
}

std::vector<ToolboxCommand>& toolbox_catalogue(ToolboxKind kind) {
  static std::vector<ToolboxCommand> construction = built_in_for_this_system(ToolboxKind::construction);
  static std::vector<ToolboxCommand> layplanning = built_in_for_this_system(ToolboxKind::layplanning);
  return kind == ToolboxKind::construction ? construction : layplanning;
}

namespace {

// The menu dialog file is read once for both catalogues.
void set_up_from(ToolboxKind kind, const profile::ProfileSnapshot& menu_texts) {
  std::vector<ToolboxCommand>& catalogue = toolbox_catalogue(kind);
  catalogue = built_in_for_this_system(kind);
  const MenuTextReader read = [&menu_texts](const char* section, const char* key, char* dest, int size) {
    return menu_texts.get_string_indirect(section, key, "", dest, size);
  };
  refresh_descriptions(catalogue, kind, read, is_lead_byte);
}

}  // namespace

void set_up_toolbox_catalogue(ToolboxKind kind, const char* menu_dialog_file) {
  set_up_from(kind, profile::ProfileSnapshot(menu_dialog_file));
}

void set_up_toolbox_labels(const char* menu_dialog_file) {
  const profile::ProfileSnapshot menu_texts(menu_dialog_file);
  set_up_from(ToolboxKind::construction, menu_texts);
  set_up_from(ToolboxKind::layplanning, menu_texts);
}

}  // namespace tav
