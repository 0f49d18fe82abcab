#pragma once
// Driving real dialogs from a test. A thread timer fires inside every modal loop of the
// test's thread (dialog boxes, message boxes, the open dialog, the shell's confirmation
// box). On each tick the script looks at the thread's top enabled dialog and, when its
// caption matches the next expected step, runs that step once. A watchdog ends dialogs
// that are stuck, so a test fails instead of hanging.
//
// A step that opens a nested modal dialog must post its click (post_click), not send it.
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace tav::test {

class ModalScript {
 public:
  using Step = std::function<void(HWND dialog)>;

  // Expects a dialog whose caption is exactly `caption` and runs `step` on it.
  ModalScript& on(std::string caption, Step step);

  // Calls open (which runs a modal loop) with the timer in place. Fails the test when a
  // step is left over or the watchdog had to end the dialogs. The watchdog only ends a
  // script that hangs; a busy machine can take a few times the usual seconds to get through.
  void run(const std::function<void()>& open, int watchdog_ms = 60000);

  std::size_t steps_done() const { return next_; }

 private:
  struct Expected {
    std::string caption;
    Step step;
  };
  static void CALLBACK tick(HWND, UINT, UINT_PTR, DWORD);
  void on_tick();

  std::vector<Expected> steps_;
  std::size_t next_ = 0;
  bool busy_ = false;
  bool timed_out_ = false;
  DWORD started_ = 0;
  int watchdog_ms_ = 0;
};

// The enabled, visible dialog of this thread that is on top of the others, or nullptr.
HWND top_dialog();
std::string window_text(HWND window);
std::string item_text(HWND dialog, int id);
// Window text without the mnemonic ampersands.
std::string plain_text(const std::string& text);
// The text of a message box.
std::string message_text(HWND box);

void click(HWND dialog, int id);       // sends BM_CLICK (for controls that do not open a modal)
void post_click(HWND dialog, int id);  // posts BM_CLICK (for buttons that open a modal)
bool is_checked(HWND dialog, int id);
bool is_visible(HWND dialog, int id);
bool is_enabled(HWND dialog, int id);

// The text of the tooltip that one of this thread's tooltip windows shows for the tool
// (window, id): a control of a dialog is the tool (dialog, its handle). Empty when none does.
std::string tooltip_text(HWND window, UINT_PTR id);
// The tooltip windows of this thread.
std::vector<HWND> tooltip_windows();

// Tab control: selects a tab the way a user does, with the real notifications.
void select_tab(HWND tab_control, int index);

// Combo box and list box selection with the change notification that a user's choice sends.
void choose_combo_item(HWND dialog, int id, int index);
void choose_list_item(HWND dialog, int id, int index);
std::vector<std::string> combo_items(HWND dialog, int id);
std::vector<std::string> list_items(HWND dialog, int id);
int combo_selection(HWND dialog, int id);
int list_selection(HWND dialog, int id);
void set_item_text(HWND dialog, int id, const std::string& text);

// Processes the messages waiting in this thread's queue.
void pump_messages();

}  // namespace tav::test
