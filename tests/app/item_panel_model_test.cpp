#include "app/item_panel_model.h"

#include <gtest/gtest.h>

#include "core/doc.h"
#include "platform/text.h"
#include "support/scoped_clock.h"
#include "support/scripted_ui.h"
#include "support/test_items.h"

namespace {

constexpr dv::CivilTime kMorning{2009, 6, 1, 9, 0, 0};

// The rich-text editor reduced to its RTF and its modification mark.
class FakeEditor final : public DvItemPanelEditor {
public:
    std::string rtf;
    bool modified = false;

    void LoadRtf(std::span<const uint8_t> bytes) override { rtf.assign(bytes.begin(), bytes.end()); }
    std::string SaveRtf() const override { return rtf; }
    bool IsModified() const override { return modified; }
    void ClearModified() override { modified = false; }

    void type(std::string_view plain) {
        rtf = "{\\rtf1 " + std::string(plain) + "}";
        modified = true;
    }
};

struct ItemPanelModel : ::testing::Test {
    dvtest::ScopedFakeClock clock{kMorning};
    ScriptedUi ui;
    CDvDoc doc;
    FakeEditor editor;
    CDvItemPanelModel panel{doc, editor};
    CDvItem& first = dvtest::addItem(doc, DV_ITEM_NOTE, u"First");
    CDvItem& second = dvtest::addItem(doc, DV_ITEM_NOTE, u"Second");

    ItemPanelModel() {
        dvtest::setContents(first, "one");
        dvtest::setContents(second, "two");
        first.modified = second.modified = DvDateTime::FromFields(2009, 1, 1);
    }
};

}  // namespace

TEST_F(ItemPanelModel, TextTypedIsWrittenIntoTheFirstItemBeforeTheSecondIsShown) {
    panel.DisplayItem(first.guid);
    EXPECT_EQ(first.GetPlainText(), u"one");  // the plain-text cache is filled before the edit
    editor.type("typed");
    clock.advanceSeconds(60);
    panel.DisplayItem(second.guid);

    EXPECT_EQ(first.GetPlainText(), u"typed");
    EXPECT_EQ(first.modified, clock.now());
    EXPECT_EQ(first.title, u"First");
    EXPECT_EQ(editor.rtf, "{\\rtf1 two}");
    EXPECT_FALSE(editor.modified);
    EXPECT_FALSE(panel.IsModified());
    EXPECT_EQ(second.GetPlainText(), u"two");
}

TEST_F(ItemPanelModel, AnotherItemWithoutAChangeWritesNothing) {
    const CDvItem before = first;
    panel.DisplayItem(first.guid);
    clock.advanceSeconds(60);
    panel.DisplayItem(second.guid);
    EXPECT_EQ(first, before);
    EXPECT_EQ(first.modified, DvDateTime::FromFields(2009, 1, 1));
}

TEST_F(ItemPanelModel, AnItemDeletedMeanwhileIsNotWrittenBack) {
    panel.DisplayItem(first.guid);
    editor.type("lost with the item");
    const std::u16string guid = first.guid;
    doc.items.erase(doc.items.begin());

    panel.SaveBack();

    EXPECT_EQ(doc.FindItemByGuid(guid), nullptr);
    ASSERT_EQ(doc.items.size(), 1u);
    EXPECT_EQ(second.GetPlainText(), u"two");
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_TRUE(ui.advisor.empty());
    EXPECT_FALSE(panel.IsModified());
}

TEST_F(ItemPanelModel, TheDocumentsOwnItemShownInPlaceIsOnlyTouched) {
    panel.DisplayItemInPlace(first);
    editor.type("in place");
    clock.advanceSeconds(60);
    panel.SaveBack();
    EXPECT_EQ(doc.items.size(), 2u);
    EXPECT_EQ(first.GetPlainText(), u"in place");
    EXPECT_EQ(first.modified, clock.now());
}

TEST_F(ItemPanelModel, ACommittedValueCountsAsAChangeAndIsWrittenBack) {
    CDvItem& ann = dvtest::addItem(doc, DV_ITEM_CONTACT, u"Ann");
    panel.DisplayItem(ann.guid);
    ASSERT_EQ(panel.SelectTab(DV_PANEL_TAB_EDIT_VALUES), DV_PANEL_TAB_EDIT_VALUES);
    CDvVarListEditModel* values = panel.Values();
    ASSERT_NE(values, nullptr);
    int company = -1;
    for (int row = 0; row < values->RowCount(); ++row) {
        // The item's own fields belong to its editor; a variable named like one would shadow nothing.
        EXPECT_FALSE(dv::startsWith(values->NameAt(row), u"dv_")) << dv::toUtf8(values->NameAt(row));
        if (values->NameAt(row) == u"Company") company = row;
    }
    ASSERT_GE(company, 0);
    values->StartEditing(company);
    values->editText = u"Quellmark";
    values->KeyPressed(DvVarListKey::Enter);
    EXPECT_TRUE(panel.IsModified());
    EXPECT_EQ(ann.GetVar(u"Company").AsText(), u"");  // the copy, not yet the document

    panel.DisplayItem({});
    EXPECT_EQ(ann.GetVar(u"Company").AsText(), u"Quellmark");
    EXPECT_EQ(panel.Shown(), nullptr);
    EXPECT_EQ(editor.rtf, "");
}

TEST_F(ItemPanelModel, AnUnavailableTabFallsBackToNoteWithANotice) {
    struct Case {
        bool editAvailable, showAvailable;
        int asked, current;
        const char16_t* notice;  // nullptr: none
    };
    const Case cases[] = {
        {true, true, DV_PANEL_TAB_EDIT_VALUES, DV_PANEL_TAB_EDIT_VALUES, nullptr},
        {true, true, DV_PANEL_TAB_SHOW_VALUES, DV_PANEL_TAB_SHOW_VALUES, nullptr},
        {false, true, DV_PANEL_TAB_SHOW_VALUES, DV_PANEL_TAB_SHOW_VALUES, nullptr},
        {false, false, DV_PANEL_TAB_NOTE, DV_PANEL_TAB_NOTE, nullptr},
        {false, true, DV_PANEL_TAB_EDIT_VALUES, DV_PANEL_TAB_NOTE,
         u"Tab 'Edit values' is not available in this view or nothing is selected. Some tabs are only available "
         u"in 'Contacts' view."},
        {true, false, DV_PANEL_TAB_SHOW_VALUES, DV_PANEL_TAB_NOTE,
         u"Tab 'Show values' is not available in this view or nothing is selected. Some tabs are only available "
         u"in 'Contacts' view."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.editAvailable << c.showAvailable << " tab " << c.asked);
        ui.advisor.clear();
        panel.SetEditValuesAvailable(c.editAvailable);
        panel.SetShowValuesAvailable(c.showAvailable);
        panel.SelectTab(DV_PANEL_TAB_NOTE);
        EXPECT_EQ(panel.SelectTab(c.asked), c.current);
        EXPECT_EQ(panel.CurrentTab(), c.current);
        if (c.notice)
            EXPECT_EQ(ui.advisor, std::vector<std::u16string>{c.notice});
        else
            EXPECT_TRUE(ui.advisor.empty());
    }
}

TEST_F(ItemPanelModel, ATabThatStopsBeingAvailableGivesWayToNote) {
    panel.SelectTab(DV_PANEL_TAB_SHOW_VALUES);
    panel.SetShowValuesAvailable(false);
    EXPECT_EQ(panel.CurrentTab(), DV_PANEL_TAB_NOTE);
    EXPECT_TRUE(ui.advisor.empty());
}
