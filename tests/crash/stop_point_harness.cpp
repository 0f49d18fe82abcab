#include "crash/stop_point_harness.h"

#include <windows.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <optional>

#include "tools/child_process.h"

namespace tav::test {
namespace {

std::map<std::string, CrashAction>& actions() {
  static std::map<std::string, CrashAction> registered;
  return registered;
}

// The files of the action as they stand; "<missing>" for a missing one.
std::map<std::string, std::string> snapshot(const TestInstallation& installation, const CrashAction& action) {
  std::map<std::string, std::string> files;
  for (const std::string& file : action.files) {
    files[file] = installation.exists(file) ? installation.read(file) : "<missing>";
  }
  return files;
}

// Runs the child process on the installation as it is; answers its exit code.
constexpr DWORD kNoChild = child::kNotStarted;

DWORD run_child(const std::string& action, const std::string& variable, const std::string& value) {
  char program[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, program, MAX_PATH);
  SetEnvironmentVariableA("TAVIRO_CRASH_ACTION", action.c_str());
  SetEnvironmentVariableA(variable.c_str(), value.c_str());
  // The child's own report would only repeat the parent's; its output goes nowhere.
  const DWORD code =
      child::run_to_end(std::string("\"") + program + "\" --gtest_filter=StopPointChild.*", "NUL", nullptr, 60000);
  SetEnvironmentVariableA("TAVIRO_CRASH_ACTION", nullptr);
  SetEnvironmentVariableA(variable.c_str(), nullptr);
  return code;
}

// Temporary files of the program left in the installation's folders.
std::vector<std::string> leftovers(const std::string& folder) {
  std::vector<std::string> found;
  WIN32_FIND_DATAA entry;
  HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &entry);
  if (search == INVALID_HANDLE_VALUE) return found;
  do {
    const std::string name = entry.cFileName;
    if (name == "." || name == "..") continue;
    if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
      for (const std::string& inner : leftovers(folder + "\\" + name)) found.push_back(name + "\\" + inner);
    } else if (name.size() > 7 && name.substr(name.size() - 7) == ".tavtmp") {
      found.push_back(name);
    }
  } while (FindNextFileA(search, &entry));
  FindClose(search);
  return found;
}

}  // namespace

bool register_crash_action(const CrashAction& action) {
  actions()[action.name] = action;
  return true;
}

StopReport stop_at_every_point(const CrashAction& action) {
  StopReport report;
  const std::string count_file = "C:\\taviro-stop-count.txt";
  std::map<std::string, std::string> old_files, new_files;
  {
    TestInstallation installation;
    action.prepare(installation);
    old_files = snapshot(installation, action);
    DeleteFileA(count_file.c_str());
    EXPECT_EQ(run_child(action.name, "TAVIRO_COUNT_STOPS", count_file), 0u) << action.name << ": uninterrupted run";
    std::ifstream(count_file) >> report.stop_points;
    new_files = snapshot(installation, action);
    EXPECT_NE(old_files, new_files) << action.name << ": the action changed nothing";
  }
  for (int n = 1; n <= report.stop_points; ++n) {
    // A busy Wine now and then starts no child, or loses its exit code (-1 either way): that
    // stop is tried once more on a fresh installation. A fault of the program shows as
    // another code, and repeats.
    std::optional<TestInstallation> fresh;
    DWORD code = kNoChild;
    for (int attempt = 0; attempt < 2 && code == kNoChild; ++attempt) {
      fresh.reset();
      fresh.emplace();
      action.prepare(*fresh);
      code = run_child(action.name, "TAVIRO_STOP_AT", std::to_string(n));
    }
    TestInstallation& installation = *fresh;
    EXPECT_EQ(code, 99u) << action.name << " stop " << n;
    ++report.stops_tried;
    for (const auto& [file, bytes] : snapshot(installation, action)) {
      EXPECT_TRUE(bytes == old_files[file] || bytes == new_files[file])
          << action.name << " stop " << n << ": " << file << " is neither its old nor its new version";
    }
    if (action.check_after_stop) action.check_after_stop(installation);
    // The next run works on what was left, and a temporary file left behind goes with it.
    (action.next_run ? action.next_run : action.run)();
    EXPECT_EQ(snapshot(installation, action), new_files) << action.name << " stop " << n << ": the next run";
    EXPECT_EQ(leftovers("U:\\taviro"), std::vector<std::string>{}) << action.name << " stop " << n;
  }
  return report;
}

void stop_each_at_every_point(const std::vector<const CrashAction*>& actions) {
  for (const CrashAction* action : actions) {
    const StopReport report = stop_at_every_point(*action);
    EXPECT_GT(report.stop_points, 0) << action->name;
    EXPECT_EQ(report.stops_tried, report.stop_points) << action->name;
    std::printf("%s: %d stop points, all tried\n", action->name.c_str(), report.stop_points);
  }
}

// The child half: runs the action named by TAVIRO_CRASH_ACTION on the installation as the
// parent laid it out.
TEST(StopPointChild, RunsTheNamedAction) {
  const char* name = std::getenv("TAVIRO_CRASH_ACTION");
  if (!name) GTEST_SKIP() << "runs only as the child of a stop-at-every-write test";
  const auto found = actions().find(name);
  ASSERT_NE(found, actions().end()) << name;
  ASSERT_TRUE(SetCurrentDirectoryA("U:\\"));
  found->second.run();
}

}  // namespace tav::test
