#include "views/find_text_model.h"

#include <gtest/gtest.h>

#include "support/scripted_ui.h"

using Found = std::optional<DvTextSelection>;

TEST(FindNoCase, PositionsAreThoseOfTheSearchedText) {
    struct Case {
        const char16_t* haystack;
        const char16_t* needle;
        int from;
        Found found;
    };
    const Case cases[] = {
        {u"Alpha beta", u"BETA", 0, DvTextSelection{6, 10}},
        {u"Alpha beta", u"alpha", 1, std::nullopt},
        {u"ÉCOLE école", u"école", 0, DvTextSelection{0, 5}},
        {u"x\U00010428y", u"\U00010400Y", 0, DvTextSelection{1, 4}},  // a letter outside the BMP, two units
        {u"abc", u"", 0, std::nullopt},
        {u"abc", u"abcd", 0, std::nullopt},
        {u"abc", u"c", 5, std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(dv::toUtf8(c.needle));
        EXPECT_EQ(DvFindNoCase(c.haystack, c.needle, c.from), c.found);
    }
}

TEST(FindText, NextContinuesAfterTheSelectionUntilTheTextChanges) {
    ScriptedUi ui;
    const std::u16string contents = u"Alpha beta ALPHA gamma alpha";
    CDvFindTextDlgModel box;
    box.text = u"alpha";
    DvTextSelection selection{3, 3};  // the first search starts from the top wherever the caret is
    for (DvTextSelection expected : {DvTextSelection{0, 5}, {11, 16}, {23, 28}}) {
        const Found found = box.Next(contents, selection);
        ASSERT_EQ(found, expected);
        selection = *found;
    }
    EXPECT_EQ(box.Next(contents, selection), std::nullopt);
    EXPECT_EQ(ui.beeps, 1);

    box.text = u"GAMMA";
    EXPECT_EQ(box.Next(contents, selection), (DvTextSelection{17, 22}));
    box.text = u"";
    EXPECT_EQ(box.Next(contents, selection), std::nullopt);
    EXPECT_EQ(ui.beeps, 2);
}

TEST(FindText, TheLastSearchTextIsOfferedAgain) {
    ScriptedUi ui;
    {
        CDvFindTextDlgModel first;
        first.text = u"invoice";
        first.Next(u"no such word", {});
    }
    CDvFindTextDlgModel second;
    EXPECT_EQ(second.text, u"invoice");
    EXPECT_EQ(second.Next(u"the invoice", {}), (DvTextSelection{4, 11}));
}
