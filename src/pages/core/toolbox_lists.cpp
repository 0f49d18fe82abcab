#include "pages/core/toolbox_lists.h"

#include <utility>

namespace tav {
namespace {

// Slots from the first up to (not including) the first empty one.
int listed_slot_count(const Toolbox& slots) {
  int count = 0;
  while (count < kToolboxSlots && !is_empty_slot(slots[static_cast<std::size_t>(count)])) ++count;
  return count;
}

bool valid_row(const std::vector<int>& rows, int row) { return row >= 0 && row < static_cast<int>(rows.size()); }

}  // namespace

bool is_empty_slot(const Field<4>& slot) { return slot.significant_length() == 0; }

int find_command(std::span<const ToolboxCommand> catalogue, const Field<4>& code) {
  for (std::size_t i = 0; i < catalogue.size(); ++i) {
    if (catalogue[i].code == code) return static_cast<int>(i);
  }
  return -1;
}

ToolboxRows toolbox_rows(std::span<const ToolboxCommand> catalogue, const Toolbox& slots) {
  const int listed = listed_slot_count(slots);
  ToolboxRows rows;
  for (std::size_t entry = 0; entry < catalogue.size(); ++entry) {
    bool in_toolbox = false;
    for (int slot = 0; slot < listed && !in_toolbox; ++slot) {
      in_toolbox = slots[static_cast<std::size_t>(slot)] == catalogue[entry].code;
    }
    if (!in_toolbox) rows.available.push_back(static_cast<int>(entry));
  }
  for (int slot = 0; slot < listed; ++slot) {
    if (find_command(catalogue, slots[static_cast<std::size_t>(slot)]) >= 0) rows.toolbox.push_back(slot);
  }
  return rows;
}

ToolboxEditor::ToolboxEditor(std::span<const ToolboxCommand> catalogue, Toolbox& slots)
    : catalogue_(catalogue), slots_(slots) {
  rebuild();
}

void ToolboxEditor::rebuild() { rows_ = toolbox_rows(catalogue_, slots_); }

std::string ToolboxEditor::toolbox_text(int row) const {
  if (!valid_row(rows_.toolbox, row)) return {};
  const Field<4>& code = slots_[static_cast<std::size_t>(rows_.toolbox[static_cast<std::size_t>(row)])];
  return catalogue_[static_cast<std::size_t>(find_command(catalogue_, code))].description.str();
}

std::string ToolboxEditor::available_text(int row) const {
  if (!valid_row(rows_.available, row)) return {};
  return catalogue_[static_cast<std::size_t>(rows_.available[static_cast<std::size_t>(row)])].description.str();
}

ToolboxChange ToolboxEditor::add(int available_row) {
  if (!valid_row(rows_.available, available_row)) return {};
  int free_slot = 0;
  while (free_slot < kToolboxSlots && !is_empty_slot(slots_[static_cast<std::size_t>(free_slot)])) ++free_slot;
  if (free_slot == kToolboxSlots) return {};  // the toolbox is full
  const int entry = rows_.available[static_cast<std::size_t>(available_row)];
  slots_[static_cast<std::size_t>(free_slot)] = catalogue_[static_cast<std::size_t>(entry)].code;
  rebuild();
  const int count = static_cast<int>(rows_.available.size());
  return {true, available_row < count ? available_row : count - 1};
}

ToolboxChange ToolboxEditor::remove(int toolbox_row) {
  if (!valid_row(rows_.toolbox, toolbox_row)) return {};
  for (int slot = rows_.toolbox[static_cast<std::size_t>(toolbox_row)]; slot + 1 < kToolboxSlots; ++slot) {
    slots_[static_cast<std::size_t>(slot)] = slots_[static_cast<std::size_t>(slot + 1)];
  }
  slots_[kToolboxSlots - 1].clear();
  rebuild();
  const int count = static_cast<int>(rows_.toolbox.size());
  return {true, toolbox_row < count ? toolbox_row : count - 1};
}

ToolboxChange ToolboxEditor::move(int toolbox_row, int step) {
  const int target = toolbox_row + step;
  if (!valid_row(rows_.toolbox, toolbox_row) || !valid_row(rows_.toolbox, target) || step == 0) return {};
  std::swap(slots_[static_cast<std::size_t>(rows_.toolbox[static_cast<std::size_t>(toolbox_row)])],
            slots_[static_cast<std::size_t>(rows_.toolbox[static_cast<std::size_t>(target)])]);
  rebuild();
  return {true, target};
}

}  // namespace tav
