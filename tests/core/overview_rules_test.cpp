#include "overview/overview_rules.h"

#include <gtest/gtest.h>

namespace almanor {
namespace {

TEST(NotesClipboardText, headingThenEachLineAfterCrLfAndNothingAfterTheLast) {
    EXPECT_EQ(notesClipboardText({}), "Almanor Notes.");
    EXPECT_EQ(notesClipboardText({{"03/05/1999  -  a\r\nb", 1}, {"03/01/1999  -  c\nd", 2}}),
              "Almanor Notes.\r\n03/05/1999  -  a\r\nb\r\n03/01/1999  -  c\nd");
}

} // namespace
} // namespace almanor
