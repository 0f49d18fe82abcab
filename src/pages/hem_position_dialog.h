#pragma once
// The hem position dialog (template 113): where the hem of a pattern piece lies in the
// construction and in the lay plan. The two angles are read from section SB4 of
// \taviro\settngsb.ini when the dialog opens and written back there at once on OK; every
// other byte of that file stays as it was. Cancel writes nothing.
#include <windows.h>

namespace tav {

// The angles in degrees, held for the whole run: a key that the file lacks (or holds as -1)
// leaves the angle as the run last knew it.
struct HemAngles {
  double layplan;       // BAHN_ROT
  double construction;  // KONSTR_ROT
};
HemAngles& hem_angles();

// Reads the angles, then runs the dialog modally, owned by `owner`.
void run_hem_position_dialog(HWND owner);

}  // namespace tav
