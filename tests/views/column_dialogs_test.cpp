// The column manager's opening rules and the models of its three dialogs.
#include <gtest/gtest.h>

#include "core/doc.h"
#include "platform/text.h"
#include "support/scripted_ui.h"
#include "views/column_add_user_dlg_model.h"
#include "views/column_defaults.h"
#include "views/column_manager.h"
#include "views/column_mgr_dlg_model.h"
#include "views/column_store.h"
#include "views/column_user_defined_dlg_model.h"

namespace {

using dv::toUtf8;

// Records each dialog it is asked to run and answers like a user pressing OK (or Cancel).
class RecordingHost final : public DvColumnMgrHost {
public:
    bool pressOk = true;
    std::vector<std::u16string> scopes;
    int refreshes = 0;

    bool RunVisibleColumnsDialog(CDvColumnMgrDlgModel& dialog) override {
        scopes.push_back(dialog.FolderPath());
        return pressOk && dialog.Ok();
    }
    void RefreshViews() override { ++refreshes; }
};

std::vector<std::string> names(const std::vector<DvColumn>& columns) {
    std::vector<std::string> out;
    for (const auto& c : columns) out.push_back(toUtf8(c.name));
    return out;
}

class ColumnDialogs : public ::testing::Test {
protected:
    void SetUp() override { FindOrCreateFolderPath(doc.root, u"\\Work\\Projects"); }

    CDvDoc doc;
    ScriptedUi ui;
};

}  // namespace

TEST_F(ColumnDialogs, OpeningRefusesTheGeneralViewAndAnEmptyFolder) {
    RecordingHost host;
    EXPECT_FALSE(DvColumnsOpenColumnMgrDlg(doc, u"\\Work", DV_ITEM_UNDEFINED, true, host));
    EXPECT_FALSE(DvColumnsOpenColumnMgrDlg(doc, u"", DV_ITEM_NOTE, true, host));
    EXPECT_EQ(ui.messagesUtf8(),
              (std::vector<std::string>{
                  "First go to 'schedule', 'todo(s)', 'notes' or 'contacts' to change visible columns for a certain view.",
                  "Internal [minor] #34762fg error: DvColumnsOpenColumnMgrDlg : sFolder is empty"}));
    EXPECT_TRUE(ui.questions.empty());
    EXPECT_TRUE(host.scopes.empty());
}

TEST_F(ColumnDialogs, OpeningAsksForTheScopeBelowTheRoot) {
    struct Case {
        const char16_t* folder;
        bool askScope;
        int choice;  // -1 Cancel; unused when no question is expected
        bool asked;
        const char16_t* scope;  // nullptr: no dialog
    };
    const Case cases[] = {
        {u"\\Work", true, 0, true, u"\\Work"},
        {u"\\Work", true, 1, true, u"\\"},
        {u"\\Work", true, -1, true, nullptr},
        {u"\\Work", false, 0, false, u"\\Work"},
        {u"\\", true, 0, false, u"\\"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(toUtf8(c.folder) + " choice " + std::to_string(c.choice));
        ui.questions.clear();
        ui.choices = {c.choice};
        RecordingHost host;
        const bool saved = DvColumnsOpenColumnMgrDlg(doc, c.folder, DV_ITEM_NOTE, c.askScope, host);
        EXPECT_EQ(ui.questions.size(), c.asked ? 1u : 0u);
        if (c.asked) {
            EXPECT_EQ(ui.questions[0], kDvColumnScopeQuestion);
        }
        EXPECT_EQ(saved, c.scope != nullptr);
        EXPECT_EQ(host.refreshes, c.scope ? 1 : 0);
        ASSERT_EQ(host.scopes.size(), c.scope ? 1u : 0u);
        if (c.scope) {
            EXPECT_EQ(host.scopes[0], c.scope);
        }
    }
    EXPECT_EQ(toUtf8(DvColumnScopeChoices(u"\\Work")[0]), "Change columns in current folder only ('\\Work' ,and subfolders)");
    EXPECT_EQ(toUtf8(DvColumnScopeChoices(u"\\Work")[kDvColumnScopeGlobalChoice]),
              "Change columns globally ('\\' folder scope) - recommended");
}

TEST_F(ColumnDialogs, ACancelledDialogNeitherSavesNorRefreshes) {
    RecordingHost host;
    host.pressOk = false;
    EXPECT_FALSE(DvColumnsOpenColumnMgrDlg(doc, u"\\", DV_ITEM_TASK, true, host));
    EXPECT_EQ(host.refreshes, 0);
    EXPECT_EQ(doc.root.vars.Count(), 0);
}

TEST_F(ColumnDialogs, VisibleDialogHeadingNamesScopeAndType) {
    CDvColumnMgrDlgModel inFolder(doc, u"\\Work", DV_ITEM_TODO);
    EXPECT_EQ(toUtf8(inFolder.Heading()),
              "Folder properties - management of visible fields\r\nScope: '\\Work' folder and subfolders\r\n"
              "Item type: ToDo(s) only\r\nIf you'd like to change fields for another view (notes,contacts) then "
              "first go to the appropriate tab and open this tool again.");
    CDvColumnMgrDlgModel global(doc, u"\\", DV_ITEM_CONTACT);
    EXPECT_NE(toUtf8(global.Heading()).find("\r\nScope: (global scope)\r\nItem type: Contact(s) only\r\n"),
              std::string::npos);
    CDvColumnUserDefinedMgrDlgModel user(doc, u"\\Work", DV_ITEM_NOTE);
    EXPECT_TRUE(dv::startsWith(user.Heading(), u"Folder properties - management of available (user) fields\r\n"
                                                u"Scope: '\\Work' folder and subfolders\r\n"));
}

TEST_F(ColumnDialogs, VisibleDialogNeedsAFolderAndAType) {
    for (auto [folder, type] : {std::pair<const char16_t*, int>{u"", DV_ITEM_NOTE}, {u"\\Work", DV_ITEM_UNDEFINED}}) {
        CDvColumnMgrDlgModel dialog(doc, folder, type);
        EXPECT_FALSE(dialog.Open());
    }
    EXPECT_EQ(ui.messagesUtf8(),
              std::vector<std::string>(
                  2, "Internal [minor] error: CDvColumnMgrDlg::OnInitDialog() : cur folder or cur type undefined"));
}

TEST_F(ColumnDialogs, VisibleDialogButtonsAndTheirMessages) {
    CDvColumnMgrDlgModel dialog(doc, u"\\Work", DV_ITEM_NOTE);
    ASSERT_TRUE(dialog.Open());
    EXPECT_EQ(names(dialog.Visible()), (std::vector<std::string>{"dv_title", "dv_folders", "dv_created", "dv_modified"}));
    EXPECT_EQ(dialog.VisibleSource(), u"built-in");

    dialog.AddSelected();
    dialog.DeleteSelected();
    dialog.MoveUp();
    dialog.MoveDown();
    dialog.selectedAvailable = 4;  // Keywords
    dialog.AddSelected();
    dialog.selectedAvailable = 0;  // Title, already visible
    dialog.AddSelected();
    EXPECT_EQ(ui.messagesUtf8(),
              (std::vector<std::string>{"First select one of the columns on the left", "First select one of the columns",
                                        "First select one of the columns", "First select one of the columns",
                                        "Column already exists"}));

    dialog.selectedVisible = 4;  // the added Keywords
    dialog.MoveUp();
    dialog.MoveUp();
    EXPECT_EQ(dialog.selectedVisible, 2);
    dialog.selectedVisible = 0;
    dialog.MoveUp();  // already first: stays
    dialog.selectedVisible = 4;
    dialog.MoveDown();  // already last: stays
    dialog.selectedVisible = 1;
    dialog.DeleteSelected();
    EXPECT_EQ(names(dialog.Visible()), (std::vector<std::string>{"dv_title", "dv_keywords", "dv_created", "dv_modified"}));
    EXPECT_EQ(doc.FindFolder(u"\\Work")->vars.Count(), 0);  // nothing stored before OK

    ASSERT_TRUE(dialog.Ok());
    EXPECT_EQ(names(DvColumnsGetVisibleCols(doc, u"\\Work\\Projects", DV_ITEM_NOTE)), names(dialog.Visible()));
}

TEST_F(ColumnDialogs, ResetAllAsksThenRevertsToTheInheritedColumns) {
    DvColumnsSaveVisibleCols(doc, u"\\", DV_ITEM_NOTE, DvColumnsBuiltInAvailable(DV_ITEM_NOTE), false);
    DvColumnsSaveVisibleCols(doc, u"\\Work", DV_ITEM_NOTE, {DvColumnsDefaultVisible(DV_ITEM_NOTE)[0]}, false);
    CDvColumnMgrDlgModel dialog(doc, u"\\Work", DV_ITEM_NOTE);
    ASSERT_TRUE(dialog.Open());
    EXPECT_EQ(dialog.VisibleSource(), u"directly in 'Work'");

    ui.answers = {dv::Answer::No};
    dialog.ResetAll();
    EXPECT_EQ(dialog.Visible().size(), 1u);
    ui.answers = {dv::Answer::Yes};
    dialog.ResetAll();
    EXPECT_EQ(ui.questions, std::vector<std::u16string>(2, u"Are you sure you want to reset the 'visible' columns, so "
                                                           u"the default settings will be restored?"));
    EXPECT_EQ(ui.messagesUtf8(), std::vector<std::string>{"OK, Your own order of (visible) columns is removed, "
                                                           "therefore default settings will take precedence."});
    EXPECT_EQ(dialog.Visible().size(), DvColumnsBuiltInAvailable(DV_ITEM_NOTE).size());
    EXPECT_EQ(dialog.VisibleSource(), u"inherited from '\\'");
}

TEST_F(ColumnDialogs, UserDialogRemovesOnlyTheFoldersOwnColumns) {
    CDvColumnMgrAddUserColumnDlgModel add;
    CDvColumnUserDefinedMgrDlgModel root(doc, u"\\", DV_ITEM_NOTE);
    add.name = u"Birthday";
    ASSERT_TRUE(add.Ok(root));
    CDvColumnUserDefinedMgrDlgModel work(doc, u"\\Work", DV_ITEM_NOTE);
    add.name = u"Budget";
    ASSERT_TRUE(add.Ok(work));

    const int builtIn = static_cast<int>(DvColumnsBuiltInAvailable(DV_ITEM_NOTE).size());
    ASSERT_EQ(names(work.Available()).back(), "Birthday");
    EXPECT_EQ(names(work.Available())[static_cast<size_t>(builtIn)], "Budget");
    EXPECT_FALSE(work.CanRemove(0));            // built-in
    EXPECT_FALSE(work.CanRemove(builtIn + 1));  // the root's
    EXPECT_FALSE(work.Remove(builtIn + 1));
    EXPECT_TRUE(ui.questions.empty());

    ui.answers = {dv::Answer::No, dv::Answer::Yes};
    EXPECT_FALSE(work.Remove(builtIn));
    EXPECT_TRUE(work.Remove(builtIn));
    EXPECT_EQ(ui.questions, std::vector<std::u16string>(2, u"Are you sure you want to remove 'Budget' field?"));
    EXPECT_TRUE(work.OwnColumns().empty());
    EXPECT_EQ(names(DvColumnsGetAvailableCols(doc, u"\\Work", DV_ITEM_NOTE)).size(), size_t(builtIn) + 2);  // until OK
    ASSERT_TRUE(work.Ok());
    EXPECT_EQ(doc.FindFolder(u"\\Work")->vars.Find(u"dv_user_defined_columns_for_note"), -1);
    EXPECT_EQ(names(DvColumnsGetAvailableCols(doc, u"\\Work", DV_ITEM_NOTE)).back(), "Birthday");
}

TEST_F(ColumnDialogs, AddingAUserColumnChecksNamesAndSavesAtOnce) {
    struct Case {
        const char16_t* name;
        const char* message;  // "" when accepted
    };
    const Case cases[] = {
        {u"Company", "Column with this name already exists. Please choose another name"},  // a contact field
        {u"company", "Column with this name already exists. Please choose another name"},
        {u"[personal] e-mails", "Column with this name already exists. Please choose another name"},
        {u"dv_anything", "This name is reserved for internal usage/future internal usage"},
        {u"DV_Later", "This name is reserved for internal usage/future internal usage"},
        {u"Reminder_S_Type", "This name is reserved for internal usage/future internal usage"},
        {u"reminder_d_at", "This name is reserved for internal usage/future internal usage"},
        {u"TASK_REPEATING_N_COUNT", "This name is reserved for internal usage/future internal usage"},
        {u"task_repeating_s_weekdays", ""},  // not among the reserved names
        {u"dvd title", ""},
        {u"Shoe size", ""},
        {u"shoe SIZE", "Column with this name already exists. Please choose another name"},  // just added
    };
    CDvColumnUserDefinedMgrDlgModel owner(doc, u"\\Work", DV_ITEM_CONTACT);
    for (const auto& c : cases) {
        SCOPED_TRACE(toUtf8(c.name));
        ui.messages.clear();
        CDvColumnMgrAddUserColumnDlgModel add;
        add.name = c.name;
        EXPECT_EQ(add.Ok(owner), *c.message == 0);
        EXPECT_EQ(ui.messagesUtf8(), *c.message ? std::vector<std::string>{c.message} : std::vector<std::string>{});
    }
    const auto own = DvColumnsFromText(doc.FindFolder(u"\\Work")->vars.GetText(u"dv_user_defined_columns_for_contact"));
    EXPECT_EQ(names(own), (std::vector<std::string>{"task_repeating_s_weekdays", "dvd title", "Shoe size"}));
    EXPECT_EQ(names(owner.Available()).size(), DvColumnsBuiltInAvailable(DV_ITEM_CONTACT).size() + 3);
}

TEST_F(ColumnDialogs, NewUserColumnTakesTheFieldsOfTheAddDialog) {
    CDvColumnUserDefinedMgrDlgModel owner(doc, u"\\", DV_ITEM_TASK);
    CDvColumnMgrAddUserColumnDlgModel add;
    EXPECT_FALSE(add.IsDisplayNameEnabled());
    EXPECT_TRUE(add.Ok(owner));  // an empty name adds nothing
    EXPECT_TRUE(owner.OwnColumns().empty());

    add.name = u"Cost";
    add.Tick();
    EXPECT_EQ(add.displayName, u"Cost");
    add.name = u"Costs";  // OK before the next tick still takes the whole name
    add.typeName = u"number";
    ASSERT_TRUE(add.Ok(owner));

    CDvColumnMgrAddUserColumnDlgModel own;
    own.name = u"Url";
    own.autoDisplayName = false;
    own.displayName = u"Web page";
    own.typeName = u"link";
    own.Tick();
    ASSERT_TRUE(own.Ok(owner));

    ASSERT_EQ(owner.OwnColumns().size(), 2u);
    const DvColumn& cost = owner.OwnColumns()[0];
    EXPECT_EQ(cost.displayName, u"Costs");
    EXPECT_TRUE(cost.IsNumber());
    EXPECT_TRUE(cost.user);
    EXPECT_EQ(cost.width, 100);
    EXPECT_EQ(cost.source, u"directly in '\\'");
    EXPECT_EQ(owner.OwnColumns()[1].displayName, u"Web page");
    EXPECT_EQ(owner.OwnColumns()[1].typeName, u"link");
}
