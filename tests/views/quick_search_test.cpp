#include "views/quick_search.h"

#include <gtest/gtest.h>

#include "platform/text.h"
#include "support/test_items.h"
#include "views/quick_search_combo_model.h"

namespace {

using dv::toUtf8;
using dvtest::addItem;

std::vector<std::string> titles(const std::vector<DvListEntry>& entries) {
    std::vector<std::string> out;
    for (const auto& e : entries) out.push_back(e.item ? toUtf8(e.item->title) : "--");
    return out;
}

}  // namespace

TEST(QuickSearch, Scores) {
    struct Case {
        const char* what;
        const char16_t* title;
        std::vector<std::u16string> keywords;
        const char16_t* variable;  // the text of a variable "Place", if any
        const char* contents;
        const char16_t* query;
        bool partial;
        double score;
    };
    const Case cases[] = {
        {"phrase in the title", u"Team meeting notes", {}, nullptr, "", u"meeting", false, 1.0},
        {"query in capitals", u"Team meeting", {}, nullptr, "", u"TEAM Meeting", false, 1.0},
        {"words apart in the title", u"Meeting of the team", {}, nullptr, "", u"team meeting", false, 0.5},
        {"one word missing", u"Meeting of the team", {}, nullptr, "", u"team lunch", false, 0.0},
        {"two blanks are not one", u"Team meeting", {}, nullptr, "", u"team  meeting", false, 0.5},
        {"keyword equal to the word", u"Budget", {u"meeting"}, nullptr, "", u"meeting", false, 1.0},
        {"half the words are keywords", u"Budget", {u"team"}, nullptr, "", u"team meeting", false, 0.5},
        {"keyword containing the word needs partial", u"Budget", {u"meetings"}, nullptr, "", u"meeting", false, 0.0},
        {"partial keyword", u"Budget", {u"meetings"}, nullptr, "", u"meeting", true, 0.5},
        {"whole and partial keywords", u"Budget", {u"team", u"meetings"}, nullptr, "", u"team meeting", true, 0.75},
        {"partial hits before the equal one, capped", u"Budget", {u"xx", u"x"}, nullptr, "", u"x", true, 1.0},
        {"a variable holding the query", u"Budget", {}, u"Big Meeting Room", "", u"meeting", false, 0.2},
        {"a variable inside the query needs partial", u"Budget", {}, u"ab", "", u"abc", false, 0.0},
        {"a variable inside the query", u"Budget", {}, u"ab", "", u"abc", true, 0.01},
        {"title beats keywords and variables", u"meeting", {u"meeting"}, u"meeting", "", u"meeting", true, 1.0},
        {"words in the contents", u"Budget", {}, nullptr, "Notes: team had a meeting", u"team meeting", false, 0.5},
        {"nothing anywhere", u"Budget", {u"money"}, u"x", "cash", u"meeting", true, 0.0},
    };
    const dv::FakeMillisecondClock stoppedClock;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        CDvDoc doc;
        CDvItem& item = addItem(doc, DV_ITEM_NOTE, c.title, {u"\\Work"}, c.keywords);
        if (c.variable) item.vars.SetText(u"Place", c.variable);
        dvtest::setContents(item, c.contents);
        const DvSearchQuery query = DvSearchQuery::FromText(c.query);
        EXPECT_DOUBLE_EQ(DvQuickSearchScore(item, query, c.partial, {}, DvContentsBudget(stoppedClock)), c.score);
        // In the scope folder itself a match scores 0.2 more; in a subfolder it does not.
        EXPECT_DOUBLE_EQ(DvQuickSearchScore(item, query, c.partial, u"\\Work", DvContentsBudget(stoppedClock)),
                         c.score > 0 ? c.score + 0.2 : 0.0);
        EXPECT_DOUBLE_EQ(DvQuickSearchScore(item, query, c.partial, u"\\", DvContentsBudget(stoppedClock)), c.score);
    }
}

TEST(QuickSearch, QueryWords) {
    const DvSearchQuery query = DvSearchQuery::FromText(u"  Team  MEETING ");
    EXPECT_EQ(query.text, u"  team  meeting ");
    EXPECT_EQ(query.words, (std::vector<std::u16string>{u"team", u"meeting"}));
}

// Contents are read while the pass is younger than 1500 ms: each reading of this clock is 750 ms
// after the previous one, so the second item is checked exactly at 1500 ms, too late.
TEST(QuickSearch, ContentsOnlyDuringTheFirst1500ms) {
    CDvDoc doc;
    for (const char16_t* title : {u"one", u"two", u"three"})
        dvtest::setContents(addItem(doc, DV_ITEM_NOTE, title), "a budget plan");
    const DvSearchQuery query = DvSearchQuery::FromText(u"budget");
    struct Case { int64_t step; std::vector<std::string> found; };
    for (const Case& c : {Case{700, {"one", "two"}}, Case{750, {"one"}}, Case{0, {"one", "two", "three"}}}) {
        SCOPED_TRACE(c.step);
        const dv::FakeMillisecondClock clock(5000, c.step);
        std::vector<DvListEntry> entries;
        DvQuickSearch(doc, query, 0, 30, false, {}, entries, clock);
        EXPECT_EQ(titles(entries), c.found);
    }

    // The clock is only asked when it matters: never for a title match.
    const dv::FakeMillisecondClock counting;
    std::vector<DvListEntry> entries;
    DvQuickSearch(doc, DvSearchQuery::FromText(u"one"), 0, 30, false, {}, entries, counting);
    EXPECT_EQ(counting.readings(), 1 + 2);  // the start, then "two" and "three"
}

TEST(QuickSearch, FirstMatchesInDocumentOrderRankedByScore) {
    CDvDoc doc;
    addItem(doc, DV_ITEM_NOTE, u"plan budget");                       // 0.5
    addItem(doc, DV_ITEM_NOTE, u"unrelated").relevance = 7;           // scored 0, not listed
    addItem(doc, DV_ITEM_NOTE, u"budget, the plan");                  // 0.5, found by an earlier pass
    addItem(doc, DV_ITEM_TASK, u"budget plan");                       // 1.0
    addItem(doc, DV_ITEM_NOTE, u"budget plan again").relevance = -1;  // 1.0, but after the cap
    const DvSearchQuery query = DvSearchQuery::FromText(u"budget plan");

    std::vector<DvListEntry> entries{DvMakeListEntry(*doc.items[2])};
    EXPECT_EQ(DvQuickSearch(doc, query, 0, 2, false, {}, entries, dv::FakeMillisecondClock()), 2);
    EXPECT_EQ(titles(entries), (std::vector<std::string>{"budget, the plan", "budget plan", "plan budget"}));
    EXPECT_EQ(doc.items[1]->relevance, 0.0) << "every scored item gets its score";
    EXPECT_EQ(doc.items[4]->relevance, -1.0) << "the pass stopped before this one";

    entries.clear();
    EXPECT_EQ(DvQuickSearch(doc, query, DV_ITEM_NOTE, 30, false, {}, entries, dv::FakeMillisecondClock()), 3);
    EXPECT_EQ(titles(entries).front(), "budget plan again");
    EXPECT_EQ(DvQuickSearch(doc, DvSearchQuery::FromText(u"   "), 0, 30, false, {}, entries), 0);
}

namespace {

struct Locator final : DvQuickSearchListener {
    std::vector<std::u16string> located;
    void LocateItem(const std::u16string& guid) override { located.push_back(guid); }
};

class QuickSearchBox : public ::testing::Test {
protected:
    void SetUp() override { box.SetScope(u"\\Work", 0); }
    std::vector<std::string> rows() const {
        std::vector<std::string> out;
        for (const auto& r : box.Rows()) out.push_back(toUtf8(r));
        return out;
    }
    void search(const char16_t* text) {
        box.TextChanged(text);
        ASSERT_TRUE(box.Tick());
    }

    CDvDoc doc;
    Locator locator;
    dv::FakeMillisecondClock clock;
    CDvQuickSearchComboBoxModel box{doc, &locator, clock};
};

}  // namespace

TEST_F(QuickSearchBox, FewInScopeThenTheRestUnderTheSeparator) {
    addItem(doc, DV_ITEM_TASK, u"Budget review", {u"\\Home"});
    addItem(doc, DV_ITEM_NOTE, u"Budget", {u"\\Work\\Q1"});
    addItem(doc, DV_ITEM_NOTE, u"Budget", {u"\\Work"});  // the same score plus 0.2 in the folder itself
    addItem(doc, DV_ITEM_CONTACT, u"Budget office of the city council, second floor, room 12", {u"\\Home"});
    search(u"budget");
    EXPECT_EQ(rows(), (std::vector<std::string>{"Budget", "Budget", "-- Out of current scope :",
                                                "Budget review  [Task]",
                                                "Budget office of the city council, second floor...  [Contact]"}));
    EXPECT_EQ(box.Entries()[0].item, doc.items[2].get());
    EXPECT_TRUE(box.DropDownShown());

    EXPECT_FALSE(box.EntryChosen(2));
    EXPECT_TRUE(box.EntryChosen(3));
    EXPECT_EQ(locator.located, std::vector<std::u16string>{doc.items[0]->guid});
    doc.items.erase(doc.items.begin());
    EXPECT_FALSE(box.EntryChosen(3)) << "gone since";
}

TEST_F(QuickSearchBox, SeparatorEvenWhenNothingElseMatches) {
    for (int i = 0; i < 2; ++i) addItem(doc, DV_ITEM_NOTE, u"tax", {u"\\Work"});
    search(u"tax");
    EXPECT_EQ(rows(), (std::vector<std::string>{"tax", "tax", "-- Out of current scope :"}));
}

TEST_F(QuickSearchBox, TenInScopeAreEnough) {
    for (int i = 0; i < 10; ++i) addItem(doc, DV_ITEM_NOTE, u"tax", {u"\\Work"});
    addItem(doc, DV_ITEM_NOTE, u"tax", {u"\\Home"});
    search(u"tax");
    EXPECT_EQ(rows(), std::vector<std::string>(10, "tax"));
}

TEST_F(QuickSearchBox, PartialKeywordsWhenAlmostNothingWasFound) {
    addItem(doc, DV_ITEM_TODO, u"Plan", {u"\\Home"}, {u"meetings"});
    search(u"meeting");
    EXPECT_EQ(rows(), (std::vector<std::string>{"-- Out of current scope :", "Plan  [ToDo]"}));
}

TEST_F(QuickSearchBox, ScopeTypeAppliesToTheFirstPassOnly) {
    box.SetScope(u"\\Work", DV_ITEM_TASK);
    addItem(doc, DV_ITEM_NOTE, u"tax note", {u"\\Work"});
    addItem(doc, DV_ITEM_TASK, u"tax task", {u"\\Work"});
    search(u"tax");
    EXPECT_EQ(rows(), (std::vector<std::string>{"tax task", "-- Out of current scope :", "tax note  [Note]"}));
}

TEST_F(QuickSearchBox, PendingAndScope) {
    EXPECT_FALSE(box.Tick());
    box.SetTextSilently(u"tax");
    EXPECT_FALSE(box.Tick()) << "the program's own change starts no search";
    box.TextChanged(u"tax");
    EXPECT_TRUE(box.Pending());
    EXPECT_TRUE(box.Tick());
    EXPECT_FALSE(box.Tick());
    EXPECT_TRUE(box.DropDownShown());
    search(u" ");
    EXPECT_TRUE(box.Rows().empty());
    EXPECT_FALSE(box.DropDownShown()) << "an emptied box closes the list";

    CDvQuickSearchComboBoxModel fresh(doc);
    EXPECT_TRUE(fresh.SetScope(u"\\", 0));
    EXPECT_FALSE(fresh.SetScope(u"\\Work", 2));
    struct Width { int before, after; };
    for (const Width& w : {Width{10, 10}, Width{11, 171}, Width{599, 759}, Width{600, 600}}) {
        SCOPED_TRACE(w.before);
        EXPECT_EQ(CDvQuickSearchComboBoxModel::DropDownWidth(w.before), w.after);
    }
    EXPECT_EQ(CDvQuickSearchComboBoxModel::FocusHint(), u"Quick search: simply start entering words.\r\n");
}

TEST(QuickSearchRow, TitlesAreCutAt50) {
    const std::u16string fifty(50, u'x'), fiftyOne(51, u'x');
    EXPECT_EQ(DvQuickSearchRowText(fifty, DV_ITEM_NOTE, false), fifty);
    EXPECT_EQ(DvQuickSearchRowText(fiftyOne, DV_ITEM_NOTE, false), std::u16string(47, u'x') + u"...");
    EXPECT_EQ(DvQuickSearchRowText(u"Lunch", DV_ITEM_TASK, true), u"Lunch  [Task]");
}
