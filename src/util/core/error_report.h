#pragma once
// The error report hook: the file and path routines pass it short tags that name the
// routine and the failing step ("FileOP_Copy-1", "ftnfns4-1", "nsuche"). It has four
// entries; entries 1 and 3 also carry a value (a system error code or an offending length).
// In this program every entry has no effect; callers act only on the statuses they get.
// Tests may install an observer to see which tags were reported.

#include <functional>

namespace tav {

void report_error1(const char* tag, long value);  // entry 1: tag and value
void report_error2(const char* tag);              // entry 2: tag only
void report_error3(const char* tag, long value);  // entry 3: tag and value
void report_error4(const char* tag);              // entry 4: tag only

// Observer for tests: called with (entry, tag, value) for every report. Empty by default.
using ErrorObserver = std::function<void(int entry, const char* tag, long value)>;
void set_error_observer(ErrorObserver observer);

}  // namespace tav
