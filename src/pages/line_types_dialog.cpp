#include "pages/line_types_dialog.h"

#include <array>
#include <optional>
#include <string>

#include "config/profile.h"
#include "controls/controls.h"
#include "controls/failure_message.h"
#include "controls/modal_dialog.h"
#include "pages/core/line_type_roles.h"
#include "resources/ids.h"

namespace tav {
namespace {

using namespace line_types;

constexpr const char* kFile = profile::kLineTypesFile;
// Names and the not-set text: at most 40 characters.
constexpr int kNameSize = 41;

// The drop-down lists, in the order of kSingleRoles.
constexpr std::array<int, kSingleRoleLists> kRoleLists = {IDC_LINETYPES_GRAIN, IDC_LINETYPES_ANNOTATION,
                                                          IDC_LINETYPES_SPLIT, IDC_LINETYPES_CUT_INTERNAL};

struct LineTypesState {
  explicit LineTypesState(const Usages& read) : roles(read) {}
  Roles roles;
  std::array<std::string, kLineTypes + 1> names;  // [0] the not-set text, [t] line type t
};

std::string section_of(int line_type) { return "LT" + std::to_string(line_type); }

std::string read_text(const profile::ProfileSnapshot& file, const std::string& section, const char* key,
                      const std::string& default_text) {
  char text[kNameSize] = {};
  file.get_string(section, key, default_text, text, kNameSize);
  return text;
}

// Every line type is an auxiliary line unless the file says otherwise.
Usages read_usages(const profile::ProfileSnapshot& file) {
  Usages usages{};
  for (int t = 1; t <= kLineTypes; ++t) usages[t] = file.get_int(section_of(t), "USAGE", kDefaultUsage);
  return usages;
}

void read_names(const profile::ProfileSnapshot& file, LineTypesState& state) {
  state.names[0] = read_text(file, "STRING", "NOTSET", "nicht besetzt");
  for (int t = 1; t <= kLineTypes; ++t) {
    state.names[t] = read_text(file, section_of(t), "TEXT", "Linientyp " + std::to_string(t));
  }
}

// The list boxes sort their items by name; each item carries its line type, so that two
// line types of the same name stay apart.
void fill_list(HWND dialog, int id, const LineTypesState& state, int usage) {
  controls::clear_list(dialog, id);
  for (const int t : state.roles.holders(usage)) {
    const int index = controls::add_list_item(dialog, id, state.names[t]);
    if (index >= 0) SendDlgItemMessageA(dialog, id, LB_SETITEMDATA, static_cast<WPARAM>(index), t);
  }
}

void show_roles(HWND dialog, const LineTypesState& state) {
  for (int list = 0; list < kSingleRoleLists; ++list) {
    controls::select_item(dialog, kRoleLists[list], state.roles.selected_item(list));
  }
  fill_list(dialog, IDC_LINETYPES_MARKING, state, kMarking);
  fill_list(dialog, IDC_LINETYPES_AUXILIARY, state, kAuxiliary);
}

void role_chosen(HWND dialog, LineTypesState& state, int id) {
  for (int list = 0; list < kSingleRoleLists; ++list) {
    if (kRoleLists[list] == id) state.roles.choose(list, controls::selected_item(dialog, id));
  }
  show_roles(dialog, state);
}

// "<" and ">": the selected line type of list `from` moves to the other list.
void move_selected(HWND dialog, LineTypesState& state, int from) {
  const int index = controls::selected_list_item(dialog, from);
  if (index < 0) return;
  const int t = static_cast<int>(SendDlgItemMessageA(dialog, from, LB_GETITEMDATA, static_cast<WPARAM>(index), 0));
  const bool moved = from == IDC_LINETYPES_AUXILIARY ? state.roles.make_marking(t) : state.roles.make_auxiliary(t);
  if (moved) show_roles(dialog, state);
}

// All six usages in one save; false, with the user told why, when the file could not be
// written.
bool write_usages(HWND dialog, const Usages& usages) {
  profile::ProfileBatch file(kFile);
  for (int t = 1; t <= kLineTypes; ++t) file.write_int(section_of(t), "USAGE", usages[t]);
  if (file.save()) return true;
  controls::tell_file_not_written(dialog, "save line types", kFile, GetLastError());
  return false;
}

class LineTypesDialog : public controls::ModalDialog {
 private:
  bool on_open() override;
  bool on_command(int id, int code) override;

  std::optional<LineTypesState> state_;  // none when the opening ran out of memory
};

bool LineTypesDialog::on_open() {
  const profile::ProfileSnapshot file(kFile);  // read once for every line type
  LineTypesState& state = state_.emplace(read_usages(file));
  read_names(file, state);
  for (const int id : kRoleLists) {
    controls::add_item(window(), id, state.names[0]);
    for (int t = kFirstOffered; t <= kLineTypes; ++t) controls::add_item(window(), id, state.names[t]);
  }
  show_roles(window(), state);
  return true;
}

bool LineTypesDialog::on_command(int id, int code) {
  const HWND dialog = window();
  if (!state_) {
    // Without its state the dialog can only be left.
    if (id == IDOK) end(IDCANCEL);
    return false;
  }
  LineTypesState& state = *state_;
  switch (id) {
    case IDC_LINETYPES_GRAIN:
    case IDC_LINETYPES_ANNOTATION:
    case IDC_LINETYPES_SPLIT:
    case IDC_LINETYPES_CUT_INTERNAL:
      if (code != CBN_SELCHANGE) return false;
      role_chosen(dialog, state, id);
      return true;
    case IDC_LINETYPES_MARKING:
    case IDC_LINETYPES_AUXILIARY:
      if (code != LBN_DBLCLK) return false;
      move_selected(dialog, state, id);
      return true;
    case IDB_LINETYPES_TO_MARKING:
      move_selected(dialog, state, IDC_LINETYPES_AUXILIARY);
      return true;
    case IDB_LINETYPES_TO_AUXILIARY:
      move_selected(dialog, state, IDC_LINETYPES_MARKING);
      return true;
    case IDOK:
      if (write_usages(dialog, state.roles.usages())) end(IDOK);
      return true;
    default:
      // Cancel writes nothing; the next opening reads the file again.
      return false;
  }
}

}  // namespace

void run_line_types_dialog(HWND owner) { LineTypesDialog().run(owner, IDD_LINE_TYPES); }

}  // namespace tav
