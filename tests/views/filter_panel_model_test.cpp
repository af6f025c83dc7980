#include "views/filter_panel_model.h"

#include <gtest/gtest.h>

#include <functional>

#include "core/doc.h"
#include "platform/text.h"

namespace {

using dv::toUtf8;

class CountingOwner final : public DvFilterListener {
public:
    int refreshes = 0;
    void FilterRefreshRequested() override { ++refreshes; }
};

class FilterPanel : public ::testing::Test {
protected:
    void SetUp() override {
        for (auto [title, keywords] : {std::pair<const char16_t*, const char16_t*>{u"a", u"rare, common"},
                                       {u"b", u"common"},
                                       {u"c", u"common, medium"},
                                       {u"d", u"medium"}}) {
            auto item = std::make_unique<CDvItem>();
            item->itemType = DV_ITEM_NOTE;
            item->title = title;
            item->folders = {u"\\"};
            item->SetKeywordsFromText(keywords);
            doc.items.push_back(std::move(item));
        }
        panel.Filter().Prepare(u"\\", 0);
    }
    std::vector<std::string> rows() const {
        std::vector<std::string> out;
        for (int r = 0; r < panel.Filter().RowCount(); ++r) out.push_back(toUtf8(panel.Filter().RowText(r)));
        return out;
    }

    CDvDoc doc;
    CountingOwner owner;
    CDvFilterDlgModel panel{doc, &owner};
};

}  // namespace

TEST_F(FilterPanel, StartsWithBothFiltersOffAndAnyKeywordMode) {
    const auto& f = panel.Filter();
    EXPECT_FALSE(f.TextFilterOn());
    EXPECT_FALSE(f.KeywordFilterOn());
    EXPECT_FALSE(f.allKeywords);
    EXPECT_TRUE(f.alphabetical);
    EXPECT_EQ(panel.StatusText(), u"Filter inactive");
    for (auto control : {DvFilterControl::Phrase, DvFilterControl::KeywordList, DvFilterControl::Or,
                         DvFilterControl::And, DvFilterControl::Options})
        EXPECT_FALSE(panel.IsEnabled(control));
    EXPECT_TRUE(panel.IsEnabled(DvFilterControl::TextCheck));
    EXPECT_TRUE(panel.IsEnabled(DvFilterControl::KeywordCheck));
}

TEST_F(FilterPanel, WhichCommandsCountAsAChange) {
    struct Case {
        const char* command;
        std::function<void(CDvFilterDlgModel&)> setUp;  // before the tick that clears the flag
        std::function<void(CDvFilterDlgModel&)> run;
        bool changed;
    };
    const Case cases[] = {
        {"text filter on, no phrase", {}, [](auto& p) { p.SetTextFilterActive(true); }, false},
        {"text filter on with a phrase", [](auto& p) { p.SetPhrase(u"x"); }, [](auto& p) { p.SetTextFilterActive(true); },
         true},
        {"phrase typed while the text filter is off", {}, [](auto& p) { p.SetPhrase(u"x"); }, true},
        {"keyword filter on", {}, [](auto& p) { p.SetKeywordFilterActive(true); }, true},
        {"OR again", {}, [](auto& p) { p.SetAllKeywordsMode(false); }, false},
        {"And", {}, [](auto& p) { p.SetAllKeywordsMode(true); }, true},
        {"row selected", [](auto& p) { p.SetKeywordFilterActive(true); }, [](auto& p) { p.SetRowSelected(0, true); },
         true},
        {"select all", [](auto& p) { p.SetKeywordFilterActive(true); },
         [](auto& p) { p.RunMenuCommand(DvFilterMenuCommand::SelectAll); }, true},
        {"sort by popularity", {}, [](auto& p) { p.RunMenuCommand(DvFilterMenuCommand::SortByPopularity); }, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.command);
        CountingOwner counter;
        CDvFilterDlgModel fresh(doc, &counter);
        if (c.setUp) c.setUp(fresh);
        fresh.Tick();
        counter.refreshes = 0;
        c.run(fresh);
        EXPECT_EQ(fresh.Changed(), c.changed);
        fresh.Tick();
        EXPECT_EQ(counter.refreshes, c.changed ? 1 : 0);
    }
}

TEST_F(FilterPanel, SeveralChangesWithinOneTickCauseOneRefresh) {
    panel.SetTextFilterActive(true);
    panel.SetPhrase(u"m");
    panel.SetPhrase(u"me");
    panel.SetKeywordFilterActive(true);
    panel.SetAllKeywordsMode(true);
    EXPECT_EQ(owner.refreshes, 0);
    panel.Tick();
    EXPECT_EQ(owner.refreshes, 1);
    panel.Tick();
    panel.Tick();
    EXPECT_EQ(owner.refreshes, 1);
}

TEST_F(FilterPanel, StatusLabelBlinksEveryThirdTickWhileAFilterIsActive) {
    const char* const inactive[] = {"Filter inactive", "Filter inactive", "", "", "", ""};
    for (const char* expected : inactive) {
        panel.Tick();
        EXPECT_EQ(toUtf8(panel.StatusText()), expected);
    }
    panel.SetKeywordFilterActive(true);
    const char* const active[] = {"", "", "Filter active", "Filter active", "Filter active", "", "", "",
                                  "Filter active"};
    for (const char* expected : active) {
        panel.Tick();
        EXPECT_EQ(toUtf8(panel.StatusText()), expected);
    }
    panel.SetKeywordFilterActive(false);
    for (int i = 0; i < 3; ++i) panel.Tick();
    EXPECT_EQ(panel.StatusText(), u"");
}

TEST_F(FilterPanel, OptionsMenuSelectsAndSwitchesTheSortOrder) {
    panel.SetKeywordFilterActive(true);
    EXPECT_EQ(rows(), (std::vector<std::string>{"common (3)", "medium (2)", "rare (1)"}));
    auto menu = panel.OptionsMenu();
    ASSERT_EQ(menu.size(), 4u);
    EXPECT_EQ(menu[0], (DvFilterMenuEntry{DvFilterMenuCommand::SelectAll, u"select all"}));
    EXPECT_EQ(menu[1], (DvFilterMenuEntry{DvFilterMenuCommand::UnselectAll, u"unselect all"}));
    EXPECT_EQ(menu[2].command, DvFilterMenuCommand::Separator);
    EXPECT_EQ(menu[3], (DvFilterMenuEntry{DvFilterMenuCommand::SortByPopularity, u"sort by popularity"}));

    panel.RunMenuCommand(DvFilterMenuCommand::SelectAll);
    EXPECT_EQ(panel.Filter().SelectedKeywords().size(), 3u);
    panel.RunMenuCommand(DvFilterMenuCommand::SortByPopularity);  // same scope: the selection stays
    EXPECT_EQ(panel.Filter().SelectedKeywords().size(), 3u);
    panel.RunMenuCommand(DvFilterMenuCommand::UnselectAll);
    EXPECT_TRUE(panel.Filter().SelectedKeywords().empty());

    doc.items[3]->SetKeywordsFromText(u"medium, rare, rare, rare");
    panel.RunMenuCommand(DvFilterMenuCommand::SortByPopularity);
    EXPECT_EQ(rows(), (std::vector<std::string>{"rare (4)", "common (3)", "medium (2)"}));
    EXPECT_EQ(panel.OptionsMenu()[3], (DvFilterMenuEntry{DvFilterMenuCommand::SortAlphabetically, u"sort alphabetically"}));
    panel.RunMenuCommand(DvFilterMenuCommand::SortAlphabetically);
    EXPECT_EQ(rows(), (std::vector<std::string>{"common (3)", "medium (2)", "rare (4)"}));

    // While the table is not shown, select all leaves the rows alone.
    panel.Filter().RebuildKeywordTable();
    panel.RunMenuCommand(DvFilterMenuCommand::SelectAll);
    panel.Filter().FillKeywordList();
    EXPECT_TRUE(panel.Filter().SelectedKeywords().empty());
}

TEST_F(FilterPanel, TooltipsSayWhichFilterMustBeActive) {
    struct Case {
        DvFilterControl control;
        const char* off;
        const char* on;
    };
    const Case cases[] = {
        {DvFilterControl::TextCheck, "Activate text filtering (searching in titles)",
         "Activate text filtering (searching in titles)"},
        {DvFilterControl::Phrase, "Enter phrase to be found in items titles ('text filtering' must be active)",
         "Enter phrase to be found in items titles"},
        {DvFilterControl::KeywordCheck, "Activate keywords filtering", "Activate keywords filtering"},
        {DvFilterControl::KeywordList, "(Un)select keywords ('keywords filtering' must be active)",
         "(Un)select keywords"},
        {DvFilterControl::Or, "Any of the above keywords can be present ('keywords filtering' must be active)",
         "Any of the above keywords can be present"},
        {DvFilterControl::And, "All of the above keywords must be present ('keywords filtering' must be active)",
         "All of the above keywords must be present"},
        {DvFilterControl::Options, "More options... ('keywords filtering' must be active)", "More options..."},
    };
    for (bool on : {false, true}) {
        panel.SetTextFilterActive(on);
        panel.SetKeywordFilterActive(on);
        for (const auto& c : cases) {
            SCOPED_TRACE(c.on);
            EXPECT_EQ(toUtf8(panel.Tooltip(c.control)), on ? c.on : c.off);
            EXPECT_TRUE(panel.IsEnabled(c.control) || !on);
        }
    }
}

TEST_F(FilterPanel, APanelOnTheWindowsFilterChangesWhatTheViewsAsk) {
    CDvLiveFilter windowFilter(doc);
    CountingOwner windowOwner;
    CDvFilterDlgModel windowPanel(windowFilter, &windowOwner);
    windowPanel.SetTextFilterActive(true);
    windowPanel.SetPhrase(u"B");
    EXPECT_TRUE(windowFilter.ItemPassesFilter(*doc.items[1]));
    EXPECT_FALSE(windowFilter.ItemPassesFilter(*doc.items[0]));
    // The fixture's own panel keeps its filter to itself.
    EXPECT_TRUE(panel.Filter().ItemPassesFilter(*doc.items[0]));
    windowPanel.Tick();
    EXPECT_EQ(windowOwner.refreshes, 1);
}
