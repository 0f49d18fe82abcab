#pragma once
// The numbers typed into the pages' edits.

#include <optional>
#include <string_view>

namespace tav {

// The unsigned decimal number a text holds: digits only, blanks allowed around them, no
// sign, at most 4294967295. nullopt for anything else (an empty text, "-5", "12a").
std::optional<unsigned> unsigned_number(std::string_view text);

}  // namespace tav
