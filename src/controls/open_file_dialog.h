#pragma once
// Choosing a program file with the system's file-open dialog, as the Drives and
// Layplanning pages do: filters "Programmdateien (*.exe)" and "Alle Dateien (*.*)", the
// first selected, the file must exist, no read-only box, the current folder unchanged,
// long names. The dialog is shown with the preset file name; when it fails because that
// name is not a valid file name (Windows refuses a preset such as "prog.exe /x"), it is
// shown once more with an empty name.
#include <windows.h>
#include <commdlg.h>

#include <optional>
#include <string>
#include <string_view>

namespace tav::controls {

// The chosen file's full name, or nothing when the user cancelled or the dialog failed.
// name_buffer_size is the size of the dialog's file name buffer including its terminator;
// the preset is cut to fit it.
std::optional<std::string> choose_program_file(HWND owner, const char* title, std::string_view preset,
                                               int name_buffer_size);

// The platform calls behind choose_program_file. Wine does not fail on an invalid preset
// as Windows does, so tests replace them for the lifetime of a ScopedOpenDialog.
struct OpenDialogCalls {
  BOOL(WINAPI* show)(OPENFILENAMEA* request) = GetOpenFileNameA;
  DWORD(WINAPI* extended_error)() = CommDlgExtendedError;
};

class ScopedOpenDialog {
 public:
  explicit ScopedOpenDialog(OpenDialogCalls calls);
  ~ScopedOpenDialog();
  ScopedOpenDialog(const ScopedOpenDialog&) = delete;
  ScopedOpenDialog& operator=(const ScopedOpenDialog&) = delete;

 private:
  OpenDialogCalls previous_;
};

}  // namespace tav::controls
