#include "schedule/quick_time_menu.h"

#include <gtest/gtest.h>

#include "platform/text.h"
#include "support/date_time_print.h"
#include "support/scoped_clock.h"
#include "support/scripted_ui.h"

using dv::toUtf8;
using dvtest::Fields;

namespace {

DvDateTime At(int y, int mo, int d, int h = 0, int mi = 0, int s = 0) { return DvDateTime::FromFields(y, mo, d, h, mi, s); }

// Late on the day before a leap day, so that relative entries cross midnight and February's end.
constexpr dv::CivilTime kNow{2024, 2, 28, 22, 40, 0};

TEST(QuickTimeMenu, FiveSubmenusNumberedInOneSequence) {
    dvtest::ScopedFakeClock clock(kNow);
    struct Expected { const char* title; int first, count; const char* firstLabel; const char* lastLabel; };
    const Expected fromNow[] = {
        {"(Minutes) from now", 0, 14, "1", "60"},
        {"(Hours) from now", 14, 24, "0", "23"},
        {"(days) from now", 38, 30, "0", "29"},
        {"Today at", 68, 24, "00:00:00", "23:00:00"},
        {"Tomorow at", 92, 24, "00:00:00", "23:00:00"},
    };
    const DvQuickTimeMenu menu;
    ASSERT_EQ(menu.Submenus().size(), 5u);
    EXPECT_EQ(menu.Values().size(), 116u);
    for (size_t i = 0; i < 5; ++i) {
        const DvQuickTimeSubmenu& sub = menu.Submenus()[i];
        const Expected& e = fromNow[i];
        SCOPED_TRACE(e.title);
        EXPECT_EQ(toUtf8(sub.title), e.title);
        EXPECT_EQ(sub.firstEntry, e.first);
        ASSERT_EQ(sub.labels.size(), static_cast<size_t>(e.count));
        EXPECT_EQ(toUtf8(sub.labels.front()), e.firstLabel);
        EXPECT_EQ(toUtf8(sub.labels.back()), e.lastLabel);
    }
    const auto& minutes = menu.Submenus()[0].labels;
    EXPECT_EQ(toUtf8(dv::join(minutes, u",")), "1,3,5,10,15,20,25,30,35,40,45,50,55,60");

    const DvQuickTimeMenu fromStart(At(2024, 3, 1, 9));
    EXPECT_EQ(toUtf8(fromStart.Submenus()[0].title), "(Minutes) from start date&&time");
    EXPECT_EQ(toUtf8(fromStart.Submenus()[2].title), "(days) from start date&&time");
    EXPECT_EQ(toUtf8(fromStart.Submenus()[3].title), "Today at");
}

TEST(QuickTimeMenu, EntryValues) {
    dvtest::ScopedFakeClock clock(kNow);
    const DvDateTime base = At(2024, 3, 10, 9, 15);  // later than now
    const DvQuickTimeMenu fromNow;
    const DvQuickTimeMenu fromStart(base);
    struct Case { const char* what; const DvQuickTimeMenu& menu; int entry; dv::CivilTime expected; };
    const Case cases[] = {
        {"1 minute from now", fromNow, 0, {2024, 2, 28, 22, 41, 0}},
        {"60 minutes from now", fromNow, 13, {2024, 2, 28, 23, 40, 0}},
        {"2 hours from now, onto the leap day", fromNow, 16, {2024, 2, 29, 0, 40, 0}},
        {"2 days from now, past February", fromNow, 40, {2024, 3, 1, 22, 40, 0}},
        {"15 minutes from the start", fromStart, 4, {2024, 3, 10, 9, 30, 0}},
        {"23 hours from the start", fromStart, 37, {2024, 3, 11, 8, 15, 0}},
        {"0 days from the start is the start", fromStart, 38, {2024, 3, 10, 9, 15, 0}},
        {"29 days from the start", fromStart, 67, {2024, 4, 8, 9, 15, 0}},
        {"today at 00:00 ignores the base", fromStart, 68, {2024, 2, 28, 0, 0, 0}},
        {"today at 23:00", fromNow, 91, {2024, 2, 28, 23, 0, 0}},
        {"tomorrow is the leap day", fromStart, 92 + 7, {2024, 2, 29, 7, 0, 0}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const DvQuickTimeChoice choice = c.menu.Choose(c.entry);
        EXPECT_EQ(choice.entry, c.entry);
        EXPECT_TRUE(choice.value.IsValid());
        EXPECT_EQ(Fields(choice.value), c.expected);
    }
    EXPECT_EQ(fromStart.Choose(38).value, base);
}

TEST(QuickTimeMenu, TomorrowAfterNewYearsEve) {
    dvtest::ScopedFakeClock clock({2024, 12, 31, 23, 59, 59});
    EXPECT_EQ(DvQuickTimeMenu().Choose(92).value, At(2025, 1, 1));
}

TEST(QuickTimeMenu, DismissalAndOutOfListAnswersChooseNothing) {
    dvtest::ScopedFakeClock clock(kNow);
    ScriptedUi ui;
    const DvQuickTimeMenu menu;
    DvDateTime date = At(2020, 1, 1, 8);
    DvDateTime time = date;

    EXPECT_FALSE(DvWriteQuickTimeChoice(menu.Choose(-1), date, &time));
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_FALSE(DvWriteQuickTimeChoice(menu.Choose(116), date, &time));
    EXPECT_EQ(ui.messagesUtf8(), std::vector<std::string>{"err#17ds4"});
    EXPECT_EQ(date, At(2020, 1, 1, 8));
    EXPECT_EQ(time, At(2020, 1, 1, 8));

    const DvQuickTimeChoice last = menu.Choose(115);
    EXPECT_EQ(last.entry, 115);
    EXPECT_TRUE(DvWriteQuickTimeChoice(last, date, &time));
    EXPECT_EQ(date, At(2024, 2, 29, 23));
    EXPECT_EQ(time, date);
    DvDateTime only = At(2020, 1, 1);
    EXPECT_TRUE(DvWriteQuickTimeChoice(menu.Choose(68), only));
    EXPECT_EQ(only, At(2024, 2, 28));
}

}  // namespace
