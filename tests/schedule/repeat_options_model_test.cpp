#include "schedule/repeat_options_model.h"

#include <gtest/gtest.h>

#include "core/var.h"
#include "support/scripted_ui.h"

namespace {

using Days = std::array<bool, 7>;  // Monday first

CDvVarSet Vars(std::initializer_list<std::pair<std::u16string_view, CDvVar>> entries) {
    CDvVarSet vars;
    for (const auto& [name, value] : entries) vars.Set(name, value);
    return vars;
}

CDvVar Text(const char16_t* t) { return CDvVar::FromString(t); }
CDvVar Number(int64_t n) { return CDvVar::FromInt64(n); }

}  // namespace

TEST(RepeatOptionsDlg, OpensOnTheStoredRule) {
    struct Case {
        const char* what;
        CDvVarSet vars;
        DvRepeatMode mode;
        DvRepeatKind unit;
        std::u16string_view count;
        Days days;
        std::u16string_view monthDay;
    };
    const Case cases[] = {
        {"nothing stored", {}, DvRepeatMode::Every, DvRepeatKind::Days, u"1", {}, u"1"},
        {"every 3 weeks", Vars({{kDvRepeatTypeVar, Text(u"week(s)")}, {kDvRepeatCountVar, Number(3)}}),
         DvRepeatMode::Every, DvRepeatKind::Weeks, u"3", {}, u"1"},
        {"years in capitals, no count", Vars({{kDvRepeatTypeVar, Text(u"YEAR(S)")}}), DvRepeatMode::Every,
         DvRepeatKind::Years, u"1", {}, u"1"},
        {"none counts as days", Vars({{kDvRepeatTypeVar, Text(u"None")}, {kDvRepeatCountVar, Number(5)}}),
         DvRepeatMode::Every, DvRepeatKind::Days, u"5", {}, u"1"},
        {"weekly ticks the listed days",
         Vars({{kDvRepeatTypeVar, Text(u"weekly")}, {kDvRepeatWeekdaysVar, Text(u"mon,fri,sun,")},
               {kDvRepeatCountVar, Number(4)}}),
         DvRepeatMode::Weekly, DvRepeatKind::Days, u"1", {true, false, false, false, true, false, true}, u"1"},
        {"monthly on the 15th", Vars({{kDvRepeatTypeVar, Text(u"monthly")}, {kDvRepeatMonthDayVar, Number(15)}}),
         DvRepeatMode::Monthly, DvRepeatKind::Days, u"1", {}, u"15"},
        {"monthly without a day", Vars({{kDvRepeatTypeVar, Text(u"monthly")}}), DvRepeatMode::Monthly,
         DvRepeatKind::Days, u"1", {}, u"1"},
        {"an unknown kind chooses no mode", Vars({{kDvRepeatTypeVar, Text(u"fortnightly")}}),
         DvRepeatMode::NotChosen, DvRepeatKind::Days, u"1", {}, u"1"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const CDvEditTaskRecursiveDlgModel dlg(c.vars);
        EXPECT_EQ(dlg.mode, c.mode);
        EXPECT_EQ(dlg.unit, c.unit);
        EXPECT_EQ(dlg.countText, c.count);
        EXPECT_EQ(dlg.weekdays, c.days);
        EXPECT_EQ(dlg.monthDayText, c.monthDay);
        EXPECT_TRUE(dlg.IsEnabled(c.mode));
        EXPECT_EQ(dlg.IsEnabled(DvRepeatMode::Weekly), c.mode == DvRepeatMode::Weekly);
    }
}

TEST(RepeatOptionsDlg, OkWritesOnlyTheChosenModesVariables) {
    ScriptedUi ui;
    const CDvVarSet before = Vars({{kDvRepeatTypeVar, Text(u"monthly")},
                                   {kDvRepeatCountVar, Number(9)},
                                   {kDvRepeatWeekdaysVar, Text(u"sat,")},
                                   {kDvRepeatMonthDayVar, Number(20)}});
    {
        SCOPED_TRACE("every -4 years");
        CDvVarSet vars = before;
        CDvEditTaskRecursiveDlgModel dlg(vars);
        dlg.mode = DvRepeatMode::Every;
        dlg.unit = DvRepeatKind::Years;
        dlg.countText = u"-4";
        EXPECT_TRUE(dlg.Ok(vars));
        EXPECT_EQ(vars.GetText(kDvRepeatTypeVar), u"year(s)");
        EXPECT_EQ(*vars.Get(kDvRepeatCountVar), Number(-4));
        EXPECT_EQ(vars.GetText(kDvRepeatWeekdaysVar), u"sat,");
        EXPECT_EQ(*vars.Get(kDvRepeatMonthDayVar), Number(20));
    }
    {
        SCOPED_TRACE("weekly Tuesday and Sunday");
        CDvVarSet vars = before;
        CDvEditTaskRecursiveDlgModel dlg(vars);
        dlg.mode = DvRepeatMode::Weekly;
        dlg.weekdays = {false, true, false, false, false, false, true};
        EXPECT_TRUE(dlg.Ok(vars));
        EXPECT_EQ(vars.GetText(kDvRepeatTypeVar), u"weekly");
        EXPECT_EQ(vars.GetText(kDvRepeatWeekdaysVar), u"tue,sun,");
        EXPECT_EQ(*vars.Get(kDvRepeatCountVar), Number(9));
    }
    {
        SCOPED_TRACE("weekly with no day");
        CDvVarSet vars = before;
        CDvEditTaskRecursiveDlgModel dlg(vars);
        dlg.mode = DvRepeatMode::Weekly;
        dlg.weekdays = {};
        EXPECT_TRUE(dlg.Ok(vars));
        EXPECT_EQ(vars.GetText(kDvRepeatWeekdaysVar), u"");
    }
    {
        SCOPED_TRACE("monthly on the 31st, into an empty set");
        CDvVarSet vars;
        CDvEditTaskRecursiveDlgModel dlg(vars);
        dlg.mode = DvRepeatMode::Monthly;
        dlg.monthDayText = u"31";
        EXPECT_TRUE(dlg.Ok(vars));
        EXPECT_EQ(vars.GetText(kDvRepeatTypeVar), u"monthly");
        EXPECT_EQ(*vars.Get(kDvRepeatMonthDayVar), Number(31));
        EXPECT_EQ(vars.Get(kDvRepeatCountVar), nullptr);
    }
    EXPECT_TRUE(ui.messages.empty()) << testing::PrintToString(ui.messagesUtf8());
}

TEST(RepeatOptionsDlg, WhatOkWritesOpensTheSame) {
    CDvVarSet vars;
    CDvEditTaskRecursiveDlgModel dlg(vars);
    dlg.mode = DvRepeatMode::Weekly;
    dlg.weekdays = {true, false, true, false, true, true, false};
    ASSERT_TRUE(dlg.Ok(vars));
    const CDvEditTaskRecursiveDlgModel reopened(vars);
    EXPECT_EQ(reopened.mode, DvRepeatMode::Weekly);
    EXPECT_EQ(reopened.weekdays, dlg.weekdays);
}

TEST(RepeatOptionsDlg, RefusesACountOfZeroAndAMonthDayOutsideTheMonth) {
    struct Case {
        const char* what;
        DvRepeatMode mode;
        DvRepeatKind unit;
        std::u16string count, monthDay;
        std::u16string_view message;  // empty: accepted
    };
    const Case cases[] = {
        {"every 0 days", DvRepeatMode::Every, DvRepeatKind::Days, u"0", u"1", u"Every 0 day(s)\r\nI can't do that."},
        {"every 0 weeks", DvRepeatMode::Every, DvRepeatKind::Weeks, u"0", u"1", u"Every 0 week(s)\r\nI can't do that."},
        {"a count that is no number", DvRepeatMode::Every, DvRepeatKind::Years, u"abc", u"1",
         u"Every 0 year(s)\r\nI can't do that."},
        {"every 1000 days", DvRepeatMode::Every, DvRepeatKind::Days, u"1000", u"1", u""},
        {"day 0", DvRepeatMode::Monthly, DvRepeatKind::Days, u"1", u"0", u"Error in \"day of month\""},
        {"day 32", DvRepeatMode::Monthly, DvRepeatKind::Days, u"1", u"32", u"Error in \"day of month\""},
        {"day -1", DvRepeatMode::Monthly, DvRepeatKind::Days, u"1", u"-1", u"Error in \"day of month\""},
        {"day 1", DvRepeatMode::Monthly, DvRepeatKind::Days, u"1", u"1", u""},
        // The other mode's field is not checked.
        {"monthly ignores a count of 0", DvRepeatMode::Monthly, DvRepeatKind::Days, u"0", u"31", u""},
        {"every ignores day 40", DvRepeatMode::Every, DvRepeatKind::Days, u"2", u"40", u""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        ScriptedUi ui;
        const CDvVarSet before = Vars({{kDvRepeatTypeVar, Text(u"weekly")}, {kDvRepeatWeekdaysVar, Text(u"mon,")}});
        CDvVarSet vars = before;
        CDvEditTaskRecursiveDlgModel dlg(vars);
        dlg.mode = c.mode;
        dlg.unit = c.unit;
        dlg.countText = c.count;
        dlg.monthDayText = c.monthDay;
        const bool accepted = c.message.empty();
        EXPECT_EQ(dlg.Ok(vars), accepted);
        if (accepted) {
            EXPECT_TRUE(ui.messages.empty());
        } else {
            EXPECT_EQ(ui.messages, std::vector<std::u16string>{std::u16string(c.message)});
            EXPECT_EQ(vars, before);  // a refused OK writes nothing
        }
    }
}
