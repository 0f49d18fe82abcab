// The smallest dialog program, a yardstick of scripts/bench: one empty dialog from a template
// in memory, ended by Cancel (or a posted IDCANCEL command), as the program is.
#include <windows.h>

#include <cstring>
#include <string_view>
#include <vector>

namespace {

INT_PTR CALLBACK procedure(HWND dialog, UINT message, WPARAM wparam, LPARAM) {
  if (message == WM_INITDIALOG) return TRUE;
  if (message == WM_COMMAND && LOWORD(wparam) == IDCANCEL) {
    EndDialog(dialog, 0);
    return TRUE;
  }
  return FALSE;
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  std::vector<WORD> words(sizeof(DLGTEMPLATE) / sizeof(WORD), 0);
  DLGTEMPLATE header{};
  header.style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_CENTER;
  header.cx = 300;
  header.cy = 200;
  std::memcpy(words.data(), &header, sizeof header);
  words.push_back(0);  // no menu
  words.push_back(0);  // the standard dialog class
  for (const wchar_t c : std::wstring_view(L"Empty")) words.push_back(static_cast<WORD>(c));
  words.push_back(0);
  DialogBoxIndirectParamA(instance, reinterpret_cast<const DLGTEMPLATE*>(words.data()), nullptr, procedure, 0);
  return 0;
}
