#include "schedule/task_time_rules.h"

#include <gtest/gtest.h>

#include "core/item.h"
#include "support/date_time_print.h"
#include "support/scoped_clock.h"
#include "support/scripted_ui.h"

using dvtest::Fields;

namespace {

DvDateTime At(int y, int mo, int d, int h = 0, int mi = 0, int s = 0) { return DvDateTime::FromFields(y, mo, d, h, mi, s); }

constexpr dv::CivilTime kNow{2024, 3, 5, 10, 20, 30};
const DvDateTime kUnset{0.0, DvDateTimeStatus::Valid};

TEST(TaskTimeRules, ANewTaskStartsUnsetTimesAtNow) {
    dvtest::ScopedFakeClock clock(kNow);
    const DvTaskTimeRules fresh(kUnset, At(1899, 12, 31, 9), true);
    EXPECT_EQ(fresh.Start(), clock.now());
    EXPECT_EQ(fresh.End(), clock.now());

    const DvTaskTimeRules planned(At(2024, 4, 1, 9), At(2024, 4, 1, 10), true);
    EXPECT_EQ(planned.Start(), At(2024, 4, 1, 9));
    EXPECT_EQ(planned.End(), At(2024, 4, 1, 10));

    const DvTaskTimeRules existing(kUnset, kUnset, false);  // only a new task is filled in
    EXPECT_EQ(existing.Start(), kUnset);
    EXPECT_EQ(existing.End(), kUnset);
}

enum class Field { StartDate, StartTime, EndDate, EndTime };

TEST(TaskTimeRules, AnEndBeforeTheStartMovesAfterIt) {
    struct Case {
        const char* what;
        bool newTask;
        Field field;
        DvDateTime edit;
        dv::CivilTime end;
        bool moved;
        int beeps;
    };
    // Every case opens on 5 March 09:00-11:30.
    const Case cases[] = {
        {"new: start date past the end", true, Field::StartDate, At(2024, 3, 6), {2024, 3, 6, 9, 15, 0}, true, 0},
        {"new: start time past the end", true, Field::StartTime, At(2000, 1, 1, 23, 50), {2024, 3, 6, 0, 5, 0}, true, 0},
        {"new: end time before the start", true, Field::EndTime, At(2024, 3, 5, 8), {2024, 3, 5, 9, 15, 0}, true, 1},
        {"new: end date before the start", true, Field::EndDate, At(2024, 3, 4), {2024, 3, 5, 9, 15, 0}, true, 1},
        {"existing: start date past the end", false, Field::StartDate, At(2024, 3, 7), {2024, 3, 7, 11, 30, 0}, true, 0},
        {"existing: end time before the start", false, Field::EndTime, At(2024, 3, 5, 8), {2024, 3, 5, 11, 30, 0}, true, 1},
        {"end equal to the start stays", true, Field::EndTime, At(2024, 3, 5, 9), {2024, 3, 5, 9, 0, 0}, false, 0},
        {"start moved earlier leaves the end", false, Field::StartTime, At(2024, 3, 5, 7), {2024, 3, 5, 11, 30, 0}, false, 0},
        {"end moved later stays", true, Field::EndDate, At(2024, 3, 9), {2024, 3, 9, 11, 30, 0}, false, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        dvtest::ScopedFakeClock clock(kNow);
        ScriptedUi ui;
        DvTaskTimeRules rules(At(2024, 3, 5, 9), At(2024, 3, 5, 11, 30), c.newTask);
        switch (c.field) {
            case Field::StartDate: rules.SetStartDate(c.edit); break;
            case Field::StartTime: rules.SetStartTime(c.edit); break;
            case Field::EndDate: rules.SetEndDate(c.edit); break;
            case Field::EndTime: rules.SetEndTime(c.edit); break;
        }
        EXPECT_EQ(Fields(rules.End()), c.end);
        if (c.moved) {
            EXPECT_EQ(rules.EndDate(), rules.EndTime()) << "both end fields show the moved end";
        }
        EXPECT_EQ(ui.beeps, c.beeps);
    }
}

TEST(TaskTimeRules, QuickTimeMenusBesideStartAndEnd) {
    dvtest::ScopedFakeClock clock(kNow);
    ScriptedUi ui;
    DvTaskTimeRules rules(At(2024, 3, 5, 9), At(2024, 3, 5, 11), false);

    // The end's menu counts from the current start.
    EXPECT_TRUE(rules.ChooseEnd(rules.EndMenu().Choose(1)));  // 3 minutes
    EXPECT_EQ(Fields(rules.End()), (dv::CivilTime{2024, 3, 5, 9, 3, 0}));
    EXPECT_EQ(ui.beeps, 0);

    // "Today at 00:00" lies before the start: the end takes the remembered two hours back.
    EXPECT_TRUE(rules.ChooseEnd(rules.EndMenu().Choose(68)));
    EXPECT_EQ(Fields(rules.End()), (dv::CivilTime{2024, 3, 5, 11, 0, 0}));
    EXPECT_EQ(ui.beeps, 1);

    // The start's menu counts from now; a start past the end drags the end along, silently.
    EXPECT_TRUE(rules.ChooseStart(rules.StartMenu().Choose(14 + 5)));  // 5 hours
    EXPECT_EQ(Fields(rules.Start()), (dv::CivilTime{2024, 3, 5, 15, 20, 30}));
    EXPECT_EQ(Fields(rules.End()), (dv::CivilTime{2024, 3, 5, 17, 20, 30}));
    EXPECT_EQ(ui.beeps, 1);

    EXPECT_FALSE(rules.ChooseStart(rules.StartMenu().Choose(-1)));
    EXPECT_FALSE(rules.ChooseEnd(rules.EndMenu().Choose(500)));
    EXPECT_EQ(Fields(rules.Start()), (dv::CivilTime{2024, 3, 5, 15, 20, 30}));
    EXPECT_EQ(Fields(rules.End()), (dv::CivilTime{2024, 3, 5, 17, 20, 30}));
    EXPECT_EQ(ui.messagesUtf8(), std::vector<std::string>{"err#17ds4"});
}

TEST(TodoDeadlineRules, UnsetEndBecomesNowForNewTodosAndThoseWithADeadline) {
    dvtest::ScopedFakeClock clock(kNow);
    struct Case { const char* what; bool hasDeadline, newTodo; DvDateTime end, expected; };
    const Case cases[] = {
        {"new", false, true, kUnset, clock.now()},
        {"existing with a deadline", true, false, kUnset, clock.now()},
        {"existing without a deadline", false, false, kUnset, kUnset},
        {"set end kept", true, true, At(2024, 5, 1, 17), At(2024, 5, 1, 17)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const DvTodoDeadlineRules rules(c.end, c.hasDeadline, c.newTodo);
        EXPECT_EQ(rules.End(), c.expected);
        EXPECT_EQ(rules.FieldsEnabled(), c.hasDeadline);
    }
}

TEST(TodoDeadlineRules, FieldsChangeOnlyWhileTheBoxIsTicked) {
    dvtest::ScopedFakeClock clock(kNow);
    CDvItem todo;
    todo.taskEnd = At(2024, 5, 1, 17);
    DvTodoDeadlineRules rules = DvTodoDeadlineRules::ForItem(todo, false);
    EXPECT_FALSE(rules.Deadline());

    rules.SetEndDate(At(2024, 6, 1));
    EXPECT_FALSE(rules.Choose(rules.Menu().Choose(0)));
    EXPECT_EQ(rules.End(), At(2024, 5, 1, 17));

    rules.SetDeadline(true);
    rules.SetEndDate(At(2024, 6, 1));
    EXPECT_EQ(rules.End(), At(2024, 6, 1, 17));
    EXPECT_TRUE(rules.Choose(rules.Menu().Choose(38 + 2)));  // in 2 days, from now
    EXPECT_EQ(rules.End(), At(2024, 3, 7, 10, 20, 30));
    rules.SetEndTime(At(1999, 1, 1, 8));
    rules.WriteTo(todo);
    EXPECT_NE(todo.flags & DV_ITEM_FLAG_DEADLINE, 0u);
    EXPECT_EQ(todo.taskEnd, At(2024, 3, 7, 8));

    rules.SetDeadline(false);
    rules.WriteTo(todo);
    EXPECT_EQ(todo.flags & DV_ITEM_FLAG_DEADLINE, 0u);
    EXPECT_EQ(todo.flags, static_cast<uint32_t>(DV_ITEM_FLAG_PRIORITY_NORMAL));
    EXPECT_TRUE(DvTodoDeadlineRules::ForItem(todo, false).End() == At(2024, 3, 7, 8));
}

}  // namespace
