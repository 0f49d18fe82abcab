#include "language/language_state.h"

#include <windows.h>

#include <cstring>
#include <string>

#include "config/profile.h"
#include "language/core/language_rules.h"
#include "language/installed_version.h"
#include "util/file_operations.h"

namespace tav {
namespace {

LanguageState g_state;

}  // namespace

const LanguageState& language_state() { return g_state; }

void determine_language() {
  g_state = LanguageState{};
  char text[256] = {};
  int length = 0;
  profile::main_string("OPTIONS", "LANGUAGE", text, length);
  const std::optional<std::string> code =
      configured_language_code(std::string_view(text, static_cast<std::size_t>(length)));
  if (!code) return;
  std::memcpy(g_state.code, code->data(), 4);
  const std::string description = ".\\" + *code + "\\language.ini";
  const int version = profile::get_int("LANGUAGE", "VERSION", 0, description.c_str());
  g_state.mode = startup_version_accepted(version, installed_version("\\", 1));
}

bool rewrite_path_into_language(char* path, int& length, bool must_exist, int field_size) {
  if (!g_state.mode || length < 0 || length > field_size) return false;
  const std::optional<std::string> rewritten = path_in_language_folder(
      std::string_view(path, static_cast<std::size_t>(length)), std::string_view(g_state.code, 4));
  if (!rewritten || static_cast<int>(rewritten->size()) > field_size) return false;
  if (must_exist && !file_exists(rewritten->c_str())) return false;
  std::memcpy(path, rewritten->data(), rewritten->size());
  length = static_cast<int>(rewritten->size());
  return true;
}

}  // namespace tav
