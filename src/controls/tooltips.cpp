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

// Tooltips waiting for the mouse, and tooltip windows made, each with the dialog that serves
// them (serve_tooltips). The dialogs all run on the one user-interface thread.
struct Waiting {
  HWND dialog;
  std::function<void()> make;
};
struct Made {
  HWND dialog;
  HWND tooltip;
};
std::vector<Waiting> g_waiting;
std::vector<Made> g_made;

HWND create_tooltip_window(HWND dialog, HWND served) {
  HWND tooltip =
      CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT,
                      CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, served, nullptr, program_instance(), nullptr);
  if (!tooltip) return nullptr;
  SendMessageA(tooltip, TTM_SETMAXTIPWIDTH, 0, scaled(served, kTooltipWidth));
  g_made.push_back({dialog, tooltip});
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

void make_tooltips(HWND dialog, const std::vector<Tooltip>& tooltips) {
  HWND tooltip = create_tooltip_window(dialog, dialog);
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
  HWND tooltip = create_tooltip_window(GetParent(list), list);
  if (!tooltip) return;
  TTTOOLINFOA tool{};
  tool.hwnd = header;
  tool.uId = static_cast<UINT_PTR>(column);
  tool.rect = title;
  add_tool(tooltip, tool, text);
}

}  // namespace

// The tooltips wait for the mouse: the first time it comes over the dialog (the system asks
// the window under it, and a control its parent, which cursor to show), they are made.
// Making them costs a page more than the rest of its opening, and no one sees a tooltip
// before the mouse rests on a control. The dialog's own procedure passes the question on,
// rather than a subclass of the dialog: under Wine a subclass costs a round trip to the
// server on every message the dialog receives.
void attach_tooltips(HWND dialog, std::initializer_list<Tooltip> tooltips) {
  g_waiting.push_back({dialog, [dialog, list = std::vector<Tooltip>(tooltips)] { make_tooltips(dialog, list); }});
}

void attach_column_tooltip(HWND list, int column, int text) {
  g_waiting.push_back({GetParent(list), [list, column, text] { make_column_tooltip(list, column, text); }});
}

void serve_tooltips(HWND dialog, UINT message) {
  if (message != WM_SETCURSOR && message != WM_DESTROY) return;
  // Taken out first: making a tooltip may send the dialog messages of its own.
  std::vector<std::function<void()>> due;
  std::erase_if(g_waiting, [&](Waiting& waiting) {
    if (waiting.dialog != dialog) return false;
    due.push_back(std::move(waiting.make));
    return true;
  });
  if (message == WM_SETCURSOR) {
    for (const auto& make : due) make();
    return;
  }
  // The tooltip windows belong to the top-level window, which outlives a page: they end
  // with the dialog that served them.
  std::erase_if(g_made, [&](const Made& made) {
    if (made.dialog != dialog) return false;
    DestroyWindow(made.tooltip);
    return true;
  });
}

}  // namespace tav::controls
