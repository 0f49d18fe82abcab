#pragma once
// Output of the command line. The program is a windowed program, which the system starts
// without a console: its text goes to the standard output it was given (a file or pipe,
// as with "tvrsetup.exe /check > report.txt"), else to the console of the program that
// started it, else nowhere.
#include <string_view>

namespace tav {

// Writes text (in the ANSI code page, lines ended by '\n') followed by a line end.
void write_output_line(std::string_view text);

}  // namespace tav
