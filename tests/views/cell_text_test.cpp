#include "views/cell_text.h"

#include <gtest/gtest.h>

#include "platform/text.h"
#include "schedule/repeat_rule.h"
#include "support/date_options.h"
#include "support/test_items.h"
#include "views/row_style.h"

namespace {

using dv::toUtf8;
using dvtest::addItem;

constexpr DvListOptions kWords{false, false};
constexpr DvListOptions kPercents{true, true};

class CellText : public ::testing::Test {
protected:
    void SetUp() override { dates.values[u"dv_opt_s_longdate"] = u"%Y-%m-%d"; }

    CDvItem& task() {
        CDvItem& t = addItem(doc, DV_ITEM_TASK, u"Call the dentist", {u"\\Home", u"\\Health"}, {u"teeth", u"call"});
        t.SetPriority(70);
        t.created = DvDateTime::FromFields(2024, 3, 5, 10, 0);
        t.modified = DvDateTime::FromFields(2024, 3, 5, 10, 15);
        t.taskStart = DvDateTime::FromFields(2024, 3, 6, 9, 30);
        t.taskEnd = DvDateTime::FromFields(2024, 3, 6, 11, 0);
        t.completion = 40;
        t.vars.Set(u"Estimate", CDvVar::FromInt64(5));
        return t;
    }

    dvtest::ScopedDateOptions dates;
    CDvDoc doc;
};

}  // namespace

TEST_F(CellText, EachColumnOfATask) {
    const CDvItem& t = task();
    struct Case {
        const char16_t* column;
        DvListOptions options;
        const char* text;
    };
    const Case cases[] = {
        {u"dv_created", kWords, "2024-03-05 10:00"},
        {u"dv_modified", kWords, "2024-03-05 10:15"},
        {u"dv_taskstart", kWords, "2024-03-06 09:30"},
        {u"dv_taskend", kWords, "2024-03-06 11:00"},  // a task's end has no deadline flag to ask
        {u"dv_completion", kPercents, "40%"},
        {u"dv_completion", kWords, "no"},
        {u"dv_priority", kPercents, "70%"},
        {u"dv_priority", kWords, "high"},
        {u"DV_TITLE", kWords, "Call the dentist"},
        {u"dv_folders", kWords, "\\Home;\\Health"},
        {u"dv_item_type", kWords, "Task"},
        {u"dv_keywords", kWords, "teeth,call"},
        {u"Estimate", kWords, "5"},
        {u"Mood", kWords, ""},  // no such variable: an empty cell
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(toUtf8(c.column));
        EXPECT_EQ(toUtf8(DvCellText(t, c.column, c.options)), c.text);
    }
}

TEST_F(CellText, ToDosNotesAndContacts) {
    CDvItem& undated = addItem(doc, DV_ITEM_TODO, u"Paint the fence");
    undated.taskEnd = DvDateTime::FromFields(2024, 4, 1, 8, 0);
    undated.completion = 100;
    CDvItem& dated = addItem(doc, DV_ITEM_TODO, u"Tax return");
    dated.flags |= DV_ITEM_FLAG_DEADLINE;
    dated.taskEnd = DvDateTime::FromFields(2024, 4, 30, 23, 59);
    dated.flags = (dated.flags & ~DV_ITEM_FLAG_PRIORITY_BITS) | DV_ITEM_FLAG_PRIORITY_LOW;  // wins over the byte
    dated.priority = 90;
    CDvItem& note = addItem(doc, DV_ITEM_NOTE, u"Recipes");
    CDvItem& contact = addItem(doc, DV_ITEM_CONTACT, u"Anna Nowak");
    contact.vars.SetText(u"Company", u"Acme");
    contact.vars.SetText(u"[Business] Phone", u"+48 12 345");

    struct Case {
        const CDvItem* item;
        const char16_t* column;
        DvListOptions options;
        const char* text;
    };
    const Case cases[] = {
        {&undated, u"dv_taskend", kWords, "Not defined"},
        {&dated, u"dv_taskend", kWords, "2024-04-30 23:59"},
        {&undated, u"dv_completion", kWords, "yes"},
        {&undated, u"dv_completion", kPercents, "100%"},
        {&dated, u"dv_priority", kPercents, "0%"},
        {&dated, u"dv_priority", kWords, "low"},
        {&undated, u"dv_priority", kWords, "medium"},  // new items have the legacy "normal" bit
        {&note, u"dv_title", kWords, "Recipes"},
        {&note, u"dv_item_type", kWords, "Note"},
        {&contact, u"Company", kWords, "Acme"},
        {&contact, u"[business] phone", kWords, "+48 12 345"},
        {&contact, u"[Personal] Phone", kWords, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(toUtf8(c.item->title) + " " + toUtf8(c.column));
        EXPECT_EQ(toUtf8(DvCellText(*c.item, c.column, c.options)), c.text);
    }
    EXPECT_EQ(dated.flags & DV_ITEM_FLAG_PRIORITY_BITS, DV_ITEM_FLAG_PRIORITY_LOW) << "reading changes nothing";
}

TEST(RowStyle, OverdueAndEmphasis) {
    CDvDoc doc;
    const DvDateTime now = DvDateTime::FromFields(2024, 3, 10, 12, 0);
    const DvDateTime hourAgo = DvDateTime::FromFields(2024, 3, 10, 11, 0);
    const DvDateTime inAnHour = DvDateTime::FromFields(2024, 3, 10, 13, 0);
    const auto task = [&](DvDateTime end, int completion) -> CDvItem& {
        CDvItem& t = addItem(doc, DV_ITEM_TASK, u"task");
        t.taskStart = DvDateTime::FromFields(2024, 3, 1, 9, 0);
        t.taskEnd = end;
        t.completion = static_cast<uint8_t>(completion);
        return t;
    };
    const auto toDo = [&](bool deadline, DvDateTime end, int completion) -> CDvItem& {
        CDvItem& t = addItem(doc, DV_ITEM_TODO, u"to-do");
        if (deadline) t.flags |= DV_ITEM_FLAG_DEADLINE;
        t.taskEnd = end;
        t.completion = static_cast<uint8_t>(completion);
        return t;
    };
    CDvItem& repeating = task(hourAgo, 0);
    repeating.vars.Set(kDvRepeatActiveVar, CDvVar::FromInt64(1));
    CDvItem& oldNote = addItem(doc, DV_ITEM_NOTE, u"note");
    oldNote.taskEnd = hourAgo;

    struct Case {
        const char* what;
        const CDvItem* item;
        DvRowStyle style;
    };
    const Case cases[] = {
        {"task that ended", &task(hourAgo, 0), {true, true}},
        {"task not yet ended", &task(inAnHour, 99), {false, true}},
        {"completed task", &task(hourAgo, 100), {false, false}},
        {"repeating task", &repeating, {false, true}},
        {"to-do past its deadline", &toDo(true, hourAgo, 50), {true, true}},
        {"to-do without deadline", &toDo(false, hourAgo, 0), {false, true}},
        {"to-do before its deadline", &toDo(true, inAnHour, 0), {false, true}},
        {"completed to-do", &toDo(true, hourAgo, 100), {false, false}},
        {"note", &oldNote, {false, false}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(DvRowStyleOf(*c.item, now), c.style);
        EXPECT_EQ(DvIsOverdue(*c.item, now), c.style.overdue);
    }
}

TEST(PriorityCompletion, LevelsWordsAndChoices) {
    struct Level { int percent; const char* word; };
    for (const Level& l : {Level{0, "low"}, Level{33, "low"}, Level{34, "medium"}, Level{66, "medium"},
                           Level{67, "high"}, Level{100, "high"}}) {
        SCOPED_TRACE(l.percent);
        EXPECT_EQ(toUtf8(DvPriorityLevelWord(l.percent)), l.word);
    }
    EXPECT_EQ(toUtf8(DvCompletionWord(100)), "yes");
    EXPECT_EQ(toUtf8(DvCompletionWord(99)), "no");

    const DvChoiceList percents = DvPriorityChoices(45, true);
    ASSERT_EQ(percents.choices.size(), 11u);
    EXPECT_EQ(percents.choices.front(), u"0%");
    EXPECT_EQ(percents.choices[5], u"50%");
    EXPECT_EQ(percents.choices.back(), u"100%");
    EXPECT_EQ(percents.preselected, u"45%");  // not one of the steps, shown as it is
    EXPECT_EQ(DvPriorityChoices(67, false).choices, (std::vector<std::u16string>{u"low", u"medium", u"high"}));
    EXPECT_EQ(DvPriorityChoices(67, false).preselected, u"high");
    EXPECT_EQ(DvCompletionChoices(30, true).preselected, u"30%");
    EXPECT_EQ(DvCompletionChoices(30, false).choices, (std::vector<std::u16string>{u"no", u"yes"}));
    EXPECT_EQ(DvCompletionChoices(100, false).preselected, u"yes");
    EXPECT_EQ(DvCompletionChoices(90, false).preselected, u"no");

    struct Back { const char16_t* choice; int priority; int completion; };
    const Back backs[] = {{u"low", 0, -1}, {u"medium", 50, -1}, {u"high", 100, -1}, {u"yes", -1, 100},
                          {u"no", -1, 0},  {u"70%", 70, 70},    {u"250%", 100, 100}, {u"7", -1, -1},
                          {u"%", -1, -1},  {u"x%", -1, -1}};
    for (const auto& b : backs) {
        SCOPED_TRACE(toUtf8(b.choice));
        EXPECT_EQ(DvPriorityFromChoice(b.choice), b.priority);
        EXPECT_EQ(DvCompletionFromChoice(b.choice), b.completion);
    }
}
