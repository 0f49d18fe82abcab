#include "support/probe_log.h"

#include <windows.h>

#include <fstream>
#include <sstream>

namespace tav::test {

ProbeLog::ProbeLog() {
  char folder[MAX_PATH] = {};
  GetTempPathA(MAX_PATH, folder);
  file_ = std::string(folder) + "taviro-probe-" + std::to_string(GetCurrentProcessId()) + ".log";
  DeleteFileA(file_.c_str());
  SetEnvironmentVariableA("TAVIRO_PROBE_LOG", file_.c_str());
}

ProbeLog::~ProbeLog() {
  SetEnvironmentVariableA("TAVIRO_PROBE_LOG", nullptr);
  DeleteFileA(file_.c_str());
}

std::vector<std::string> ProbeLog::lines(std::size_t expected, int timeout_ms) const {
  const DWORD start = GetTickCount();
  for (;;) {
    std::vector<std::string> result;
    std::ifstream in(file_, std::ios::binary);
    std::string line;
    while (std::getline(in, line)) result.push_back(line);
    if (result.size() >= expected || GetTickCount() - start > static_cast<DWORD>(timeout_ms)) return result;
    Sleep(50);
  }
}

}  // namespace tav::test
