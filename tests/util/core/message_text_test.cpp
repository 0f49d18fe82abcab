#include "util/core/message_text.h"

#include <gtest/gtest.h>

namespace tav {
namespace {

TEST(MessageText, ArgumentsFillTheirPlaceholdersOnce) {
  EXPECT_EQ(with_arguments("%1 could not be written:\n%2", {"U:\\a%2.ini", "Access denied."}),
            "U:\\a%2.ini could not be written:\nAccess denied.");
  EXPECT_EQ(with_arguments("100%% %3 %", {"x"}), "100% %3 %");
}

TEST(MessageText, ALogLineIsOneLineWhateverItsPartsHold) {
  EXPECT_EQ(log_line({2026, 12, 8, 9, 5, 3}, "save settings", "U:\\taviro\\taviro.ini", "Access\tdenied.\r\n"),
            "2026-12-08 09:05:03\tsave settings\tU:\\taviro\\taviro.ini\tAccess denied.  \r\n");
}

}  // namespace
}  // namespace tav
