#pragma once
// The program's log (tvrsetup.log) opened at a fresh file of the test drive while the object
// lives, so that a test sees the lines the program logs.
#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tav::test {

class CapturedLog {
 public:
  CapturedLog();
  ~CapturedLog();
  CapturedLog(const CapturedLog&) = delete;
  CapturedLog& operator=(const CapturedLog&) = delete;
  // The lines logged so far, without their line ends.
  std::vector<std::string> lines() const;
  // Passes when the log holds exactly one line and that line contains `part`.
  ::testing::AssertionResult holds_one_line_with(const std::string& part) const;

 private:
  std::string path_;
};

}  // namespace tav::test
