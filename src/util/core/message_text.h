#pragma once
// Texts of the messages that tell the user of a failure, and the lines of the program's log.

#include <initializer_list>
#include <string>
#include <string_view>

namespace tav {

// The text with "%1" to "%9" replaced by the arguments (a placeholder without an argument
// stays as it is; "%%" is one "%"). The arguments are taken as they are, so a "%1" inside
// one is not replaced again.
std::string with_arguments(std::string_view text, std::initializer_list<std::string_view> arguments);

// The local time of a log line.
struct LogTime {
  int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
};

// One line of the log: "YYYY-MM-DD HH:MM:SS", the action, the file or folder and the
// system's reason, separated by tabs, ended by CR LF. Tabs and line breaks inside the parts
// become blanks, so that each failure stays one line.
std::string log_line(const LogTime& time, std::string_view action, std::string_view subject, std::string_view reason);

}  // namespace tav
