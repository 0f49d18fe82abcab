#pragma once
// The language of this run: whether a usable language other than the standard one is
// configured (language mode), and its four-digit folder code. Set once at start-up; a
// language chosen on the Language page takes effect only at the next start.

namespace tav {

struct LanguageState {
  bool mode = false;
  char code[5] = "0490";
};

const LanguageState& language_state();

// Decides the language mode and code from OPTIONS/LANGUAGE of the main configuration file
// and the VERSION of ".\<code>\language.ini" (relative to the current folder), compared
// with the installed version.
void determine_language();

// Rewrites an installation path into the language folder when language mode is on
// ("\taviro\x" becomes "\taviro\0440\x"). path holds length characters within a field of
// field_size characters; a rewritten path that would not fit is not taken. With must_exist
// set, the rewritten path is kept only when it names an existing file. Answers true when
// the path was rewritten; the length then grows by 5. The path is not terminated here.
bool rewrite_path_into_language(char* path, int& length, bool must_exist, int field_size);

}  // namespace tav
