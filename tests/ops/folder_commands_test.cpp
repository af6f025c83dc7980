#include "ops/folder_commands.h"

#include <gtest/gtest.h>

#include "ops/folder_operations.h"
#include "ops/folder_paths.h"
#include "support/ops_document.h"
#include "support/recording_main_window.h"

namespace {

using NewFolderCommand = OpsTest;
using DeleteFolderCommand = OpsTest;
using FolderProperties = OpsTest;
using FolderTreeMenu = OpsTest;

TEST_F(NewFolderCommand, AsksWithAHintAndCreatesTheFolder) {
    RecordingMainWindow window;
    d.folder(u"\\Work");
    ui.textEntries = {u"Projects"};
    const CDvFolder* made = DvNewFolderCommand(u"\\Work", &d.doc);
    ASSERT_NE(made, nullptr);
    EXPECT_EQ(FolderPath(made), u"\\Work\\Projects");
    EXPECT_EQ(ui.questions, std::vector<std::u16string>{u"Create new folder in : \\Work"});
    EXPECT_EQ(window.calls, (std::vector<std::string>{"hint Creating a subfolder of '\\Work'", "hint ", "tree"}));
}

TEST_F(NewFolderCommand, NoHintUnderTheRoot) {
    RecordingMainWindow window;
    ui.textEntries = {u"Inbox"};
    ASSERT_NE(DvNewFolderCommand(u"\\", &d.doc), nullptr);
    EXPECT_EQ(window.calls, std::vector<std::string>{"tree"});
    EXPECT_EQ(d.tree(), "\\Inbox");
}

TEST_F(NewFolderCommand, Refusals) {
    d.folder(u"\\Work");
    struct Case {
        const char16_t* parent;
        std::optional<std::u16string> name;
        const char16_t* message;
    };
    const Case cases[] = {
        {u"", u"x", u"first select a parent folder to create a new folder in it"},
        {u"\\", std::nullopt, nullptr},  // cancelled
        {u"\\", u"a/b", u"Unacceptable folder name"},
        {u"\\", u"x\\y", u"Unacceptable folder name"},
        {u"\\", u"{abc", u"Unacceptable folder name"},
        {u"\\", u"", u"Unacceptable folder name"},
        {u"\\Gone", u"x", u"internal error #1at53a"},
        {u"\\", u"work", u"folder with that name already exists. Please enter a different name"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(dv::toUtf8(c.parent) + " " + dv::toUtf8(c.name.value_or(u"(cancel)")));
        ui.messages.clear();
        ui.textEntries.clear();
        if (c.name) ui.textEntries.push_back(*c.name);
        EXPECT_EQ(DvNewFolderCommand(c.parent, &d.doc), nullptr);
        EXPECT_EQ(ui.messages, c.message ? std::vector<std::u16string>{c.message} : std::vector<std::u16string>{});
        EXPECT_EQ(d.tree(), "\\Work");
    }
}

TEST_F(DeleteFolderCommand, AsksFirstAndNeverDeletesTheRoot) {
    RecordingMainWindow window;
    const auto item = d.add(u"x", {u"\\A"});
    EXPECT_FALSE(DvDeleteFolderCommand(u"\\A", &d.doc));  // Cancel
    EXPECT_EQ(d.tree(), "\\A");
    ui.answers = {dv::Answer::Ok, dv::Answer::Ok};
    EXPECT_FALSE(DvDeleteFolderCommand(u"\\", &d.doc));
    EXPECT_TRUE(DvDeleteFolderCommand(u"\\A", &d.doc));
    EXPECT_EQ(ui.questions, std::vector<std::u16string>(3, u"Are you sure you want to delete selected folder?"));
    EXPECT_EQ(d.tree(), "");
    EXPECT_EQ(d.folders(item), "(gone)");
    EXPECT_EQ(window.calls.back(), "refresh 0");
}

TEST_F(FolderProperties, ChangedNameRenamesTheFolder) {
    RecordingMainWindow window;
    const auto item = d.add(u"x", {u"\\A\\B"});
    CDvFolderPropertiesModel model(d.doc.FindFolder(u"\\A\\B")->guid, &d.doc);
    EXPECT_EQ(model.title, u"B");
    EXPECT_TRUE(model.Ok());  // unchanged: nothing to do
    EXPECT_TRUE(window.calls.empty());
    model.title = u"C";
    EXPECT_TRUE(model.Ok());
    EXPECT_EQ(d.folders(item), "\\A\\C");
    EXPECT_EQ(window.calls, (std::vector<std::string>{"tree", "select \\A\\C"}));
}

TEST_F(FolderProperties, Refusals) {
    d.folder(u"\\A");
    d.folder(u"\\B");
    d.doc.root.NewGuid();
    struct Case {
        std::u16string guid;
        const char16_t* title;
        const char16_t* message;
    };
    const Case cases[] = {
        {u"{00000000-0000-0000-0000-000000000000}", u"X",
         u"internal error: CDvItemPropertiesDlg::OnBnClickedOk, folder guid's not found"},
        {d.doc.root.guid, u"Top", u"You can't rename '' (root) folder"},
        {d.doc.FindFolder(u"\\A")->guid, u"x/y", u"Unacceptable folder name"},
        {d.doc.FindFolder(u"\\A")->guid, u"{x", u"Unacceptable folder name"},
        {d.doc.FindFolder(u"\\A")->guid, u"b", u"folder with that name already exists. Please enter a different name"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(dv::toUtf8(c.title));
        ui.messages.clear();
        CDvFolderPropertiesModel model(c.guid, &d.doc);
        model.title = c.title;
        EXPECT_FALSE(model.Ok());
        EXPECT_EQ(ui.messages, std::vector<std::u16string>{c.message});
        EXPECT_EQ(d.tree(), "\\A \\B");
    }
}

TEST_F(FolderProperties, ManageFieldsNamesTheFolderAndTheType) {
    d.folder(u"\\A");
    CDvFolderPropertiesModel model(d.doc.FindFolder(u"\\A")->guid, &d.doc);
    EXPECT_EQ(CDvFolderPropertiesModel::ManageFieldsChoices(),
              (std::vector<std::u16string>{u"Manage tasks' fields", u"Manage todo(s)' fields", u"Manage notes' fields",
                                           u"Manage contacts' fields"}));
    std::u16string path;
    int type = 0;
    ASSERT_TRUE(model.ManageFields(3, path, type));
    EXPECT_EQ(path, u"\\A");
    EXPECT_EQ(type, DV_ITEM_CONTACT);
    DvOperationFolder(u"\\A", DV_OPERATION_DELETE, {}, 0, &d.doc);
    EXPECT_FALSE(model.ManageFields(0, path, type));
    EXPECT_EQ(ui.messages, std::vector<std::u16string>{u"Folder's GUID doesn't exist"});
}

std::string describe(const std::vector<DvFolderMenuEntry>& menu) {
    std::string out;
    for (const auto& e : menu) {
        if (!out.empty()) out += " | ";
        out += e.text.empty() ? "-" : dv::toUtf8(e.text) + (e.enabled ? "" : " (off)");
    }
    return out;
}

TEST_F(FolderTreeMenu, EntriesSeparatorsAndDisabledStates) {
    d.folder(u"\\P\\One");
    d.folder(u"\\P\\Two");
    const std::string all = "Create subfolder | - | Move up | Move down | - | Delete | Rename | - | Properties";
    struct Case {
        const char16_t* folder;
        std::string expected;
    };
    const Case cases[] = {
        {u"\\P\\One", all},
        {u"\\P\\Two", "Create subfolder | - | Move up | Move down (off) | - | Delete | Rename | - | Properties"},
        {u"\\", "Create subfolder | - | Move up (off) | Move down (off) | - | Delete | Rename | - | Properties"},
        {u"\\Missing", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(dv::toUtf8(c.folder));
        EXPECT_EQ(describe(DvFolderTreeMenu(c.folder, &d.doc)), c.expected);
    }
}

TEST_F(FolderTreeMenu, SelectsTheClickedFolderAndRunsItsEntries) {
    RecordingMainWindow window;
    d.folder(u"\\P\\One");
    d.folder(u"\\P\\Two");
    DvFolderTreeMenu(u"\\p\\two", &d.doc);
    EXPECT_EQ(window.calls, std::vector<std::string>{"select \\P\\Two"});
    window.calls.clear();

    DvRunFolderMenuCommand(DvFolderMenuCommand::MoveUp, u"\\P\\Two", &d.doc);
    EXPECT_EQ(d.tree(), "\\P \\P\\Two \\P\\One");
    DvRunFolderMenuCommand(DvFolderMenuCommand::Rename, u"\\P\\One", &d.doc);
    EXPECT_EQ(window.calls.back(), "folder properties " + dv::toUtf8(d.doc.FindFolder(u"\\P\\One")->guid));
    ui.textEntries = {u"Three"};
    DvRunFolderMenuCommand(DvFolderMenuCommand::CreateSubfolder, u"\\P", &d.doc);
    EXPECT_EQ(d.tree(), "\\P \\P\\Two \\P\\One \\P\\Three");
    ui.answers = {dv::Answer::Ok};
    DvRunFolderMenuCommand(DvFolderMenuCommand::Delete, u"\\P\\Two", &d.doc);
    EXPECT_EQ(d.tree(), "\\P \\P\\One \\P\\Three");
}

}  // namespace
