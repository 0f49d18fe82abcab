#include "language/installed_version.h"

#include <windows.h>

#include <cstring>
#include <exception>
#include <string>

#include "config/profile.h"
#include "language/core/version_decision.h"
#include "util/program_log.h"
#include "util/file_operations.h"

namespace tav {
namespace {

int detect(const char* prefix, int prefix_length) {
  std::string_view drive;
  if (prefix && prefix_length > 0) {
    // The prefix ends at its given length or at a terminator before it.
    const void* end = std::memchr(prefix, '\0', static_cast<std::size_t>(prefix_length));
    drive = std::string_view(prefix, end ? static_cast<std::size_t>(static_cast<const char*>(end) - prefix)
                                         : static_cast<std::size_t>(prefix_length));
  }
  const std::string base = version_base_folder(drive);

  PresentFiles files;
  for (VersionFile marker : {VersionFile::taviroed_exe, VersionFile::taviro_exe, VersionFile::taviro_ini}) {
    if (file_exists((base + version_file_name(marker)).c_str())) files.add(marker);
  }
  if (!is_installation(files)) return -1;
  // The other files, each tested once (the three installation files come first).
  for (int i = static_cast<int>(VersionFile::taviro_ini) + 1; i < kVersionFileCount; ++i) {
    const VersionFile file = static_cast<VersionFile>(i);
    if (file_exists((base + version_file_name(file)).c_str())) files.add(file);
  }
  const std::string settings_file = base + version_file_name(VersionFile::settings_ini);
  const int stored = profile::get_int("SHELL", "LASTVERSION", 0, settings_file.c_str());
  return decide_installed_version(files, stored);
}

}  // namespace

int installed_version(const char* prefix, int prefix_length) {
  // Called while a page is created, inside a window procedure: no exception may leave it.
  try {
    return detect(prefix, prefix_length);
  } catch (const std::exception& caught) {
    record_caught("installed version", caught.what());
    return -1;
  }
}

double installed_version_real() { return version_as_real(installed_version("\\", 1)); }

}  // namespace tav
