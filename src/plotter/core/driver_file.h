#pragma once
// The plotter driver file (*.plt): a line-oriented text file with the settings of one kind
// of plotter or cutter. Two kinds of lines carry values:
//
// - Tagged lines start with '#'; characters 2 and 3 are the tag, the value region lies
//   between the first '>' and the next '<'. Tag "03" holds the six device settings in 16
//   characters: " 05 08 0 00 00 0" (a blank and 2 digits, a blank and 2 digits, a blank and
//   1 digit, twice). Device codes from 5 on are stored 6 higher (11 and up). Every other tag
//   ("01", "04", "05" and any unknown one) is carried unchanged.
// - Bracket lines are the other lines that contain '['; their value lies between the first
//   '[' and the next ']'. They are numbered from 1 in file order, and the number says what a
//   line holds: 6 different pens supported, 26 and 27 plot resolution X and Y in mm per
//   step, 34 cutter, 45 request each page separately, 51 plotter name, 53 maximum paper
//   width in mm. Yes/no values are yes when their first letter is 'J' or 'Y' in either case.
//
// Lines end with LF or CR LF; the last line may lack its line break. A line is always taken
// whole, however long it is.

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "util/core/text.h"

namespace tav {

// The bracket lines that hold settings.
inline constexpr int kPenChangeLine = 6;
inline constexpr int kResolutionXLine = 26;
inline constexpr int kResolutionYLine = 27;
inline constexpr int kCutterLine = 34;
inline constexpr int kEachPageLine = 45;
inline constexpr int kPlotterNameLine = 51;
inline constexpr int kPaperWidthLine = 53;

// Device settings of tag "03": device code, number of pens, origin (0 corner, 1 page
// centre) and three further values carried unchanged. A field that holds no whole number
// is unknown.
inline constexpr int kDeviceCode = 0;
inline constexpr int kPens = 1;
inline constexpr int kOrigin = 2;
using DeviceSettings = std::array<std::optional<int>, 6>;

// The driver settings of one file. A value whose line is missing keeps what it held before
// reading. A number whose line holds what the reader cannot take ("0.025mm", "914mm") is
// unknown: the dialogs show it empty, and the rewrite leaves its line (for the "03" line
// that field's characters) as it is until the value is given.
struct DriverSettings {
  Field<80> plotter_name;
  int cutter = 0;         // 1 or 0
  int bracket_lines = 0;  // bracket lines read
  DeviceSettings device{};
  std::optional<float> resolution_x;  // mm per step
  std::optional<float> resolution_y;
  std::optional<int> paper_width;  // mm
  bool each_page = false;          // request each page separately
  bool pen_change = false;         // different pens supported
};

// Reads the settings of a driver file's bytes into values. True when the file holds at
// least 2 bracket lines. A "03" value region shorter than 16 characters makes all six device
// settings unknown.
bool read_driver_settings(std::string_view bytes, DriverSettings& values);

// The driver file rewritten with values: the "03" line gets the six device settings in its
// 16-character layout (device code shifted for storage, an unknown one's characters as they
// were, the rest of the value region blank-filled); bracket lines 6, 26, 27, 45 and 53 get
// "J"/"N", the short decimal resolutions and the paper width between their brackets, unless
// the value is unknown. A rewritten line loses its trailing blanks; every other line, and
// every line ending, stays byte for byte. Left unchanged: a bracket line without ']' after
// its '[', a "03" value region shorter than 16 characters, and a "03" line whose values do
// not fit its layout.
std::string rewrite_driver_file(std::string_view bytes, const DriverSettings& values);

// What the listing finds of the plotter name in a driver file: how many lines (tagged lines
// not counted) have a ']' after their first '[', up to the 51st, and the text between '['
// and ']' of the 51st such line.
struct PlotterNameLine {
  int closed_lines = 0;
  std::string text;
};
PlotterNameLine plotter_name_line(std::string_view bytes);

// The plotter name an available driver is listed by: the text of plotter_name_line. Nothing
// when the file has fewer such lines or that text is empty.
std::optional<std::string> listed_plotter_name(std::string_view bytes);

}  // namespace tav
