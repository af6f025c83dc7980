#include "ops/item_conversion.h"

#include <gtest/gtest.h>

#include "support/ops_document.h"
#include "support/recording_main_window.h"
#include "support/scoped_clock.h"

namespace {

using ItemConversion = OpsTest;

std::vector<DvLink> select(std::initializer_list<std::u16string> guids) {
    std::vector<DvLink> links;
    for (const auto& guid : guids) links.push_back({u"", guid, DvLink::kItem, u""});
    return links;
}

TEST_F(ItemConversion, ANoteBecomesATaskInAQuarterOfAnHourAndBackKeepsEverything) {
    dvtest::ScopedFakeClock clock({2024, 3, 31, 23, 50, 12});
    RecordingMainWindow window;
    const auto guid = d.add(u"Call Bob", {u"\\A"});
    ui.answers = {dv::Answer::Ok};

    EXPECT_EQ(DvConvertItems(select({guid}), DV_ITEM_TASK, 0, &d.doc), 1);

    EXPECT_EQ(ui.questions, std::vector<std::u16string>{u"Are you sure you want to convert selected items?"});
    const CDvItem& task = d.item(guid);
    EXPECT_EQ(task.itemType, DV_ITEM_TASK);
    EXPECT_EQ(task.taskStart, DvDateTime::FromFields(2024, 4, 1, 0, 5, 12));
    EXPECT_EQ(task.taskEnd, DvDateTime::FromFields(2024, 4, 1, 0, 20, 12));
    EXPECT_EQ(*task.vars.Get(u"reminder_s_type"), CDvVar::FromString(u"popup"));
    EXPECT_EQ(*task.vars.Get(u"reminder_s_before_units"), CDvVar::FromString(u"minutes"));
    EXPECT_EQ(*task.vars.Get(u"reminder_n_before_count"), CDvVar::FromInt64(5));
    EXPECT_EQ(window.calls, (std::vector<std::string>{"refresh 1", "edit " + dv::toUtf8(guid)}));

    const CDvItem asTask = task;
    EXPECT_EQ(DvConvertItems(select({guid}), DV_ITEM_NOTE, DV_ITEM_COMMAND_NO_QUESTIONS, &d.doc), 1);
    EXPECT_EQ(ui.questions.size(), 1u);
    CDvItem note = d.item(guid);
    EXPECT_EQ(note.itemType, DV_ITEM_NOTE);
    note.itemType = DV_ITEM_TASK;
    EXPECT_EQ(note, asTask) << "only the type changed";
}

TEST_F(ItemConversion, AContactKeepsItsFieldsAsVariables) {
    const auto guid = d.add(u"Bob", {u"\\A"}, DV_ITEM_CONTACT);
    d.item(guid).vars.SetText(u"[Business] Phone", u"555");
    DvConvertItems(select({guid}), DV_ITEM_TODO, DV_ITEM_COMMAND_NO_QUESTIONS, &d.doc);
    EXPECT_EQ(d.item(guid).itemType, DV_ITEM_TODO);
    EXPECT_EQ(d.item(guid).vars.GetText(u"[Business] Phone"), u"555");
}

TEST_F(ItemConversion, NothingToConvertOpensNothing) {
    RecordingMainWindow window;
    const auto task = d.add(u"t", {u"\\A"}, DV_ITEM_TASK);
    const auto note = d.add(u"n", {u"\\A"});
    const CDvItem before = d.item(task);

    EXPECT_EQ(DvConvertItems(select({task}), DV_ITEM_TASK, DV_ITEM_COMMAND_NO_QUESTIONS, &d.doc), 0);
    EXPECT_EQ(DvConvertItems(select({note}), DV_ITEM_TASK, 0, &d.doc), 0);  // the question is cancelled
    EXPECT_EQ(DvConvertItems(select({note}), 9, DV_ITEM_COMMAND_NO_QUESTIONS, &d.doc), 0);
    EXPECT_EQ(DvConvertItems({}, DV_ITEM_TASK, 0, &d.doc), 0);

    EXPECT_EQ(d.item(task), before);
    EXPECT_EQ(d.item(note).itemType, DV_ITEM_NOTE);
    EXPECT_TRUE(window.calls.empty());
    EXPECT_EQ(ui.questions.size(), 1u) << "an empty selection asks nothing";
}

TEST_F(ItemConversion, AFolderInTheSelectionEndsIt) {
    RecordingMainWindow window;
    const auto first = d.add(u"1", {u"\\A"});
    const auto last = d.add(u"2", {u"\\A"});
    std::vector<DvLink> selection = select({first});
    selection.push_back(DvFolderLink(*d.folder(u"\\A")));
    selection.push_back(select({last}).front());
    EXPECT_EQ(DvConvertItems(selection, DV_ITEM_CONTACT, DV_ITEM_COMMAND_NO_QUESTIONS, &d.doc), 1);
    EXPECT_EQ(d.item(first).itemType, DV_ITEM_CONTACT);
    EXPECT_EQ(d.item(last).itemType, DV_ITEM_NOTE);
    EXPECT_EQ(window.calls, std::vector<std::string>{"refresh 1"}) << "three were selected: no editor";
}

}  // namespace
