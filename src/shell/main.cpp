// Entry routine of TAVIRO Setup. The program takes no command-line arguments.
#include <windows.h>

#include "shell/startup.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) { return tav::run_setup(instance); }
