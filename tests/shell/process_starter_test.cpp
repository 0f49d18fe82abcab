#include "shell/process_starter.h"

#include <windows.h>
#include <gtest/gtest.h>

#include "support/probe_log.h"

namespace tav {
namespace {

std::string current_folder() {
  char folder[MAX_PATH] = {};
  GetCurrentDirectoryA(MAX_PATH, folder);
  return folder;
}

TEST(ProcessStarter, MissingProgramAnswersFileNotFound) {
  EXPECT_EQ(start_program("no-such-program-here.exe", "", 0, SW_SHOWNORMAL, false),
            static_cast<unsigned long>(ERROR_FILE_NOT_FOUND));
}

TEST(ProcessStarter, WaitReturnsOnlyAfterTheProgramEnded) {
  test::ProbeLog log;
  const DWORD start = GetTickCount();
  EXPECT_EQ(start_program("notepad.exe sleep=1200", "", 0, SW_SHOWNORMAL, true), 0ul);
  EXPECT_GE(GetTickCount() - start, 1200u);
  // The program has written its line before it ended, so it is there without waiting.
  EXPECT_EQ(log.lines(0, 0).size(), 1u);
}

TEST(ProcessStarter, WithoutWaitReturnsAtOnce) {
  test::ProbeLog log;
  const DWORD start = GetTickCount();
  EXPECT_EQ(start_program("notepad.exe sleep=1500", "", 0, SW_SHOWNORMAL, false), 0ul);
  EXPECT_LT(GetTickCount() - start, 1000u);
  EXPECT_EQ(log.lines(1).size(), 1u);
}

TEST(ProcessStarter, BlankWorkingFolderMeansTheCallersFolder) {
  test::ProbeLog log;
  char windows[MAX_PATH] = {};
  GetWindowsDirectoryA(windows, MAX_PATH);
  const std::string blanks(10, ' ');
  EXPECT_EQ(start_program("hh.exe first", blanks.c_str(), static_cast<int>(blanks.size()), SW_SHOWNORMAL, true), 0ul);
  // A folder given with trailing blanks is used up to its significant length.
  const std::string padded = std::string(windows) + "   ";
  EXPECT_EQ(start_program("hh.exe second", padded.c_str(), static_cast<int>(padded.size()), SW_SHOWNORMAL, true), 0ul);
  const auto lines = log.lines(2);
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0], "hh.exe first|" + current_folder());
  EXPECT_EQ(lines[1], "hh.exe second|" + std::string(windows));
}

}  // namespace
}  // namespace tav
