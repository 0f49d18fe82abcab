#include "config/utility_settings_readers.h"

#include "config/profile.h"
#include "util/utility_settings.h"

namespace tav {

int stored_backup_count() {
  int value = 0;
  profile::main_int("OPTIONS", "BAKMAX", value);
  return value;
}

bool stored_show_alias() {
  bool flag = false;
  return profile::main_logical("OPTIONS", "SHOW_ALIAS", flag) && flag;
}

void install_utility_settings_readers() {
  set_backup_count_reader(stored_backup_count);
  set_show_alias_reader(stored_show_alias);
}

}  // namespace tav
