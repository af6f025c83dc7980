#include "ops/folder_operations.h"

#include <gtest/gtest.h>

#include "ops/folder_paths.h"
#include "support/ops_document.h"
#include "support/recording_main_window.h"
#include "support/temp_dir.h"

namespace {

using FolderOperations = OpsTest;

TEST_F(FolderOperations, RenameRewritesWholeComponentsOnly) {
    const auto work = d.add(u"work", {u"\\Work"});
    const auto below = d.add(u"below", {u"\\work\\A", u"\\Home"});
    const auto shop = d.add(u"shop", {u"\\Workshop", u"\\Workshop\\A"});
    const auto nested = d.add(u"nested", {u"\\Home\\Work"});

    ASSERT_TRUE(DvOperationFolderRename(u"\\Work", u"\\Job", 0, &d.doc));

    EXPECT_EQ(d.folders(work), "\\Job");
    EXPECT_EQ(d.folders(below), "\\Job\\A;\\Home");
    EXPECT_EQ(d.folders(shop), "\\Workshop;\\Workshop\\A");
    EXPECT_EQ(d.folders(nested), "\\Home\\Work");
    EXPECT_EQ(d.tree(), "\\Job \\Job\\A \\Home \\Home\\Work \\Workshop \\Workshop\\A");
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(DvUndoList().Count(), 0) << "renames record no undo entry";
}

TEST_F(FolderOperations, RenameRefusals) {
    d.add(u"a", {u"\\A\\B", u"\\A\\C"});
    struct Case {
        const char16_t* from;
        const char16_t* to;
        const char16_t* message;
    };
    const Case cases[] = {
        {u"\\A\\B", u"\\C\\B", u"DvOperationFolderRename :: DvOperationFolderRename,different parents"},
        {u"\\", u"\\X", u"You can't rename the '' (root) folder"},
        {u"\\", u"X", u"You can't rename the '' (root) folder"},
        {u"\\Nope", u"\\Other", u"DvOperationFolderRename :: src folder pointer not found."},
        {u"\\A\\B", u"\\A\\c", u"folder with that name already exists. Please enter a different name"},
        {u"\\A\\B", u"\\A\\B", u"folder with that name already exists. Please enter a different name"},
        {u"\\A", u"", nullptr},  // no name at all: refused without a word
    };
    const std::string before = d.tree();
    for (const auto& c : cases) {
        SCOPED_TRACE(dv::toUtf8(c.from) + " -> " + dv::toUtf8(c.to));
        ui.messages.clear();
        EXPECT_FALSE(DvOperationFolderRename(c.from, c.to, 0, &d.doc));
        if (c.message)
            EXPECT_EQ(ui.messages, std::vector<std::u16string>{c.message});
        else
            EXPECT_TRUE(ui.messages.empty());
        EXPECT_EQ(d.tree(), before);
    }
    EXPECT_EQ(d.folders(d.doc.items[0]->guid), "\\A\\B;\\A\\C");
}

TEST_F(FolderOperations, RenameTakesABareNameAndAChangeOfLetterCase) {
    const auto item = d.add(u"x", {u"\\Work\\A"});
    EXPECT_TRUE(DvOperationFolderRename(u"\\Work", u"Job", 0, &d.doc));
    EXPECT_EQ(d.tree(), "\\Job \\Job\\A");
    EXPECT_TRUE(DvOperationFolderRename(u"\\Job", u"\\JOB", 0, &d.doc));
    EXPECT_EQ(d.tree(), "\\JOB \\JOB\\A");
    EXPECT_EQ(d.folders(item), "\\JOB\\A");
}

TEST_F(FolderOperations, RenameWithRefreshRebuildsTheTreeAndSelectsTheNewPath) {
    RecordingMainWindow window;
    d.folder(u"\\A\\B");
    ASSERT_TRUE(DvOperationFolderRename(u"\\A\\B", u"\\A\\Z", DV_OPERATION_FLAG_REFRESH, &d.doc));
    EXPECT_EQ(window.calls, (std::vector<std::string>{"tree", "select \\A\\Z"}));
}

TEST_F(FolderOperations, RenameInItemsOnlyRewritesForMoveAndRename) {
    const auto item = d.add(u"x", {u"\\Work\\A"});
    EXPECT_TRUE(DvRenameFolderInItems(u"\\Work", u"\\Job", DV_OPERATION_DELETE, &d.doc));
    EXPECT_EQ(d.folders(item), "\\Work\\A");
    EXPECT_TRUE(DvRenameFolderInItems(u"/Work/", u"Job", DV_OPERATION_MOVE, &d.doc));
    EXPECT_EQ(d.folders(item), "\\Job\\A");
    EXPECT_FALSE(DvRenameFolderInItems(u"\\Job", u"", DV_OPERATION_RENAME, &d.doc));
    EXPECT_FALSE(DvRenameFolderInItems(u"\\", u"\\X", DV_OPERATION_RENAME, &d.doc));
    EXPECT_EQ(d.folders(item), "\\Job\\A");
}

TEST_F(FolderOperations, MoveTakesTheSubtreeAndRewritesItsItems) {
    const auto a = d.add(u"a", {u"\\A"});
    const auto ax = d.add(u"ax", {u"\\A\\X", u"\\C"});
    d.folder(u"\\B\\First");

    EXPECT_EQ(DvOperationFolder(u"\\A", DV_OPERATION_MOVE, u"\\B", 0, &d.doc), 0);

    EXPECT_EQ(d.tree(), "\\C \\B \\B\\First \\B\\A \\B\\A\\X");
    EXPECT_EQ(d.folders(a), "\\B\\A");
    EXPECT_EQ(d.folders(ax), "\\B\\A\\X;\\C");
    EXPECT_EQ(d.doc.FindFolder(u"\\B\\A")->Parent(), d.doc.FindFolder(u"\\B"));
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(FolderOperations, MoveIntoTheRootGivesASingleSeparator) {
    const auto item = d.add(u"x", {u"\\A\\B", u"\\A\\B\\C"});
    DvOperationFolder(u"\\A\\B", DV_OPERATION_MOVE, u"\\", 0, &d.doc);
    EXPECT_EQ(d.tree(), "\\A \\B \\B\\C");
    EXPECT_EQ(d.folders(item), "\\B;\\B\\C");
}

TEST_F(FolderOperations, MoveRefusals) {
    const auto item = d.add(u"x", {u"\\A\\B\\C"});
    struct Case {
        const char16_t* source;
        const char16_t* target;
        std::u16string message;
    };
    const Case cases[] = {
        {u"\\A", u"\\a", u"You can't move a folder to itself"},
        {u"\\A", u"\\A\\B\\C", u"You can't move a parent folder to one of its subfolders"},
        {u"\\", u"\\A", u"You can't move a parent folder to one of its subfolders"},
        {u"\\A\\B", u"\\A", u"Folder:\\A\\B\r\nalready exists."},
        {u"\\A\\B", u"\\Nowhere", u""},  // a missing folder is passed over in silence
        {u"\\Nothing", u"\\A", u""},
    };
    const std::string before = d.tree();
    for (const auto& c : cases) {
        SCOPED_TRACE(dv::toUtf8(c.source) + " -> " + dv::toUtf8(c.target));
        ui.messages.clear();
        DvOperationFolder(c.source, DV_OPERATION_MOVE, c.target, 0, &d.doc);
        EXPECT_EQ(ui.messages, c.message.empty() ? std::vector<std::u16string>{} : std::vector{c.message});
        EXPECT_EQ(d.tree(), before);
        EXPECT_EQ(d.folders(item), "\\A\\B\\C");
    }
}

TEST_F(FolderOperations, DeleteRemovesTheSubtreeAndItsItems) {
    RecordingMainWindow window;
    const auto only = d.add(u"only", {u"\\A"});
    const auto deep = d.add(u"deep", {u"\\A\\X\\Y"});
    const auto shared = d.add(u"shared", {u"\\A", u"\\A\\X", u"\\B"});
    const auto inside = d.add(u"inside", {u"\\A\\X", u"\\A\\Z"});
    const auto outside = d.add(u"outside", {u"\\B", u"\\AB"});

    EXPECT_EQ(DvOperationFolder(u"\\A", DV_OPERATION_DELETE, {}, DV_OPERATION_FLAG_REFRESH, &d.doc), 1);

    EXPECT_EQ(d.tree(), "\\B \\AB");
    EXPECT_EQ(d.folders(only), "(gone)");
    EXPECT_EQ(d.folders(deep), "(gone)");
    EXPECT_EQ(d.folders(shared), "\\B");
    EXPECT_EQ(d.folders(inside), "(gone)");
    EXPECT_EQ(d.folders(outside), "\\B;\\AB");
    ASSERT_EQ(DvUndoList().Count(), 1);
    EXPECT_EQ(DvUndoList().At(0).kind, DvUndoKind::Remove);
    EXPECT_EQ(DvUndoList().At(0).items.size(), 4u);
    EXPECT_EQ(window.calls, (std::vector<std::string>{"refresh 0", "tree", "refresh 0"}));
}

TEST_F(FolderOperations, DeleteOfAnEmptyFolderRemovesItButChangesNoItem) {
    d.folder(u"\\Empty");
    EXPECT_EQ(DvOperationFolder(u"\\Empty", DV_OPERATION_DELETE, {}, 0, &d.doc), 0);
    EXPECT_EQ(d.tree(), "");
    EXPECT_EQ(DvUndoList().Count(), 0);
}

TEST_F(FolderOperations, DeleteRefusals) {
    d.add(u"x", {u"\\A"});
    DvOperationFolder(u"\\Nope", DV_OPERATION_DELETE, {}, 0, &d.doc);
    DvOperationFolder(u"\\", DV_OPERATION_DELETE, {}, 0, &d.doc);
    EXPECT_EQ(ui.messages, (std::vector<std::u16string>{u"deleting folder: folder not found", u"node ptr not found"}));
    EXPECT_EQ(d.tree(), "\\A");
    EXPECT_EQ(d.doc.items.size(), 1u);
}

TEST_F(FolderOperations, CodesThatDoNothing) {
    d.add(u"x", {u"\\A"});
    for (int code : {DV_OPERATION_REMOVE, DV_OPERATION_ADD, DV_OPERATION_COPY, DV_OPERATION_RENAME}) {
        SCOPED_TRACE(code);
        EXPECT_EQ(DvOperationFolder(u"\\A", code, u"\\B", 0, &d.doc), 0);
    }
    EXPECT_EQ(d.tree(), "\\A");
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(FolderOperations, SelectionActsOnExactlyOneFolderLinkAndNeverOnTheRoot) {
    const auto item = d.add(u"x", {u"\\A"});
    d.folder(u"\\B");
    const DvLink a = DvFolderLink(*d.doc.FindFolder(u"\\A"));
    const DvLink b = DvFolderLink(*d.doc.FindFolder(u"\\B"));

    EXPECT_EQ(DvOperationFolderSelection({a, b}, DV_OPERATION_MOVE, u"\\B", 0, &d.doc), 0);
    EXPECT_EQ(DvOperationFolderSelection({DvFolderLink(d.doc.root)}, DV_OPERATION_MOVE, u"\\B", 0, &d.doc), 0);
    DvLink gone = a;
    gone.guid = u"{00000000-0000-0000-0000-000000000000}";
    EXPECT_EQ(DvOperationFolderSelection({gone}, DV_OPERATION_MOVE, u"\\B", 0, &d.doc), 0);
    EXPECT_EQ(ui.messages, std::vector<std::u16string>(2, u"\\ (root) folder can't be moved/deleted or anything"));
    EXPECT_EQ(d.tree(), "\\A \\B");

    EXPECT_EQ(DvOperationFolderSelection({a}, DV_OPERATION_MOVE, u"\\B", 0, &d.doc), 1);
    EXPECT_EQ(d.tree(), "\\B \\B\\A");
    EXPECT_EQ(d.folders(item), "\\B\\A");
}

TEST_F(FolderOperations, FolderOrder) {
    struct Case {
        const char16_t* folder;
        bool up;
        bool moves;
        const char* order;
    };
    const Case cases[] = {
        {u"\\P\\Two", true, true, "\\P\\Two \\P\\One \\P\\Three"},
        {u"\\P\\One", true, false, "\\P\\One \\P\\Two \\P\\Three"},
        {u"\\P\\Three", false, false, "\\P\\One \\P\\Two \\P\\Three"},
        {u"\\P\\One", false, true, "\\P\\Two \\P\\One \\P\\Three"},
        {u"\\", true, false, "\\P\\One \\P\\Two \\P\\Three"},
        {u"\\Missing", false, false, "\\P\\One \\P\\Two \\P\\Three"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(dv::toUtf8(c.folder) + (c.up ? " up" : " down"));
        OpsDocument doc;
        for (const char16_t* name : {u"\\P\\One", u"\\P\\Two", u"\\P\\Three"}) doc.folder(name);
        const bool moved = c.up ? DvMoveFolderUp(c.folder, 0, &doc.doc) : DvMoveFolderDown(c.folder, 0, &doc.doc);
        EXPECT_EQ(moved, c.moves);
        EXPECT_EQ(doc.tree(), std::string("\\P ") + c.order);
    }
}

TEST_F(FolderOperations, FolderOrderRefreshesKeepsTheSelectionAndSurvivesASave) {
    RecordingMainWindow window;
    TempDir dir;
    for (const char16_t* name : {u"\\One", u"\\Two"}) d.folder(name);
    ASSERT_TRUE(DvMoveFolderDown(u"\\One", DV_OPERATION_FLAG_REFRESH, &d.doc));
    EXPECT_EQ(window.calls, (std::vector<std::string>{"tree", "refresh 0", "select \\One"}));
    const auto file = dir.path() / "_main_data.dayvault";
    ASSERT_TRUE(d.doc.Save(file));
    CDvDoc reloaded;
    ASSERT_TRUE(reloaded.Load(file));
    EXPECT_EQ(FolderPath(reloaded.root.Children().at(0).get()), u"\\Two");
    EXPECT_EQ(FolderPath(reloaded.root.Children().at(1).get()), u"\\One");
}

TEST(FolderPaths, JoinNormalizeAndCompare) {
    EXPECT_EQ(DvJoinFolderPath(u"\\", u"A"), u"\\A");
    EXPECT_EQ(DvJoinFolderPath(u"\\A", u"B"), u"\\A\\B");
    EXPECT_EQ(DvNormalizeFolderPath(u"/A/B//"), u"\\A\\B");
    EXPECT_EQ(DvNormalizeFolderPath(u"\\\\"), u"\\");
    EXPECT_EQ(DvTextBeforeLastSeparator(u"\\A\\B"), u"\\A");
    EXPECT_EQ(DvTextBeforeLastSeparator(u"\\A"), u"");
    EXPECT_TRUE(DvSameFolderPath(u"\\Work", u"\\work\\"));
    EXPECT_FALSE(DvSameFolderPath(u"\\Work", u"\\Work\\A"));
    EXPECT_FALSE(DvSameFolderPath(u"", u"\\"));
}

}  // namespace
