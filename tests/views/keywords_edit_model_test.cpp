#include "views/keywords_edit_model.h"

#include <gtest/gtest.h>

#include "core/doc.h"
#include "platform/numbers.h"
#include "platform/text.h"

namespace {

using dv::toUtf8;

void addItem(CDvDoc& doc, std::vector<std::u16string> folders, std::vector<std::u16string> keywords) {
    auto item = std::make_unique<CDvItem>();
    item->itemType = DV_ITEM_NOTE;
    item->folders = std::move(folders);
    item->keywords = std::move(keywords);
    doc.items.push_back(std::move(item));
}

std::string joined(const std::vector<std::u16string>& candidates) {
    std::string out;
    for (size_t i = 0; i < candidates.size(); ++i) out += (i ? "|" : "") + toUtf8(candidates[i]);
    return out;
}

class KeywordsEdit : public ::testing::Test {
protected:
    void SetUp() override {
        addItem(doc, {u"\\Work"}, {u"urgent", u"work"});
        addItem(doc, {u"\\Home"}, {u"health", u"urgent", u"garden"});
        addItem(doc, {u"\\Work", u"\\Home"}, {u"report", u"Weekly"});  // keywords from an old file keep capitals
        addItem(doc, {u"\\Work\\Old"}, {u"workshop", u""});
        addItem(doc, {u"\\Workers"}, {u"payroll"});
    }
    CDvDoc doc;
};

}  // namespace

TEST(KeywordsHint, ThreeSpacesWithoutACommaLookLikeSpaceSeparatedKeywords) {
    struct Case {
        const char16_t* text;
        bool hint;
    };
    const Case cases[] = {
        {u"home garden tools plants", true},
        {u"home garden tools, plants", false},
        {u"home garden tools", false},
        {u"a  b c", true},
        {u"   ", true},
        {u"", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(toUtf8(c.text));
        EXPECT_EQ(CDvKeywordsEditModel::HintFor(c.text),
                  c.hint ? CDvKeywordsEditModel::kCommaHint : std::u16string_view());
    }
    EXPECT_EQ(toUtf8(CDvKeywordsEditModel::kCommaHint),
              "Do you remember, that you should separate keywords with commas, not spaces?");
}

TEST(KeywordFragment, SelectionOrTheKeywordBeforeTheCaret) {
    struct Case {
        const char16_t* text;
        DvTextSelection selection;
        DvTextSelection fragment;
    };
    const Case cases[] = {
        {u"work, ur", {8, 8}, {6, 8}},
        {u"work, urgent", {8, 8}, {6, 8}},  // only up to the caret
        {u"work, urgent", {0, 4}, {0, 4}},  // a selection is taken as it is
        {u"work, urgent", {4, 0}, {0, 4}},
        {u"heal", {4, 4}, {0, 4}},
        {u"a, b ,c", {5, 5}, {3, 4}},       // spaces and commas trimmed on both sides
        {u"work,  ", {7, 7}, {7, 7}},       // nothing left: an empty fragment at the caret
        {u"", {0, 0}, {0, 0}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(toUtf8(c.text) + " @" + std::to_string(c.selection.end));
        EXPECT_EQ(DvKeywordFragment(c.text, c.selection), c.fragment);
    }
}

TEST_F(KeywordsEdit, CandidatesFromTheItemsScopeComeFirst) {
    struct Case {
        std::vector<std::u16string> folders;
        const char16_t* fragment;
        const char* candidates;
    };
    const Case cases[] = {
        {{u"\\Work"}, u"", "report|urgent|weekly|work|workshop||garden|health|payroll"},
        {{u"\\Work"}, u"r", "report|urgent|work|workshop||garden|payroll"},  // anywhere in the keyword
        {{u"\\Work"}, u"WOR", "work|workshop|"},
        {{u"\\Work"}, u"xyz", ""},
        {{u"\\Work\\Old"}, u"w", "workshop||weekly|work"},  // only the folder and its subfolders are near
        {{u"\\Home", u"\\Workers"}, u"r", "garden|payroll|report|urgent||work|workshop"},
        {{}, u"e", "|garden|health|report|urgent|weekly"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(toUtf8(c.fragment) + " near " + (c.folders.empty() ? "" : toUtf8(c.folders[0])));
        EXPECT_EQ(joined(DvKeywordCandidates(doc, c.folders, c.fragment)), c.candidates);
    }
}

TEST(KeywordCandidates, EachPassTakesTheFirstItemsUpToItsLimit) {
    struct Case {
        int nearby;  // distinct keywords near the item, in reverse name order
        size_t total;
        const char* first;
        const char* lastNearby;
    };
    const Case cases[] = {
        {250, 201, "n050", "n249"},  // the first 200 in document order, not the first 200 by name
        {199, 200, "n000", "n198"},  // 199 and the separator make 200: no second pass
        {198, 299, "n000", "n197"},  // fewer: up to 100 from elsewhere
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.nearby);
        CDvDoc doc;
        for (int i = c.nearby - 1; i >= 0; --i) {
            const std::u16string n = dv::formatInt64(i);
            addItem(doc, {u"\\Near"}, {u"n" + std::u16string(3 - n.size(), u'0') + n});
        }
        for (int i = 0; i < 150; ++i) addItem(doc, {u"\\Far"}, {u"f" + dv::formatInt64(1000 + i)});
        const auto candidates = DvKeywordCandidates(doc, {u"\\Near"}, u"");
        ASSERT_EQ(candidates.size(), c.total);
        const size_t separator = static_cast<size_t>(std::min(c.nearby, 200));
        EXPECT_EQ(toUtf8(candidates.front()), c.first);
        EXPECT_EQ(toUtf8(candidates[separator - 1]), c.lastNearby);
        EXPECT_TRUE(candidates[separator].empty());
        if (c.total > separator + 1) {
            EXPECT_EQ(toUtf8(candidates[separator + 1]), "f1000");
            EXPECT_EQ(toUtf8(candidates.back()), "f1099");
        }
    }
}

TEST_F(KeywordsEdit, OneCandidateReplacesTheFragmentAtOnce) {
    CDvKeywordsEditModel box;
    box.text = u"work, gard";
    box.selection = {10, 10};
    EXPECT_EQ(box.AutoComplete(doc, {u"\\Work"}), DvAutoCompleteOutcome::Replaced);
    EXPECT_EQ(box.text, u"work, garden");
    EXPECT_EQ(box.selection, (DvTextSelection{12, 12}));
    EXPECT_EQ(box.Fragment(), (DvTextSelection{6, 10}));
}

TEST_F(KeywordsEdit, NothingFoundRestoresTheSelection) {
    CDvKeywordsEditModel box;
    box.text = u"zzz, work";
    box.selection = {3, 3};
    EXPECT_EQ(box.AutoComplete(doc, {u"\\Work"}), DvAutoCompleteOutcome::NothingFound);
    EXPECT_EQ(box.text, u"zzz, work");
    EXPECT_EQ(box.selection, (DvTextSelection{3, 3}));
    EXPECT_TRUE(box.Menu().empty());
}

TEST_F(KeywordsEdit, TheMenuReplacesTheFragmentOrRestoresTheSelection) {
    CDvKeywordsEditModel box;
    box.text = u"urgent, wor";
    box.selection = {11, 11};
    ASSERT_EQ(box.AutoComplete(doc, {u"\\Work"}), DvAutoCompleteOutcome::MenuOffered);
    EXPECT_EQ(joined(box.Menu()), "work|workshop|");
    EXPECT_EQ(box.selection, (DvTextSelection{8, 11}));  // the fragment is selected while the menu shows
    box.DismissMenu();
    EXPECT_EQ(box.selection, (DvTextSelection{11, 11}));
    EXPECT_EQ(box.text, u"urgent, wor");

    ASSERT_EQ(box.AutoComplete(doc, {u"\\Work"}), DvAutoCompleteOutcome::MenuOffered);
    box.ChooseCandidate(2);  // the separator
    EXPECT_EQ(box.text, u"urgent, wor");
    box.ChooseCandidate(1);
    EXPECT_EQ(box.text, u"urgent, workshop");
    EXPECT_EQ(box.selection, (DvTextSelection{16, 16}));
}
