#include "shell/command_line.h"

#include <shellapi.h>

#include <cctype>

#include "config/profile.h"
#include "config/settings_transfer.h"
#include "config/utility_settings_readers.h"
#include "controls/controls.h"
#include "controls/failure_message.h"
#include "resources/ids.h"
#include "shell/installation_check.h"
#include "shell/startup.h"
#include "util/ansi_text.h"
#include "util/case_mapping.h"
#include "util/console_output.h"
#include "util/core/message_text.h"
#include "util/program_log.h"

namespace tav {
namespace {

// "/export", "-EXPORT" and the like: the command's name in lower case, without its mark.
std::string command_name(const std::string& argument) {
  if (argument.size() < 2 || (argument[0] != '/' && argument[0] != '-')) return {};
  std::string name = argument.substr(1);
  for (char& c : name) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return name;
}

void say(int text_id, std::initializer_list<std::string_view> arguments = {}) {
  write_output_line(with_arguments(controls::load_string(text_id), arguments));
}

// A failure: told in the user's language, and one line in the log.
int fail(int exit_code, int text_id, std::initializer_list<std::string_view> arguments, std::string_view action,
         std::string_view subject, std::string_view reason) {
  say(text_id, arguments);
  log_failure(action, subject, reason);
  return exit_code;
}

// The main configuration file could not be read or written: the failure of every command.
int main_file_failed(std::string_view action, DWORD error) {
  const std::string main_file = controls::full_path(profile::kMainFile);
  const std::string reason = system_error_text(error);
  return fail(kExitMainFileFailed, IDS_CLI_MAIN_FILE_FAILED, {main_file, reason}, action, main_file, reason);
}

int export_command(const std::string& file) {
  const TransferResult result = export_settings(file.c_str());
  const std::string reason = system_error_text(result.error);
  switch (result.outcome) {
    case TransferOutcome::main_file_failed:
      return main_file_failed("export settings", result.error);
    case TransferOutcome::file_failed:
      return fail(kExitBadArgument, IDS_CLI_FILE_NOT_WRITTEN, {file, reason}, "export settings", file, reason);
    default:
      say(IDS_CLI_EXPORTED, {file, std::to_string(result.keys)});
      return kExitDone;
  }
}

int refused_command(const std::string& file, const RefusedLine& line) {
  const std::string number = std::to_string(line.number);
  const std::string key = line.section + "/" + line.key;
  const std::string subject = file + ", line " + number;
  switch (line.problem) {
    case LineProblem::unknown_key:
      return fail(kExitBadArgument, IDS_CLI_REFUSED_KEY, {file, number, key}, "import settings", subject,
                  "unknown key " + key);
    case LineProblem::not_a_number:
      return fail(kExitBadArgument, IDS_CLI_REFUSED_NUMBER, {file, number, key, line.value}, "import settings", subject,
                  key + "=" + line.value + " is not a whole number");
    default: {
      const std::string low = std::to_string(line.low);
      const std::string high = std::to_string(line.high);
      return fail(kExitBadArgument, IDS_CLI_REFUSED_RANGE, {file, number, key, line.value, low, high},
                  "import settings", subject, key + "=" + line.value + " is not between " + low + " and " + high);
    }
  }
}

int import_command(const std::string& file) {
  const TransferResult result = import_settings(file.c_str());
  const std::string reason = system_error_text(result.error);
  switch (result.outcome) {
    case TransferOutcome::main_file_failed:
      return main_file_failed("import settings", result.error);
    case TransferOutcome::file_failed:
      return fail(kExitBadArgument, IDS_CLI_FILE_UNREADABLE, {file, reason}, "import settings", file, reason);
    case TransferOutcome::file_refused:
      return refused_command(file, *result.refused);
    default:
      if (result.keys == 0) {
        say(IDS_CLI_IMPORT_UNCHANGED, {file});
      } else {
        say(IDS_CLI_IMPORTED, {file, std::to_string(result.keys)});
      }
      return kExitDone;
  }
}

int check_command() {
  const profile::ProfileSnapshot main_file(profile::kMainFile);
  if (main_file.unreadable()) return main_file_failed("check installation", GetLastError());
  const std::vector<std::string> lines = installation_check_lines();
  if (lines.empty()) {
    say(IDS_CHECK_NO_PROBLEMS);
    return kExitDone;
  }
  say(IDS_CHECK_PROBLEMS, {std::to_string(lines.size())});
  for (const std::string& line : lines) {
    write_output_line(line);
    log_failure("check installation", "", line);
  }
  return kExitProblemsFound;
}

}  // namespace

std::vector<std::string> program_arguments() {
  std::vector<std::string> arguments;
  int count = 0;
  LPWSTR* words = CommandLineToArgvW(GetCommandLineW(), &count);
  if (!words) return arguments;
  for (int i = 1; i < count; ++i) arguments.push_back(ansi_from_wide(words[i]));
  LocalFree(words);
  return arguments;
}

int run_command_line(HINSTANCE instance, const std::vector<std::string>& arguments) {
  open_program_log(log_file_name());
  controls::set_program_instance(instance);
  install_system_case_mappers();
  install_utility_settings_readers();
  const std::string command = arguments.empty() ? std::string() : command_name(arguments[0]);
  int exit_code = kExitBadArgument;
  if ((command == "export" || command == "import") && arguments.size() == 2 && !arguments[1].empty()) {
    exit_code = command == "export" ? export_command(arguments[1]) : import_command(arguments[1]);
  } else if (command == "check" && arguments.size() == 1) {
    exit_code = check_command();
  } else if (command == "?" && arguments.size() == 1) {
    say(IDS_CLI_USAGE);
    exit_code = kExitDone;
  } else {
    std::string given;
    for (const std::string& argument : arguments) given += (given.empty() ? "" : " ") + argument;
    fail(kExitBadArgument, IDS_CLI_BAD_ARGUMENT, {given}, "command line", given, "unknown command");
    say(IDS_CLI_USAGE);
  }
  close_program_log();
  return exit_code;
}

}  // namespace tav
