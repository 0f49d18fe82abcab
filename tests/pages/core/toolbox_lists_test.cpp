#include "pages/core/toolbox_lists.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tav {
namespace {

Toolbox slots_of(const std::vector<std::string>& codes) {
  Toolbox slots;
  for (std::size_t i = 0; i < codes.size(); ++i) slots[i].assign(codes[i]);
  return slots;
}

std::vector<std::string> codes_of(const Toolbox& slots, std::size_t count) {
  std::vector<std::string> codes;
  for (std::size_t i = 0; i < count; ++i) codes.push_back(std::string(slots[i].raw()));
  return codes;
}

std::vector<std::string> toolbox_texts(const ToolboxEditor& editor) {
  std::vector<std::string> texts;
  for (std::size_t row = 0; row < editor.rows().toolbox.size(); ++row)
    texts.push_back(editor.toolbox_text(static_cast<int>(row)));
  return texts;
}

class ToolboxListsTest : public ::testing::Test {
 protected:
  std::vector<ToolboxCommand> catalogue = built_in_catalogue(ToolboxKind::construction);
};

TEST_F(ToolboxListsTest, ListsStopAtTheFirstEmptySlot) {
  Toolbox slots = slots_of({"OPEN", "SAVE", "MNEW", "MNWS", "    ", "ZOOM"});
  ToolboxEditor editor(catalogue, slots);
  EXPECT_EQ(editor.rows().toolbox, (std::vector<int>{0, 1, 2, 3}));
  // ZOOM lies beyond the empty slot: it is offered again, and its slot stays as it is.
  ASSERT_EQ(editor.rows().available.size(), 35u);
  EXPECT_EQ(editor.available_text(0),
            "Modell schlie\xDF"
            "en");
  EXPECT_EQ(editor.available_text(1), "Schieben/Zoomen");
  EXPECT_EQ(codes_of(slots, 6)[5], "ZOOM");

  // Adding fills the first empty slot, not the one after the last code.
  const ToolboxChange change = editor.add(0);  // CLSE
  EXPECT_TRUE(change.changed);
  EXPECT_EQ(change.selected_row, 0);
  EXPECT_EQ(codes_of(slots, 7), (std::vector<std::string>{"OPEN", "SAVE", "MNEW", "MNWS", "CLSE", "ZOOM", "    "}));
  EXPECT_EQ(editor.rows().toolbox.size(), 6u);
  EXPECT_EQ(editor.rows().available.size(), 33u);
}

TEST_F(ToolboxListsTest, UnknownCodeKeepsItsSlotThroughEveryButton) {
  Toolbox slots = slots_of({"XXXX", "OPEN", "SAVE", "ZOOM"});
  ToolboxEditor editor(catalogue, slots);
  EXPECT_EQ(editor.rows().toolbox, (std::vector<int>{1, 2, 3}));
  EXPECT_EQ(toolbox_texts(editor), (std::vector<std::string>{"Modell \xF6"
                                                             "ffnen",
                                                             "Modell speichern", "Schieben/Zoomen"}));

  // Down on the first row swaps OPEN and SAVE, not the unknown code.
  ToolboxChange change = editor.move(0, +1);
  EXPECT_EQ(change.selected_row, 1);
  EXPECT_EQ(codes_of(slots, 4), (std::vector<std::string>{"XXXX", "SAVE", "OPEN", "ZOOM"}));
  // Up on the first row: nothing above it in the list, although a slot lies above it.
  change = editor.move(0, -1);
  EXPECT_FALSE(change.changed);
  EXPECT_EQ(codes_of(slots, 4), (std::vector<std::string>{"XXXX", "SAVE", "OPEN", "ZOOM"}));
  // Remove takes out the row's own slot.
  change = editor.remove(2);
  EXPECT_EQ(change.selected_row, 1);  // the last row went: the one before it is selected
  EXPECT_EQ(codes_of(slots, 4), (std::vector<std::string>{"XXXX", "SAVE", "OPEN", "    "}));
  change = editor.remove(0);
  EXPECT_EQ(change.selected_row, 0);
  EXPECT_EQ(codes_of(slots, 3), (std::vector<std::string>{"XXXX", "OPEN", "    "}));
  change = editor.add(0);
  EXPECT_EQ(codes_of(slots, 3), (std::vector<std::string>{"XXXX", "OPEN", "SAVE"}));
  change = editor.remove(0);
  change = editor.remove(0);
  EXPECT_EQ(change.selected_row, -1);
  EXPECT_EQ(codes_of(slots, 2), (std::vector<std::string>{"XXXX", "    "}));
  EXPECT_TRUE(editor.rows().toolbox.empty());
}

TEST_F(ToolboxListsTest, AddSelectsTheSameRowOrTheLast) {
  Toolbox slots;
  ToolboxEditor editor(catalogue, slots);
  ASSERT_EQ(editor.rows().available.size(), 39u);
  EXPECT_EQ(editor.add(38).selected_row, 37);
  EXPECT_EQ(codes_of(slots, 1)[0], "CALC");
  EXPECT_EQ(editor.add(5).selected_row, 5);
  EXPECT_EQ(codes_of(slots, 2)[1], "ZOOM");
  EXPECT_FALSE(editor.add(37).changed);  // no such row any more
  EXPECT_FALSE(editor.add(-1).changed);
}

TEST_F(ToolboxListsTest, FullToolboxTakesNothingMore) {
  Toolbox slots;
  for (std::size_t i = 0; i < slots.size(); ++i) slots[i] = catalogue[i].code;
  const Toolbox before = slots;
  ToolboxEditor editor(catalogue, slots);
  EXPECT_EQ(editor.rows().available.size(), 14u);
  EXPECT_FALSE(editor.add(0).changed);
  EXPECT_EQ(slots, before);
  // Remove frees the last slot; the codes after the removed one move up.
  EXPECT_EQ(editor.remove(24).selected_row, 23);
  EXPECT_TRUE(is_empty_slot(slots[24]));
  EXPECT_EQ(editor.remove(0).selected_row, 0);
  EXPECT_EQ(slots[0], catalogue[1].code);
  EXPECT_EQ(slots[22], catalogue[23].code);
}

TEST_F(ToolboxListsTest, MoveStaysInsideTheList) {
  Toolbox slots = slots_of({"OPEN", "SAVE", "MNEW"});
  ToolboxEditor editor(catalogue, slots);
  EXPECT_FALSE(editor.move(2, +1).changed);
  EXPECT_FALSE(editor.move(5, -1).changed);
  EXPECT_EQ(editor.move(2, -1).selected_row, 1);
  EXPECT_EQ(codes_of(slots, 3), (std::vector<std::string>{"OPEN", "MNEW", "SAVE"}));
}

TEST_F(ToolboxListsTest, SameDescriptionTwiceStillAddsTheChosenCommand) {
  // Two commands that the menu dialog file gives one text: the row decides, not the text.
  catalogue[1].description = catalogue[0].description;
  Toolbox slots;
  ToolboxEditor editor(catalogue, slots);
  editor.add(1);
  EXPECT_EQ(slots[0].raw(), "SAVE");
}

}  // namespace
}  // namespace tav
