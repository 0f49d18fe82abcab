#pragma once
// The two lists of the Toolbox page and what its buttons do to a toolbox.
//
// "In Toolbox:" lists the slots from the first up to the first empty one, in slot order,
// each by its catalogue description; "Available:" lists the catalogue's commands that are
// not among those slots, in catalogue order. A slot whose code the catalogue does not know
// is not listed, but keeps its place: every row remembers the slot (or catalogue entry) it
// stands for, and the buttons act on that slot, so an unknown code is moved only by the
// shifts of Remove and is written back as it was.

#include <array>
#include <span>
#include <string>
#include <vector>

#include "config/core/settings_record.h"
#include "pages/core/toolbox_catalogue_rules.h"
#include "util/core/text.h"

namespace tav {

bool is_empty_slot(const Field<4>& slot);

// The rows of both lists.
struct ToolboxRows {
  std::vector<int> toolbox;    // "In Toolbox:": slot index (0-based) of each row
  std::vector<int> available;  // "Available:": catalogue index of each row
};

ToolboxRows toolbox_rows(std::span<const ToolboxCommand> catalogue, const Toolbox& slots);
// Index of the catalogue entry with the code, -1 when there is none.
int find_command(std::span<const ToolboxCommand> catalogue, const Field<4>& code);

// What a button did: whether the toolbox changed, and the row to select afterwards in the
// list the button acts on (-1 for none).
struct ToolboxChange {
  bool changed = false;
  int selected_row = -1;
};

// Edits one toolbox through the rows of its lists.
class ToolboxEditor {
 public:
  ToolboxEditor(std::span<const ToolboxCommand> catalogue, Toolbox& slots);

  const ToolboxRows& rows() const { return rows_; }
  std::string toolbox_text(int row) const;
  std::string available_text(int row) const;

  // "<---": puts the command of the available row into the first empty slot (nothing when
  // all 25 are used). Selects the same available row again, or the last one when the
  // command was the last.
  ToolboxChange add(int available_row);
  // "--->": takes the row's slot out; the slots after it move up and the last becomes
  // empty. Selects the same toolbox row, or the one before when it was the last.
  ToolboxChange remove(int toolbox_row);
  // "Up" (step -1) and "Down" (step +1): swaps the slots of the row and of its neighbour in
  // the list; the moved command stays selected. Nothing when the neighbour is outside.
  ToolboxChange move(int toolbox_row, int step);

 private:
  void rebuild();

  std::span<const ToolboxCommand> catalogue_;
  Toolbox& slots_;
  ToolboxRows rows_;
};

}  // namespace tav
