#pragma once
// The readers through which the file utilities take their two settings from the main
// configuration file (util/utility_settings.h).

namespace tav {

// OPTIONS/BAKMAX, 0 when it is missing.
int stored_backup_count();
// OPTIONS/SHOW_ALIAS: on when the key is present and not 0.
bool stored_show_alias();

// Hands both readers to the file utilities; done once at start-up.
void install_utility_settings_readers();

}  // namespace tav
