#pragma once
// Bringing back a removed plotter: the dialog (template 186) lists the plotters in the
// plotter folder's subfolder "diverse" (what Remove moved there), and Bring back moves the
// chosen one's driver file and queue files back into the plotter folder. A name that is
// taken there gets the next free numbered name, as Duplicate finds one; a driver that comes
// back under a new name is named so in its queue files. The driver moves first, so that a
// queue never comes back without it; when a move fails, what moved goes back.
#include <windows.h>

#include <optional>
#include <string>

namespace tav {

// The files of a plotter brought back, as named in the plotter folder.
struct BroughtBack {
  std::string driver_file;  // empty when only queue files came back
  std::string queue_file;   // the first queue file; empty for an inactive plotter
};

// Runs the dialog over the plotter folder `folder` (ending in '\') and brings back the
// plotter chosen; nothing when the user cancelled, there was none, or it failed (the user
// was told).
std::optional<BroughtBack> bring_back_removed_plotter(HWND owner, const std::string& folder);

}  // namespace tav
