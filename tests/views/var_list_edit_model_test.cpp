#include "views/var_list_edit_model.h"

#include <gtest/gtest.h>

#include "platform/text.h"
#include "support/test_items.h"

namespace {

std::vector<DvColumn> columnsNamed(std::initializer_list<const char16_t*> names) {
    std::vector<DvColumn> out;
    for (const char16_t* name : names) out.push_back({name, name, 100, false, u"", u""});
    return out;
}

}  // namespace

TEST(VarListEdit, ShowsValuesAndWritesTextBack) {
    CDvDoc doc;
    CDvItem& item = dvtest::addItem(doc, DV_ITEM_TASK, u"Trip");
    item.vars.Set(u"Budget", CDvVar::FromDouble(1.5));
    CDvVarListEditModel list(item, columnsNamed({u"dv_title", u"Budget", u"Hotel", u"Nights"}));
    ASSERT_EQ(list.RowCount(), 4);
    EXPECT_EQ(list.ValueAt(0), u"Trip");
    EXPECT_EQ(list.ValueAt(1), u"1.5");
    EXPECT_EQ(list.ValueAt(2), u"");

    ASSERT_TRUE(list.StartEditing(1));
    EXPECT_EQ(list.editText, u"1.5");
    list.editText = u"2.25";
    list.KeyPressed(DvVarListKey::Down);
    EXPECT_FALSE(list.IsEditing());
    EXPECT_EQ(list.SelectedRow(), 2);
    EXPECT_EQ(item.vars.Get(u"Budget")->Type(), DV_VAR_DOUBLE) << "an existing variable keeps its type";
    EXPECT_EQ(item.vars.Get(u"Budget")->AsDouble(), 2.25);
    EXPECT_EQ(list.ValueAt(1), u"2.25");

    // The deferred request edits the selected row; a new variable is stored as text.
    ASSERT_TRUE(list.RunRequest(u"GA_CLCE_START_EDITING"));
    EXPECT_EQ(list.EditRow(), 2);
    list.editText = u"Grand";
    list.KeyPressed(DvVarListKey::Up);
    EXPECT_EQ(list.SelectedRow(), 1);
    EXPECT_EQ(item.vars.GetText(u"hotel"), u"Grand");

    list.StartEditing(3);
    list.editText = u"4";
    list.KeyPressed(DvVarListKey::Enter);
    EXPECT_EQ(list.SelectedRow(), 3);
    list.StartEditing(3);
    list.KeyPressed(DvVarListKey::Down);
    EXPECT_EQ(list.SelectedRow(), 3) << "the last row stays selected";

    list.StartEditing(2);
    list.editText = u"Ritz";
    list.CancelEditing();
    EXPECT_EQ(item.vars.GetText(u"Hotel"), u"Grand");
    EXPECT_FALSE(list.StartEditing(4));
    EXPECT_FALSE(list.RunRequest(u"something else"));
}

TEST(VarListEdit, FolderVariables) {
    CDvFolder folder;
    folder.title = u"Work";
    folder.vars.SetText(u"Owner", u"Anna");
    CDvVarListEditModel list(folder, columnsNamed({u"DV_TITLE", u"owner"}));
    EXPECT_EQ(list.ValueAt(0), u"Work");
    EXPECT_EQ(list.ValueAt(1), u"Anna");
}
