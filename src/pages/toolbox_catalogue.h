#pragma once
// The command catalogues of the two toolboxes for this run, with the labels of the user's
// language, and the program whose toolbox the Toolbox page edits.
#include <vector>

#include "pages/core/toolbox_catalogue_rules.h"

namespace tav {

// The program whose toolbox the Toolbox page edits; kept for the whole run.
ToolboxKind& current_toolbox();

// The catalogue of a program: built-in German labels until the set-up replaces them.
std::vector<ToolboxCommand>& toolbox_catalogue(ToolboxKind kind);

// Sets up one catalogue: its built-in labels, replaced by the texts of the menu dialog file
// where it provides usable ones.
void set_up_toolbox_catalogue(ToolboxKind kind, const char* menu_dialog_file);
// Both catalogues, the construction one first.
void set_up_toolbox_labels(const char* menu_dialog_file);

}  // namespace tav
