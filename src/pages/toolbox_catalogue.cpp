#include "pages/toolbox_catalogue.h"

#include <windows.h>

#include "config/profile.h"

namespace tav {
namespace {

bool is_lead_byte(unsigned char byte) { return IsDBCSLeadByte(byte) != FALSE; }

}  // namespace

ToolboxKind& current_toolbox() {
  static ToolboxKind kind = ToolboxKind::construction;
  return kind;
}

std::vector<ToolboxCommand>& toolbox_catalogue(ToolboxKind kind) {
  static std::vector<ToolboxCommand> construction = built_in_catalogue(ToolboxKind::construction);
  static std::vector<ToolboxCommand> layplanning = built_in_catalogue(ToolboxKind::layplanning);
  return kind == ToolboxKind::construction ? construction : layplanning;
}

namespace {

// The menu dialog file is read once for both catalogues.
void set_up_from(ToolboxKind kind, const profile::ProfileSnapshot& menu_texts) {
  std::vector<ToolboxCommand>& catalogue = toolbox_catalogue(kind);
  catalogue = built_in_catalogue(kind);
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
