#include "util/listing_support.h"

#include <gtest/gtest.h>

#include "support/installation.h"

namespace tav::test {

void set_local_time(const std::string& path, int year, int month, int day, int hour, int minute, int second) {
  SYSTEMTIME parts{};
  parts.wYear = static_cast<WORD>(year);
  parts.wMonth = static_cast<WORD>(month);
  parts.wDay = static_cast<WORD>(day);
  parts.wHour = static_cast<WORD>(hour);
  parts.wMinute = static_cast<WORD>(minute);
  parts.wSecond = static_cast<WORD>(second);
  FILETIME local, utc;
  ASSERT_TRUE(SystemTimeToFileTime(&parts, &local));
  ASSERT_TRUE(LocalFileTimeToFileTime(&local, &utc));
  HANDLE file = CreateFileA(path.c_str(), FILE_WRITE_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                            OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  ASSERT_NE(file, INVALID_HANDLE_VALUE) << path;
  EXPECT_TRUE(SetFileTime(file, &utc, nullptr, &utc));
  CloseHandle(file);
}

bool set_attributes(const std::string& path, DWORD attributes) {
  return SetFileAttributesA(path.c_str(), attributes) && (GetFileAttributesA(path.c_str()) & attributes) == attributes;
}

std::string alternate_name(const std::string& path) {
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA(path.c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return "";
  FindClose(search);
  return found.cAlternateFileName;
}

std::string path_of_length(const std::string& folder, int length, bool create) {
  std::string path = folder;
  // Folders of 100 characters until the rest fits into one file name.
  while (length - static_cast<int>(path.size()) > 120) {
    path += "\\" + std::string(99, 'd');
    if (create) make_folders(path);
  }
  path += "\\";
  path += std::string(static_cast<std::size_t>(length) - path.size(), 'f');
  if (create) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    EXPECT_NE(file, INVALID_HANDLE_VALUE) << "cannot create a file of " << length << " characters";
    DWORD written = 0;
    WriteFile(file, "deep", 4, &written, nullptr);
    CloseHandle(file);
  }
  return path;
}

}  // namespace tav::test
