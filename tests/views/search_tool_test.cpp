#include "views/search_tool_dlg_model.h"

#include <gtest/gtest.h>

#include "platform/text.h"
#include "support/test_items.h"
#include "views/find_conditions.h"

namespace {

using dv::toUtf8;
using dvtest::addItem;

// Seven items; the result patterns below have one character per item, in this order.
class Find : public ::testing::Test {
protected:
    void SetUp() override {
        addItem(doc, DV_ITEM_TASK, u"Team meeting", {u"\\Work"}, {u"work"});
        addItem(doc, DV_ITEM_TODO, u"Meeting notes", {u"\\Work\\Sub"}, {u"home", u"work"});
        dvtest::setContents(addItem(doc, DV_ITEM_NOTE, u"Budget", {u"\\Work"}, {u"work"}), "Meeting minutes");
        addItem(doc, DV_ITEM_CONTACT, u"Anna", {u"\\Work"}).vars.SetText(u"Company", u"Meetco");
        addItem(doc, DV_ITEM_NOTE, u"meeting elsewhere", {u"\\Home"}, {u"work"});
        addItem(doc, DV_ITEM_TASK, u"Review", {u"\\Work"}).vars.Set(u"Room", CDvVar::FromInt64(312));
        addItem(doc, DV_ITEM_NOTE, u"Meeting in a workshop", {u"\\WorkShop"});
    }
    std::string found(const DvFindCriteria& criteria) {
        std::string out(doc.items.size(), '-');
        for (const DvListEntry& e : DvFind(doc, criteria)) out[static_cast<size_t>(e.index)] = 'X';
        return out;
    }

    CDvDoc doc;
};

}  // namespace

TEST_F(Find, ConditionsAllOrAny) {
    struct Case {
        const char* what;
        std::vector<DvFindCondition> conditions;
        bool any;
        const char* found;
    };
    const Case cases[] = {
        {"no condition: everything in the folder", {}, false, "XXXX-X-"},
        {"empty texts are no conditions, in either mode", {{u"title", u""}, {u"keywords", u""}}, true, "XXXX-X-"},
        {"title", {{u"title", u"meet"}}, false, "XX-----"},
        {"capitals match the same", {{u"title", u"MEET"}}, false, "XX-----"},
        {"title and keywords", {{u"title", u"meet"}, {u"keywords", u"home"}}, false, "-X-----"},
        {"title or keywords", {{u"title", u"review"}, {u"keywords", u"home"}}, true, "-X---X-"},
        {"keywords joined with a blank", {{u"keywords", u"home work"}}, false, "-X-----"},
        {"contents", {{u"note (contents)", u"minutes"}}, false, "--X----"},
        {"any part: title, keywords or contents", {{u"any part", u"meeting"}}, false, "XXX----"},
        {"any part: a user variable", {{u"any part", u"meetco"}}, false, "---X---"},
        {"any part: a number's text", {{u"any part", u"31"}}, false, "-----X-"},
        {"a column variable", {{u"Room", u"12"}}, false, "-----X-"},
        {"a built-in name", {{u"dv_item_type", u"contact"}}, false, "---X---"},
        {"items without the variable never match", {{u"Company", u""}, {u"Company", u"e"}}, false, "---X---"},
        {"one of six fails", {{u"title", u"e"}, {u"title", u"t"}, {u"any part", u"work"}, {u"keywords", u"w"},
                              {u"dv_folders", u"\\"}, {u"title", u"zz"}}, false, "-------"},
        {"one of six matches", {{u"title", u"zz"}, {u"title", u"yy"}, {u"Room", u"3"}, {u"keywords", u"qq"},
                                {u"dv_folders", u"ww"}, {u"title", u"xx"}}, true, "-----X-"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        DvFindCriteria criteria;
        criteria.folder = u"\\Work";
        criteria.conditions = c.conditions;
        criteria.anyCondition = c.any;
        EXPECT_EQ(found(criteria), c.found);
    }
}

TEST_F(Find, TypesFolderAndFilter) {
    DvFindCriteria criteria;
    criteria.folder = u"\\work";
    criteria.types = {false, false, true, true};
    EXPECT_EQ(found(criteria), "--XX---");
    criteria.folder = u"\\";
    criteria.types = {false, false, true, false};
    EXPECT_EQ(found(criteria), "--X-X-X");

    CDvLiveFilter filter(doc);
    filter.SetTextFilterOn(true);
    filter.SetPhrase(u"MEET");
    criteria.filter = &filter;
    criteria.types.fill(true);
    EXPECT_EQ(found(criteria), "XX--X-X");
}

TEST_F(Find, SearchToolDialog) {
    CDvSearchToolDlgModel tool(doc, u"", DV_ITEM_TODO);
    EXPECT_EQ(tool.Folder(), u"\\");
    EXPECT_FALSE(tool.IsTypeChecked(DV_ITEM_TASK));
    EXPECT_TRUE(tool.IsTypeChecked(DV_ITEM_TODO));
    EXPECT_EQ(tool.FilterPanel().Filter().ScopeType(), DV_ITEM_TODO);
    EXPECT_EQ(tool.FieldChoices(),
              (std::vector<std::u16string>{u"any part", u"title", u"note (contents)", u"keywords", u"dv_completion",
                                           u"dv_priority", u"dv_title", u"dv_folders", u"dv_taskend", u"dv_created",
                                           u"dv_modified"}));
    EXPECT_TRUE(tool.ResultLabel().empty());
    tool.Find();
    EXPECT_EQ(toUtf8(tool.ResultLabel()), "1 items found");

    tool.SelectAllTypes();
    EXPECT_EQ(tool.FilterPanel().Filter().ScopeType(), 0);
    tool.SetFolder(u"\\Work");
    EXPECT_EQ(tool.FilterPanel().Filter().ScopeFolder(), u"\\Work");
    tool.Condition(0) = {u"title", u"meet"};
    tool.Condition(5) = {u"keywords", u"home"};
    tool.allMustMatch = false;
    tool.Find();
    EXPECT_EQ(toUtf8(tool.ResultLabel()), "2 items found");
    ASSERT_EQ(tool.Results().RowCount(), 2);
    EXPECT_EQ(toUtf8(tool.Results().ItemAt(1)->title), "Meeting notes");
    tool.allMustMatch = true;
    tool.Find();
    EXPECT_EQ(toUtf8(tool.ResultLabel()), "1 items found");

    // The embedded panel's keyword filter narrows the search too.
    tool.FilterPanel().SetKeywordFilterActive(true);
    tool.Find();
    EXPECT_EQ(toUtf8(tool.ResultLabel()), "0 items found") << "nothing selected in OR mode";

    CDvSearchToolDlgModel everything(doc, u"\\Home", 0);
    for (int type = 1; type <= 4; ++type) EXPECT_TRUE(everything.IsTypeChecked(type));
    everything.Find();
    EXPECT_EQ(toUtf8(everything.ResultLabel()), "1 items found");
}
