#pragma once
// Ends the program abruptly at every step by which an action changes files, one step per
// run, and checks what is left: every file the action changes is either its old or its new
// version, whole; and the next run of the action, on what was left, gives the same files as
// an uninterrupted run. The action runs in a child process (this test program, started
// again with the test filter of StopPointChild) which the system ends at its n-th stop point
// (support/stop_points_from_environment.h).
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "support/installation.h"

namespace tav::test {

struct CrashAction {
  std::string name;
  // Lays out the files of the installation before the action (on an emptied U:\taviro).
  std::function<void(const TestInstallation&)> prepare;
  // The action through the real dialogs; runs with U:\ as the current folder.
  std::function<void()> run;
  // The files (relative to U:\taviro) that must be whole after any stop.
  std::vector<std::string> files;
  // What must hold after any stop besides (nothing is lost, for example); none when empty.
  std::function<void(const TestInstallation&)> check_after_stop = {};
  // The run that follows a stop, which must end with the files of an uninterrupted run;
  // the action itself when empty (an action that may already be done needs another).
  std::function<void()> next_run = {};
};

// Registers an action for the child process; returns true so it can initialise a static.
bool register_crash_action(const CrashAction& action);

struct StopReport {
  int stop_points = 0;  // of an uninterrupted run
  int stops_tried = 0;
};

// Runs the action uninterrupted, then stopped at each of its stop points in turn, checking
// the files after every stop and after the next run. Failures are reported through
// GoogleTest.
StopReport stop_at_every_point(const CrashAction& action);

// The same for each action in turn, printing how many stop points each had.
void stop_each_at_every_point(const std::vector<const CrashAction*>& actions);

}  // namespace tav::test
