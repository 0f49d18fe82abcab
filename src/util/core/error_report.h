#pragma once
// The error report hook: the file and path routines pass it short tags that name the
// routine and the failing step ("shell_copy_trees-1", "path_exists-1", "find_text").
// A system error carries its code; a length cut to its bounds or a refused argument carries
// the tag only. Callers act only on the results they get; the hook is for tests and the
// debugger, so a report never changes what the program does.

#include <functional>

namespace tav {

enum class ErrorKind {
  system_error,  // the system refused a step; value is its error code
  length_cut,    // a length outside its bounds was cut to them
  bad_argument,  // an argument the routine cannot work with; it did nothing
};

void report_system_error(const char* tag, long error_code);
void report_length_cut(const char* tag);
void report_bad_argument(const char* tag);

// Observer for tests: called with (kind, tag, value) for every report. Empty by default.
using ErrorObserver = std::function<void(ErrorKind kind, const char* tag, long value)>;
void set_error_observer(ErrorObserver observer);

}  // namespace tav
