#pragma once
// The stop points of the test program (util/stop_points.h) as the crash-safety harness
// drives them through the environment of a child process: TAVIRO_STOP_AT=n ends the process
// at its n-th stop point with exit code 99; TAVIRO_COUNT_STOPS=path writes the number of stop
// points passed to that file when the process ends normally.

namespace tav::test {

// Installs the hook when either variable is set.
void install_stop_points_from_environment();

}  // namespace tav::test
