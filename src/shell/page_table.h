#pragma once
// The pages of the main dialog: which template each page code uses and which routines
// it provides (controls/page_contract.h). Adding a page is one line in each table.
#include <windows.h>

#include <span>

#include "controls/page_contract.h"

namespace tav {

// One row per tab, from the left.
struct TabEntry {
  int title_label;  // hidden label of the main dialog holding the tab's title
  int page_code;
  bool has_defaults;  // the Defaults button is enabled on this tab
};

std::span<const PageEntry> page_entries();
const PageEntry* find_page(int code);  // nullptr for an unknown code
std::span<const TabEntry> tab_entries();

// Order in which a command is offered to the pages' command routines, and the order for
// notifications.
std::span<const int> command_chain();
std::span<const int> notification_chain();

}  // namespace tav
