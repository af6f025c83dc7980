#include "views/item_list_ctrl_model.h"

#include <gtest/gtest.h>

#include "platform/text.h"
#include "support/scripted_ui.h"
#include "support/test_items.h"
#include "views/column_store.h"
#include "views/list_ctrl_models.h"
#include "views/live_filter.h"
#include "views/view_test.h"

namespace {

using dv::toUtf8;
using dvtest::addItem;

// To-dos in \A, below it, in its look-alike \AB and in two folders at once; one note.
class ItemLists : public ::testing::Test {
protected:
    void SetUp() override {
        for (const char16_t* path : {u"\\A\\C", u"\\AB\\C"}) FindOrCreateFolderPath(doc.root, path);
        addItem(doc, DV_ITEM_TODO, u"Buy milk", {u"\\A"});
        addItem(doc, DV_ITEM_TODO, u"Fix bike", {u"\\A\\C"}).completion = 100;
        addItem(doc, DV_ITEM_TODO, u"Call mum", {u"\\AB\\C"});
        addItem(doc, DV_ITEM_NOTE, u"Shopping", {u"\\A"}).completion = 100;
        addItem(doc, DV_ITEM_TODO, u"Pay rent", {u"\\A\\C", u"\\A"});
        addItem(doc, DV_ITEM_TODO, u"Water plants", {u"\\a\\c"});
    }

    static std::string titles(const CDvItemListCtrlModel& list) {
        std::string out;
        for (const DvListEntry& e : list.Entries()) out += (out.empty() ? "" : ",") + toUtf8(e.item->title);
        return out;
    }
    int rowOf(const CDvItemListCtrlModel& list, std::u16string_view title) const {
        for (int row = 0; row < list.RowCount(); ++row)
            if (list.ItemAt(row)->title == title) return row;
        return -1;
    }
    int column(const CDvItemListCtrlModel& list, std::u16string_view name) const {
        return DvFindColumn(list.Columns(), name);
    }

    ScriptedUi ui;
    CDvDoc doc;
    CDvLiveFilter filter{doc};
    DvViewTest view{&filter};
    CDvToDoListCtrlModel toDos{doc, &view};
    CDvNotesListCtrlModel notes{doc, &view};
};

}  // namespace

TEST_F(ItemLists, FolderScopeAndViewTest) {
    struct Case {
        const char16_t* folder;
        bool hideCompleted;
        const char* toDos;
        const char* notes;
    };
    const Case cases[] = {
        {u"\\", false, "Buy milk,Fix bike,Call mum,Pay rent,Water plants", "Shopping"},
        {u"\\A", false, "Buy milk,Fix bike,Pay rent,Water plants", "Shopping"},  // not \AB, any case
        {u"\\A\\C", false, "Fix bike,Pay rent,Water plants", ""},
        {u"\\AB", false, "Call mum", ""},
        {u"\\A", true, "Buy milk,Pay rent,Water plants", "Shopping"},  // notes are never completed
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(toUtf8(c.folder) + (c.hideCompleted ? " hiding completed" : ""));
        view.hideCompleted = c.hideCompleted;
        toDos.Fill(c.folder);
        notes.Fill(c.folder);
        EXPECT_EQ(titles(toDos), c.toDos);
        EXPECT_EQ(titles(notes), c.notes);
    }

    filter.SetTextFilterOn(true);
    filter.SetPhrase(u"PL");
    toDos.Fill(u"\\");
    EXPECT_EQ(titles(toDos), "Water plants") << "the live filter has the last word";
}

TEST_F(ItemLists, ColumnClicksSortReverseAndRestore) {
    toDos.Fill(u"\\A");
    const int title = column(toDos, u"dv_title");
    ASSERT_GT(title, 0);

    EXPECT_EQ(toUtf8(toDos.ColumnClick(title)), "");
    EXPECT_EQ(titles(toDos), "Buy milk,Fix bike,Pay rent,Water plants");
    toDos.ColumnClick(title);
    EXPECT_FALSE(toDos.Ascending());
    EXPECT_EQ(titles(toDos), "Water plants,Pay rent,Fix bike,Buy milk");

    // A new column keeps the direction: descending by folders.
    toDos.ColumnClick(column(toDos, u"dv_folders"));
    EXPECT_EQ(toUtf8(toDos.SortKey()), "dv_folders");
    EXPECT_FALSE(toDos.Ascending());
    EXPECT_EQ(toUtf8(toDos.ItemAt(0)->title), "Pay rent");  // \A\C;\A
    EXPECT_EQ(toUtf8(toDos.ItemAt(3)->title), "Buy milk");  // \A

    const std::u16string hint = toDos.ColumnClick(0);
    EXPECT_EQ(hint, kDvToDoUnsortedHint);
    EXPECT_EQ(ui.advisor, std::vector<std::u16string>{hint});
    EXPECT_TRUE(toDos.SortKey().empty());
    EXPECT_EQ(titles(toDos), "Buy milk,Fix bike,Pay rent,Water plants");

    notes.Fill(u"\\");
    EXPECT_EQ(notes.ColumnClick(0), kDvUnsortedHint);
    EXPECT_EQ(notes.ColumnClick(99), u"");
}

TEST_F(ItemLists, DeadlineColumnPutsUndatedToDosLast) {
    CDvItem& soon = *doc.items[4];
    soon.flags |= DV_ITEM_FLAG_DEADLINE;
    soon.taskEnd = DvDateTime::FromFields(2030, 1, 1);
    CDvItem& later = *doc.items[1];
    later.flags |= DV_ITEM_FLAG_DEADLINE;
    later.taskEnd = DvDateTime::FromFields(2031, 1, 1);
    toDos.Fill(u"\\A");
    toDos.ColumnClick(column(toDos, u"dv_taskend"));
    EXPECT_EQ(titles(toDos), "Pay rent,Fix bike,Buy milk,Water plants");
}

TEST_F(ItemLists, SortKeyMustNameAColumn) {
    doc.items[0]->vars.SetText(u"Shop", u"b");
    doc.items[5]->vars.SetText(u"Shop", u"a");
    toDos.SetSortKey(u"Shop");
    toDos.Fill(u"\\A");
    EXPECT_EQ(titles(toDos), "Buy milk,Fix bike,Pay rent,Water plants");

    std::vector<DvColumn> columns = DvColumnsGetVisibleCols(doc, u"\\", DV_ITEM_TODO);
    columns.push_back({u"shop", u"Shop", 80, true, u"string", u""});
    ASSERT_TRUE(DvColumnsSaveVisibleCols(doc, u"\\", DV_ITEM_TODO, columns, false));
    toDos.Fill(u"\\A");  // the folder's columns are taken again at every fill
    EXPECT_EQ(titles(toDos), "Fix bike,Pay rent,Water plants,Buy milk") << "missing values first";
}

TEST_F(ItemLists, RefillKeepsFocusSelectionAndTopRowByGuid) {
    toDos.Fill(u"\\");
    toDos.SetFocusRow(rowOf(toDos, u"Pay rent"));
    toDos.SetRowSelected(rowOf(toDos, u"Pay rent"), true);
    toDos.SetRowSelected(rowOf(toDos, u"Call mum"), true);
    toDos.SetRowSelected(rowOf(toDos, u"Fix bike"), true);
    toDos.SetTopRow(rowOf(toDos, u"Call mum"));

    // Fix bike is deleted, two to-dos sorting before the others arrive, the order changes.
    doc.items.erase(doc.items.begin() + 1);
    addItem(doc, DV_ITEM_TODO, u"Always first", {u"\\"});
    addItem(doc, DV_ITEM_TODO, u"Also early", {u"\\"});
    toDos.ColumnClick(column(toDos, u"dv_title"));

    EXPECT_EQ(titles(toDos), "Also early,Always first,Buy milk,Call mum,Pay rent,Water plants");
    EXPECT_EQ(toDos.FocusRow(), rowOf(toDos, u"Pay rent"));
    EXPECT_EQ(toDos.SelectedRows(), (std::vector<int>{rowOf(toDos, u"Call mum"), rowOf(toDos, u"Pay rent")}));
    EXPECT_EQ(toDos.TopRow(), rowOf(toDos, u"Call mum"));

    // A top row that is gone leaves the view where it was.
    toDos.SetTopRow(rowOf(toDos, u"Always first"));
    doc.items.erase(doc.items.end() - 2);
    toDos.Refill();
    EXPECT_EQ(toDos.TopRow(), 1);
}

TEST_F(ItemLists, RowsOfVanishedItemsAreSkipped) {
    toDos.Fill(u"\\");
    const DvListOptions options;
    ASSERT_EQ(toUtf8(toDos.CellText(0, column(toDos, u"dv_title"), options)), "Buy milk");
    doc.items.erase(doc.items.begin());
    EXPECT_EQ(toDos.ItemAt(0), nullptr);
    EXPECT_EQ(toUtf8(toDos.CellText(0, 0, options)), "error, item invalid");
    EXPECT_EQ(toUtf8(toDos.CellText(0, 2, options)), "");
    EXPECT_EQ(toUtf8(toDos.CellText(1, column(toDos, u"dv_title"), options)), "Fix bike") << "found again by GUID";

    notes.Fill(u"\\");
    doc.items.clear();
    EXPECT_EQ(toUtf8(notes.CellText(0, 0, options)), "");
    EXPECT_EQ(notes.RowStyle(0, DvDateTime::Now()), DvRowStyle{});
}

TEST_F(ItemLists, AnyItemListShowsTheOwnersEntries) {
    CDvAnyItemListCtrlModel any(doc);
    ASSERT_EQ(any.Columns().size(), 6u);
    EXPECT_EQ(toUtf8(any.Columns()[0].name), "dv_item_type");
    std::vector<DvListEntry> entries;
    for (int i : {4, 3, 0}) entries.push_back(DvMakeListEntry(*doc.items[static_cast<size_t>(i)]));
    any.SetSourceEntries(entries);
    EXPECT_EQ(titles(any), "Pay rent,Shopping,Buy milk");

    any.ColumnClick(column(any, u"dv_title"));
    EXPECT_EQ(titles(any), "Buy milk,Pay rent,Shopping");
    doc.items.erase(doc.items.begin());  // Buy milk
    EXPECT_EQ(any.ColumnClick(0), kDvUnsortedHint);
    EXPECT_EQ(titles(any), "Pay rent,Shopping");
}

TEST(ContactsList, DetailsOnlyAboveLevelOne) {
    ScriptedUi ui;
    CDvDoc doc;
    CDvItem& anna = addItem(doc, DV_ITEM_CONTACT, u"Anna");
    anna.vars.SetText(u"[Personal] Phone", u"123");
    CDvContactsListCtrlModel contacts(doc);
    contacts.Fill(u"\\");
    EXPECT_EQ(contacts.DetailsText(0), u"");
    contacts.detailsLevel = 2;
    EXPECT_EQ(contacts.DetailsText(0), u"Personal: 123");
    EXPECT_EQ(contacts.DetailsText(5), u"");
}
