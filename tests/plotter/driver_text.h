#pragma once
// Driver files for the tests, laid out as the installation's driver files are: four tagged
// lines, a comment, then labelled bracket lines.

#include <cstdio>
#include <map>
#include <string>

namespace tav::test {

struct DriverText {
  std::map<int, std::string> values;  // bracket line number -> text between its brackets
  std::string device = " 12 01 0 00 01 0";
  std::string eol = "\r\n";
  int bracket_lines = 58;

  std::string value(int number) const {
    if (auto found = values.find(number); found != values.end()) return found->second;
    switch (number) {
      case 6:
        return "N";
      case 26:
      case 27:
        return "0.0254";
      case 34:
      case 45:
        return "N";
      case 51:
        return "Tintenstrahlplotter 180 cm";
      case 53:
        return "1800";
      default:
        return std::to_string(number % 7);
    }
  }

  std::string build() const {
    std::string text = "#01>TAVIRO Plottertreiber<" + eol + "#03>" + device + "<" + eol +
                       "#04>00000000400000000000000100000000000000010000000000<" + eol +
                       "#05>   schwarz   rot       blau      gruen     gelb   <" + eol +
                       "; Treibereinstellungen - Zeilen mit Klammern nicht umstellen" + eol;
    for (int number = 1; number <= bracket_lines; ++number) {
      char label[40];
      std::snprintf(label, sizeof label, "Einstellung %-20d", number);
      text += label;
      text += '[';
      text += value(number);
      text += ']';
      text += eol;
    }
    return text;
  }
};

}  // namespace tav::test
