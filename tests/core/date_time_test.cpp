#include "core/date_time.h"

#include <gtest/gtest.h>

#include "support/date_time_print.h"

using dvtest::Fields;

namespace {

using S = DvDateTimeStatus;

DvDateTime At(int y, int mo, int d, int h = 0, int mi = 0, int s = 0) { return DvDateTime::FromFields(y, mo, d, h, mi, s); }

constexpr DvDateTime kInvalid{0.0, S::Invalid};
constexpr DvDateTime kNull{0.0, S::Null};

TEST(DateTimeLinearForm, DaysBeforeDayZeroRunOnWithoutABreak) {
    struct Case { double stored, linear; };
    const Case cases[] = {
        {0.0, 0.0}, {2.5, 2.5},
        {-1.25, -0.75},  // 29 December 1899 06:00
        {-1.0, -1.0}, {-2.5, -1.5},
        {-1.75, -0.25},  // 29 December 1899 18:00
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.stored);
        EXPECT_DOUBLE_EQ(DvDateTime::ToLinear(c.stored), c.linear);
        EXPECT_DOUBLE_EQ(DvDateTime::FromLinear(c.linear), c.stored);
    }
    // The hours of day 0 may carry a minus sign; they still read forward from its midnight.
    EXPECT_DOUBLE_EQ(DvDateTime::ToLinear(-0.25), 0.25);
}

TEST(DateTimeArithmetic, AddsAndSubtractsAcrossDayZeroMonthEndsAndLeapDays) {
    struct Case { const char* what; DvDateTime from; DvDateTimeSpan span; dv::CivilTime expected; };
    const Case cases[] = {
        {"an hour on 29 Dec 1899", At(1899, 12, 29, 6), DvDateTimeSpan::FromParts(0, 1), {1899, 12, 29, 7, 0, 0}},
        {"over day 0's midnight", At(1899, 12, 29, 23), DvDateTimeSpan::FromParts(0, 2), {1899, 12, 30, 1, 0, 0}},
        {"back over day 0's midnight", At(1899, 12, 30, 1), DvDateTimeSpan::FromParts(0, -2), {1899, 12, 29, 23, 0, 0}},
        {"a year from before day 0", At(1899, 1, 1, 12), DvDateTimeSpan::FromDays(365), {1900, 1, 1, 12, 0, 0}},
        {"into a leap day", At(2024, 2, 28, 23, 30), DvDateTimeSpan::FromParts(0, 1), {2024, 2, 29, 0, 30, 0}},
        {"past February of a common year", At(2023, 2, 28, 23, 30), DvDateTimeSpan::FromParts(0, 1), {2023, 3, 1, 0, 30, 0}},
        {"30 days from 31 January", At(2008, 1, 31), DvDateTimeSpan::FromDays(30), {2008, 3, 1, 0, 0, 0}},
        {"one second to a new year", At(2024, 12, 31, 23, 59, 59), DvDateTimeSpan::FromParts(0, 0, 0, 1), {2025, 1, 1, 0, 0, 0}},
        {"a minute back over midnight", At(2024, 3, 1), DvDateTimeSpan::FromParts(0, 0, -1), {2024, 2, 29, 23, 59, 0}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const DvDateTime sum = c.from + c.span;
        EXPECT_TRUE(sum.IsValid());
        EXPECT_EQ(Fields(sum), c.expected);
        EXPECT_EQ(Fields(sum - c.span), Fields(c.from));
        EXPECT_NEAR((sum - c.from).value, c.span.value, 1e-9);
    }
}

TEST(DateTimeArithmetic, AnHourAfter29December0600IsStoredBelowMinusOneAndAQuarter) {
    DvDateTime t{-1.25, S::Valid};
    t += DvDateTimeSpan::FromParts(0, 1);
    EXPECT_NEAR(t.value, -1.2916666666666667, 1e-12);  // not -1.2083333, which reads as 05:00
}

TEST(DateTimeArithmetic, AResultBeyondTheCalendarIsInvalid) {
    EXPECT_FALSE((At(9999, 12, 31, 23) + DvDateTimeSpan::FromParts(0, 1)).IsValid());
    EXPECT_FALSE((At(100, 1, 1) - DvDateTimeSpan::FromParts(0, 0, 0, 1)).IsValid());
    EXPECT_TRUE((At(100, 1, 1, 12) - DvDateTimeSpan::FromParts(0, 12)).IsValid());
}

TEST(DateTimeSpan, LimitsAndWholeDays) {
    struct Case { double days; bool valid; int64_t whole; };
    const Case cases[] = {
        {3615897.0, true, 3615897}, {-3615897.0, true, -3615897},
        {3615897.001, false, 3615897}, {-3615898.0, false, -3615898},
        {1.99, true, 1}, {-1.99, true, -1}, {-0.5, true, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.days);
        const DvDateTimeSpan s = DvDateTimeSpan::FromDays(c.days);
        EXPECT_EQ(s.IsValid(), c.valid);
        EXPECT_EQ(s.WholeDays(), c.whole);
    }
    // The calendar is a little wider than the longest valid span.
    const DvDateTimeSpan widest = At(9999, 12, 31) - At(100, 1, 1);
    EXPECT_FALSE(widest.IsValid());
    EXPECT_EQ(widest.WholeDays(), 3615899);
    EXPECT_TRUE((At(9999, 12, 29) - At(100, 1, 1)).IsValid());
    EXPECT_FALSE((At(2024, 1, 1) - kInvalid).IsValid());
    EXPECT_FALSE((kNull - At(2024, 1, 1)).IsValid());
    EXPECT_FALSE((DvDateTimeSpan::FromDays(3615897) + DvDateTimeSpan::FromDays(1)).IsValid());
}

TEST(DateTimeSpan, DifferenceSpansDayZero) {
    EXPECT_NEAR((At(1899, 12, 30, 6) - At(1899, 12, 29, 6)).value, 1.0, 1e-12);
    EXPECT_NEAR((At(1899, 12, 29, 18) - At(1899, 12, 30, 6)).value, -0.5, 1e-12);
    EXPECT_EQ((At(2009, 3, 1) - At(2008, 3, 1)).WholeDays(), 365);
    EXPECT_EQ((At(2008, 3, 1) - At(2009, 3, 1, 12)).WholeDays(), -365);
}

TEST(DateTimeComparison, NonValidOperandsCompareFalseExceptTwoNullsAreGreaterOrEqual) {
    const DvDateTime early = At(2024, 1, 1);
    const DvDateTime late = At(2024, 1, 2);
    struct Case { const char* what; DvDateTime a, b; bool less, greater, greaterOrEqual; };
    const Case cases[] = {
        {"early vs late", early, late, true, false, false},
        {"late vs early", late, early, false, true, true},
        {"equal", early, early, false, false, true},
        // Raw doubles would order these the other way round.
        {"29 Dec 06:00 vs 29 Dec 12:00", At(1899, 12, 29, 6), At(1899, 12, 29, 12), true, false, false},
        {"29 Dec 18:00 vs 30 Dec 00:00", At(1899, 12, 29, 18), At(1899, 12, 30), true, false, false},
        {"valid vs invalid", early, kInvalid, false, false, false},
        {"invalid vs valid", kInvalid, late, false, false, false},
        {"null vs valid", kNull, late, false, false, false},
        {"valid vs null", late, kNull, false, false, false},
        {"null vs null", kNull, kNull, false, false, true},
        {"invalid vs invalid", kInvalid, kInvalid, false, false, false},
        {"null vs invalid", kNull, kInvalid, false, false, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(c.a < c.b, c.less);
        EXPECT_EQ(c.a > c.b, c.greater);
        EXPECT_EQ(c.a >= c.b, c.greaterOrEqual);
    }
}

TEST(DateTimeFields, CalendarFieldsAndDayOfWeek) {
    struct Case { DvDateTime t; int y, mo, d, dow, h, mi, s; };
    const Case cases[] = {
        {At(1899, 12, 30), 1899, 12, 30, 7, 0, 0, 0},       // day 0 was a Saturday
        {At(1899, 12, 31), 1899, 12, 31, 1, 0, 0, 0},
        {{-1.25, S::Valid}, 1899, 12, 29, 6, 6, 0, 0},
        {At(2008, 3, 5, 14, 30, 15), 2008, 3, 5, 4, 14, 30, 15},
        {At(2024, 2, 29, 23, 59, 59), 2024, 2, 29, 5, 23, 59, 59},
        {At(100, 1, 1, 12), 100, 1, 1, 6, 12, 0, 0},
        {kInvalid, -1, -1, -1, -1, -1, -1, -1},
        {kNull, -1, -1, -1, -1, -1, -1, -1},
        {{3e6, S::Valid}, -1, -1, -1, -1, -1, -1, -1},  // beyond year 9999
        {{1.0 - 0.1 / 86400, S::Valid}, 1899, 12, 31, 1, 0, 0, 0},  // rounds up into the next day
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.t));
        EXPECT_EQ(c.t.Year(), c.y);
        EXPECT_EQ(c.t.Month(), c.mo);
        EXPECT_EQ(c.t.Day(), c.d);
        EXPECT_EQ(c.t.DayOfWeek(), c.dow);
        EXPECT_EQ(c.t.Hour(), c.h);
        EXPECT_EQ(c.t.Minute(), c.mi);
        EXPECT_EQ(c.t.Second(), c.s);
    }
}

TEST(DateTimeCalendar, SameDayIgnoresTheTimeAndPairsNonValidValues) {
    struct Case { const char* what; DvDateTime a, b; bool same; };
    const Case cases[] = {
        {"morning and evening", At(2024, 3, 5, 0, 0, 1), At(2024, 3, 5, 23, 59, 59), true},
        {"either side of midnight", At(2024, 3, 5, 23, 59, 59), At(2024, 3, 6), false},
        {"same day and month, other year", At(2024, 3, 5), At(2025, 3, 5), false},
        {"two hours of 29 Dec 1899", {-1.25, S::Valid}, {-1.75, S::Valid}, true},
        {"day 0 written with a minus sign", {-0.25, S::Valid}, {0.75, S::Valid}, true},
        {"invalid and valid", kInvalid, At(2024, 3, 5), false},
        {"invalid and null", kInvalid, kNull, true},
        {"null and null", kNull, kNull, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(c.a.IsSameDay(c.b), c.same);
        EXPECT_EQ(c.b.IsSameDay(c.a), c.same);
    }
}

TEST(DateTimeCalendar, SettingDateOrTimeKeepsTheOtherPart) {
    DvDateTime t = At(2024, 3, 5, 14, 30, 15);
    t.SetDate(2024, 2, 29);
    EXPECT_EQ(t, At(2024, 2, 29, 14, 30, 15));
    t.SetDate(1899, 12, 29);  // the time stays forward from that day's midnight
    EXPECT_EQ(t, At(1899, 12, 29, 14, 30, 15));
    t.SetDate(At(2008, 3, 5, 9), true);
    EXPECT_EQ(t, At(2008, 3, 5));
    t.SetTime(23, 59, 59);
    EXPECT_EQ(t, At(2008, 3, 5, 23, 59, 59));
    t.SetTime(At(1899, 12, 29, 6, 1, 2));
    EXPECT_EQ(t, At(2008, 3, 5, 6, 1, 2));
    t.SetDate(At(1999, 12, 31, 22));
    EXPECT_EQ(t, At(1999, 12, 31, 6, 1, 2));
}

TEST(DateTimeCalendar, SettingFieldsThatFormNoDateGivesAnInvalidValue) {
    DvDateTime t = At(2023, 1, 31, 8);
    t.SetDate(2023, 2, 29);
    EXPECT_EQ(t.status, S::Invalid);
    t = At(2023, 1, 31, 8);
    t.SetTime(24, 0, 0);
    EXPECT_EQ(t.status, S::Invalid);
    t = kNull;
    t.SetTime(8, 0, 0);  // there is no date to keep
    EXPECT_EQ(t.status, S::Invalid);
    t = kNull;
    t.SetDate(2024, 1, 1, true);  // nothing of the old value is needed
    EXPECT_EQ(t, At(2024, 1, 1));
}

TEST(DateTimeCalendar, CombineTakesTheDateOfOneAndTheTimeOfTheOther) {
    EXPECT_EQ(DvDateTime::Combine(At(2024, 3, 5, 23, 59), At(1999, 1, 1, 6, 7, 8)), At(2024, 3, 5, 6, 7, 8));
    const DvDateTime before = DvDateTime::Combine(At(1899, 12, 29, 18), At(2024, 1, 1, 6));
    EXPECT_DOUBLE_EQ(before.value, -1.25);
    EXPECT_EQ(DvDateTime::Combine(kInvalid, At(2024, 1, 1)).status, S::Invalid);
    EXPECT_EQ(DvDateTime::Combine(At(2024, 1, 1), kNull).status, S::Invalid);
}

}  // namespace
