#pragma once
// The command catalogues of the two toolboxes and their labels.

namespace tav {

// Id of the radio button of the toolbox edited on the Toolbox page (construction or lay
// planning); kept for the whole run.
int& current_toolbox_kind();

// Replaces the built-in labels of both catalogues with the texts of the menu dialog file.
void set_up_toolbox_labels(const char* menu_dialog_file);

}  // namespace tav
