#include "common/date.h"

#include <gtest/gtest.h>

namespace almanor {
namespace {

TEST(Date, serialRoundTripsAcrossTheSupportedYears) {
    for (long long s = Date{999, 12, 1}.serial(); s <= Date{10000, 1, 31}.serial(); s += 17) {
        const Date d = Date::fromSerial(s);
        ASSERT_TRUE(d.isValid()) << s;
        ASSERT_EQ(d.serial(), s);
    }
}

TEST(Date, knownSerialsAndWeekdays) {
    EXPECT_EQ((Date{1970, 1, 1}.serial()), 0);
    EXPECT_EQ((Date{2000, 3, 1}.serial() - Date{2000, 2, 28}.serial()), 2); // 2000 is leap
    EXPECT_EQ((Date{1900, 3, 1}.serial() - Date{1900, 2, 28}.serial()), 1); // 1900 is not
    EXPECT_EQ((Date{2026, 12, 6}.dayOfWeek()), 0);                          // a Sunday
    EXPECT_EQ((Date{1000, 1, 1}.addDays(-1)), (Date{999, 12, 31}));
}

TEST(Date, daysBetweenCountsMidnights) {
    const Date today{2026, 3, 1};
    EXPECT_EQ(daysBetween(today, today), 0);
    EXPECT_EQ(daysBetween(Date{2026, 2, 28}, today), 1);
    EXPECT_EQ(daysBetween(Date{2026, 3, 2}, today), -1);
    EXPECT_EQ(daysBetween(Date{2025, 3, 1}, today), 365);
}

TEST(DateText, formatsAndParses) {
    EXPECT_EQ(formatDateText(Date{1998, 12, 5}), "12/05/1998");
    EXPECT_EQ(formatDateText(Date{2000, 1, 1}), "01/01/2000");
    EXPECT_EQ(parseDateText("03/05/1999"), (Date{1999, 3, 5}));
    for (const char* bad : {"02/31/2001", "13/01/2001", "00/10/2001", "1/5/1999  ", "03-05-1999",
                            "03/05/199", "ab/cd/efgh", "", "03/05/1999x"}) {
        EXPECT_FALSE(parseDateText(bad).has_value()) << bad;
    }
}

} // namespace
} // namespace almanor
