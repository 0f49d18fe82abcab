#pragma once
// The process's current folder, against which the program resolves the relative paths of
// the installation's files ("\taviro\..." on the drive it was started from).
#include <string>

namespace tav {

// The current folder in the code page, without a final backslash except at a drive's root;
// empty when the system cannot tell it.
std::string current_folder();

}  // namespace tav
