#include "core/row_table.h"

#include <gtest/gtest.h>

#include "platform/text.h"

using dv::toUtf8;

TEST(RowTable, EscapesFieldsThenRows) {
    struct Case { std::u16string field; std::u16string written; };
    const Case cases[] = {
        {u"plain", u"plain"},
        {u"a,b", u"a&#44;b"},
        {u"a&b", u"a&amp;b"},
        {u"line\r\nbreak", u"line&#13;&#10;break"},
        {u"x|y", u"x&#124;y"},
        {u"&#44;", u"&amp;#44;"},    // typed escapes are protected by escaping "&" first
        {u"&#124;", u"&amp;#124;"},
        {u"&amp;", u"&amp;amp;"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(toUtf8(c.field));
        const std::u16string text = DvRowTableToText({{c.field, u"next"}});
        EXPECT_EQ(toUtf8(text), toUtf8(c.written + u",next"));
        EXPECT_EQ(DvRowTableFromText(text), (DvRowTable{{c.field, u"next"}}));
    }
}

TEST(RowTable, JoinsRowsAndKeepsEmptyFields) {
    const DvRowTable rows = {
        {u"dv_title", u"Title", u"400", u"user_no", u"", u"", u"", u""},
        {u"Company", u"Firm, Inc. | \"A&B\"", u"100", u"user_yes", u"string", u"", u"", u""},
    };
    const std::u16string text = DvRowTableToText(rows);
    EXPECT_EQ(toUtf8(text), "dv_title,Title,400,user_no,,,,|"
                            "Company,Firm&#44; Inc. &#124; \"A&amp;B\",100,user_yes,string,,,");
    EXPECT_EQ(DvRowTableFromText(text), rows);
}

TEST(RowTable, ReadingUndoesEscapesInItsOwnOrder) {
    struct Case { const char* text; DvRowTable rows; };
    const Case cases[] = {
        {"", {}},
        {"a", {{u"a"}}},
        {"|", {{u""}, {u""}}},
        {"a,,b|c", {{u"a", u"", u"b"}, {u"c"}}},
        {"&amp;#44;", {{u"&#44;"}}},          // "&amp;" last, so the result is not unescaped again
        {"&#44;&#13;&#10;", {{u",\r\n"}}},
        {"x&#124;y,z", {{u"x|y", u"z"}}},
        {"&amp;amp;", {{u"&amp;"}}},
        {"&unknown;", {{u"&unknown;"}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(DvRowTableFromText(dv::fromUtf8(c.text)), c.rows);
    }
}
