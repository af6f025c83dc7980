#include "app/task_editor_model.h"

#include <gtest/gtest.h>

#include "app/todo_editor_model.h"
#include "core/doc.h"
#include "schedule/repeat_rule.h"
#include "support/scoped_clock.h"
#include "support/scripted_ui.h"
#include "views/priority_completion.h"

namespace {

constexpr dv::CivilTime kNow{2024, 3, 5, 10, 20, 30};
DvDateTime At(int y, int mo, int d, int h = 0, int mi = 0) { return DvDateTime::FromFields(y, mo, d, h, mi, 0); }

struct TaskEditorTest : ::testing::Test {
    dvtest::ScopedFakeClock clock{kNow};
    ScriptedUi ui;
    CDvDoc doc;
    DvListOptions words;
};

}  // namespace

TEST_F(TaskEditorTest, ANewTaskOpensNowWithTheDefaultReminder) {
    CDvItem task;
    task.itemType = DV_ITEM_TASK;
    for (bool onByDefault : {true, false}) {
        SCOPED_TRACE(onByDefault);
        CDvItemEditorModel editor(doc, task, u"\\");
        CDvTaskEditorModel model(editor, words, onByDefault);
        EXPECT_EQ(model.Times().Start(), clock.now());
        EXPECT_EQ(model.reminder, (DvReminderFields{onByDefault ? 1 : 0, 0, 15}));
        EXPECT_FALSE(model.repeating);
        EXPECT_EQ(model.RepeatSummary(), u"");
    }
}

TEST_F(TaskEditorTest, OkWritesTimesRepetitionAutoRemoveAndReminder) {
    CDvItem task;
    task.itemType = DV_ITEM_TASK;
    task.taskStart = At(2024, 4, 1, 9);
    task.taskEnd = At(2024, 4, 1, 10);
    task.priority = 45;
    task.vars.Set(u"reminder_d_at", CDvVar::FromDouble(At(2024, 4, 1, 8).value));
    task.vars.SetText(kDvRepeatTypeVar, u"week(s)");
    task.vars.Set(kDvRepeatCountVar, CDvVar::FromInt64(2));
    task.flags |= DV_ITEM_FLAG_TEMPORARY;
    task.NewGuid();
    doc.items.push_back(std::make_unique<CDvItem>(task));

    CDvItemEditorModel editor(doc, *doc.items[0], u"");
    CDvTaskEditorModel model(editor, words, true);
    EXPECT_TRUE(model.autoRemove);
    EXPECT_EQ(model.reminder.type, 0);  // an existing task keeps its reminder off
    model.repeating = true;
    EXPECT_EQ(model.RepeatSummary(), u"Repeating: active. Every 2 week(s)...");
    model.autoRemove = false;
    model.Times().SetStartTime(At(2024, 4, 1, 11));  // keeps the task's hour
    model.reminder = {1, 1, 2};
    model.Apply();

    const CDvItem& copy = editor.Item();
    EXPECT_EQ(copy.taskStart, At(2024, 4, 1, 11));
    EXPECT_EQ(copy.taskEnd, At(2024, 4, 1, 12));
    EXPECT_TRUE(DvIsRepeating(copy));
    EXPECT_EQ(copy.flags & DV_ITEM_FLAG_TEMPORARY, 0u);
    EXPECT_EQ(copy.vars.GetText(u"reminder_s_type"), u"popup");
    EXPECT_EQ(copy.vars.GetText(u"reminder_s_before_units"), u"hours");
    EXPECT_EQ(copy.vars.Get(u"reminder_n_before_count")->AsInt64(), 2);
    EXPECT_EQ(copy.vars.Get(u"reminder_d_at"), nullptr);  // editing cancels a postponement
    EXPECT_EQ(copy.priority, 45);                         // "medium" left as it was
}

TEST(ReminderFields, OpenFromTheTasksVariables) {
    struct Case {
        const char* what;
        std::u16string type, units;
        int count;  // -1: absent
        bool newTask;
        DvReminderFields fields;
    };
    const Case cases[] = {
        {"nothing stored", u"", u"", -1, false, {0, 0, 15}},
        {"nothing stored, new task", u"", u"", -1, true, {1, 0, 15}},
        {"popup in hours", u"popup", u"hours", 3, false, {1, 1, 3}},
        {"units ignore case", u"popup", u"DAYS", 1, false, {1, 2, 1}},
        {"None in any case is off", u"None", u"days", 2, false, {0, 2, 2}},
        {"any other type is on", u"beep", u"minutes", 5, false, {1, 0, 5}},
        {"the spinner stops at 1000", u"popup", u"minutes", 5000, false, {1, 0, 1000}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        CDvVarSet vars;
        if (!c.type.empty()) vars.SetText(u"reminder_s_type", c.type);
        if (!c.units.empty()) vars.SetText(u"reminder_s_before_units", c.units);
        if (c.count >= 0) vars.Set(u"reminder_n_before_count", CDvVar::FromInt64(c.count));
        EXPECT_EQ(DvReminderFields::Read(vars, c.newTask, true), c.fields);
    }
}

TEST(ReminderFields, TurningTheReminderOffLeavesUnitsAndCountAlone) {
    CDvVarSet vars;
    vars.SetText(u"reminder_s_before_units", u"days");
    vars.Set(u"reminder_d_at", CDvVar::FromDouble(45000));
    DvReminderFields{0, 0, 99}.Write(vars);
    EXPECT_EQ(vars.GetText(u"reminder_s_type"), u"none");
    EXPECT_EQ(vars.GetText(u"reminder_s_before_units"), u"days");
    EXPECT_EQ(vars.Get(u"reminder_n_before_count"), nullptr);
    EXPECT_EQ(vars.Get(u"reminder_d_at"), nullptr);
}

TEST_F(TaskEditorTest, TodoDeadlineWritesFlagEndPriorityAndCompletion) {
    CDvItem todo;
    todo.itemType = DV_ITEM_TODO;
    CDvItemEditorModel editor(doc, todo, u"\\");
    CDvTodoEditorModel model(editor, DvListOptions{true, true});
    EXPECT_FALSE(model.Deadline().Deadline());
    EXPECT_EQ(model.Deadline().End(), clock.now());  // a new to-do's unset end is now
    model.Deadline().SetDeadline(true);
    model.Deadline().SetEndDate(At(2024, 5, 1));
    model.priority.chosen = u"80%";
    model.completion.chosen = u"100%";
    model.Apply();
    const CDvItem& copy = editor.Item();
    EXPECT_NE(copy.flags & DV_ITEM_FLAG_DEADLINE, 0u);
    EXPECT_EQ(copy.taskEnd, At(2024, 5, 1, 10, 20) + DvDateTimeSpan::FromParts(0, 0, 0, 30));
    EXPECT_EQ(copy.priority, 80);
    EXPECT_EQ(copy.completion, 100);
}
