#include "schedule/agenda.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <ostream>
#include <string>
#include <vector>

#include "core/doc.h"
#include "platform/text.h"
#include "support/scoped_clock.h"

namespace {

using Style = DvAgendaStyle;

// Wednesday 5 March 2008, early morning: the agenda opens on today.
constexpr dv::CivilTime kNow{2008, 3, 5, 7, 45, 0};

DvDateTime At(int y, int m, int d, int h = 0, int mi = 0) { return DvDateTime::FromFields(y, m, d, h, mi); }

struct TaskSpec {
    const char16_t* title;
    DvDateTime start, end;
    const char16_t* folder = u"\\Work";
    const char16_t* repeatKind = nullptr;  // "day(s)", "weekly", ...; nullptr: does not repeat
    unsigned priority = 50;
    int type = DV_ITEM_TASK;
};

CDvItem& AddItem(CDvDoc& doc, const TaskSpec& spec) {
    auto item = std::make_unique<CDvItem>();
    item->itemType = spec.type;
    item->title = spec.title;
    item->folders = {spec.folder};
    item->taskStart = spec.start;
    item->taskEnd = spec.end;
    item->SetPriority(spec.priority);
    // Readable links in the expectations: the GUID is the title's first word.
    const std::u16string title = spec.title;
    item->guid = u"{" + title.substr(0, title.find(u' ')) + u"}";
    if (spec.repeatKind) {
        item->vars.Set(kDvRepeatActiveVar, CDvVar::FromInt64(1));
        item->vars.Set(kDvRepeatTypeVar, CDvVar::FromString(spec.repeatKind));
        item->vars.Set(kDvRepeatCountVar, CDvVar::FromInt64(1));
        item->vars.Set(kDvRepeatWeekdaysVar, CDvVar::FromString(u"fri,"));
    }
    item->index = static_cast<int>(doc.items.size());
    return *doc.items.emplace_back(std::move(item));
}

std::u16string Edit(const char16_t* guid) { return u"dv_item_edit:{" + std::u16string(guid) + u"}"; }

const char* StyleName(Style s) {
    static const char* const kNames[] = {"Plain", "Heading", "Hint", "DayHeading", "TodayHeading", "Entry",
                                         "ImportantEntry", "Contents", "AddLink"};
    return kNames[static_cast<int>(s)];
}

// Each run on one line with visible breaks, so a failing golden reads like the page.
std::string Show(const DvAgendaRun& run) {
    std::u16string text = run.text;
    dv::replaceAll(text, u"\r\n", u"\\r\\n");
    dv::replaceAll(text, u"\t", u"\\t");
    std::string out = std::string(StyleName(run.style)) + " [" + dv::toUtf8(text) + "]";
    if (!run.link.empty()) out += " -> " + dv::toUtf8(run.link);
    return out;
}

void ExpectRuns(const std::vector<DvAgendaRun>& actual, const std::vector<DvAgendaRun>& expected) {
    for (std::size_t i = 0; i < std::max(actual.size(), expected.size()); ++i) {
        SCOPED_TRACE("run " + std::to_string(i));
        ASSERT_LT(i, actual.size()) << "missing: " << Show(expected[i]);
        ASSERT_LT(i, expected.size()) << "extra: " << Show(actual[i]);
        EXPECT_EQ(Show(actual[i]), Show(expected[i]));
    }
}

std::vector<std::u16string> Titles(const DvAgendaDay& day) {
    std::vector<std::u16string> out;
    for (const auto& e : day.entries) out.push_back(e.title);
    return out;
}

class AgendaTest : public ::testing::Test {
protected:
    dvtest::ScopedFakeClock clock{kNow};
    CDvDoc doc;
    CDvAgendaModel agenda;  // made after the clock: it starts today
};

}  // namespace

inline void PrintTo(const DvAgendaRun& run, std::ostream* os) { *os << Show(run); }

// Three days from today. Titles say why each task is where it is.
TEST_F(AgendaTest, AWeekPageListsEachDaysTasksByTimeOfDayWithLinks) {
    AddItem(doc, {u"Standup every day at 09:30 since Monday", At(2008, 3, 3, 9, 30), At(2008, 3, 3, 9, 45),
                  u"\\Work", u"day(s)"});
    // Equal times stay in document order here, repeating or not.
    AddItem(doc, {u"Report due at 09:30 on the 6th, after the standup in the file", At(2008, 3, 6, 9, 30),
                  At(2008, 3, 6, 10, 0)});
    AddItem(doc, {u"Night shift 22:00 to 02:00, listed on the 5th only", At(2008, 3, 5, 22, 0),
                  At(2008, 3, 6, 2, 0)});
    AddItem(doc, {u"Dentist at 08:00, priority 67: emphasised", At(2008, 3, 5, 8, 0), At(2008, 3, 5, 8, 30),
                  u"\\Home", nullptr, 67});
    AddItem(doc, {u"Lunch at 12:00, priority 66: plain", At(2008, 3, 5, 12, 0), At(2008, 3, 5, 13, 0), u"\\Home",
                  nullptr, 66});
    AddItem(doc, {u"Memo is a note with a start: never listed", At(2008, 3, 5, 10, 0), At(2008, 3, 5, 10, 0),
                  u"\\Work", nullptr, 50, DV_ITEM_NOTE});
    AddItem(doc, {u"Yesterday's task: before the first day", At(2008, 3, 4, 10, 0), At(2008, 3, 4, 11, 0)});
    AddItem(doc, {u"Fridays at 07:15, weekly from next week: not yet", At(2008, 3, 14, 7, 15), At(2008, 3, 14, 8, 0),
                  u"\\Work", u"weekly"});
    AddItem(doc, {u"Fridays at 06:00, weekly", At(2008, 2, 29, 6, 0), At(2008, 2, 29, 6, 30), u"\\Work",
                  u"weekly"});
    AddItem(doc, {u"Overlong title that the page cuts so that its whole line, times included, is a hundred "
                  u"characters long",
                  At(2008, 3, 7, 16, 0), At(2008, 3, 7, 17, 0)});

    agenda.days = 3;
    const DvAgendaPage page = agenda.Build(doc);

    ExpectRuns(page.runs, {
        {u" Your tasks for the next 3 days\r\nAgenda view.", Style::Heading, u""},
        {u"\r\n*To easily add/edit items, you may rather want to switch to 'Schedule' view", Style::Hint, u""},
        {u"\r\n___________________________\r\n\r\n\r\n", Style::Plain, u""},
        {u"March 05, 2008 (today)", Style::TodayHeading, u""},
        {u"\r\n  ", Style::Plain, u""},
        {u"08:00 - 08:30 Dentist at 08:00, priority 67: emphasised", Style::ImportantEntry, Edit(u"Dentist")},
        {u"\r\n  ", Style::Plain, u""},
        {u"09:30 - 09:45 Standup every day at 09:30 since Monday", Style::Entry, Edit(u"Standup")},
        {u"\r\n  ", Style::Plain, u""},
        {u"12:00 - 13:00 Lunch at 12:00, priority 66: plain", Style::Entry, Edit(u"Lunch")},
        {u"\r\n  ", Style::Plain, u""},
        {u"22:00 - 02:00 Night shift 22:00 to 02:00, listed on the 5th only", Style::Entry, Edit(u"Night")},
        {u"\r\n ", Style::Plain, u""},
        {u"add...", Style::AddLink, u"dv_item_add:0"},
        {u"\r\n\r\n", Style::Plain, u""},
        {u"March 06, 2008", Style::DayHeading, u""},
        {u"\r\n  ", Style::Plain, u""},
        {u"09:30 - 09:45 Standup every day at 09:30 since Monday", Style::Entry, Edit(u"Standup")},
        {u"\r\n  ", Style::Plain, u""},
        {u"09:30 - 10:00 Report due at 09:30 on the 6th, after the standup in the file", Style::Entry,
         Edit(u"Report")},
        {u"\r\n ", Style::Plain, u""},
        {u"add...", Style::AddLink, u"dv_item_add:1"},
        {u"\r\n\r\n", Style::Plain, u""},
        {u"March 07, 2008", Style::DayHeading, u""},
        {u"\r\n  ", Style::Plain, u""},
        {u"06:00 - 06:30 Fridays at 06:00, weekly", Style::Entry, Edit(u"Fridays")},
        {u"\r\n  ", Style::Plain, u""},
        {u"09:30 - 09:45 Standup every day at 09:30 since Monday", Style::Entry, Edit(u"Standup")},
        {u"\r\n  ", Style::Plain, u""},
        {u"16:00 - 17:00 Overlong title that the page cuts so that its whole line, times included, is a hundr...",
         Style::Entry, Edit(u"Overlong")},
        {u"\r\n ", Style::Plain, u""},
        {u"add...", Style::AddLink, u"dv_item_add:2"},
        {u"\r\n\r\n", Style::Plain, u""},
    });

    EXPECT_EQ(page.html,
              u"<b>March 05, 2008 (today)</b><br>"
              u"  08:00 - 08:30 Dentist at 08:00, priority 67: emphasised<br>"
              u"  09:30 - 09:45 Standup every day at 09:30 since Monday<br>"
              u"  12:00 - 13:00 Lunch at 12:00, priority 66: plain<br>"
              u"  22:00 - 02:00 Night shift 22:00 to 02:00, listed on the 5th only<br><hr><br>"
              u"<b>March 06, 2008</b><br>"
              u"  09:30 - 09:45 Standup every day at 09:30 since Monday<br>"
              u"  09:30 - 10:00 Report due at 09:30 on the 6th, after the standup in the file<br><hr><br>"
              u"<b>March 07, 2008</b><br>"
              u"  06:00 - 06:30 Fridays at 06:00, weekly<br>"
              u"  09:30 - 09:45 Standup every day at 09:30 since Monday<br>"
              u"  16:00 - 17:00 Overlong title that the page cuts so that its whole line, times included, is a "
              u"hundr...<br><hr><br>");

    // The structured days carry each occurrence's own times and the whole title.
    ASSERT_EQ(page.days.size(), 3u);
    EXPECT_TRUE(page.days[0].today);
    EXPECT_FALSE(page.days[1].today);
    const DvAgendaEntry& standupOn7th = page.days[2].entries[1];
    EXPECT_EQ(standupOn7th.occurrence, (DvOccurrence{At(2008, 3, 7, 9, 30), At(2008, 3, 7, 9, 45)}));
    const DvAgendaEntry& nightShift = page.days[0].entries[3];
    EXPECT_EQ(nightShift.occurrence, (DvOccurrence{At(2008, 3, 5, 22, 0), At(2008, 3, 6, 2, 0)}));
    EXPECT_EQ(page.days[2].entries[2].title.size(), 102u);
}

TEST_F(AgendaTest, HeaderSaysWhetherTheAgendaStartsTodayAndNamesAFolderOtherThanTheRoot) {
    struct Case {
        const char* what;
        DvDateTime start;
        const char16_t* folder;
        const char16_t* page;  // of an empty document, two days
    };
    const Case cases[] = {
        {"today, root", At(2008, 3, 5, 7, 45), u"\\",
         u" Your tasks for the next 2 days\r\nAgenda view."
         u"\r\n*To easily add/edit items, you may rather want to switch to 'Schedule' view"
         u"\r\n___________________________\r\n\r\n\r\n"
         u"March 05, 2008 (today)\r\n add...\r\n\r\n"
         u"March 06, 2008\r\n add...\r\n\r\n"},
        {"late tonight is still today; an empty folder is the root", At(2008, 3, 5, 23, 59), u"",
         u" Your tasks for the next 2 days\r\nAgenda view."
         u"\r\n*To easily add/edit items, you may rather want to switch to 'Schedule' view"
         u"\r\n___________________________\r\n\r\n\r\n"
         u"March 05, 2008 (today)\r\n add...\r\n\r\n"
         u"March 06, 2008\r\n add...\r\n\r\n"},
        {"yesterday, in a folder: today is the second day", At(2008, 3, 4, 12, 0), u"\\Work\\Projects",
         u" Your tasks for 2 days, starting from March 04, 2008\r\nAgenda view."
         u"\r\n*To easily add/edit items, you may rather want to switch to 'Schedule' view"
         u"\r\n*Only the contents of '\\Work\\Projects' is shown"
         u"\r\n___________________________\r\n\r\n\r\n"
         u"March 04, 2008\r\n add...\r\n\r\n"
         u"March 05, 2008 (today)\r\n add...\r\n\r\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        agenda.startDate = c.start;
        agenda.folder = c.folder;
        agenda.days = 2;
        EXPECT_EQ(dv::toUtf8(agenda.Build(doc).Text()), dv::toUtf8(c.page));
    }
}

TEST_F(AgendaTest, ListsTasksInTheFolderAndBelowItThatPassTheFilter) {
    const DvDateTime nine = At(2008, 3, 5, 9, 0);
    AddItem(doc, {u"in \\Work", nine, nine, u"\\Work"});
    AddItem(doc, {u"in \\work\\sub: below it, other case", nine, nine, u"\\work\\sub"});
    AddItem(doc, {u"in \\Workshop: a longer name, not below", nine, nine, u"\\Workshop"});
    AddItem(doc, {u"in \\Home", nine, nine, u"\\Home"});
    CDvItem& twice = AddItem(doc, {u"in \\Work and \\Work\\Sub: listed once", nine, nine, u"\\Work"});
    twice.folders.push_back(u"\\Work\\Sub");
    AddItem(doc, {u"in \\Work, dropped by the filter", nine, nine, u"\\Work"});

    agenda.folder = u"\\Work";
    agenda.days = 1;
    agenda.filter = [](const CDvItem& item) { return item.title.find(u"filter") == std::u16string::npos; };
    EXPECT_EQ(Titles(agenda.Build(doc).days[0]),
              (std::vector<std::u16string>{u"in \\Work", u"in \\work\\sub: below it, other case",
                                           u"in \\Work and \\Work\\Sub: listed once"}));

    agenda.filter = nullptr;
    agenda.folder = u"\\";
    EXPECT_EQ(agenda.Build(doc).days[0].entries.size(), 6u);
}

TEST_F(AgendaTest, DetailLevelTwoAndAboveAddTheContentsOnIndentedLines) {
    const DvDateTime nine = At(2008, 3, 5, 9, 0);
    CDvItem& task = AddItem(doc, {u"Call", nine, nine});
    const std::string rtf = "{\\rtf1 First <line>\\par Second & last}";
    task.contents.Assign(std::vector<uint8_t>(rtf.begin(), rtf.end()));
    AddItem(doc, {u"Empty", nine, nine});  // no contents: no indented line at any level
    agenda.days = 1;

    struct Case {
        int set, level;
        bool contents;
    };
    const Case cases[] = {{0, 1, false}, {1, 1, false}, {2, 2, true}, {6, 6, true}, {7, 6, true}, {-3, 1, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE("level " + std::to_string(c.set));
        agenda.SetDetailLevel(c.set);
        EXPECT_EQ(agenda.DetailLevel(), c.level);
        const DvAgendaPage page = agenda.Build(doc);
        std::vector<std::u16string> contents;
        for (const auto& run : page.runs)
            if (run.style == Style::Contents) contents.push_back(run.text);
        if (!c.contents) {
            EXPECT_TRUE(contents.empty());
            continue;
        }
        EXPECT_EQ(contents, (std::vector<std::u16string>{u"\r\n\tFirst <line>\r\n\tSecond & last"}));
        // The HTML-like text escapes what would read as markup and breaks the lines with tags.
        EXPECT_NE(page.html.find(u"  09:00 - 09:00 Call<br>\tFirst &lt;line&gt;<br>\tSecond &amp; last<br>"
                                 u"  09:00 - 09:00 Empty<br><hr>"),
                  std::u16string::npos);
    }

    const std::string longRtf = "{\\rtf1 " + std::string(2001, 'x') + "}";
    task.contents.Assign(std::vector<uint8_t>(longRtf.begin(), longRtf.end()));
    task.InvalidatePlainText();
    agenda.SetDetailLevel(2);
    const DvAgendaPage page = agenda.Build(doc);
    EXPECT_NE(page.Text().find(u"\r\n\t" + std::u16string(2000, u'x') + u"...\r\n"), std::u16string::npos);
}

TEST_F(AgendaTest, TheEntryLineIsCutAtAHundredUnitsWithoutSplittingACharacter) {
    // "  09:00 - 09:00 " takes 16 of the hundred.
    const std::u16string smile = u"\U0001F600";
    struct Case {
        const char* what;
        std::u16string title;
        std::u16string link;
    };
    const Case cases[] = {
        {"exactly 100", std::u16string(84, u'a'), u"09:00 - 09:00 " + std::u16string(84, u'a')},
        {"101", std::u16string(85, u'a'), u"09:00 - 09:00 " + std::u16string(84, u'a') + u"..."},
        {"a pair across the cut", std::u16string(83, u'a') + smile,
         u"09:00 - 09:00 " + std::u16string(83, u'a') + u"..."},
        {"a pair just inside", std::u16string(82, u'a') + smile + u"b",
         u"09:00 - 09:00 " + std::u16string(82, u'a') + smile + u"..."},
    };
    const DvDateTime nine = At(2008, 3, 5, 9, 0);
    agenda.days = 1;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        doc.items.clear();
        AddItem(doc, {u"T", nine, nine}).title = c.title;
        const DvAgendaPage page = agenda.Build(doc);
        bool found = false;
        for (const auto& run : page.runs) {
            if (run.style != Style::Entry) continue;
            EXPECT_EQ(dv::toUtf8(run.text), dv::toUtf8(c.link));
            found = true;
        }
        EXPECT_TRUE(found);
        EXPECT_EQ(page.days[0].entries[0].title, c.title);
    }
}

TEST(AgendaLinks, CommandTextsSplitAtTheFirstColon) {
    struct Case {
        const char16_t* command;
        DvAgendaLink link;
    };
    const Case cases[] = {
        {u"dv_item_edit:{A1-B2}", {DvAgendaLink::Kind::Edit, u"{A1-B2}", 0}},
        {u"dv_item_edit:a:b", {DvAgendaLink::Kind::Edit, u"a:b", 0}},
        {u"dv_item_add:0", {DvAgendaLink::Kind::Add, u"", 0}},
        {u"dv_item_add:364", {DvAgendaLink::Kind::Add, u"", 364}},
        {u"dv_item_add:", {}},
        {u"dv_item_add:-1", {}},
        {u"dv_item_add:2x", {}},
        {u"dv_item_add:99999999999", {}},
        {u"DV_ITEM_EDIT:{A}", {}},
        {u"dv_item_edit", {}},
        {u"https://example.org", {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(dv::toUtf8(c.command));
        EXPECT_EQ(CDvAgendaModel::ParseLink(c.command), c.link);
    }
    EXPECT_EQ(CDvAgendaModel::ParseLink(CDvAgendaModel::AddLink(12)).day, 12);
    EXPECT_EQ(CDvAgendaModel::ParseLink(CDvAgendaModel::EditLink(u"{G}")).guid, u"{G}");
}

TEST_F(AgendaTest, AnAddLinkMakesATaskWithoutLengthOnItsDayAtTheStartDatesTime) {
    agenda.startDate = At(2008, 2, 28, 14, 30);
    const auto task = agenda.NewTaskOn(2);
    EXPECT_EQ(task->itemType, DV_ITEM_TASK);
    EXPECT_EQ(task->taskStart, At(2008, 3, 1, 14, 30));  // past 29 February
    EXPECT_EQ(task->taskEnd, task->taskStart);
    EXPECT_TRUE(task->guid.empty());
}

TEST_F(AgendaTest, TasksAtTheSameTimeKeepTheOrderOfTheTaskListsSort) {
    // The list sort's first pass, with gap 4, swaps the first and the fifth task; equal times are
    // never swapped afterwards, so "e" leads the 09:00 tasks instead of following them.
    AddItem(doc, {u"a at 10:00", At(2008, 3, 5, 10, 0), At(2008, 3, 5, 10, 0)});
    AddItem(doc, {u"b at 09:00", At(2008, 3, 5, 9, 0), At(2008, 3, 5, 9, 0)});
    AddItem(doc, {u"c at 09:00, every day", At(2008, 3, 1, 9, 0), At(2008, 3, 1, 9, 0), u"\\Work", u"day(s)"});
    AddItem(doc, {u"d at 09:00", At(2008, 3, 5, 9, 0), At(2008, 3, 5, 9, 0)});
    AddItem(doc, {u"e at 09:00", At(2008, 3, 5, 9, 0), At(2008, 3, 5, 9, 0)});
    agenda.days = 1;
    EXPECT_EQ(Titles(agenda.Build(doc).days[0]),
              (std::vector<std::u16string>{u"e at 09:00", u"b at 09:00", u"c at 09:00, every day", u"d at 09:00",
                                           u"a at 10:00"}));
}
