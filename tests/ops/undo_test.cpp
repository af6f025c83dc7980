#include "ops/undo.h"

#include <gtest/gtest.h>

#include "ops/folder_operations.h"
#include "ops/item_operations.h"
#include "support/ops_document.h"
#include "support/recording_main_window.h"

namespace {

using Undo = OpsTest;

CDvUndoEntry entryWithTitles(DvUndoKind kind, const std::vector<std::u16string>& titles) {
    CDvUndoEntry entry;
    entry.kind = kind;
    for (const auto& title : titles) {
        CDvItem item;
        item.title = title;
        entry.items.push_back(item);
    }
    return entry;
}

TEST(UndoDisplayText, KindCountAndQuotedTitles) {
    EXPECT_EQ(DvUndoDisplayText(entryWithTitles(DvUndoKind::Delete, {u"Call Bob", u"Milk"})),
              u"Delete 2 items (\"Call Bob\", \"Milk\")");
    EXPECT_EQ(DvUndoDisplayText(entryWithTitles(DvUndoKind::Remove, {})), u"Remove 0 items ()");
    const std::pair<int, const char16_t*> names[] = {{0, u"None"},   {1, u"Delete"}, {2, u"Remove"},
                                                     {3, u"Modify"}, {4, u"None"},   {-1, u"None"}};
    for (const auto& [kind, name] : names) EXPECT_EQ(DvUndoKindName(kind), name);
}

TEST(UndoDisplayText, CutAfterTwoHundredTwentyCharacters) {
    const std::vector<std::u16string> titles(30, std::u16string(40, u'x'));
    const std::u16string text = DvUndoDisplayText(entryWithTitles(DvUndoKind::Delete, titles));
    ASSERT_EQ(text.size(), 220u + 3 + 1);
    EXPECT_EQ(text.substr(0, 20), u"Delete 30 items (\"xx");
    EXPECT_EQ(text.substr(220), u"...)");

    // Exactly at the limit nothing is cut.
    const std::u16string head = u"Modify 1 items (\"\")";
    const std::u16string fits =
        DvUndoDisplayText(entryWithTitles(DvUndoKind::Modify, {std::u16string(220 - head.size() + 1, u'y')}));
    EXPECT_EQ(fits.size(), 221u);
    EXPECT_EQ(fits.substr(fits.size() - 3), u"y\")");
}

TEST_F(Undo, UndoingAFolderDeletionBringsBackItemsAndTheirFoldersOnly) {
    RecordingMainWindow window;
    const auto only = d.add(u"only", {u"\\A\\X"});
    const auto shared = d.add(u"shared", {u"\\A", u"\\B"});
    const auto other = d.add(u"other", {u"\\B"});
    d.folder(u"\\A\\Empty");
    DvOperationFolder(u"\\A", DV_OPERATION_DELETE, {}, 0, &d.doc);
    ASSERT_EQ(d.tree(), "\\B");
    window.calls.clear();

    ASSERT_TRUE(DvUndoList().Apply(0, &d.doc));

    EXPECT_EQ(d.titles(), (std::vector<std::string>{"shared", "other", "only"})) << "re-inserted at the end";
    EXPECT_EQ(d.folders(only), "\\A\\X");
    EXPECT_EQ(d.folders(shared), "\\A;\\B");
    EXPECT_EQ(d.folders(other), "\\B");
    EXPECT_EQ(d.tree(), "\\B \\A \\A\\X") << "a folder that held no items stays deleted";
    EXPECT_EQ(DvUndoList().Count(), 0);
    EXPECT_EQ(window.calls, (std::vector<std::string>{"tree", "refresh 0"}));
}

TEST_F(Undo, UndoingRemovesAndMovesRestoresTheFolderLists) {
    const auto a = d.add(u"a", {u"\\A", u"\\B"});
    const auto b = d.add(u"b", {u"\\A"});
    DvOperationItems({a, b}, DV_OPERATION_REMOVE, u"\\A", {}, 0, &d.doc);
    DvOperationItems({a}, DV_OPERATION_MOVE, u"\\B", u"\\C", 0, &d.doc);
    ASSERT_EQ(d.folders(a), "\\C");
    ASSERT_EQ(d.folders(b), "(gone)");

    ASSERT_TRUE(DvUndoList().Apply(1, &d.doc));  // the move
    EXPECT_EQ(d.folders(a), "\\B");
    ASSERT_TRUE(DvUndoList().Apply(0, &d.doc));  // the remove
    EXPECT_EQ(d.folders(a), "\\A;\\B");
    EXPECT_EQ(d.folders(b), "\\A");
}

TEST_F(Undo, UndoingACopyRestoresTheSourcesAndLeavesTheCopies) {
    const auto source = d.add(u"Plan", {u"\\A"});
    std::vector<std::u16string> made;
    DvOperationItems({source}, DV_OPERATION_COPY, u"\\A", u"\\B", 0, &d.doc, &made);
    d.item(source).title = u"Edited since";
    ASSERT_TRUE(DvUndoList().Apply(0, &d.doc));
    EXPECT_EQ(d.titles(), (std::vector<std::string>{"Plan", "Copy of Plan"}));
    EXPECT_EQ(d.folders(made.at(0)), "\\B");
}

TEST_F(Undo, AnOlderEntryCanBeUndoneFirstAndANewerOneOverwritesItLater) {
    const auto item = d.add(u"x", {u"\\A"});
    DvOperationItems({item}, DV_OPERATION_ADD, {}, u"\\B", 0, &d.doc);  // entry 0: \A
    DvOperationItems({item}, DV_OPERATION_ADD, {}, u"\\C", 0, &d.doc);  // entry 1: \A;\B
    ASSERT_TRUE(DvUndoList().Apply(0, &d.doc));
    EXPECT_EQ(d.folders(item), "\\A");
    ASSERT_EQ(DvUndoList().Count(), 1);
    ASSERT_TRUE(DvUndoList().Apply(0, &d.doc));
    EXPECT_EQ(d.folders(item), "\\A;\\B");
}

TEST_F(Undo, AnEditorsRecordOverwritesEveryField) {
    const auto guid = d.add(u"Before", {u"\\A"});
    CDvItem& item = d.item(guid);
    item.vars.SetText(u"Phone", u"123");
    const CDvItem before = item;
    DvUndoList().RecordItem(item, DvUndoKind::Modify, d.doc);
    item.title = u"After";
    item.vars.SetText(u"Phone", u"456");
    item.SetPriority(90);
    d.doc.items.insert(d.doc.items.begin(), std::make_unique<CDvItem>());  // its cached place is stale now
    ASSERT_TRUE(DvUndoList().Apply(0, &d.doc));
    EXPECT_EQ(d.item(guid), before);
    EXPECT_EQ(d.doc.items.size(), 2u);
}

TEST_F(Undo, APositionOutsideTheListBeeps) {
    EXPECT_FALSE(DvUndoList().Apply(0, &d.doc));
    EXPECT_FALSE(DvUndoList().Apply(-1, &d.doc));
    EXPECT_EQ(ui.beeps, 2);
}

TEST_F(Undo, AnEntryWaitsForItsOwnDatabase) {
    d.doc.mainFilePath = "/tmp/dayvault-undo-test/one/_main_data.dayvault";
    const auto item = d.add(u"From one", {u"\\A"});
    DvOperationItems({item}, DV_OPERATION_DELETE, {}, {}, 0, &d.doc);

    OpsDocument other;
    other.doc.mainFilePath = "/tmp/dayvault-undo-test/two/_main_data.dayvault";
    EXPECT_FALSE(DvUndoList().Apply(0, &other.doc));
    EXPECT_EQ(ui.messages.size(), 1u);
    EXPECT_TRUE(other.doc.items.empty()) << "nothing of one database lands in another";
    EXPECT_EQ(DvUndoList().Count(), 1);
    EXPECT_TRUE(CDvUndoingDlgModel(&other.doc).Rows().empty());

    OpsDocument reopened;  // the first database again, under another spelling of its path
    reopened.doc.mainFilePath = "/tmp/dayvault-undo-test/two/../one/_main_data.dayvault";
    ASSERT_TRUE(DvUndoList().Apply(0, &reopened.doc));
    EXPECT_EQ(reopened.titles(), std::vector<std::string>{"From one"});
}

TEST(UndoDialog, ColumnWidthLeavesRoomForTheScrollBar) {
    struct Case {
        int scrollBar;
        int column;
    };
    const Case cases[] = {{17, 283}, {0, 300}, {1, 299}, {199, 101}, {200, 300}, {-5, 300}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.scrollBar);
        EXPECT_EQ(CDvUndoingDlgModel::ColumnWidth(300, c.scrollBar), c.column);
    }
    EXPECT_EQ(CDvUndoingDlgModel::kColumnTitle, u"Action");
}

TEST_F(Undo, DialogListsOldestFirstSelectsTheNewestAndUndoesTheChosenRow) {
    const auto a = d.add(u"a", {u"\\A"});
    const auto b = d.add(u"b", {u"\\A"});
    DvOperationItems({a}, DV_OPERATION_DELETE, {}, {}, 0, &d.doc);
    DvOperationItems({b}, DV_OPERATION_ADD, {}, u"\\B", 0, &d.doc);

    CDvUndoingDlgModel dialog(&d.doc);
    EXPECT_EQ(dialog.Rows(), (std::vector<std::u16string>{u"Delete 1 items (\"a\")", u"Modify 1 items (\"b\")"}));
    EXPECT_EQ(dialog.selectedRow, 1);

    dialog.selectedRow = -1;
    EXPECT_FALSE(dialog.Ok());
    EXPECT_EQ(ui.beeps, 1);

    dialog.selectedRow = 0;
    EXPECT_TRUE(dialog.Ok());
    EXPECT_EQ(d.folders(a), "\\A");
    EXPECT_EQ(dialog.Rows(), std::vector<std::u16string>{u"Modify 1 items (\"b\")"});
}

}  // namespace
