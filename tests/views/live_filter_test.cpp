#include "views/live_filter.h"

#include <gtest/gtest.h>

#include "core/doc.h"
#include "platform/text.h"

namespace {

using dv::toUtf8;

// Six items; the pass patterns below have one character per item, in this order.
class LiveFilter : public ::testing::Test {
protected:
    void SetUp() override {
        add(DV_ITEM_TASK, u"Meeting", {u"\\Work"}, {u"urgent", u"work"});
        add(DV_ITEM_TASK, u"Team meeting", {u"\\Work\\Projects"}, {u"work"});
        add(DV_ITEM_TODO, u"Dentist", {u"\\Home"}, {u"urgent", u"health"});
        add(DV_ITEM_NOTE, u"Shopping list", {u"\\Home"}, {});
        add(DV_ITEM_NOTE, u"Budget", {u"\\Work"}, {u"work", u"money", u"work"});
        add(DV_ITEM_NOTE, u"Steam meeting", {u"\\Archive"}, {});
        filter.Prepare(u"\\", 0);
    }
    void add(int type, std::u16string title, std::vector<std::u16string> folders,
             std::vector<std::u16string> keywords) {
        auto item = std::make_unique<CDvItem>();
        item->itemType = type;
        item->title = std::move(title);
        item->folders = std::move(folders);
        item->keywords = std::move(keywords);
        doc.items.push_back(std::move(item));
    }
    std::string passes(bool checkScope = false) const {
        std::string out;
        for (const auto& item : doc.items) out += filter.ItemPassesFilter(*item, checkScope) ? 'X' : '-';
        return out;
    }
    std::vector<std::string> rows() const {
        std::vector<std::string> out;
        for (int r = 0; r < filter.RowCount(); ++r) out.push_back(toUtf8(filter.RowText(r)));
        return out;
    }
    void select(const std::vector<std::u16string>& keywords) {
        for (int r = 0; r < filter.RowCount(); ++r)
            filter.SetRowSelected(r, std::find(keywords.begin(), keywords.end(),
                                               filter.KeywordTable()[static_cast<size_t>(r)].keyword) != keywords.end());
    }

    CDvDoc doc;
    CDvLiveFilter filter{doc};
};

}  // namespace

TEST_F(LiveFilter, TextFilterLooksForThePhraseInTitlesIgnoringCase) {
    struct Case {
        bool on;
        const char16_t* phrase;
        const char* passes;
    };
    const Case cases[] = {
        {true, u"mee", "XX---X"},
        {true, u"team meet", "-X---X"},  // one contiguous piece, inside words too
        {true, u"MEETING", "XX---X"},
        {true, u"meeting team", "------"},  // no splitting into words
        {true, u"team  meet", "------"},
        {true, u"", "XXXXXX"},
        {false, u"mee", "XXXXXX"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(toUtf8(c.phrase) + (c.on ? " on" : " off"));
        filter.SetTextFilterOn(c.on);
        filter.SetPhrase(c.phrase);
        EXPECT_EQ(passes(), c.passes);
        EXPECT_EQ(filter.IsFilterActive(), c.on && *c.phrase);
    }
}

TEST_F(LiveFilter, KeywordTestInBothModes) {
    struct Case {
        bool all;
        std::vector<std::u16string> selected;
        const char* passes;
    };
    const Case cases[] = {
        {false, {}, "------"},  // "OR" with nothing selected lists nothing
        {false, {u"urgent"}, "X-X---"},
        {false, {u"urgent", u"health"}, "X-X---"},
        {false, {u"money", u"health"}, "--X-X-"},
        {true, {}, "------"},
        {true, {u"work"}, "XX--X-"},
        {true, {u"urgent", u"work"}, "X-----"},
        {true, {u"urgent", u"health"}, "--X---"},
        {true, {u"urgent", u"money"}, "------"},
    };
    filter.SetKeywordFilterOn(true);
    filter.RebuildKeywordList();
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.all ? "And" : "OR") + " with " + std::to_string(c.selected.size()));
        filter.allKeywords = c.all;
        select(c.selected);
        EXPECT_EQ(passes(), c.passes);
    }
}

TEST_F(LiveFilter, EveryItemFailsWhileTheListIsBeingRebuilt) {
    filter.SetKeywordFilterOn(true);
    filter.RebuildKeywordList();
    select({u"urgent"});
    filter.RebuildKeywordTable();
    EXPECT_EQ(filter.RowCount(), 0);
    EXPECT_EQ(passes(), "------");
    filter.FillKeywordList();
    EXPECT_EQ(passes(), "X-X---");
}

TEST_F(LiveFilter, AnEmptyKeywordListPassesNothing) {
    filter.Prepare(u"\\Archive", 0);
    filter.SetKeywordFilterOn(true);
    filter.RebuildKeywordList();
    ASSERT_EQ(filter.RowCount(), 0);
    for (bool all : {false, true}) {
        filter.allKeywords = all;
        EXPECT_EQ(passes(), "------") << (all ? "And" : "OR");
    }
}

TEST_F(LiveFilter, CheckingTheScopeUsesFolderSubfoldersAndType) {
    struct Case {
        const char16_t* folder;
        int type;
        bool subfolders;
        const char* passes;
    };
    const Case cases[] = {
        {u"\\", 0, true, "XXXXXX"},
        {u"\\work", 0, true, "XX--X-"},
        {u"\\Work", 0, false, "X---X-"},
        {u"\\Work", DV_ITEM_NOTE, true, "----X-"},
        {u"\\Wor", 0, true, "------"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(toUtf8(c.folder) + " type " + std::to_string(c.type));
        filter.Prepare(c.folder, c.type);
        filter.includeSubfolders = c.subfolders;
        EXPECT_EQ(passes(true), c.passes);
        EXPECT_EQ(passes(false), "XXXXXX");
    }
}

TEST_F(LiveFilter, RebuildCountsTheKeywordsInScope) {
    filter.RebuildKeywordList();
    EXPECT_EQ(filter.RowCount(), 0);  // the list stays empty while the keyword filter is off

    filter.SetKeywordFilterOn(true);
    filter.RebuildKeywordList();
    EXPECT_EQ(rows(), (std::vector<std::string>{"health (1)", "money (1)", "urgent (2)", "work (4)"}));

    filter.alphabetical = false;
    filter.RebuildKeywordList();
    EXPECT_EQ(rows(), (std::vector<std::string>{"work (4)", "urgent (2)", "health (1)", "money (1)"}));

    filter.Prepare(u"\\Work", DV_ITEM_TASK);
    filter.RebuildKeywordList();
    EXPECT_EQ(rows(), (std::vector<std::string>{"work (2)", "urgent (1)"}));
}

TEST_F(LiveFilter, AlphabeticalOrderIgnoresCaseButEntriesKeepTheirExactText) {
    add(DV_ITEM_NOTE, u"Imported", {u"\\Import"}, {u"Zebra", u"apple", u"Mango", u"zebra"});
    filter.Prepare(u"\\Import", 0);
    filter.SetKeywordFilterOn(true);
    filter.RebuildKeywordList();
    ASSERT_EQ(filter.RowCount(), 4);
    EXPECT_EQ(filter.RowText(0), u"apple (1)");
    EXPECT_EQ(filter.RowText(1), u"Mango (1)");
    EXPECT_EQ(toUtf8(filter.RowText(2)).substr(1), "ebra (1)");
    EXPECT_EQ(toUtf8(filter.RowText(3)).substr(1), "ebra (1)");

    // Keywords compare exactly: "Zebra" selected does not match the item's "zebra".
    filter.allKeywords = true;
    const int upper = filter.KeywordTable()[2].keyword == u"Zebra" ? 2 : 3;
    filter.SetRowSelected(upper, true);
    doc.items.back()->keywords = {u"zebra"};
    EXPECT_FALSE(filter.ItemPassesFilter(*doc.items.back()));
}

TEST_F(LiveFilter, SelectionSurvivesARefreshOfTheSameScopeOnly) {
    struct Case {
        const char16_t* from;
        const char16_t* to;
        int toType;
        bool kept;
    };
    const Case cases[] = {
        {u"\\", u"\\", 0, true},
        {u"\\Work", u"\\Work", 0, true},
        {u"\\", u"\\Work", 0, false},
        {u"\\Work", u"\\work", 0, false},  // the scope compares exactly, unlike folder lookups
        {u"\\", u"\\", DV_ITEM_TASK, false},
    };
    filter.SetKeywordFilterOn(true);
    for (const auto& c : cases) {
        SCOPED_TRACE(toUtf8(c.from) + " to " + toUtf8(c.to) + " type " + std::to_string(c.toType));
        filter.Prepare(c.from, 0);
        filter.RebuildKeywordList();
        select({u"work"});
        filter.Prepare(c.to, c.toType);
        filter.RebuildKeywordList();
        EXPECT_EQ(filter.SelectedKeywords(), c.kept ? std::vector<std::u16string>{u"work"} : std::vector<std::u16string>{});
    }
}
