#include "schedule/date_format.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/text.h"
#include "support/date_options.h"
#include "support/date_time_print.h"

using dv::toUtf8;

namespace {

using S = DvDateTimeStatus;

DvDateTime At(int y, int mo, int d, int h = 0, int mi = 0, int s = 0) { return DvDateTime::FromFields(y, mo, d, h, mi, s); }

const DvDateTime kMarch5 = At(2008, 3, 5, 14, 30, 15);  // a Wednesday

TEST(FormatPattern, ExpandsTheCLibraryConversions) {
    struct Case { DvDateTime t; const char16_t* pattern; const char* text; };
    const Case cases[] = {
        {kMarch5, u"%Y-%m-%d %H:%M:%S", "2008-03-05 14:30:15"},
        {kMarch5, u"%a %A %b %B %y", "Wed Wednesday Mar March 08"},
        {kMarch5, u"%j %u %w %p %I", "065 3 3 PM 02"},
        {At(2024, 12, 31), u"%j %a", "366 Tue"},
        {{-1.25, S::Valid}, u"%d %b %Y %H:%M %A", "29 Dec 1899 06:00 Friday"},
        {At(100, 1, 1, 12), u"%Y-%m-%d %H", "100-01-01 12"},  // glibc does not pad the year
        {kMarch5, u"100%% at %H", "100% at 14"},
        {kMarch5, u"", ""},
        {kMarch5, u"\u00e9t\u00e9 %Y \U0001F600", "\u00e9t\u00e9 2008 \U0001F600"},  // non-ASCII passes through
        {{0.0, S::Null}, u"%Y", ""},
        {{0.0, S::Invalid}, u"%Y", "Invalid DateTime"},
        {At(2023, 2, 29), u"%Y", "Invalid DateTime"},
        {{3e6, S::Valid}, u"%Y", "Invalid DateTime"},  // cannot be broken down
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(toUtf8(c.pattern));
        EXPECT_EQ(toUtf8(DvFormatPattern(c.t, c.pattern)), c.text);
    }
}

TEST(FormatPattern, LongExpansionsAreCutAt256Characters) {
    EXPECT_EQ(DvFormatPattern(kMarch5, std::u16string(300, u'x')), std::u16string(256, u'x'));
    std::u16string years;
    for (int i = 0; i < 100; ++i) years += u"%Y";
    std::u16string expected;
    for (int i = 0; i < 64; ++i) expected += u"2008";
    EXPECT_EQ(DvFormatPattern(kMarch5, years), expected);
    EXPECT_EQ(DvFormatPattern(kMarch5, std::u16string(256, u'x')).size(), 256u);
}

TEST(FormatPattern, LocaleTimeTextUsesTheLocaleTimeFormat) {
    EXPECT_EQ(toUtf8(DvLocaleTimeText(At(2008, 3, 5, 7, 5, 9))), "07:05:09");  // the C locale's "%X"
}

TEST(FormatDate, BuiltInPatternsApplyWhileTheOptionsAreEmpty) {
    dvtest::ScopedDateOptions options;
    struct Case { bool longForm, withTime; const char* text; };
    const Case cases[] = {
        {true, false, "Wed 05-Mar-2008"},
        {true, true, "Wed 05-Mar-2008 14:30"},
        {false, false, "Wed, 05 Mar"},
        {false, true, "Wed, 05 Mar 14:30"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(toUtf8(DvFormatDate(kMarch5, c.longForm, c.withTime)), c.text);
    }
}

TEST(FormatDate, ReadsTheOptionsAtEachCall) {
    dvtest::ScopedDateOptions options;
    options.values[u"dv_opt_s_longdate"] = u"%Y/%m/%d";
    EXPECT_EQ(toUtf8(DvFormatDate(kMarch5, true, true)), "2008/03/05 14:30");
    EXPECT_EQ(toUtf8(DvFormatDate(kMarch5, false, false)), "Wed, 05 Mar");
    options.values[u"dv_opt_s_shortdate"] = u"%d.%m.";
    options.values[u"dv_opt_s_longdate"] = u"";
    EXPECT_EQ(toUtf8(DvFormatDate(kMarch5, false, false)), "05.03.");
    EXPECT_EQ(toUtf8(DvFormatDate(kMarch5, true, false)), "Wed 05-Mar-2008");
    EXPECT_EQ(toUtf8(DvFormatDate({0, S::Null}, true, true)), "");
}

TEST(FormatDateText, FullDateTextParts) {
    struct Case { DvDateTime t; bool date, time, seconds, weekday; const char* text; };
    const Case cases[] = {
        {kMarch5, true, false, false, false, "March 05, 2008"},
        {kMarch5, true, true, false, false, "March 05, 2008 14:30"},
        {kMarch5, true, false, false, true, "Wednesday,March 05, 2008"},
        {kMarch5, true, true, true, true, "Wednesday,March 05, 2008 14:30:15"},
        {kMarch5, false, true, false, false, "14:30"},
        {kMarch5, false, false, false, false, ""},
        {At(1900, 1, 1), true, false, false, false, "January 01, 1900"},
        {{0.0, S::Valid}, true, true, false, false, "unknown"},  // the unset date
        {At(1899, 6, 1, 12), true, false, false, false, "unknown"},
        {{-1.25, S::Valid}, true, true, false, false, "unknown"},
        {{45000.0, S::Null}, true, false, false, false, "unknown"},
        {{45000.0, S::Invalid}, true, false, false, false, "unknown"},
        {{3e6, S::Valid}, true, false, false, false, "unknown"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(toUtf8(DvFormatDateText(c.t, c.date, c.time, c.seconds, c.weekday)), c.text);
    }
}

TEST(IsoText, WritesAndReadsDatesAndTimes) {
    EXPECT_EQ(toUtf8(DvIsoText(kMarch5, false)), "2008-03-05");
    EXPECT_EQ(toUtf8(DvIsoText(kMarch5, true)), "2008-03-05T14:30:15");
    EXPECT_EQ(toUtf8(DvIsoText({-1.25, S::Valid}, true)), "1899-12-29T06:00:00");
    EXPECT_EQ(DvIsoText({0.0, S::Null}, true), u"");

    struct Case { const char16_t* text; std::optional<DvDateTime> value; };
    const Case cases[] = {
        {u"2008-03-05", At(2008, 3, 5)},
        {u"2008-03-05 14:30", At(2008, 3, 5, 14, 30)},
        {u"2008-03-05T14:30:15", kMarch5},
        {u"2024-2-9 7:05", At(2024, 2, 9, 7, 5)},
        {u"2024-02-29", At(2024, 2, 29)},
        {u"2023-02-29", std::nullopt},
        {u"2008-03-05 24:00", std::nullopt},
        {u"2008-03-05 14:3", std::nullopt},
        {u"2008-03-05 14:30:", std::nullopt},
        {u"2008-03-05 ", std::nullopt},
        {u"2008-03-05x", std::nullopt},
        {u"08-03-05", std::nullopt},
        {u"2008/03/05", std::nullopt},
        {u"", std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(toUtf8(c.text));
        EXPECT_EQ(DvParseIsoText(c.text), c.value);
    }
}

}  // namespace
