#pragma once
// One finding of the installation check: a string of the string table in the form
// "%1: why", and the texts for its placeholders.
#include <string>
#include <vector>

namespace tav {

struct CheckFinding {
  int text_id = 0;
  std::vector<std::string> arguments;
};

}  // namespace tav
