#pragma once
// The TAVIRO version installed below a drive prefix, as version x 100 (1100 for 11.00),
// -1 when no installation is found. The decision rules: language/core/version_decision.h.

namespace tav {

// prefix: the drive prefix with its length ("\" for the root of the current drive, "U:\").
// The files of its "taviro\" folder are tested for existence and SHELL/LASTVERSION is read
// from its settings.ini.
int installed_version(const char* prefix, int prefix_length);

// The installed version of the current drive's installation times 0.01 (11.0 for 1100).
// Compare such numbers by converting them back with version_from_real
// (language/core/version_decision.h), which rounds.
double installed_version_real();

}  // namespace tav
