#pragma once
// The one skeleton of the program's modal sub-dialogs. A sub-dialog is its template, its
// texts and a class derived from ModalDialog: the object holds the dialog's state, the
// window holds the object (DWLP_USER) from WM_INITDIALOG to WM_DESTROY, and every message
// passes the program's one exception boundary (guarded). The object lives as long as
// run() does, on the caller's stack.
#include <windows.h>

namespace tav::controls {

class ModalDialog {
 public:
  ModalDialog() = default;
  ModalDialog(const ModalDialog&) = delete;
  ModalDialog& operator=(const ModalDialog&) = delete;
  virtual ~ModalDialog() = default;

  // Shows the dialog of the template and answers the value it was ended with (-1 when the
  // template could not be loaded).
  INT_PTR run(HWND owner, int template_id);

 protected:
  // WM_INITDIALOG: fills the controls. Answers true to let the system put the focus on the
  // first control, false when the handler has put it somewhere itself.
  virtual bool on_open() { return true; }
  // WM_COMMAND with the control id and the notification code. Answers true when handled;
  // an unhandled Cancel (Escape, the close box) ends the dialog with IDCANCEL.
  virtual bool on_command(int id, int code) = 0;
  // WM_NOTIFY from a common control.
  virtual void on_notify(const NMHDR& /*notification*/) {}

  HWND window() const { return window_; }
  void end(INT_PTR result) { EndDialog(window_, result); }

 private:
  int template_id_ = 0;
  static INT_PTR CALLBACK procedure(HWND dialog, UINT message, WPARAM wparam, LPARAM lparam);
  INT_PTR handle(UINT message, WPARAM wparam, LPARAM lparam);

  HWND window_ = nullptr;
};

// Which template a dialog window was made from: the skeleton notes it on every sub-dialog,
// so that F1 finds the dialog's help page; 0 for a window without a note.
void remember_template(HWND dialog, int template_id);
int template_of(HWND window);

}  // namespace tav::controls
