#include "views/view_contents.h"

#include <gtest/gtest.h>

#include "platform/text.h"
#include "support/scripted_ui.h"
#include "support/test_items.h"
#include "views/live_filter.h"

namespace {

using dv::toUtf8;
using dvtest::addItem;

struct RecordingListener final : DvViewContentsListener {
    std::string calls;
    void RefillAgenda() override { calls += "agenda "; }
    void RefreshCalendar() override { calls += "calendar "; }
    void TabCaptionsChanged() override { calls += "captions "; }
    void UpdateDependentPanels() override { calls += "panels"; }
};

class ViewContents : public ::testing::Test {
protected:
    void SetUp() override {
        addItem(doc, DV_ITEM_TASK, u"Standup", {u"\\Work"}, {u"daily"});
        addItem(doc, DV_ITEM_TODO, u"Report", {u"\\Work\\Q1", u"\\Work"}, {u"urgent"});  // counted once
        addItem(doc, DV_ITEM_TODO, u"Done report", {u"\\Work"}).completion = 100;
        addItem(doc, DV_ITEM_NOTE, u"Minutes", {u"\\Work\\Q1"});
        addItem(doc, DV_ITEM_CONTACT, u"Boss", {u"\\Home"});
        addItem(doc, DV_ITEM_TODO, u"Garden", {u"\\Home"}, {u"weekend"});
        contents.SetCurrentFolder(u"\\Work");
    }
    std::vector<std::string> captions() const {
        std::vector<std::string> out;
        for (int tab = 0; tab <= 4; ++tab) out.push_back(toUtf8(contents.TabCaption(tab)));
        return out;
    }

    ScriptedUi ui;
    CDvDoc doc;
    CDvLiveFilter filter{doc};
    RecordingListener listener;
    CDvViewContents contents{doc, filter, &listener};
};

}  // namespace

TEST_F(ViewContents, EachTabRefillsItsOwnView) {
    struct Case {
        int tab;
        const char* calls;
        int toDoRows, noteRows, contactRows;
    };
    const Case cases[] = {
        {0, "captions agenda panels", 2, 0, 0},
        {1, "captions calendar panels", 0, 0, 0},
        {2, "captions panels", 2, 0, 0},
        {3, "captions panels", 0, 1, 0},
        {4, "captions panels", 0, 0, 0},
        {kDvNoTab, "", 0, 0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.tab);
        CDvViewContents fresh(doc, filter, &listener);
        fresh.SetCurrentFolder(u"\\Work");
        listener.calls.clear();
        fresh.SetTabItemType(c.tab);
        fresh.RefreshContents();
        EXPECT_EQ(listener.calls, c.calls);
        EXPECT_EQ(fresh.ToDoList().RowCount(), c.toDoRows);
        EXPECT_EQ(fresh.NotesList().RowCount(), c.noteRows);
        EXPECT_EQ(fresh.ContactsList().RowCount(), c.contactRows);
    }
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(ViewContents, TabCaptionsCountTheFolderAndBelow) {
    EXPECT_EQ(captions(), (std::vector<std::string>{"General", "Schedule", "To Do", "Notes", "Contacts"}));
    contents.SetTabItemType(kDvNoTab);
    contents.RefreshContents();
    EXPECT_EQ(toUtf8(contents.TabCaption(2)), "To Do") << "no tab: nothing counted";

    contents.SetTabItemType(3);
    contents.SetHideCompleted(true);  // counts ignore what the views hide
    contents.RefreshContents();
    EXPECT_EQ(captions(),
              (std::vector<std::string>{"General", "Schedule (1)", "To Do (2)", "Notes (1)", "Contacts (0)"}));
    contents.SetCurrentFolder(u"\\");
    contents.RefreshContents();
    EXPECT_EQ(toUtf8(contents.TabCaption(2)), "To Do (3)");
    EXPECT_EQ(toUtf8(DvTabName(5)), "No such tab");
}

TEST_F(ViewContents, UnknownTabIsReportedAndShownAsGeneral) {
    contents.SetTabItemType(7);
    contents.RefreshContents();
    EXPECT_EQ(ui.messagesUtf8(), std::vector<std::string>{"Internal error #1a62"});
    EXPECT_EQ(listener.calls, "captions agenda panels");
    EXPECT_EQ(contents.ToDoList().RowCount(), 2);
}

TEST_F(ViewContents, HideCompletedAndTheLiveFilterDecideTheRows) {
    contents.SetTabItemType(2);
    contents.RefreshContents();
    EXPECT_EQ(contents.ToDoList().RowCount(), 2);
    contents.SetHideCompleted(true);
    contents.RefreshContents();
    ASSERT_EQ(contents.ToDoList().RowCount(), 1);
    EXPECT_EQ(toUtf8(contents.ToDoList().ItemAt(0)->title), "Report");
    EXPECT_FALSE(contents.ItemPassesView(*doc.items[2]));
    EXPECT_TRUE(contents.ItemPassesView(*doc.items[3])) << "a note is never hidden as completed";
}

TEST_F(ViewContents, KeywordsRebuiltForTheFolderUnlessKept) {
    filter.SetKeywordFilterOn(true);
    contents.SetTabItemType(0);
    contents.RefreshContents();
    EXPECT_EQ(filter.ScopeFolder(), u"\\Work");
    EXPECT_EQ(filter.ScopeType(), 0);
    EXPECT_EQ(filter.RowCount(), 2);  // daily, urgent
    filter.SetRowSelected(1, true);
    contents.RefreshContents();
    EXPECT_EQ(filter.SelectedKeywords(), std::vector<std::u16string>{u"urgent"}) << "same scope keeps the choice";
    EXPECT_EQ(contents.ToDoList().RowCount(), 1);

    contents.SetCurrentFolder(u"\\Home");
    contents.RefreshContents(DV_REFRESH_KEEP_KEYWORDS);
    EXPECT_EQ(filter.ScopeFolder(), u"\\Work");
    EXPECT_EQ(filter.SelectedKeywords(), std::vector<std::u16string>{u"urgent"});
    contents.RefreshContents();
    EXPECT_EQ(filter.ScopeFolder(), u"\\Home");
    EXPECT_TRUE(filter.SelectedKeywords().empty());
}
