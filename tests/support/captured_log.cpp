#include "support/captured_log.h"

#include <windows.h>

#include <fstream>
#include <sstream>

#include "util/program_log.h"

namespace tav::test {

CapturedLog::CapturedLog() : path_("U:\\tvrsetup-test.log") {
  DeleteFileA(path_.c_str());
  open_program_log(path_);
}

CapturedLog::~CapturedLog() {
  close_program_log();
  DeleteFileA(path_.c_str());
}

std::vector<std::string> CapturedLog::lines() const {
  std::ifstream in(path_, std::ios::binary);
  std::vector<std::string> lines;
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
  }
  return lines;
}

::testing::AssertionResult CapturedLog::holds_one_line_with(const std::string& part) const {
  const std::vector<std::string> logged = lines();
  if (logged.size() != 1) return ::testing::AssertionFailure() << logged.size() << " lines logged, not 1";
  if (logged[0].find(part) == std::string::npos) return ::testing::AssertionFailure() << "logged: " << logged[0];
  return ::testing::AssertionSuccess();
}

}  // namespace tav::test
