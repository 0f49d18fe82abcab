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

void set_up_toolbox_catalogue(ToolboxKind kind, const char* menu_dialog_file) {
  std::vector<ToolboxCommand>& catalogue = toolbox_catalogue(kind);
  catalogue = built_in_catalogue(kind);
  const MenuTextReader read = [menu_dialog_file](const char* section, const char* key, char* dest, int size) {
    return profile::get_string_indirect(section, key, "", dest, size, menu_dialog_file);
  };
  refresh_descriptions(catalogue, kind, read, is_lead_byte);
}

void set_up_toolbox_labels(const char* menu_dialog_file) {
  set_up_toolbox_catalogue(ToolboxKind::construction, menu_dialog_file);
  set_up_toolbox_catalogue(ToolboxKind::layplanning, menu_dialog_file);
}

}  // namespace tav
