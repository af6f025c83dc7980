#include "views/column_store.h"

#include <gtest/gtest.h>

#include "core/doc.h"
#include "platform/text.h"
#include "support/scripted_ui.h"
#include "views/column_defaults.h"

namespace {

DvColumn column(std::u16string name, bool user = false) {
    DvColumn c;
    c.displayName = name;
    c.name = std::move(name);
    c.user = user;
    return c;
}

// \Work\Projects\Apollo and \Home below the root.
class ColumnStore : public ::testing::Test {
protected:
    void SetUp() override {
        FindOrCreateFolderPath(doc.root, u"\\Work\\Projects\\Apollo");
        FindOrCreateFolderPath(doc.root, u"\\Home");
    }
    void define(std::u16string_view path, int type, DvColumnSet which, const std::vector<DvColumn>& columns) {
        doc.FindFolder(path)->vars.SetText(DvColumnsStorageKey(type, which), DvColumnsToText(columns));
    }
    static std::string namesAndSources(const std::vector<DvColumn>& columns) {
        std::string out;
        for (const auto& c : columns) out += (out.empty() ? "" : " ") + dv::toUtf8(c.name + u"@" + c.source);
        return out;
    }

    CDvDoc doc;
    ScriptedUi ui;
};

}  // namespace

TEST(ColumnStorageKey, PrefixAndLowerCaseTypeName) {
    struct Case {
        int type;
        DvColumnSet which;
        const char* key;
    };
    const Case cases[] = {
        {DV_ITEM_TASK, DvColumnSet::Visible, "dv_user_visible_columns_for_task"},
        {DV_ITEM_TODO, DvColumnSet::Visible, "dv_user_visible_columns_for_todo"},
        {DV_ITEM_NOTE, DvColumnSet::UserDefined, "dv_user_defined_columns_for_note"},
        {DV_ITEM_CONTACT, DvColumnSet::UserDefined, "dv_user_defined_columns_for_contact"},
        {DV_ITEM_UNDEFINED, DvColumnSet::Visible, ""},
        {5, DvColumnSet::UserDefined, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.type);
        EXPECT_EQ(dv::toUtf8(DvColumnsStorageKey(c.type, c.which)), c.key);
    }
}

TEST_F(ColumnStore, VisibleColumnsComeFromTheNearestDefinition) {
    EXPECT_EQ(DvColumnsGetVisibleCols(doc, u"\\Work\\Projects", DV_ITEM_NOTE), DvColumnsDefaultVisible(DV_ITEM_NOTE));

    define(u"\\", DV_ITEM_NOTE, DvColumnSet::Visible, {column(u"dv_title"), column(u"dv_created")});
    define(u"\\Work", DV_ITEM_NOTE, DvColumnSet::Visible, {column(u"dv_modified")});
    define(u"\\Work", DV_ITEM_TASK, DvColumnSet::Visible, {column(u"dv_priority")});  // another type's key
    struct Case {
        const char16_t* folder;
        const char* columns;
    };
    const Case cases[] = {
        {u"\\", "dv_title@directly in '\\' dv_created@directly in '\\'"},
        {u"\\Home", "dv_title@inherited from '\\' dv_created@inherited from '\\'"},
        {u"\\Work", "dv_modified@directly in 'Work'"},
        {u"\\Work\\Projects\\Apollo", "dv_modified@inherited from 'Work'"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(dv::toUtf8(c.folder));
        EXPECT_EQ(namesAndSources(DvColumnsGetVisibleCols(doc, c.folder, DV_ITEM_NOTE)), c.columns);
    }
}

TEST_F(ColumnStore, FoundFlagsTellWhereTheDefinitionWas) {
    define(u"\\Work", DV_ITEM_TODO, DvColumnSet::Visible, {column(u"dv_title")});
    struct Case {
        const char16_t* folder;
        unsigned flags;
        bool result;
        unsigned found;
        size_t count;
    };
    const unsigned visible = DV_COLUMNS_VISIBLE;
    const Case cases[] = {
        {u"\\Work", visible, true, DV_COLUMNS_FOUND_IN_FOLDER | DV_COLUMNS_FOUND, 1},
        {u"\\Work\\Projects", visible, false, 0, 0},  // no walking without a walk bit
        {u"\\Work\\Projects", visible | DV_COLUMNS_STOP_AT_FIRST, true, DV_COLUMNS_FOUND, 1},
        {u"\\Work\\Projects", visible | DV_COLUMNS_ALL_ANCESTORS, true, DV_COLUMNS_FOUND, 1},
        {u"\\Home", visible | DV_COLUMNS_ALL_ANCESTORS, false, 0, 0},
        {u"\\Nowhere", visible | DV_COLUMNS_ALL_ANCESTORS, false, 0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(dv::toUtf8(c.folder) + " flags " + std::to_string(c.flags));
        std::vector<DvColumn> out;
        unsigned found = 99;
        EXPECT_EQ(DvColumnsGetCols(doc, {c.folder}, DV_ITEM_TODO, c.flags, out, &found), c.result);
        EXPECT_EQ(found, c.found);
        EXPECT_EQ(out.size(), c.count);
    }
}

TEST_F(ColumnStore, UserColumnsGatherFromEveryAncestorOwnFirst) {
    define(u"\\", DV_ITEM_CONTACT, DvColumnSet::UserDefined, {column(u"Birthday", true)});
    define(u"\\Work\\Projects", DV_ITEM_CONTACT, DvColumnSet::UserDefined,
           {column(u"Budget", true), column(u"Owner", true)});
    const auto available = DvColumnsGetAvailableCols(doc, u"\\Work\\Projects\\Apollo", DV_ITEM_CONTACT);
    const auto builtIn = DvColumnsBuiltInAvailable(DV_ITEM_CONTACT);
    ASSERT_EQ(available.size(), builtIn.size() + 3);
    EXPECT_TRUE(std::equal(builtIn.begin(), builtIn.end(), available.begin()));
    EXPECT_EQ(namesAndSources({available.end() - 3, available.end()}),
              "Budget@inherited from 'Projects' Owner@inherited from 'Projects' Birthday@inherited from '\\'");

    const auto inProjects = DvColumnsGetAvailableCols(doc, u"\\Work\\Projects", DV_ITEM_CONTACT);
    EXPECT_EQ(namesAndSources({inProjects.end() - 3, inProjects.end()}),
              "Budget@directly in 'Projects' Owner@directly in 'Projects' Birthday@inherited from '\\'");
}

TEST_F(ColumnStore, SavingWritesTheFolderAndResetInheritsAgain) {
    ASSERT_TRUE(DvColumnsSaveVisibleCols(doc, u"\\", DV_ITEM_TASK, {column(u"dv_title")}, false));
    ASSERT_TRUE(DvColumnsSaveVisibleCols(doc, u"\\Work", DV_ITEM_TASK, {column(u"dv_priority")}, false));
    EXPECT_EQ(namesAndSources(DvColumnsGetVisibleCols(doc, u"\\Work\\Projects", DV_ITEM_TASK)),
              "dv_priority@inherited from 'Work'");
    EXPECT_EQ(doc.FindFolder(u"\\Work")->vars.Get(u"dv_user_visible_columns_for_task")->Type(), DV_VAR_STRING);

    // Reset in a subfolder reverts to the nearest ancestor's definition, not to the defaults.
    ASSERT_TRUE(DvColumnsSaveVisibleCols(doc, u"\\Work", DV_ITEM_TASK, {}, true));
    EXPECT_EQ(doc.FindFolder(u"\\Work")->vars.Find(u"dv_user_visible_columns_for_task"), -1);
    EXPECT_EQ(namesAndSources(DvColumnsGetVisibleCols(doc, u"\\Work\\Projects", DV_ITEM_TASK)),
              "dv_title@inherited from '\\'");

    EXPECT_FALSE(DvColumnsSaveVisibleCols(doc, u"\\Nowhere", DV_ITEM_TASK, {column(u"dv_title")}, false));
    EXPECT_FALSE(DvColumnsSaveVisibleCols(doc, u"\\", DV_ITEM_UNDEFINED, {column(u"dv_title")}, false));
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(ColumnStore, UserColumnsSaveRefusesBuiltInOnes) {
    EXPECT_FALSE(DvColumnsSaveUserDefinedCols(doc, u"\\Work", DV_ITEM_NOTE,
                                              {column(u"Budget", true), column(u"dv_title")}, false));
    EXPECT_EQ(ui.messagesUtf8(), std::vector<std::string>{"Internal (minor) error: DvColumnsSaveUserDefinedCols() : "
                                                          "non-user columns were passed, aborting"});
    EXPECT_EQ(doc.FindFolder(u"\\Work")->vars.Count(), 0);

    ASSERT_TRUE(DvColumnsSaveUserDefinedCols(doc, u"\\Work", DV_ITEM_NOTE, {column(u"Budget", true)}, false));
    EXPECT_EQ(doc.FindFolder(u"\\Work")->vars.GetText(u"dv_user_defined_columns_for_note"),
              u"Budget,Budget,100,user_yes,,,,");
}

TEST(ColumnDefaults, EachTypeHasItsOwnVisibleSet) {
    struct Case {
        int type;
        size_t count;
        const char* first;
        const char* last;
    };
    const Case cases[] = {
        {DV_ITEM_TASK, 8, "dv_completion", "dv_modified"},
        {DV_ITEM_TODO, 7, "dv_completion", "dv_modified"},
        {DV_ITEM_NOTE, 4, "dv_title", "dv_modified"},
        {DV_ITEM_CONTACT, 17, "dv_title", "dv_modified"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.type);
        const auto columns = DvColumnsDefaultVisible(c.type);
        ASSERT_EQ(columns.size(), c.count);
        EXPECT_EQ(dv::toUtf8(columns.front().name), c.first);
        EXPECT_EQ(dv::toUtf8(columns.back().name), c.last);
        for (const auto& col : columns) EXPECT_EQ(col.source, u"built-in");
    }
    EXPECT_TRUE(DvColumnsDefaultVisible(DV_ITEM_UNDEFINED).empty());
    // The to-do list shows its deadline under its own header, and a narrow priority mark.
    const auto todo = DvColumnsDefaultVisible(DV_ITEM_TODO);
    EXPECT_EQ(todo[4].displayName, u"Deadline");
    EXPECT_EQ(todo[4].name, u"dv_taskend");
    EXPECT_EQ(todo[1].width, 20);
    EXPECT_EQ(DvColumnsDefaultVisible(DV_ITEM_TASK)[1].width, 80);
    // Contact fields are named by their variable and shown 150 wide.
    const auto contact = DvColumnsDefaultVisible(DV_ITEM_CONTACT);
    EXPECT_EQ(contact[3].name, u"[Personal] E-mails");
    EXPECT_EQ(contact[3].displayName, contact[3].name);
    EXPECT_EQ(contact[3].width, 150);
}

TEST(ColumnDefaults, AvailableColumnsAreTheCommonOnesThenTheTypes) {
    struct Case {
        int type;
        size_t count;
        const char* last;
    };
    const Case cases[] = {
        {DV_ITEM_UNDEFINED, 7, "dv_folders"},
        {DV_ITEM_TASK, 11, "dv_priority"},
        {DV_ITEM_TODO, 10, "dv_taskend"},
        {DV_ITEM_NOTE, 7, "dv_folders"},
        {DV_ITEM_CONTACT, 7 + 5 + 17 + 17, "[Business] Jabber"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.type);
        const auto columns = DvColumnsBuiltInAvailable(c.type);
        ASSERT_EQ(columns.size(), c.count);
        EXPECT_EQ(columns.front().name, u"dv_title");
        EXPECT_EQ(dv::toUtf8(columns.back().name), c.last);
    }
    const auto contact = DvColumnsBuiltInAvailable(DV_ITEM_CONTACT);
    EXPECT_EQ(contact[7].name, u"First name");
    EXPECT_EQ(contact[12].name, u"[Personal] Title");
    EXPECT_EQ(contact[29].name, u"[Business] Title");
}
