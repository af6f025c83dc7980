#include "views/column.h"

#include <gtest/gtest.h>

#include "platform/text.h"

namespace {

DvColumn userColumn(std::u16string name, std::u16string display, int width = 100, std::u16string type = u"") {
    DvColumn c;
    c.name = std::move(name);
    c.displayName = std::move(display);
    c.width = width;
    c.user = true;
    c.typeName = std::move(type);
    return c;
}

}  // namespace

TEST(ColumnText, WritesEightFieldsPerColumn) {
    DvColumn title;
    title.name = u"dv_title";
    title.displayName = u"Title";
    title.width = 400;
    title.source = u"built-in";  // never stored
    const std::u16string text = DvColumnsToText({title, userColumn(u"Company", u"Firm", 150, u"string")});
    EXPECT_EQ(dv::toUtf8(text), "dv_title,Title,400,user_no,,,,|Company,Firm,150,user_yes,string,,,");
}

TEST(ColumnText, DisplayNamesSurviveAnyCharacterTheFormatUses) {
    const char16_t* const names[] = {u"a,b", u"x|y", u"Tom & Jerry", u"two\r\nlines", u"&#44;", u"&#124;|&amp;", u""};
    for (const char16_t* display : names) {
        SCOPED_TRACE(dv::toUtf8(display));
        const std::vector<DvColumn> columns{userColumn(u"Budget", display, 120, u"number"),
                                            userColumn(u"Next", u"after", 90)};
        EXPECT_EQ(DvColumnsFromText(DvColumnsToText(columns)), columns);
    }
}

TEST(ColumnText, ReadingToleratesOddRows) {
    struct Case {
        const char* text;
        std::vector<DvColumn> columns;
    };
    const Case cases[] = {
        {"", {}},
        {"A,a,100,user_yes", {}},                                   // four fields: skipped
        {"A,a,100,user_yes,", {userColumn(u"A", u"a")}},            // five are enough
        {"A,a,-1,user_yes,", {userColumn(u"A", u"a", -1)}},
        {"A,a,-2,user_yes,", {userColumn(u"A", u"a", 100)}},        // widths outside -1..800 read as 100
        {"A,a,800,user_yes,", {userColumn(u"A", u"a", 800)}},
        {"A,a,801,user_yes,", {userColumn(u"A", u"a", 100)}},
        {"A,a,99999999999999999999,user_yes,", {userColumn(u"A", u"a", 100)}},
        {"A,a,wide,user_yes,", {userColumn(u"A", u"a", 0)}},
        {"A,a,100,User_Yes,number,,,|x|B,b,50,user_yes,bool,,,",
         {[] { auto c = userColumn(u"A", u"a", 100, u"number"); c.user = false; return c; }(),
          userColumn(u"B", u"b", 50, u"bool")}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(DvColumnsFromText(dv::fromUtf8(c.text)), c.columns);
    }
}

TEST(ColumnLookup, FindsTheVariableInAnyLetterCase) {
    const std::vector<DvColumn> columns{userColumn(u"dv_title", u"Title"), userColumn(u"Company", u"Firm")};
    EXPECT_EQ(DvFindColumn(columns, u"company"), 1);
    EXPECT_EQ(DvFindColumn(columns, u"DV_TITLE"), 0);
    EXPECT_EQ(DvFindColumn(columns, u"Firm"), -1);      // the header is not the name
    EXPECT_EQ(DvFindColumn(columns, u"Compan"), -1);    // whole names only
    EXPECT_EQ(DvFindColumn(columns, u"Company "), -1);
}

TEST(Column, IsNumberByTypeNameInAnyCase) {
    struct Case {
        const char16_t* type;
        bool number;
    };
    for (const Case& t : {Case{u"number", true}, Case{u"Number", true}, Case{u"", false}, Case{u"numbers", false}}) {
        DvColumn c;
        c.typeName = t.type;
        EXPECT_EQ(c.IsNumber(), t.number) << dv::toUtf8(t.type);
    }
}
