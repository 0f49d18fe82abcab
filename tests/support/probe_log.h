#pragma once
// The log of the stand-in programs (hh.exe, notepad.exe beside the test program): each
// start appends "command line|current folder".
#include <string>
#include <vector>

namespace tav::test {

class ProbeLog {
 public:
  ProbeLog();  // a fresh, empty log, announced to started programs through the environment
  ~ProbeLog();
  // The lines logged so far; waits up to timeout_ms for at least `expected` lines.
  std::vector<std::string> lines(std::size_t expected = 0, int timeout_ms = 5000) const;

 private:
  std::string file_;
};

}  // namespace tav::test
