#pragma once
// Replaces the routines of every page with recorders for the lifetime of the object, so
// a test sees which routine the page framework called, in which order, for which page.
#include <string>
#include <vector>

#include "shell/page_table_override.h"

namespace tav::test {

class PageRecorder {
 public:
  PageRecorder();
  ~PageRecorder();

  // Calls in order, as "open 1", "command 4 1045", "notify 3 1000", "close 2", "defaults 1".
  std::vector<std::string> calls;
  // Result each open routine gives (index = page code); true unless a test changes it.
  bool open_result[10] = {true, true, true, true, true, true, true, true, true, true};
  // Open routines of these page codes close their page at once, as a page does that
  // cannot work with the installation.
  bool close_on_open[10] = {};
  // Command routines answer "handled" for this control id only.
  int handled_command_id = -1;
  // The installed version the framework handed to the last open routine.
  int opened_with_version = -2;

  // The calls of one kind ("open", "close", ...), in order.
  std::vector<std::string> only(const std::string& kind) const;
  // Only the open and close calls: the page changes, without the commands a page's
  // controls send while it is created.
  std::vector<std::string> page_changes() const;

 private:
  std::vector<PageEntry> pages_;
  ScopedPageTable table_;
};

}  // namespace tav::test
