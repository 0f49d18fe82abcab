#pragma once
// Every step by which the program changes a file (a write, a flush, a rename, a copy, a
// delete) passes a stop point first. Normally a stop point does nothing. For the tests that
// prove a file is never left half-changed, the environment variable TAVIRO_STOP_AT=n makes
// the process end abruptly at its n-th stop point, as a power cut or a kill would; with
// TAVIRO_COUNT_STOPS=path the process writes the number of stop points it passed to that
// file when it ends normally.

namespace tav {

// what names the step, for the count file ("write", "flush", "rename", "copy", "delete").
void stop_point(const char* what);

}  // namespace tav
