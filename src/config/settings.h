#pragma once
// The settings of the main configuration file, held in memory while the main dialog is
// open: loaded when it opens, written when the user confirms with OK.

namespace tav {

void load_all_settings();
void write_all_settings();

}  // namespace tav
