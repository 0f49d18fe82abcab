// Entry routine of TAVIRO Setup: without arguments the dialog, with arguments a command of
// the command line for administrators (shell/command_line.h).
#include <windows.h>

#include "shell/command_line.h"
#include "shell/startup.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  const std::vector<std::string> arguments = tav::program_arguments();
  if (!arguments.empty()) return tav::run_command_line(instance, arguments);
  return tav::run_setup(instance);
}
