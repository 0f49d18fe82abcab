#pragma once
// Thin helpers over dialog controls, addressed by the dialog (or page) window and the
// control id. Every page and dialog of the program uses these; there is no other copy.
#include <windows.h>

#include <string>

namespace tav::controls {

// The program's module: templates, icons, bitmaps and the string table come from it. Set
// once at start-up.
HINSTANCE program_instance();
void set_program_instance(HINSTANCE instance);

// Dots per inch of the screen a window is shown on (96 at 100 % scaling). Systems that
// scale per monitor tell it per window; older ones give the one scale of the whole system.
int dpi_of(HWND window);
// A length in pixels at 100 % scaling, in pixels of the window's scaling.
int scaled(HWND window, int pixels);

// A text of the string table in the user interface's language; empty when there is none.
std::string load_string(int id);

// Check boxes and radio buttons.
void check(HWND dialog, int id, bool checked);
bool is_checked(HWND dialog, int id);  // true only when checked; indeterminate is false

void enable(HWND dialog, int id, bool enabled);

// The colours of a read-only (or disabled) edit, which asks its dialog for them as a label
// does: the grey of the dialog face, set into dc, and its brush. A page lies on the tab
// control's background, which would otherwise make such a field look like one to type in.
// nullptr for every other control, which then keeps the dialog's own colours.
HBRUSH read_only_field_brush(HDC dc, HWND control);
void show(HWND dialog, int id, int show_code);

// The whole text of a control, however long.
std::string text_of(HWND dialog, int id);
// The text of a label as the name of what it labels: without its access key and a final colon.
std::string label_name(HWND dialog, int id);
void set_text(HWND dialog, int id, const std::string& text);
// The most characters the user can type into an edit (or the edit of a combo box).
void limit_text(HWND dialog, int id, int characters);

// An edit for a whole number of the settings takes at most this many digits (2147483647).
inline constexpr int kNumberDigits = 10;

void set_unsigned(HWND dialog, int id, int value);
// True and the number when the control holds a valid unsigned decimal number (blanks
// around it allowed); false for an empty text, a sign, other characters or a number above
// 4294967295. The whole text is read: a long run of leading zeros is still the number.
bool get_unsigned(HWND dialog, int id, unsigned& value);

// Drop-down lists (combo boxes).
int add_item(HWND dialog, int id, const std::string& text);  // the new item's index, or -1
void select_item(HWND dialog, int id, int index);            // -1 selects nothing
int selected_item(HWND dialog, int id);                      // -1 when nothing is selected
int item_count(HWND dialog, int id);
void clear_items(HWND dialog, int id);
// The text of an item; empty when there is no such item.
std::string item_text(HWND combo, int index);
std::string item_text(HWND dialog, int id, int index);

// List boxes.
int add_list_item(HWND dialog, int id, const std::string& text);  // the new item's index, or -1
void delete_list_item(HWND dialog, int id, int index);
void select_list_item(HWND dialog, int id, int index);  // -1 selects nothing
int selected_list_item(HWND dialog, int id);            // -1 when nothing is selected
int list_item_count(HWND dialog, int id);
void clear_list(HWND dialog, int id);
std::string list_item_text(HWND list, int index);
std::string list_item_text(HWND dialog, int id, int index);

}  // namespace tav::controls
