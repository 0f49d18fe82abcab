#include "shell/installation_check.h"

#include <algorithm>

#include "controls/check_finding.h"
#include "controls/controls.h"
#include "controls/modal_dialog.h"
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

// A read-only list with one button: Close, Enter and Escape all end it.
class InstallationCheckDialog : public controls::ModalDialog {
 private:
  bool on_open() override {
    fill_list(window());
    return true;
  }
  bool on_command(int id, int /*code*/) override {
    if (id != IDOK) return false;  // Cancel closes by itself
    end(IDCANCEL);
    return true;
  }
};

}  // namespace

std::vector<std::string> installation_check_lines() {
  std::vector<std::string> lines;
  for (const auto& findings : {plotter_findings(), language_findings(), folder_findings()}) {
    for (const CheckFinding& finding : findings) lines.push_back(line_of(finding));
  }
  return lines;
}

void show_installation_check(HWND owner) { InstallationCheckDialog().run(owner, IDD_INSTALLATION_CHECK); }

}  // namespace tav
