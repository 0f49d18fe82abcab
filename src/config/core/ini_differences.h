#pragma once
// The keys whose values differ between two versions of one INI file, as the earlier
// versions dialog shows them: "[SCREEN] WIDTHMM: 300 → 320".

#include <optional>
#include <string>
#include <vector>

#include "config/core/ini_document.h"

namespace tav {

struct KeyDifference {
  std::string section;  // as spelled where the key was first seen
  std::string key;
  std::optional<std::string> earlier;  // nothing when the key is missing in that version
  std::optional<std::string> today;
};

// Every key that one of the two documents holds and whose value, read as the TAVIRO
// programs read it (config/core/ini_document.h), differs between them: the keys of the
// earlier version in their order, then the keys only today's file holds. Keys that neither
// version can be read back by (a later duplicate section or key) do not count.
std::vector<KeyDifference> key_differences(const IniDocument& earlier, const IniDocument& today);

}  // namespace tav
