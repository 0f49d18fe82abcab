#pragma once
// A new, empty folder for one test, under the system's temporary folder, removed with
// everything in it (read-only files included) when the test ends.
#include <string>
#include <string_view>
#include <vector>

namespace tav::test {

class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  // The folder, without a trailing backslash ("C:\users\...\Temp\tav-1f-3").
  const std::string& path() const { return path_; }
  // path() + "\" + relative.
  std::string file(std::string_view relative) const;

  // Writes bytes exactly as given, creating the file or replacing it.
  void write(std::string_view relative, std::string_view bytes) const;
  // The file's bytes; empty when it is missing.
  std::string read(std::string_view relative) const;
  bool exists(std::string_view relative) const;
  // The names in the folder (not in subfolders), sorted; to check for left-over files.
  std::vector<std::string> names() const;

 private:
  std::string path_;
};

}  // namespace tav::test
