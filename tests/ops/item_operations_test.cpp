#include "ops/item_operations.h"

#include <gtest/gtest.h>

#include "support/ops_document.h"
#include "support/recording_main_window.h"
#include "support/scoped_clock.h"

namespace {

using ItemOperations = OpsTest;

const std::u16string kMissing = u"{00000000-0000-0000-0000-000000000000}";

TEST_F(ItemOperations, DeleteRemovesTheItemsAndSkipsMissingOnes) {
    const auto a = d.add(u"a", {u"\\A"});
    const auto b = d.add(u"b", {u"\\A", u"\\B"});
    const auto c = d.add(u"c", {u"\\C"});
    EXPECT_EQ(DvOperationItems({kMissing, a, b}, DV_OPERATION_DELETE, u"\\A", {}, 0, &d.doc), 1);
    EXPECT_EQ(d.titles(), std::vector<std::string>{"c"});
    EXPECT_EQ(d.folders(c), "\\C");
    ASSERT_EQ(DvUndoList().Count(), 1);
    EXPECT_EQ(DvUndoList().At(0).kind, DvUndoKind::Delete);
    EXPECT_EQ(DvUndoList().At(0).items.size(), 2u);
}

TEST_F(ItemOperations, NothingFoundChangesNothingAndRecordsNothing) {
    RecordingMainWindow window;
    d.add(u"a", {u"\\A"});
    for (int code = DV_OPERATION_DELETE; code <= DV_OPERATION_COPY; ++code) {
        SCOPED_TRACE(code);
        EXPECT_EQ(DvOperationItems({kMissing}, code, u"\\A", u"\\B", DV_OPERATION_FLAG_REFRESH, &d.doc), 0);
    }
    EXPECT_EQ(DvOperationItems({d.doc.items[0]->guid}, 7, u"\\A", u"\\B", 0, &d.doc), 0);
    EXPECT_EQ(DvUndoList().Count(), 0);
    EXPECT_TRUE(window.calls.empty());
    EXPECT_EQ(d.doc.items.size(), 1u);
}

TEST_F(ItemOperations, RemoveFromTheCurrentFolder) {
    constexpr unsigned kSub = DV_OPERATION_FLAG_SUBFOLDERS;
    struct Case {
        const char* name;
        std::initializer_list<std::u16string> folders;
        const char16_t* source;
        unsigned flags;
        const char* after;
        int result;
    };
    const Case cases[] = {
        {"one folder below the current one: deleted", {u"\\A\\X"}, u"\\A", 0, "(gone)", 1},
        {"one folder elsewhere: deleted all the same", {u"\\Z"}, u"\\A", 0, "(gone)", 1},
        {"no folder at all: deleted", {}, u"\\A", 0, "(gone)", 1},
        {"two folders", {u"\\A", u"\\B"}, u"\\A", 0, "\\B", 1},
        {"letter case does not matter", {u"\\A", u"\\B"}, u"\\a\\", 0, "\\B", 1},
        {"subfolder entries stay", {u"\\A", u"\\A\\X", u"\\B"}, u"\\A", 0, "\\A\\X;\\B", 1},
        {"subfolder entries go with flag 2", {u"\\A", u"\\A\\X", u"\\B"}, u"\\A", kSub, "\\B", 1},
        {"only subfolder entries, no flag: unchanged", {u"\\A\\X", u"\\A\\Y"}, u"\\A", 0, "\\A\\X;\\A\\Y", 0},
        {"only subfolder entries, flag 2: deleted", {u"\\A\\X", u"\\A\\Y"}, u"\\A", kSub, "(gone)", 1},
        {"whole components only", {u"\\AB", u"\\A\\X"}, u"\\A", kSub, "\\AB", 1},
        {"the source is not among them", {u"\\B", u"\\C"}, u"\\A", kSub, "\\B;\\C", 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        OpsDocument doc;
        const auto guid = doc.add(u"x", c.folders);
        EXPECT_EQ(DvOperationItems({guid}, DV_OPERATION_REMOVE, c.source, {}, c.flags, &doc.doc), c.result);
        EXPECT_EQ(doc.folders(guid), c.after);
    }
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(ItemOperations, RemoveStripsAtMostAHundredEntriesFromOneItem) {
    const auto guid = d.add(u"x", {u"\\B"});
    auto& folders = d.item(guid).folders;
    for (int i = 0; i < 150; ++i) folders.push_back(u"\\A\\" + dv::fromAscii(std::to_string(i)));
    DvOperationItems({guid}, DV_OPERATION_REMOVE, u"\\A", {}, DV_OPERATION_FLAG_SUBFOLDERS, &d.doc);
    ASSERT_EQ(d.item(guid).folders.size(), 51u);
    EXPECT_EQ(d.item(guid).folders[0], u"\\B");
    EXPECT_EQ(d.item(guid).folders[1], u"\\A\\100");
}

TEST_F(ItemOperations, MoveRules) {
    struct Case {
        const char* name;
        std::initializer_list<std::u16string> folders;
        const char16_t* source;
        const char* after;
        int result;
        bool reported;
    };
    const Case cases[] = {
        {"one folder moves whatever it was", {u"\\Z\\Q"}, u"\\A", "\\T", 1, false},
        {"the entry of the current folder moves", {u"\\A\\X", u"\\B"}, u"\\A\\X", "\\T;\\B", 1, false},
        {"letter case does not matter", {u"\\A\\X", u"\\B"}, u"\\a\\x", "\\T;\\B", 1, false},
        {"a parent of the entry is not enough", {u"\\A\\X", u"\\B"}, u"\\A", "\\A\\X;\\B", 0, true},
        {"already under the target: the source entry goes", {u"\\A", u"\\T"}, u"\\A", "\\T", 1, false},
        {"already in the target alone", {u"\\T"}, u"\\A", "\\T", 0, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        OpsDocument doc;
        ui.messages.clear();
        const auto guid = doc.add(u"Plan", c.folders);
        std::vector<std::u16string> changed;
        EXPECT_EQ(DvOperationItems({guid}, DV_OPERATION_MOVE, c.source, u"\\T", 0, &doc.doc, &changed), c.result);
        EXPECT_EQ(doc.folders(guid), c.after);
        EXPECT_EQ(ui.messages.size(), c.reported ? 1u : 0u);
        EXPECT_EQ(changed.size(), c.reported ? 0u : 1u) << "a moved item is handed back for selection";
    }
}

TEST_F(ItemOperations, AFailedMoveIsReportedAndTheOthersGoOn) {
    const auto stuck = d.add(u"Plan", {u"\\A\\X", u"\\B"});
    const auto moves = d.add(u"Memo", {u"\\A"});
    EXPECT_EQ(DvOperationItems({stuck, moves}, DV_OPERATION_MOVE, u"\\A", u"\\T", 0, &d.doc), 1);
    EXPECT_EQ(d.folders(stuck), "\\A\\X;\\B");
    EXPECT_EQ(d.folders(moves), "\\T");
    const std::u16string expected =
        u"could not move:Plan\r\n\r\n"
        u"reason: item belongs to many folders, but currently you are not in one of them, but instead in a parent "
        u"folder. This means I don't know from where to where should I move this item.\r\n\r\n"
        u"solution: go to the folder to which this item directly belongs, and from which you'd like to move it. I'm "
        u"really sorry for displaying so long and complicated message, I really don't like doing this.\r\n\r\n";
    EXPECT_EQ(ui.messages, std::vector<std::u16string>{expected});
}

TEST_F(ItemOperations, AddFilesUnderOneMoreFolderOnce) {
    const auto item = d.add(u"x", {u"\\A"});
    std::vector<std::u16string> changed;
    EXPECT_EQ(DvOperationItems({item}, DV_OPERATION_ADD, u"\\A", u"\\B/", 0, &d.doc, &changed), 1);
    EXPECT_EQ(d.folders(item), "\\A;\\B");
    EXPECT_EQ(DvOperationItems({item}, DV_OPERATION_ADD, u"\\A", u"\\b", 0, &d.doc, &changed), 0);
    EXPECT_EQ(DvOperationItems({item}, DV_OPERATION_ADD, u"\\A", u"", 0, &d.doc, &changed), 0);
    EXPECT_EQ(d.folders(item), "\\A;\\B");
    EXPECT_EQ(changed, std::vector<std::u16string>(2, item));
}

TEST_F(ItemOperations, CopyIntoItsOwnFolderKeepsEveryFolder) {
    dvtest::ScopedFakeClock clock({2024, 5, 1, 9, 30, 0});
    const auto source = d.add(u"Plan", {u"\\A", u"\\B"});
    d.item(source).vars.SetText(u"Company", u"Acme");
    const DvDateTime modified = d.item(source).modified = DvDateTime::FromFields(2020, 1, 1);
    d.item(source).created = modified;
    clock.advanceSeconds(60);

    std::vector<std::u16string> made;
    EXPECT_EQ(DvOperationItems({source}, DV_OPERATION_COPY, {}, u"\\B", DV_OPERATION_FLAG_KEEP_TITLE, &d.doc, &made),
              1);

    ASSERT_EQ(made.size(), 1u);
    ASSERT_NE(made[0], source);
    const CDvItem& copy = d.item(made[0]);
    EXPECT_EQ(copy.title, u"Plan");
    EXPECT_EQ(d.folders(made[0]), "\\A;\\B");
    EXPECT_EQ(copy.vars.GetText(u"Company"), u"Acme");
    EXPECT_EQ(copy.created, clock.now());
    EXPECT_EQ(copy.modified, modified);
    EXPECT_EQ(d.doc.items.back().get(), &copy);
    EXPECT_EQ(d.item(source).created, modified) << "the source is untouched";
}

TEST_F(ItemOperations, CopyIntoAnotherFolderLivesOnlyThere) {
    const auto source = d.add(u"Plan", {u"\\A", u"\\B"});
    std::vector<std::u16string> made;
    DvOperationItems({source, source}, DV_OPERATION_COPY, u"\\A", u"\\C", 0, &d.doc, &made);
    ASSERT_EQ(made.size(), 2u);
    EXPECT_NE(made[0], made[1]);
    for (const auto& guid : made) {
        EXPECT_EQ(d.item(guid).title, u"Copy of Plan");
        EXPECT_EQ(d.folders(guid), "\\C");
    }
    EXPECT_EQ(d.folders(source), "\\A;\\B");
    ASSERT_EQ(DvUndoList().Count(), 1);
    EXPECT_EQ(DvUndoList().At(0).kind, DvUndoKind::Modify);
    EXPECT_EQ(DvUndoList().At(0).items.front().guid, source) << "a copy records its sources";
}

TEST_F(ItemOperations, RefreshesOnlyWhenSomethingChanged) {
    RecordingMainWindow window;
    const auto item = d.add(u"x", {u"\\A"});
    DvOperationItems({item}, DV_OPERATION_ADD, {}, u"\\A", DV_OPERATION_FLAG_REFRESH, &d.doc);
    EXPECT_TRUE(window.calls.empty());
    DvOperationItems({item}, DV_OPERATION_ADD, {}, u"\\B", DV_OPERATION_FLAG_REFRESH, &d.doc);
    DvOperationItems({item}, DV_OPERATION_ADD, {}, u"\\C", 0, &d.doc);
    EXPECT_EQ(window.calls, std::vector<std::string>{"refresh 0"});
}

TEST_F(ItemOperations, RunsOnTheOpenDocumentWhenNoneIsGiven) {
    CDvDoc& open = DvCurDocSilently();
    open.mainFilePath = "/tmp/dayvault-open-document-test/_main_data.dayvault";
    auto item = std::make_unique<CDvItem>();
    item->NewGuid();
    item->folders = {u"\\A"};
    const std::u16string guid = item->guid;
    open.items.push_back(std::move(item));
    EXPECT_EQ(DvOperationItems({guid}, DV_OPERATION_ADD, {}, u"\\B", 0), 1);
    EXPECT_EQ(open.FindItemByGuid(guid)->folders, (std::vector<std::u16string>{u"\\A", u"\\B"}));
    open.Clear();
    open.mainFilePath.clear();
    EXPECT_TRUE(ui.messages.empty());
}

}  // namespace
