#pragma once
// Helpers over report-view list controls: columns, rows that carry a number (the entry of
// the page's table that the row shows), cells, the single selection, and the fitting of
// columns to their titles and contents.
#include <windows.h>

#include <string>

namespace tav::listview {

// Appends a left-aligned column.
void add_column(HWND list, const std::string& title, int width);
int column_count(HWND list);

// Inserts a row at position row (or at the end when row is past it) whose first cell is
// text and which carries number. Answers the row's position, or -1.
int insert_row(HWND list, int row, const std::string& text, LPARAM number);
void set_cell(HWND list, int row, int column, const std::string& text);
std::string cell_text(HWND list, int row, int column);
int row_count(HWND list);
LPARAM row_number(HWND list, int row);  // -1 for a row that does not exist
void set_row_number(HWND list, int row, LPARAM number);
void delete_row(HWND list, int row);

// The first selected row, or -1; selecting -1 clears the selection.
int selected_row(HWND list);
void select_row(HWND list, int row);
bool is_row_selected(HWND list, int row);
void select_all_rows(HWND list, bool selected);

// Sets the columns first to last to one common width: the largest of minimum and, for
// each of them, the width that fits its title and the width that fits its contents. The
// list's drawing is off while the widths are tried; it is on, and the list to be painted
// anew, afterwards.
void fit_columns(HWND list, int first, int last, int minimum);

}  // namespace tav::listview
