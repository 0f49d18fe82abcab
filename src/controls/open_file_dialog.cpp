#include "controls/open_file_dialog.h"

#include <cderr.h>

#include <vector>

#include "controls/controls.h"

namespace tav::controls {
namespace {

OpenDialogCalls g_calls;

// The file types are the same in every language.
constexpr char kFilter[] = "Programmdateien (*.exe)\0*.exe\0Alle Dateien (*.*)\0*.*\0";

bool is_blank(const std::vector<char>& name) {
  for (char c : name) {
    if (c == '\0') return true;
    if (c != ' ') return false;
  }
  return true;
}

}  // namespace

std::optional<std::string> choose_program_file(HWND owner, const char* title, std::string_view preset,
                                               int name_buffer_size) {
  if (name_buffer_size < 2) return std::nullopt;
  std::vector<char> name(static_cast<std::size_t>(name_buffer_size), '\0');
  preset = preset.substr(0, name.size() - 1);
  preset.copy(name.data(), preset.size());

  OPENFILENAMEA request{};
  request.lStructSize = sizeof request;
  request.hwndOwner = owner;
  request.hInstance = program_instance();
  request.lpstrFilter = kFilter;
  request.nFilterIndex = 1;
  request.lpstrFile = name.data();
  request.nMaxFile = static_cast<DWORD>(name.size());
  request.lpstrTitle = title;
  request.Flags = OFN_HIDEREADONLY | OFN_NOCHANGEDIR | OFN_FILEMUSTEXIST | OFN_LONGNAMES | OFN_EXPLORER;

  if (g_calls.show(&request)) return std::string(name.data());
  if (is_blank(name) || g_calls.extended_error() != FNERR_INVALIDFILENAME) return std::nullopt;
  name.assign(name.size(), '\0');
  if (g_calls.show(&request)) return std::string(name.data());
  return std::nullopt;
}

ScopedOpenDialog::ScopedOpenDialog(OpenDialogCalls calls) : previous_(g_calls) { g_calls = calls; }
ScopedOpenDialog::~ScopedOpenDialog() { g_calls = previous_; }

}  // namespace tav::controls
