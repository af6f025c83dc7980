#include "schedule/date_format_page.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/text.h"
#include "schedule/date_format.h"
#include "support/date_options.h"
#include "support/scoped_clock.h"

using dv::toUtf8;

namespace {

constexpr dv::CivilTime kToday{2008, 3, 5, 14, 30, 15};

TEST(DateFormatPage, OffersPatternsInGroupsLabelledWithToday) {
    dvtest::ScopedFakeClock clock(kToday);
    const std::vector<DvPatternOffer> offers = DvDatePatternOffers();
    ASSERT_EQ(offers.size(), 20u);
    std::string patterns;
    for (size_t i = 0; i < offers.size(); ++i) {
        EXPECT_EQ(offers[i].id, static_cast<int>(i) + 1);
        if (offers[i].separatorBefore) patterns += "| ";
        patterns += toUtf8(offers[i].pattern) + " ";
    }
    EXPECT_EQ(patterns,
              " | %Y-%m-%d %Y-%B-%d %Y-%b-%d %Y-%b-%d %A | %m-%d-%Y %B-%d-%Y %b-%d-%Y "
              "| %d-%m-%Y %d-%B-%Y %d-%b-%Y %A %d-%b-%Y | %Y %y %m %b %B %d %a %A ");

    struct Case { int id; DvPatternOfferKind kind; const char* label; };
    const Case cases[] = {
        {1, DvPatternOfferKind::Clear, "clear (system default)"},
        {2, DvPatternOfferKind::Whole, "%Y-%m-%d\t(2008-03-05)"},
        {5, DvPatternOfferKind::Whole, "%Y-%b-%d %A\t(2008-Mar-05 Wednesday)"},
        {12, DvPatternOfferKind::Whole, "%A %d-%b-%Y\t(Wednesday 05-Mar-2008)"},
        {13, DvPatternOfferKind::Conversion, "%Y\t(2008)"},
        {20, DvPatternOfferKind::Conversion, "%A\t(Wednesday)"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.id);
        EXPECT_EQ(offers[c.id - 1].kind, c.kind);
        EXPECT_EQ(toUtf8(offers[c.id - 1].label), c.label);
    }
}

TEST(DateFormatPage, OffersClearReplaceOrInsertAtTheCaret) {
    struct Case { const char* what; size_t selStart, selEnd; int id; const char* text; size_t caret; };
    // The field holds "%d.%m." each time.
    const Case cases[] = {
        {"clear", 2, 2, 1, "", 0},
        {"whole pattern replaces", 0, 0, 9, "%d-%m-%Y", 8},
        {"conversion at the caret", 3, 3, 13, "%d.%Y%m.", 5},
        {"conversion replaces the selection", 3, 5, 20, "%d.%A.", 5},
        {"selection made leftwards", 5, 3, 14, "%d.%y.", 5},
        {"caret beyond the text", 99, 99, 19, "%d.%m.%a", 8},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        DvDateFormatPageModel page(u"%d.%m.", u"%a");
        DvPatternField& field = page.Field(false);
        field = {u"%d.%m.", c.selStart, c.selEnd};
        EXPECT_TRUE(page.ApplyOffer(false, c.id));
        EXPECT_EQ(toUtf8(field.text), c.text);
        EXPECT_EQ(field.selectionStart, c.caret);
        EXPECT_EQ(field.selectionEnd, c.caret);
        EXPECT_EQ(toUtf8(page.Field(true).text), "%d.%m.") << "the other field is untouched";
    }
    DvDateFormatPageModel page(u"%Y", u"");
    EXPECT_FALSE(page.ApplyOffer(true, 0));
    EXPECT_FALSE(page.ApplyOffer(true, 21));
    EXPECT_EQ(toUtf8(page.Field(true).text), "%Y");
}

TEST(DateFormatPage, PreviewsAndStore) {
    dvtest::ScopedFakeClock clock(kToday);
    dvtest::ScopedDateOptions options;
    auto& stored = options.values;
    stored[u"dv_opt_s_shortdate"] = u"%d/%m";

    DvDateFormatPageModel page(u"%Y", u"%d/%m");
    EXPECT_EQ(toUtf8(page.Preview(true)), "Preview: 2008");
    page.Field(false).text.clear();
    // An emptied field shows the format in force until OK stores it.
    EXPECT_EQ(toUtf8(page.Preview(false)), "Preview: 05/03");
    page.Field(true).text.clear();
    EXPECT_EQ(toUtf8(page.Preview(true)), "Preview: Wed 05-Mar-2008");

    page.Field(true).text = u"%d %B";
    page.Store([&](std::u16string_view key, std::u16string_view value) { stored[std::u16string(key)] = value; });
    EXPECT_EQ(toUtf8(stored[u"dv_opt_s_longdate"]), "%d %B");
    EXPECT_EQ(toUtf8(stored[u"dv_opt_s_shortdate"]), "");
    EXPECT_EQ(toUtf8(DvFormatDate(DvDateTime::Now(), true, false)), "05 March");
}

}  // namespace
