#include "controls/tooltips.h"

#include <commctrl.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "controls/controls.h"

namespace tav::controls {
namespace {

// Wide enough for the longest text in every language; longer texts break into lines.
constexpr int kTooltipWidth = 300;  // pixels at 100 %

// Ends the tooltip window together with the window it serves: a page is a child window,
// and a popup's owner is always the top-level window, which outlives the page.
LRESULT CALLBACK end_with_window(HWND window, UINT message, WPARAM wparam, LPARAM lparam, UINT_PTR id,
                                 DWORD_PTR tooltip) {
  if (message == WM_NCDESTROY) {
    RemoveWindowSubclass(window, end_with_window, id);
    DestroyWindow(reinterpret_cast<HWND>(tooltip));
  }
  return DefSubclassProc(window, message, wparam, lparam);
}

HWND create_tooltip_window(HWND served) {
  HWND tooltip =
      CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT,
                      CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, served, nullptr, program_instance(), nullptr);
  if (!tooltip) return nullptr;
  SendMessageA(tooltip, TTM_SETMAXTIPWIDTH, 0, scaled(served, kTooltipWidth));
  SetWindowSubclass(served, end_with_window, reinterpret_cast<UINT_PTR>(tooltip), reinterpret_cast<DWORD_PTR>(tooltip));
  return tooltip;
}

// The tooltip keeps its own copy of the text.
void add_tool(HWND tooltip, TTTOOLINFOA& tool, int text) {
  std::string shown = load_string(text);
  tool.cbSize = sizeof tool;
  tool.uFlags |= TTF_SUBCLASS;
  tool.lpszText = shown.data();
  SendMessageA(tooltip, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
}

// The tooltips wait for the mouse: the first time it comes over the window (the system
// asks the window, or its parent for a control, which cursor to show), they are made.
// Making them costs a page more than the rest of its opening, and no one sees a tooltip
// before the mouse rests on a control.
using MakeTooltips = std::function<void()>;

LRESULT CALLBACK make_at_first_mouse(HWND window, UINT message, WPARAM wparam, LPARAM lparam, UINT_PTR id,
                                     DWORD_PTR data) {
  auto* make = reinterpret_cast<MakeTooltips*>(data);
  if (message == WM_SETCURSOR || message == WM_NCDESTROY) {
    RemoveWindowSubclass(window, make_at_first_mouse, id);
    if (message == WM_SETCURSOR) (*make)();
    delete make;
  }
  return DefSubclassProc(window, message, wparam, lparam);
}

void make_when_mouse_comes(HWND window, MakeTooltips make) {
  auto* waiting = new MakeTooltips(std::move(make));
  if (!SetWindowSubclass(window, make_at_first_mouse, 1, reinterpret_cast<DWORD_PTR>(waiting))) {
    (*waiting)();
    delete waiting;
  }
}

void make_tooltips(HWND dialog, const std::vector<Tooltip>& tooltips) {
  HWND tooltip = create_tooltip_window(dialog);
  if (!tooltip) return;
  for (const Tooltip& entry : tooltips) {
    HWND control = GetDlgItem(dialog, entry.control);
    if (!control) continue;
    TTTOOLINFOA tool{};
    tool.uFlags = TTF_IDISHWND;
    tool.hwnd = dialog;
    tool.uId = reinterpret_cast<UINT_PTR>(control);
    add_tool(tooltip, tool, entry.text);
  }
}

void make_column_tooltip(HWND list, int column, int text) {
  HWND header = reinterpret_cast<HWND>(SendMessageA(list, LVM_GETHEADER, 0, 0));
  RECT title{};
  if (!header ||
      !SendMessageA(header, HDM_GETITEMRECT, static_cast<WPARAM>(column), reinterpret_cast<LPARAM>(&title))) {
    return;
  }
  HWND tooltip = create_tooltip_window(list);
  if (!tooltip) return;
  TTTOOLINFOA tool{};
  tool.hwnd = header;
  tool.uId = static_cast<UINT_PTR>(column);
  tool.rect = title;
  add_tool(tooltip, tool, text);
}

}  // namespace

void attach_tooltips(HWND dialog, std::initializer_list<Tooltip> tooltips) {
  make_when_mouse_comes(dialog, [dialog, list = std::vector<Tooltip>(tooltips)] { make_tooltips(dialog, list); });
}

void attach_column_tooltip(HWND list, int column, int text) {
  make_when_mouse_comes(list, [list, column, text] { make_column_tooltip(list, column, text); });
}

}  // namespace tav::controls
