#pragma once
// The TAVIRO version installed below a drive prefix, as version x 100 (1100 for 11.00),
// -1 when no installation is found.

namespace tav {

int installed_version(const char* prefix, int prefix_length);

}  // namespace tav
