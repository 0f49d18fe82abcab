#pragma once
// Helpers of the listing tests: files with a known time and attributes, the names of a
// whole listing, and the spare drive W: that the test prefix sets up as a CD-ROM drive
// without a disc.
#include <windows.h>

#include <string>
#include <vector>

namespace tav::test {

inline constexpr const char* kNoDiscDrive = "W:\\";

// Sets the last-write time (and, for folders, also the creation time) to a local time.
void set_local_time(const std::string& path, int year, int month, int day, int hour, int minute, int second);
bool set_attributes(const std::string& path, DWORD attributes);
// The alternate (8.3) name the file system gives the entry, empty when it has none.
std::string alternate_name(const std::string& path);
// A path of exactly length characters below folder, made of nested folders; the last
// component is a file holding "deep". The folders are created, the file too when create.
std::string path_of_length(const std::string& folder, int length, bool create);

}  // namespace tav::test
