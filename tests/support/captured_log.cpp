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

}  // namespace tav::test
