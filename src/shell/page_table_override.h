#pragma once
// Puts another page table in place of the program's for the lifetime of the object, so a
// test can see or change what the page framework calls. The program itself never uses it.
#include <span>

#include "shell/page_table.h"

namespace tav {

class ScopedPageTable {
 public:
  explicit ScopedPageTable(std::span<const PageEntry> pages);  // pages must outlive the object
  ~ScopedPageTable();
  ScopedPageTable(const ScopedPageTable&) = delete;
  ScopedPageTable& operator=(const ScopedPageTable&) = delete;

 private:
  std::span<const PageEntry> previous_;
};

}  // namespace tav
