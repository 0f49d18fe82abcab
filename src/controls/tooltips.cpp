#include "controls/tooltips.h"

#include <commctrl.h>

#include <string>

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

}  // namespace

void attach_tooltips(HWND dialog, std::initializer_list<Tooltip> tooltips) {
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

void attach_column_tooltip(HWND list, int column, int text) {
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

}  // namespace tav::controls
