#pragma once
// Help: which page of the help file belongs to which tab and sub-dialog (one table, in
// help.cpp), where the help file of the user interface's language is, and opening it.
//
// The Help button opens the page of the tab shown. F1 anywhere in the program sends
// WM_HELP to the window with the focus; a page, a sub-dialog or a message box that does not
// answer it passes it on to its parent or owner, so it reaches the main dialog, which opens
// the page of the window in which F1 was pressed: the nearest sub-dialog in the chain of
// owners that has a page of its own, else the tab shown.
#include <windows.h>

#include <string>

namespace tav {

// The help file of the language the dialogs show and the folder of its pages in it. The
// string table names both (setup.chm holds English, German and Finnish, which share the
// code page Windows-1252; Polish, Russian and Chinese each have a file of their own in
// their code page: setup_pl.chm, setup_ru.chm, setup_zh.chm). Looked for in the current
// folder first, then in \taviro\hilfen; when the language's file is missing, setup.chm is
// taken with its English pages. Both empty when there is no help file at all.
struct HelpLocation {
  std::string file;    // "\taviro\hilfen\setup_pl.chm"
  std::string folder;  // "pl"
};
HelpLocation find_help();

// The page of a dialog template in the help file ("screen.html"); nullptr for a template
// without a page of its own (the progress window).
const char* help_page(int template_id);

// The template whose page F1 pressed in this window shows: the main dialog's window and
// its pages give the tab shown (IDD_MAIN when no page is shown); a sub-dialog gives its own
// template, found by the caption and the controls of the window; any other window (a message
// box) the template of its owner. 0 when the chain of owners holds none of them.
int help_template_of(HWND window);

// The command line that opens the help at the page of the template: "hh.exe
// \taviro\hilfen\setup.chm::/en/screen.html"; the start page for a template without one.
std::string help_command(const HelpLocation& location, int template_id);

// Starts the help viewer at the page of the template; nothing when there is no help file.
void open_help(int template_id);

}  // namespace tav
