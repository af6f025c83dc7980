#include "schedule/date_calculator.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/text.h"
#include "support/scoped_clock.h"

using dv::toUtf8;

namespace {

DvDateTime At(int y, int mo, int d, int h = 0, int mi = 0, int s = 0) { return DvDateTime::FromFields(y, mo, d, h, mi, s); }

DvDaysBetweenFields Between(DvDateTime from, DvDateTime to, bool specifyTime) {
    return {from, from, to, to, specifyTime};
}

const char kSwapNotice[] = " The from-date was after the to-date, so the from and fo fields were swapped\r\n";

TEST(DaysBetween, AYearWithoutTime) {
    const char expected[] =
        " From and including: March 01, 2008, to, but not including: March 01, 2009\r\n"
        " The duration is:\r\n"
        " 365 days\r\n"
        "\r\n"
        " other units:\r\n"
        " 3.1536E+07 second(s) totally\r\n"
        " 525600 minute(s) totally\r\n"
        " 8760 hour(s) totally\r\n"
        " 52 week(s) totally (precisely:52.14)\r\n"
        " 12 month(s) totally (precisely:12.17)\r\n"
        " 1 year(s) totally (precisely:1.00)";
    // The times are ignored while "Specify time" is clear.
    EXPECT_EQ(toUtf8(DvDaysBetweenText(Between(At(2008, 3, 1, 18), At(2009, 3, 1, 6), false))), expected);
    EXPECT_EQ(toUtf8(DvDaysBetweenText(Between(At(2009, 3, 1), At(2008, 3, 1), false))),
              std::string(kSwapNotice) + expected);
}

TEST(DaysBetween, WithTime) {
    const std::string text = toUtf8(DvDaysBetweenText(Between(At(2008, 3, 1, 10), At(2008, 3, 3, 12, 30, 15), true)));
    EXPECT_EQ(text,
              " From and including: March 01, 2008, to, but not including: March 03, 2008\r\n"
              " The duration is:\r\n"
              " 2 days 2 hours 30 minutes and 15 seconds.\r\n"
              "\r\n"
              " other units:\r\n"
              " 181815 second(s) totally\r\n"
              " 3030 minute(s) totally\r\n"
              " 50 hour(s) totally\r\n"
              " 0 week(s) totally (precisely:0.30)\r\n"
              " 0 month(s) totally (precisely:0.07)\r\n"
              " 0 year(s) totally (precisely:0.01)");
}

TEST(DaysBetween, DurationsAcrossDayZeroAndInReverse) {
    struct Case { const char* what; DvDaysBetweenFields fields; const char* duration; bool swapped; };
    const Case cases[] = {
        {"over day 0", Between(At(1899, 12, 29, 18), At(1899, 12, 30, 6, 0, 1), true),
         " 0 days 12 hours 0 minutes and 1 seconds.", false},
        {"to the very second", Between(At(2024, 2, 28, 23, 59, 59), At(2024, 3, 1), true),
         " 1 days 0 hours 0 minutes and 1 seconds.", false},
        {"reversed", Between(At(2024, 3, 1), At(2024, 2, 28, 23, 59, 59), true),
         " 1 days 0 hours 0 minutes and 1 seconds.", true},
        {"the same moment", Between(At(2024, 3, 1, 8), At(2024, 3, 1, 8), true),
         " 0 days 0 hours 0 minutes and 0 seconds.", false},
        {"leap year without time", Between(At(2024, 1, 1, 23), At(2025, 1, 1, 1), false), " 366 days", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const std::string text = toUtf8(DvDaysBetweenText(c.fields));
        EXPECT_NE(text.find(std::string("The duration is:\r\n") + c.duration + "\r\n\r\n"), std::string::npos) << text;
        EXPECT_EQ(text.rfind(kSwapNotice, 0) == 0, c.swapped) << text;
    }
}

TEST(DateShift, FixedYearAndMonthLengths) {
    struct Case { const char* what; DvDateShiftFields fields; const char* text; };
    auto shift = [](DvDateTime start, bool time, const char16_t* op, int y, int mo, int w, int d, int h, int mi, int s) {
        return DvDateShiftFields{start, start, time, op, y, mo, w, d, h, mi, s};
    };
    const Case cases[] = {
        {"a year over a leap day", shift(At(2008, 3, 1), false, u"add", 1, 0, 0, 0, 0, 0, 0), "\r\n March 01, 2009"},
        {"a year from before a leap day", shift(At(2008, 2, 1), false, u"add", 1, 0, 0, 0, 0, 0, 0), "\r\n January 31, 2009"},
        {"a month from 31 January", shift(At(2008, 1, 31), false, u"add", 0, 1, 0, 0, 0, 0, 0), "\r\n March 01, 2008"},
        {"a week back", shift(At(2008, 3, 5), false, u"substract", 0, 0, 1, 0, 0, 0, 0), "\r\n February 27, 2008"},
        {"hours ignored without time", shift(At(2008, 3, 5, 22), false, u"add", 0, 0, 0, 1, 5, 0, 0), "\r\n March 06, 2008"},
        {"time specified", shift(At(2008, 3, 1, 10), true, u"add", 0, 0, 0, 1, 2, 3, 4), "\r\n March 02, 2008 12:03:04"},
        {"time back over midnight", shift(At(2008, 3, 1, 0, 30), true, u"substract", 0, 0, 0, 0, 0, 31, 0),
         "\r\n February 29, 2008 23:59:00"},
        {"nothing to add", shift(At(2008, 3, 1, 10), true, u"add", 0, 0, 0, 0, 0, 0, 0), "\r\n March 01, 2008 10:00:00"},
        {"into 1899", shift(At(1900, 1, 1), false, u"substract", 0, 0, 0, 3, 0, 0, 0), "\r\n unknown"},
        {"beyond the calendar", shift(At(2008, 3, 1), false, u"add", 2147483647, 2147483647, 0, 0, 0, 0, 0), "\r\n unknown"},
        {"unknown operation", shift(At(2008, 3, 1), false, u"multiply", 1, 0, 0, 0, 0, 0, 0),
         "Internal error: uknown operation. \r\n March 01, 2008"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(toUtf8(DvDateShiftText(c.fields)), c.text);
    }
}

TEST(DateCalculatorModel, NowButtonsAndChangedShiftText) {
    dvtest::ScopedFakeClock clock({2008, 3, 5, 14, 30, 15});
    DvDateCalculatorModel calc;
    EXPECT_EQ(calc.between.startDate, clock.now());
    EXPECT_EQ(calc.shift.operation, u"add");
    EXPECT_NE(toUtf8(calc.BetweenText()).find(" 0 days\r\n"), std::string::npos);

    EXPECT_TRUE(calc.RefreshShiftText());
    EXPECT_EQ(toUtf8(calc.ShiftText()), "\r\n March 05, 2008");
    EXPECT_FALSE(calc.RefreshShiftText());
    calc.shift.days = 1;
    EXPECT_TRUE(calc.RefreshShiftText());
    EXPECT_EQ(toUtf8(calc.ShiftText()), "\r\n March 06, 2008");

    clock.advanceSeconds(2 * 86400);
    calc.BetweenEndNow();
    EXPECT_NE(toUtf8(calc.BetweenText()).find("March 07, 2008\r\n The duration is:\r\n 2 days\r\n"), std::string::npos);
    calc.ShiftStartNow();
    EXPECT_TRUE(calc.RefreshShiftText());
    EXPECT_EQ(toUtf8(calc.ShiftText()), "\r\n March 08, 2008");
}

}  // namespace
