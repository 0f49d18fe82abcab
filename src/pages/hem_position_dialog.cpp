#include "pages/hem_position_dialog.h"

#include "config/profile.h"
#include "controls/controls.h"
#include "controls/failure_message.h"
#include "controls/modal_dialog.h"
#include "pages/core/hem_position.h"
#include "resources/ids.h"

namespace tav {
namespace {

constexpr char kSection[] = "SB4";
constexpr char kLayplanKey[] = "BAHN_ROT";
constexpr char kConstructionKey[] = "KONSTR_ROT";

struct LayplanButton {
  int id;
  hem::Layplan position;
};
constexpr LayplanButton kLayplanButtons[] = {
    {IDX_HEM_LAYPLAN_START, hem::Layplan::start_of_material},
    {IDX_HEM_LAYPLAN_END, hem::Layplan::end_of_material},
};

struct ConstructionButton {
  int id;
  hem::Construction position;
};
constexpr ConstructionButton kConstructionButtons[] = {
    {IDX_HEM_CONSTRUCTION_BOTTOM, hem::Construction::bottom},
    {IDX_HEM_CONSTRUCTION_LEFT, hem::Construction::left},
    {IDX_HEM_CONSTRUCTION_RIGHT, hem::Construction::right},
};

// An angle stored in the lay-planning settings file; a missing key (read as -1) leaves it.
void read_angle(const profile::ProfileSnapshot& file, const char* key, double& angle) {
  const int stored = file.get_int(kSection, key, -1);
  if (stored != -1) angle = stored;
}

void show_angles(HWND dialog, const HemAngles& angles) {
  const hem::Layplan layplan = hem::layplan_position(angles.layplan);
  for (const LayplanButton& button : kLayplanButtons) controls::check(dialog, button.id, button.position == layplan);
  const hem::Construction construction = hem::construction_position(angles.construction);
  for (const ConstructionButton& button : kConstructionButtons) {
    controls::check(dialog, button.id, button.position == construction);
  }
}

// The position of the selected button; the last of the group when none is selected.
hem::Layplan chosen_layplan(HWND dialog) {
  return controls::is_checked(dialog, IDX_HEM_LAYPLAN_START) ? hem::Layplan::start_of_material
                                                             : hem::Layplan::end_of_material;
}
hem::Construction chosen_construction(HWND dialog) {
  if (controls::is_checked(dialog, IDX_HEM_CONSTRUCTION_BOTTOM)) return hem::Construction::bottom;
  if (controls::is_checked(dialog, IDX_HEM_CONSTRUCTION_LEFT)) return hem::Construction::left;
  return hem::Construction::right;
}

// Writes both keys in one save; false, with the user told why, when the file could not be
// written.
bool confirm(HWND dialog) {
  const int layplan = hem::layplan_angle(chosen_layplan(dialog));
  const int construction = hem::construction_angle(chosen_construction(dialog));
  profile::ProfileBatch file(profile::kLayPlanningFile);
  file.write_int(kSection, kLayplanKey, layplan);
  file.write_int(kSection, kConstructionKey, construction);
  if (!file.save()) {
    controls::tell_file_not_written(dialog, "save hem position", profile::kLayPlanningFile, GetLastError());
    return false;
  }
  hem_angles() = HemAngles{static_cast<double>(layplan), static_cast<double>(construction)};
  return true;
}

class HemPositionDialog : public controls::ModalDialog {
 private:
  bool on_open() override {
    show_angles(window(), hem_angles());
    return true;
  }
  bool on_command(int id, int /*code*/) override {
    if (id != IDOK) return false;
    if (confirm(window())) end(IDOK);
    return true;
  }
};

}  // namespace

HemAngles& hem_angles() {
  static HemAngles angles{hem::kInitialLayplanAngle, hem::kInitialConstructionAngle};
  return angles;
}

void run_hem_position_dialog(HWND owner) {
  HemAngles& angles = hem_angles();
  {
    // Closed again before the dialog can write the file.
    const profile::ProfileSnapshot file(profile::kLayPlanningFile);
    read_angle(file, kLayplanKey, angles.layplan);
    read_angle(file, kConstructionKey, angles.construction);
  }
  HemPositionDialog().run(owner, IDD_HEM_POSITION);
}

}  // namespace tav
