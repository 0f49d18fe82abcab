#pragma once
// The summary a run of the network configuration shows at its end when anything did not go
// as asked: one paragraph for each data folder or measurement system (or folder of one) that
// stayed where it was, moved only in part, or left its old folder behind, and why. Each
// paragraph is also one line of the program's log.
#include <windows.h>

#include <array>
#include <string>
#include <vector>

#include "folders/core/data_folders.h"
#include "folders/folder_relocation.h"

namespace tav {

class RelocationSummary {
 public:
  // folder_names: the names of the data folders (their labels), in the order of
  // kDataFolderKeys; system_title: what a measurement system is called ("Measurement system").
  RelocationSummary(std::array<std::string, kDataFolderKeys.size()> folder_names, std::string system_title);

  void add_data_folder(int data_folder, const FolderReport& report);
  void add_system(const std::string& code, const SystemRelocationResult& result);

  const std::vector<std::string>& paragraphs() const { return paragraphs_; }
  // Shows the summary over the dialog and logs it; nothing when everything went as asked.
  void tell(HWND dialog) const;

 private:
  std::string system_name(const std::string& code) const;
  std::string user_name(const FolderUser& user) const;
  std::string reason_of(const FolderReport& report) const;
  void add(const std::string& what, const FolderReport& report);
  void add_line(int text, const std::string& what, const std::string& old_place, const std::string& new_place,
                const std::string& detail);

  std::array<std::string, kDataFolderKeys.size()> folder_names_;
  std::string system_title_;
  std::vector<std::string> paragraphs_;
  std::vector<std::string> subjects_;  // the folder or file each paragraph is about
};

}  // namespace tav
