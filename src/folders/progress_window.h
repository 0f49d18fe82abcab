#pragma once
// The progress window of a network configuration run (template 409): a message, a bar
// from 0 to 1000, and the folder being copied with its count of files, over the dialog
// that owns it. It takes no input.
#include <windows.h>

#include <cstdint>
#include <string>

namespace tav {

class ProgressWindow {
 public:
  // Shows the window with the owner's title and the message; when it cannot be created,
  // the run goes on without it.
  ProgressWindow(HWND owner, const std::string& message);
  ~ProgressWindow();
  ProgressWindow(const ProgressWindow&) = delete;
  ProgressWindow& operator=(const ProgressWindow&) = delete;

  void set(int position);  // 0 to 1000
  // Names the folder being copied and counts its files ("120 of 10000 files").
  void show_copy(const std::string& folder, std::uint64_t files_done, std::uint64_t files);
  HWND window() const { return window_; }

 private:
  HWND window_ = nullptr;
};

}  // namespace tav
