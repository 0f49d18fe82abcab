#pragma once
// The language of this run: whether a usable language other than the standard one is
// configured (language mode), and its four-digit folder code.

namespace tav {

struct LanguageState {
  bool mode = false;
  char code[5] = "0490";
};

const LanguageState& language_state();

// Decides the language mode and code once at start-up.
void determine_language();

// Rewrites an installation path into the language folder when language mode is on
// ("\taviro\x" becomes "\taviro\0440\x"). With must_exist set, the rewritten path is kept
// only when it names an existing file. Answers true when the path was rewritten; the
// length then grows by 5.
bool rewrite_path_into_language(char* path, int& length, bool must_exist, int field_size);

}  // namespace tav
