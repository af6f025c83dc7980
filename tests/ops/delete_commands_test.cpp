#include "ops/delete_commands.h"

#include <gtest/gtest.h>

#include "support/ops_document.h"

namespace {

using DeleteCommands = OpsTest;

TEST_F(DeleteCommands, ItemsAreRemovedOrDeletedAfterTheQuestion) {
    const auto a = d.add(u"a", {u"\\A", u"\\B"});
    const auto b = d.add(u"b", {u"\\A", u"\\B"});
    ui.answers = {dv::Answer::Ok, dv::Answer::Ok};
    EXPECT_EQ(DvRemoveCommand({false, u"\\", {a}, u"\\A"}, &d.doc), 1);
    EXPECT_EQ(d.folders(a), "\\B");
    EXPECT_EQ(DvDeleteCompletelyCommand({false, u"\\", {b}, u"\\A"}, &d.doc), 1);
    EXPECT_EQ(d.folders(b), "(gone)");
    EXPECT_EQ(ui.questions, std::vector<std::u16string>(2, u"Are you sure you want to delete selected items?"));

    EXPECT_EQ(DvDeleteCompletelyCommand({false, u"\\", {a}, u"\\A"}, &d.doc), 0);  // Cancel
    EXPECT_EQ(d.folders(a), "\\B");
}

TEST_F(DeleteCommands, NothingSelectedBeeps) {
    EXPECT_EQ(DvRemoveCommand({false, u"\\A", {}, u"\\A"}, &d.doc), 0);
    EXPECT_EQ(DvDeleteCompletelyCommand({false, u"\\A", {}, u"\\A"}, &d.doc), 0);
    EXPECT_EQ(ui.beeps, 2);
    EXPECT_TRUE(ui.questions.empty());
}

TEST_F(DeleteCommands, WithTheTreeFocusedBothDeleteTheFolder) {
    const auto a = d.add(u"a", {u"\\A"});
    const auto b = d.add(u"b", {u"\\B"});
    ui.answers = {dv::Answer::Ok, dv::Answer::Ok};
    EXPECT_EQ(DvRemoveCommand({true, u"\\A", {b}, u"\\B"}, &d.doc), 1);
    EXPECT_EQ(DvDeleteCompletelyCommand({true, u"\\B", {a}, u"\\A"}, &d.doc), 1);
    EXPECT_EQ(ui.questions, std::vector<std::u16string>(2, u"Are you sure you want to delete selected folder?"));
    EXPECT_EQ(d.tree(), "");
    EXPECT_TRUE(d.doc.items.empty());
}

}  // namespace
