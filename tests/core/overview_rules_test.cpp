#include "overview/overview_rules.h"

#include <gtest/gtest.h>

namespace almanor {
namespace {

TEST(NotesClipboardText, headingThenEachLineAfterCrLfAndNothingAfterTheLast) {
    EXPECT_EQ(notesClipboardText({}), "Almanor Notes.");
    EXPECT_EQ(notesClipboardText({{"03/05/1999  -  dentist", "a"}, {"03/01/1999  -  call", "b"}}),
              "Almanor Notes.\r\n03/05/1999  -  dentist\r\n03/01/1999  -  call");
    EXPECT_EQ(notesClipboardText(
                  {{"03/05/1999  -  a\r\nb", "a"}, {"03/01/1999  -  caf\xc3\xa9\nd", "b"}}),
              "Almanor Notes.\r\n03/05/1999  -  a\r\nb\r\n03/01/1999  -  caf\xc3\xa9\nd");
}

// Notes of 5 March 1999 (row 0) back to 1 March (row 4).
} // namespace
} // namespace almanor
