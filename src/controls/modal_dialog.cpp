#include "controls/modal_dialog.h"

#include "controls/controls.h"
#include "controls/guarded.h"

namespace tav::controls {

namespace {
constexpr char kTemplateProperty[] = "TAVIRO.Template";
}  // namespace

void remember_template(HWND dialog, int template_id) {
  SetPropA(dialog, kTemplateProperty, reinterpret_cast<HANDLE>(static_cast<INT_PTR>(template_id)));
}

int template_of(HWND window) {
  return static_cast<int>(reinterpret_cast<INT_PTR>(GetPropA(window, kTemplateProperty)));
}

INT_PTR ModalDialog::run(HWND owner, int template_id) {
  template_id_ = template_id;
  return DialogBoxParamA(program_instance(), MAKEINTRESOURCEA(template_id), owner, guarded<procedure>,
                         reinterpret_cast<LPARAM>(this));
}

INT_PTR CALLBACK ModalDialog::procedure(HWND dialog, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_INITDIALOG) {
    auto* self = reinterpret_cast<ModalDialog*>(lparam);
    SetWindowLongPtrA(dialog, DWLP_USER, lparam);
    self->window_ = dialog;
    remember_template(dialog, self->template_id_);
    return self->on_open() ? TRUE : FALSE;
  }
  // Messages before WM_INITDIALOG (the font) and after WM_DESTROY find no object.
  auto* self = reinterpret_cast<ModalDialog*>(GetWindowLongPtrA(dialog, DWLP_USER));
  if (self == nullptr) return FALSE;
  if (message == WM_DESTROY) {
    SetWindowLongPtrA(dialog, DWLP_USER, 0);
    RemovePropA(dialog, kTemplateProperty);
  }
  return self->handle(message, wparam, lparam);
}

INT_PTR ModalDialog::handle(UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_COMMAND: {
      const int id = LOWORD(wparam);
      if (!on_command(id, HIWORD(wparam)) && id == IDCANCEL) end(IDCANCEL);
      return TRUE;
    }
    case WM_NOTIFY:
      if (lparam != 0) on_notify(*reinterpret_cast<const NMHDR*>(lparam));
      return FALSE;
    default:
      return FALSE;
  }
}

}  // namespace tav::controls
