#pragma once
// The progress window of a network configuration run (template 409): a message and a bar
// from 0 to 1000, over the dialog that owns it. It takes no input.
#include <windows.h>

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
  HWND window() const { return window_; }

 private:
  HWND window_ = nullptr;
};

}  // namespace tav
