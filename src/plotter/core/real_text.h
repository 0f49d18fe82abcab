#pragma once
// Real numbers as the plotter settings show and store them: with a decimal comma in dialog
// fields ("0,025"), in the short decimal form in driver files ("0.0250"), and the numbers
// read from driver-file brackets.

#include <optional>
#include <string>
#include <string_view>

namespace tav {

// The short decimal form of a resolution for a driver file: six decimals with a decimal
// point, then trailing zeros dropped while the text is longer than 6 characters, then, if
// it is still longer, leading zeros dropped while it is longer than 6 characters
// (0.025 -> "0.0250", 0.025412 -> ".025412", 12.5 -> "12.500").
std::string short_decimal(float value);

// The decimal-comma display of value with at most max_decimals decimals. A value of
// magnitude 1 or more keeps up to 9 decimals, a smaller one up to 4; trailing zeros, and a
// comma left without decimals, are dropped (0.025 -> "0,025", 0.0251234 -> "0,0251",
// 3 -> "3", 1.125 -> "1,125").
std::string decimal_comma_text(double value, int max_decimals);
// A resolution as the dialogs show it: its decimal-comma display with all its decimals, empty
// for an unknown one.
std::string resolution_text(std::optional<float> resolution);

// The number a dialog field holds, with a decimal comma or point: every ',' is taken as
// '.', every blank is dropped, and the rest must be one finite real number ("0,0254",
// "0.0254", "1 004"). Nothing for an empty text or one that is not such a number.
std::optional<double> read_decimal_comma(std::string_view text);

// The real number at the start of a bracket value: blanks, then a finite number with a
// decimal point, ending at the end of the text or at a blank ("0.025", " 0.025 mm/step").
std::optional<double> leading_real(std::string_view text);
// The whole number at the start of a bracket value, in the same way ("1800", "1800 mm").
std::optional<int> leading_whole_number(std::string_view text);

}  // namespace tav
