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
  // The lines logged so far; waits up to timeout_ms for at least `expected` lines. A stand-in
  // can take seconds to start while the tests of the other lane keep both cores busy, and the
  // wait ends as soon as the lines are there.
  static constexpr int kStartTimeout = 30000;
  std::vector<std::string> lines(std::size_t expected = 0, int timeout_ms = kStartTimeout) const;

 private:
  std::string file_;
};

}  // namespace tav::test
