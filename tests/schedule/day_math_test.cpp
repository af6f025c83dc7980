#include "schedule/day_math.h"

#include <gtest/gtest.h>

using namespace dv::daymath;

TEST(DayMath, SameDayIgnoresTheTimeAndMatchesNotValidOnlyWithNotValid) {
    const DvDateTime invalid{0.0, DvDateTimeStatus::Invalid};
    const DvDateTime null{0.0, DvDateTimeStatus::Null};
    struct Case {
        const char* what;
        DvDateTime a, b;
        bool same;
    };
    const Case cases[] = {
        {"morning and night", DvDateTime::FromFields(2008, 3, 5, 0, 0), DvDateTime::FromFields(2008, 3, 5, 23, 59), true},
        {"across midnight", DvDateTime::FromFields(2008, 3, 5, 23, 59), DvDateTime::FromFields(2008, 3, 6), false},
        {"before day 0", DvDateTime{-1.25}, DvDateTime::FromFields(1899, 12, 29, 23, 0), true},
        {"not valid and day 0", invalid, DvDateTime{}, false},
        {"not valid and null", invalid, null, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(IsSameDay(c.a, c.b), c.same);
        EXPECT_EQ(IsSameDay(c.b, c.a), c.same);
    }
}

TEST(DayMath, DayNumbersAndWeekdaysAroundDayZero) {
    EXPECT_EQ(DayNumber(DvDateTime{-1.25}), -1);  // 29 December 1899 06:00
    EXPECT_EQ(DayNumber(DvDateTime::FromFields(2008, 3, 5, 18, 0)), 39512);
    EXPECT_EQ(DayNumber(DvDateTime{0.0, DvDateTimeStatus::Invalid}), std::nullopt);
    EXPECT_EQ(DayOfWeek(0), 7);      // Saturday 30 December 1899
    EXPECT_EQ(DayOfWeek(-6), 1);     // Sunday 24 December 1899
    EXPECT_EQ(DayOfWeek(39512), 4);  // Wednesday 5 March 2008
}

TEST(DayMath, ArithmeticRunsOnTheLinearForm) {
    // 29 December 1899 06:00 plus one hour is 07:00 that day, stored as -1.2916...
    EXPECT_DOUBLE_EQ(AddDays(DvDateTime{-1.25}, 1.0 / 24).value, -1.0 - 7.0 / 24);
    EXPECT_DOUBLE_EQ(AddDays(DvDateTime{-1.25}, 1.0).value, 0.25);
    EXPECT_DOUBLE_EQ(DaysBetween(DvDateTime{-1.25}, DvDateTime{0.25}), 1.0);
}
