#include "shell/installation_check.h"

#include <algorithm>

#include "controls/check_finding.h"
#include "controls/controls.h"
#include "controls/guarded.h"
#include "folders/folder_check.h"
#include "language/language_check.h"
#include "plotter/plotter_check.h"
#include "resources/ids.h"
#include "util/core/message_text.h"

namespace tav {
namespace {

std::string line_of(const CheckFinding& finding) {
  const std::string text = controls::load_string(finding.text_id);
  const auto& a = finding.arguments;
  const auto at = [&a](std::size_t i) { return i < a.size() ? std::string_view(a[i]) : std::string_view(); };
  return with_arguments(text, {at(0), at(1), at(2)});
}

void fill_list(HWND dialog) {
  HWND list = GetDlgItem(dialog, IDC_CHECK_LIST);
  std::vector<std::string> lines = installation_check_lines();
  if (lines.empty()) lines.push_back(controls::load_string(IDS_CHECK_NO_PROBLEMS));
  HDC context = GetDC(list);
  HGDIOBJ old_font = SelectObject(context, reinterpret_cast<HGDIOBJ>(SendMessageA(list, WM_GETFONT, 0, 0)));
  LONG widest = 0;
  for (const std::string& line : lines) {
    SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(line.c_str()));
    SIZE size{};
    GetTextExtentPoint32A(context, line.c_str(), static_cast<int>(line.size()), &size);
    widest = std::max(widest, size.cx);
  }
  SelectObject(context, old_font);
  ReleaseDC(list, context);
  // Long lines can be scrolled to.
  SendMessageA(list, LB_SETHORIZONTALEXTENT, static_cast<WPARAM>(widest + controls::scaled(list, 8)), 0);
  SendMessageA(list, LB_SETCURSEL, 0, 0);
}

INT_PTR CALLBACK check_dialog_procedure(HWND dialog, UINT message, WPARAM wparam, LPARAM) {
  switch (message) {
    case WM_INITDIALOG:
      fill_list(dialog);
      return TRUE;
    case WM_COMMAND:
      if (LOWORD(wparam) == IDCANCEL || LOWORD(wparam) == IDOK) {
        EndDialog(dialog, 0);
        return TRUE;
      }
      return FALSE;
    default:
      return FALSE;
  }
}

}  // namespace

std::vector<std::string> installation_check_lines() {
  std::vector<std::string> lines;
  for (const auto& findings : {plotter_findings(), language_findings(), folder_findings()}) {
    for (const CheckFinding& finding : findings) lines.push_back(line_of(finding));
  }
  return lines;
}

void show_installation_check(HWND owner) {
  DialogBoxParamA(controls::program_instance(), MAKEINTRESOURCEA(IDD_INSTALLATION_CHECK), owner,
                  controls::guarded<check_dialog_procedure>, 0);
}

}  // namespace tav
