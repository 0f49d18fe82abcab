#pragma once
// The line types dialog (template 148): assigns the roles grain line, annotation line,
// split line, cut internal line, marking line and auxiliary line to line types 2 to 6. The
// usages are read from \taviro\lintypes.ini when the dialog opens and written back there at
// once on OK, line type 1's as it was read; every other byte of the file stays as it was.
// Cancel writes nothing.
#include <windows.h>

namespace tav {

// Runs the dialog modally, owned by `owner`.
void run_line_types_dialog(HWND owner);

}  // namespace tav
