#include "schedule/repeat_rule.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <limits>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "core/item.h"

namespace {

DvDateTime At(int y, int m, int d, int h = 0, int mi = 0) { return DvDateTime::FromFields(y, m, d, h, mi); }

constexpr DvDateTime kInvalid{0.0, DvDateTimeStatus::Invalid};

// The stored rule; a null pointer or an empty optional leaves the variable out.
struct RuleVars {
    const char16_t* kind = nullptr;
    std::optional<int64_t> count;
    const char16_t* weekdays = nullptr;
    std::optional<int64_t> monthDay;
};

RuleVars Kind(const char16_t* kind) { return {kind, std::nullopt, nullptr, std::nullopt}; }
RuleVars Every(const char16_t* kind, int64_t count) { return {kind, count, nullptr, std::nullopt}; }
RuleVars Weekly(const char16_t* days, const char16_t* kind = u"weekly", std::optional<int64_t> count = {}) {
    return {kind, count, days, std::nullopt};
}
RuleVars Monthly(int64_t day, const char16_t* kind = u"monthly") { return {kind, std::nullopt, nullptr, day}; }

CDvItem Task(const DvDateTime& start, const DvDateTime& end, const RuleVars& rule, bool repeating = true) {
    CDvItem task;
    task.itemType = DV_ITEM_TASK;
    task.taskStart = start;
    task.taskEnd = end;
    if (repeating) task.vars.Set(kDvRepeatActiveVar, CDvVar::FromInt64(1));
    if (rule.kind) task.vars.Set(kDvRepeatTypeVar, CDvVar::FromString(rule.kind));
    if (rule.count) task.vars.Set(kDvRepeatCountVar, CDvVar::FromInt64(*rule.count));
    if (rule.weekdays) task.vars.Set(kDvRepeatWeekdaysVar, CDvVar::FromString(rule.weekdays));
    if (rule.monthDay) task.vars.Set(kDvRepeatMonthDayVar, CDvVar::FromInt64(*rule.monthDay));
    return task;
}

CDvItem Task(const DvDateTime& start, const RuleVars& rule) { return Task(start, start, rule); }

std::string Civil(const DvDateTime& value) {
    dv::CivilTime t;
    if (!value.ToCivil(t)) return "not valid";
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d", t.year, t.month, t.day, t.hour, t.minute,
                  t.second);
    return text;
}

struct RuleCase {
    const char* what;
    DvDateTime start;
    RuleVars rule;
    DvDateTime day;
    bool occurs;
};

}  // namespace

TEST(RepeatRule, EveryKindOnTheDaysItNamesAndNoOthers) {
    const DvDateTime thu10Jan = At(2008, 1, 10, 9, 0);
    const DvDateTime wed5Mar = At(2008, 3, 5, 18, 30);
    const DvDateTime leapDay = At(2008, 2, 29, 12, 0);
    const DvDateTime tue1Jan = At(2008, 1, 1, 7, 0);
    const DvDateTime first = At(2008, 1, 1, 8, 0);
    const RuleCase cases[] = {
        {"every 3 days: the start day", thu10Jan, Every(u"day(s)", 3), At(2008, 1, 10), true},
        {"every 3 days: 13th", thu10Jan, Every(u"day(s)", 3), At(2008, 1, 13), true},
        {"every 3 days: 16th", thu10Jan, Every(u"day(s)", 3), At(2008, 1, 16), true},
        {"every 3 days: the day before the start", thu10Jan, Every(u"day(s)", 3), At(2008, 1, 9), false},
        {"every 3 days: 11th", thu10Jan, Every(u"day(s)", 3), At(2008, 1, 11), false},
        {"the start day asked at an hour before the start", thu10Jan, Every(u"day(s)", 3), At(2008, 1, 10, 8, 0), true},
        {"the next day asked late in the evening", thu10Jan, Every(u"day(s)", 3), At(2008, 1, 13, 23, 59), true},
        {"no kind, no count: every day", thu10Jan, {}, At(2008, 1, 11), true},
        {"no kind, no count: not before the start", thu10Jan, {}, At(2007, 1, 11), false},
        {"the kind in capitals", thu10Jan, Every(u"DAY(S)", 2), At(2008, 1, 12), true},

        {"every 2 weeks from Wednesday 5 March: 5th", wed5Mar, Every(u"week(s)", 2), At(2008, 3, 5), true},
        {"every 2 weeks: 19th", wed5Mar, Every(u"week(s)", 2), At(2008, 3, 19), true},
        {"every 2 weeks: 12th", wed5Mar, Every(u"week(s)", 2), At(2008, 3, 12), false},
        {"every 2 weeks: 26th", wed5Mar, Every(u"week(s)", 2), At(2008, 3, 26), false},
        {"every 2 weeks: 2 April", wed5Mar, Every(u"week(s)", 2), At(2008, 4, 2), true},
        {"every 2 weeks: a Thursday", wed5Mar, Every(u"week(s)", 2), At(2008, 3, 20), false},

        {"yearly from 29 February: next leap year", leapDay, Every(u"year(s)", 1), At(2012, 2, 29), true},
        {"yearly from 29 February: 28 February", leapDay, Every(u"year(s)", 1), At(2009, 2, 28), false},
        {"yearly from 29 February: 1 March", leapDay, Every(u"year(s)", 1), At(2009, 3, 1), false},
        {"every 2 years from 15 June: 2010", At(2008, 6, 15), Every(u"year(s)", 2), At(2010, 6, 15), true},
        {"every 2 years from 15 June: 2009", At(2008, 6, 15), Every(u"year(s)", 2), At(2009, 6, 15), false},
        {"every 2 years: same day, other month", At(2008, 6, 15), Every(u"year(s)", 2), At(2010, 7, 15), false},
        {"every 2 years: two years before", At(2008, 6, 15), Every(u"year(s)", 2), At(2006, 6, 15), false},

        {"weekly mon,wed,fri: the start, a Tuesday", tue1Jan, Weekly(u"mon,wed,fri,"), At(2008, 1, 1), false},
        {"weekly mon,wed,fri: Wednesday", tue1Jan, Weekly(u"mon,wed,fri,"), At(2008, 1, 2), true},
        {"weekly mon,wed,fri: Thursday", tue1Jan, Weekly(u"mon,wed,fri,"), At(2008, 1, 3), false},
        {"weekly mon,wed,fri: Friday", tue1Jan, Weekly(u"mon,wed,fri,"), At(2008, 1, 4), true},
        {"weekly mon,wed,fri: Sunday", tue1Jan, Weekly(u"mon,wed,fri,"), At(2008, 1, 6), false},
        {"weekly mon,wed,fri: Monday", tue1Jan, Weekly(u"mon,wed,fri,"), At(2008, 1, 7), true},
        {"weekly: a Monday before the start", tue1Jan, Weekly(u"mon,wed,fri,"), At(2007, 12, 31), false},
        {"weekly sun,sat: Saturday", tue1Jan, Weekly(u"sun,sat,", u"Weekly"), At(2008, 1, 5), true},
        {"weekly sun,sat: Sunday", tue1Jan, Weekly(u"sun,sat,", u"Weekly"), At(2008, 1, 6), true},
        {"weekly sat: 30 December 1899", At(1899, 12, 1), Weekly(u"sat,"), At(1899, 12, 30), true},
        {"weekly sat: 29 December 1899", At(1899, 12, 1), Weekly(u"sat,"), At(1899, 12, 29), false},
        {"weekly sun: 24 December 1899", At(1899, 12, 1), Weekly(u"sun,"), At(1899, 12, 24), true},
        // Tokens are found as stored, letter case included; the dialog always writes lower case.
        {"weekly Mon,WED,fri: Monday", tue1Jan, Weekly(u"Mon,WED,fri,"), At(2008, 1, 7), false},
        {"weekly Mon,WED,fri: Wednesday", tue1Jan, Weekly(u"Mon,WED,fri,"), At(2008, 1, 2), false},
        {"weekly Mon,WED,fri: Friday", tue1Jan, Weekly(u"Mon,WED,fri,"), At(2008, 1, 4), true},
        {"weekly with no day: not even the start day", At(2008, 1, 2), Weekly(u""), At(2008, 1, 2), false},
        {"weekly without the list", tue1Jan, Kind(u"weekly"), At(2008, 1, 2), false},
        {"weekly ignores a count of 0", tue1Jan, Weekly(u"wed,", u"weekly", 0), At(2008, 1, 2), true},

        {"monthly 31: January", first, Monthly(31), At(2008, 1, 31), true},
        {"monthly 31: leap February's last day", first, Monthly(31), At(2008, 2, 29), false},
        {"monthly 31: 1 March", first, Monthly(31), At(2008, 3, 1), false},
        {"monthly 31: March", first, Monthly(31), At(2008, 3, 31), true},
        {"monthly 31: April's last day", first, Monthly(31), At(2008, 4, 30), false},
        {"monthly 31: 1 May", first, Monthly(31), At(2008, 5, 1), false},
        {"monthly 29: leap February", first, Monthly(29), At(2008, 2, 29), true},
        {"monthly 29: short February's last day", first, Monthly(29), At(2009, 2, 28), false},
        {"monthly 29: 1 March after a short February", first, Monthly(29), At(2009, 3, 1), false},
        {"monthly without a day: the 1st", first, Kind(u"monthly"), At(2008, 2, 1), true},
        {"monthly without a day: the 2nd", first, Kind(u"monthly"), At(2008, 2, 2), false},
        {"monthly 10 from the 15th: that month", At(2008, 1, 15), Monthly(10, u"MONTHLY"), At(2008, 1, 10), false},
        {"monthly 10 from the 15th: next month", At(2008, 1, 15), Monthly(10, u"MONTHLY"), At(2008, 2, 10), true},
        {"monthly 0", first, Monthly(0), At(2008, 1, 31), false},
        {"monthly 32", first, Monthly(32), At(2008, 2, 1), false},

        {"none: not even the start day", thu10Jan, Kind(u"none"), At(2008, 1, 10), false},
        {"NoNe: not even the start day", thu10Jan, Kind(u"NoNe"), At(2008, 1, 10), false},
        {"an unknown kind", thu10Jan, Every(u"fortnightly", 1), At(2008, 1, 10), false},
        {"an empty kind", thu10Jan, Every(u"", 1), At(2008, 1, 10), false},

        // Counts that the dialog cannot produce must neither crash nor loop.
        {"0 days: the start day", thu10Jan, Every(u"day(s)", 0), At(2008, 1, 10), true},
        {"0 days: the next day", thu10Jan, Every(u"day(s)", 0), At(2008, 1, 11), false},
        {"0 weeks: the start day", thu10Jan, Every(u"week(s)", 0), At(2008, 1, 10), true},
        {"0 weeks: a week on", thu10Jan, Every(u"week(s)", 0), At(2008, 1, 17), false},
        {"0 years: the start day", thu10Jan, Every(u"year(s)", 0), At(2008, 1, 10), true},
        {"0 years: a year on", thu10Jan, Every(u"year(s)", 0), At(2009, 1, 10), false},
        {"-2 days: 2 days on", thu10Jan, Every(u"day(s)", -2), At(2008, 1, 12), true},
        {"-2 days: the next day", thu10Jan, Every(u"day(s)", -2), At(2008, 1, 11), false},
        {"-1 weeks: a week on", thu10Jan, Every(u"week(s)", -1), At(2008, 1, 17), true},
        {"-3 years: 3 years on", thu10Jan, Every(u"year(s)", -3), At(2011, 1, 10), true},
        {"-3 years: 1 year on", thu10Jan, Every(u"year(s)", -3), At(2009, 1, 10), false},
        {"lowest 32-bit count of weeks: the start day", thu10Jan,
         Every(u"week(s)", std::numeric_limits<int32_t>::min()), At(2008, 1, 10), true},
        {"lowest 32-bit count of weeks: a week on", thu10Jan,
         Every(u"week(s)", std::numeric_limits<int32_t>::min()), At(2008, 1, 17), false},
        {"count 2^32 + 3 is 3 days: 3 on", thu10Jan, Every(u"day(s)", (int64_t{1} << 32) + 3), At(2008, 1, 13), true},
        {"count 2^32 + 3 is 3 days: 1 on", thu10Jan, Every(u"day(s)", (int64_t{1} << 32) + 3), At(2008, 1, 11), false},
        {"count 2^32 is 0: the next day", thu10Jan, Every(u"day(s)", int64_t{1} << 32), At(2008, 1, 11), false},
        {"count 2^32 - 1 is -1: every day", thu10Jan, Every(u"day(s)", 0xFFFFFFFFLL), At(2008, 1, 11), true},

        {"a start that is not valid", kInvalid, Every(u"day(s)", 1), At(2008, 1, 11), false},
        {"a day that is not valid", thu10Jan, Every(u"day(s)", 1), kInvalid, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const CDvItem task = Task(c.start, c.rule);
        EXPECT_EQ(DvOccursOnRepeatDay(task, c.day), c.occurs);
        EXPECT_EQ(DvOccursOnDay(task, c.day, true), c.occurs);
    }
}

TEST(RepeatRule, RepeatsOnlyWhenTheActiveVariableHoldsTheNumberOne) {
    struct Case {
        const char* what;
        std::optional<CDvVar> active;
        bool repeating;
    };
    const Case cases[] = {
        {"absent", std::nullopt, false},
        {"int64 1", CDvVar::FromInt64(1), true},
        {"int64 0", CDvVar::FromInt64(0), false},
        {"int64 2", CDvVar::FromInt64(2), false},
        {"int64 2^32 + 1", CDvVar::FromInt64((int64_t{1} << 32) + 1), false},
        {"text 1", CDvVar::FromString(u"1"), false},
        {"double 1", CDvVar::FromDouble(1.0), false},
        {"bool 1", CDvVar::FromBool(1), false},
    };
    const DvDateTime start = At(2008, 1, 10, 9, 0);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        CDvItem task = Task(start, start, Every(u"day(s)", 1), /*repeating=*/false);
        if (c.active) task.vars.Set(u"TASK_REPEATING_N_ACTIVE", *c.active);
        EXPECT_EQ(DvIsRepeating(task), c.repeating);
        EXPECT_EQ(DvOccursOnRepeatDay(task, At(2008, 1, 11)), c.repeating);
    }
}

TEST(RepeatRule, ARuleReaderAgreesWithReadingEachTaskAlone) {
    struct Var {
        const char16_t* name;
        CDvVar value;
    };
    struct Case {
        const char* what;
        std::vector<Var> vars;  // in stored order; a repeated name is stored twice
    };
    const CDvVar one = CDvVar::FromInt64(1);
    const Case cases[] = {
        {"no variables", {}},
        {"weekly", {{u"task_repeating_n_active", one}, {u"task_repeating_s_type", CDvVar::FromString(u"weekly")},
                    {u"task_repeating_s_weekdays", CDvVar::FromString(u"mon,fri,")}}},
        {"names in other cases", {{u"Estimate", CDvVar::FromInt64(7)}, {u"TASK_Repeating_N_Active", one},
                                  {u"Task_Repeating_S_Type", CDvVar::FromString(u"MONTHLY")},
                                  {u"TASK_REPEATING_N_MONTHDAY", CDvVar::FromInt64(31)}}},
        {"switched off", {{u"task_repeating_n_active", CDvVar::FromInt64(0)}, {u"Estimate", one}}},
        {"the number one as text", {{u"task_repeating_n_active", CDvVar::FromString(u"1")}}},
        {"a one elsewhere only", {{u"Estimate", one}, {u"task_repeating_s_type", CDvVar::FromString(u"day(s)")}}},
        {"the first of two active variables wins",
         {{u"task_repeating_n_active", CDvVar::FromInt64(0)}, {u"task_repeating_n_active", one}}},
        {"the first of two types wins", {{u"task_repeating_n_active", one},
                                         {u"task_repeating_s_type", CDvVar::FromString(u"week(s)")},
                                         {u"TASK_REPEATING_S_TYPE", CDvVar::FromString(u"weekly")}}},
        {"count beyond 32 bits and an unknown kind",
         {{u"task_repeating_n_active", one}, {u"task_repeating_s_type", CDvVar::FromString(u"fortnightly")},
          {u"task_repeating_n_count", CDvVar::FromInt64((int64_t{1} << 32) - 3)}}},
    };
    DvRepeatRuleReader reader;  // one for every task, as a pass over a document uses it
    for (int pass = 0; pass < 2; ++pass) {
        for (const auto& c : cases) {
            SCOPED_TRACE(std::string(c.what) + (pass ? ", names known" : ""));
            CDvItem task;
            for (const auto& v : c.vars) task.vars.Set(v.name, v.value, /*forceAppend=*/true);
            const std::optional<DvRepeatRule> rule = reader.RuleOf(task);
            ASSERT_EQ(rule.has_value(), DvIsRepeating(task));
            if (rule) {
                EXPECT_EQ(*rule, DvRepeatRule::Read(task.vars));
            }
        }
    }
}

TEST(CalendarDay, DayNumbersAndWeekdaysAroundDayZeroAndAtMidnight) {
    struct Case {
        const char* what;
        DvDateTime value;
        long long number;
        int dayOfWeek;
    };
    const Case cases[] = {
        {"day 0 is a Saturday", DvDateTime{0.0}, 0, 7},
        {"29 December 1899 06:00", DvDateTime{-1.25}, -1, 6},
        {"24 December 1899, a Sunday", At(1899, 12, 24, 12, 0), -6, 1},
        {"Wednesday 5 March 2008, evening", At(2008, 3, 5, 18, 0), 39512, 4},
        {"half a second before midnight rounds into the next day", DvDateTime{39512.0 - 0.4 / 86400}, 39512, 4},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const auto day = DvCalendarDay::Of(c.value);
        ASSERT_TRUE(day.has_value());
        EXPECT_EQ(day->number, c.number);
        EXPECT_EQ(day->dayOfWeek, c.dayOfWeek);
        EXPECT_EQ(day->dayOfWeek, c.value.DayOfWeek());
    }
    EXPECT_FALSE(DvCalendarDay::Of(kInvalid).has_value());
}

TEST(RepeatRule, ATaskThatDoesNotRepeatOccursOnItsStartDayOnly) {
    // Lasting three days and carrying a daily rule that is switched off.
    CDvItem task = Task(At(2008, 1, 10, 9, 0), At(2008, 1, 13, 10, 0), Every(u"day(s)", 1), /*repeating=*/false);
    task.vars.Set(kDvRepeatActiveVar, CDvVar::FromInt64(0));
    EXPECT_TRUE(DvOccursOnDay(task, At(2008, 1, 10, 23, 59), true));
    EXPECT_TRUE(DvOccursOnDay(task, At(2008, 1, 10), false));
    EXPECT_FALSE(DvOccursOnDay(task, At(2008, 1, 11), true));
    EXPECT_FALSE(DvOccursOnDay(task, At(2008, 1, 13), true));
    EXPECT_FALSE(DvOccursOnDay(task, At(2007, 1, 10), true));
    EXPECT_FALSE(DvOccursOnRepeatDay(task, At(2008, 1, 10)));
}

TEST(RepeatRule, LeavingOutRepeatsHidesARepeatingTaskEvenOnItsStartDay) {
    const CDvItem task = Task(At(2008, 1, 10, 9, 0), Every(u"day(s)", 1));
    EXPECT_FALSE(DvOccursOnDay(task, At(2008, 1, 10), false));
    EXPECT_FALSE(DvOccursOnDay(task, At(2008, 1, 11), false));
    EXPECT_TRUE(DvOccursOnDay(task, At(2008, 1, 11), true));
}

TEST(RepeatRule, OccurrenceTimesKeepTheTimeOfDayAndTheLength) {
    struct Case {
        const char* what;
        DvDateTime start, end;
        bool repeating;
        DvDateTime day;
        bool adjust;
        DvDateTime wantStart, wantEnd;
    };
    const DvDateTime lateStart = At(2008, 1, 10, 23, 0);
    const DvDateTime lateEnd = At(2008, 1, 11, 1, 30);
    const Case cases[] = {
        {"not adjusted: as stored", lateStart, lateEnd, true, At(2008, 1, 12), false, lateStart, lateEnd},
        {"not repeating: as stored", lateStart, lateEnd, false, At(2008, 1, 12), true, lateStart, lateEnd},
        {"past midnight: ends the next day", lateStart, lateEnd, true, At(2008, 1, 12, 15, 0), true,
         At(2008, 1, 12, 23, 0), At(2008, 1, 13, 1, 30)},
        {"past midnight at a month end", lateStart, lateEnd, true, At(2008, 1, 31), true, At(2008, 1, 31, 23, 0),
         At(2008, 2, 1, 1, 30)},
        {"past midnight into a leap day", lateStart, lateEnd, true, At(2008, 2, 28), true, At(2008, 2, 28, 23, 0),
         At(2008, 2, 29, 1, 30)},
        {"past midnight at a year end", lateStart, lateEnd, true, At(2008, 12, 31), true, At(2008, 12, 31, 23, 0),
         At(2009, 1, 1, 1, 30)},
        // Before day 0 the stored fraction runs forward from midnight; adding to it as it stands
        // would end the occurrence at 21:00 the same day.
        {"past midnight into day 0", At(1899, 12, 28, 23, 0), At(1899, 12, 29, 1, 0), true, At(1899, 12, 29), true,
         At(1899, 12, 29, 23, 0), At(1899, 12, 30, 1, 0)},
        {"a day that is not valid: as stored", lateStart, lateEnd, true, kInvalid, true, lateStart, lateEnd},
        {"an end that is not valid stays so", lateStart, kInvalid, true, At(2008, 1, 12), true,
         At(2008, 1, 12, 23, 0), kInvalid},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const CDvItem task = Task(c.start, c.end, Every(u"day(s)", 1), c.repeating);
        const DvOccurrence got = DvOccurrenceTimes(task, c.day, c.adjust);
        EXPECT_EQ(Civil(got.start), Civil(c.wantStart));
        EXPECT_EQ(Civil(got.end), Civil(c.wantEnd));
    }
}

TEST(RepeatSummary, DescribesTheStoredRule) {
    struct Case {
        const char* what;
        bool ticked;
        RuleVars rule;
        std::u16string_view summary;
    };
    const Case cases[] = {
        {"box not ticked", false, Every(u"week(s)", 2), u""},
        {"nothing stored", true, {}, u"Repeating: active. Every 1 day(s)..."},
        {"every 2 weeks", true, Every(u"week(s)", 2), u"Repeating: active. Every 2 week(s)..."},
        {"kind in capitals", true, Every(u"YEAR(S)", 3), u"Repeating: active. Every 3 year(s)..."},
        {"count beyond 32 bits", true, Every(u"day(s)", (int64_t{1} << 32) + 5), u"Repeating: active. Every 5 day(s)..."},
        {"none", true, Every(u"None", 2), u""},
        {"unknown kind", true, Every(u"fortnightly", 2), u""},
        {"weekly", true, Weekly(u"mon,wed,fri,"), u"Repeating: active. Weekly (mon,wed,fri)."},
        {"weekly with no day", true, Weekly(u""), u"Repeating: active. Weekly ()."},
        {"weekly with trailing blanks", true, Weekly(u"mon, tue, , "), u"Repeating: active. Weekly (mon, tue)."},
        {"monthly", true, Monthly(15), u"Repeating: active. Every 15 day of month."},
        {"monthly without a day", true, Kind(u"monthly"), u"Repeating: active. Every 1 day of month."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const CDvItem task = Task(At(2008, 1, 10), c.rule);
        EXPECT_EQ(DvRepeatSummary(c.ticked, task.vars), c.summary);
    }
}

TEST(TaskDialogRepeat, OkWritesTheActiveNumberAndTheAutoRemoveFlag) {
    CDvItem task;
    task.flags = DV_ITEM_FLAG_DEADLINE;
    DvApplyTaskRepeatChoices(task, true, true);
    EXPECT_EQ(*task.vars.Get(kDvRepeatActiveVar), CDvVar::FromInt64(1));
    EXPECT_EQ(task.flags, DV_ITEM_FLAG_DEADLINE | DV_ITEM_FLAG_TEMPORARY);
    DvApplyTaskRepeatChoices(task, false, false);
    EXPECT_EQ(*task.vars.Get(kDvRepeatActiveVar), CDvVar::FromInt64(0));
    EXPECT_EQ(task.flags, DV_ITEM_FLAG_DEADLINE);
}
