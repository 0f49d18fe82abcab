#pragma once
// A TAVIRO installation laid out fresh for one test on the shared test drive U:, with
// U:\ as the current folder, so that "\taviro\taviro.ini" names its main configuration
// file as it does for a user who starts the program from the installation drive.
#include <string>

namespace tav::test {

class TestInstallation {
 public:
  TestInstallation();   // empties U:\taviro and makes U:\ the current folder
  ~TestInstallation();  // restores the previous current folder

  // Paths relative to U:\taviro, for example "taviro.ini" or "menues\\dialog.ini".
  std::string path(const std::string& relative) const;
  void write(const std::string& relative, const std::string& bytes) const;  // creates folders
  std::string read(const std::string& relative) const;                      // empty when missing
  bool exists(const std::string& relative) const;
  void remove(const std::string& relative) const;
  void make_folder(const std::string& relative) const;

  // Adds the program files that mark a folder as a TAVIRO installation.
  void add_program_files() const;

 private:
  std::string previous_folder_;
};

// Removes a folder with everything in it; true when it is gone afterwards.
bool remove_tree(const std::string& folder);
bool make_folders(const std::string& folder);

}  // namespace tav::test
