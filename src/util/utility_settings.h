#pragma once
// The two settings of the main configuration file that the file utilities follow: BAKMAX
// (how many numbered backups to keep) and SHOW_ALIAS (listings show alternate names). The
// utilities sit below the configuration store, so the program hands them a reader for each
// at start-up; each value is read through its reader once per run, at its first use.
// Without a reader no backups are kept beyond a caller's minimum and alternate names are
// shown only where a long name lacks the short form.

namespace tav {

using BackupCountReader = int (*)();  // BAKMAX as stored; 0 when it is missing
using ShowAliasReader = bool (*)();   // whether SHOW_ALIAS is on

// Installs a reader. A value read through the reader before is forgotten, so the next use
// reads it again.
void set_backup_count_reader(BackupCountReader reader);
void set_show_alias_reader(ShowAliasReader reader);

}  // namespace tav
