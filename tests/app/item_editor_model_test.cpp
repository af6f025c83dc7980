#include "app/item_editor_model.h"

#include <gtest/gtest.h>

#include "core/doc.h"
#include "ops/undo.h"
#include "support/ops_document.h"
#include "support/recording_main_window.h"
#include "support/scripted_ui.h"

namespace {

class ItemEditorModelTest : public OpsTest {
protected:
    RecordingMainWindow window;

    CDvItem newItem(int type) {
        CDvItem item;
        item.itemType = type;
        return item;
    }
};

std::vector<std::string> utf8(const std::vector<DvFolderChoice>& choices) {
    std::vector<std::string> out;
    for (const auto& c : choices) out.push_back((c.selected ? "+" : "-") + dv::toUtf8(c.path));
    return out;
}

}  // namespace

TEST_F(ItemEditorModelTest, TitleMarksNewAndReadonlyEditors) {
    const auto guid = d.add(u"Minutes", {u"\\Work"});
    struct Case {
        const char* what;
        bool existing, subscribed, docReadonly;
        std::u16string title, note;
    };
    const Case cases[] = {
        {"new note", false, false, false, u"Note editing [New]", u""},
        {"existing note", true, false, false, u"Note editing", u""},
        {"new, read-only document", false, false, true, u"Note editing [New] [Readonly]", u"The document is readonly."},
        {"existing, read-only document", true, false, true, u"Note editing [Readonly]", u"The document is readonly."},
        {"subscribed", true, true, false, u"Note editing [Readonly]", u"\"Subscribed\" item, readonly"},
        // The subscription note wins over the document's.
        {"subscribed, read-only document", true, true, true, u"Note editing [Readonly]", u"\"Subscribed\" item, readonly"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        d.doc.readOnly = c.docReadonly;
        d.item(guid).subscribed = c.subscribed;
        const CDvItem fresh = newItem(DV_ITEM_NOTE);
        const CDvItem& source = c.existing ? d.item(guid) : fresh;  // the document's own item, not a copy
        CDvItemEditorModel editor(d.doc, source, u"\\Work");
        EXPECT_EQ(editor.IsNew(), !c.existing);
        EXPECT_EQ(editor.WindowTitle(), c.title);
        EXPECT_EQ(editor.ReadonlyNote(), c.note);
        EXPECT_EQ(editor.CanConfirm(), c.note.empty());
        EXPECT_EQ(editor.ItemCommandsEnabled(), c.existing);
    }
}

TEST_F(ItemEditorModelTest, CaptionsByType) {
    EXPECT_EQ(DvEditorCaption(DV_ITEM_TASK), u"Task editing");
    EXPECT_EQ(DvEditorCaption(DV_ITEM_TODO), u"To do");
    EXPECT_EQ(DvEditorCaption(DV_ITEM_NOTE), u"Note editing");
    EXPECT_EQ(DvEditorCaption(DV_ITEM_CONTACT), u"Editing contact");
    EXPECT_EQ(DvEditorCaption(DV_ITEM_UNDEFINED), u"");
}

TEST_F(ItemEditorModelTest, ANewItemIsFiledInTheEditorsFolderAnExistingOneIsNot) {
    d.folder(u"\\Work");
    d.folder(u"\\Home");
    CDvItemEditorModel fresh(d.doc, newItem(DV_ITEM_NOTE), u"\\Work");
    EXPECT_TRUE(fresh.IsNew());
    EXPECT_EQ(fresh.Item().folders, std::vector<std::u16string>{u"\\Work"});
    EXPECT_EQ(utf8(fresh.FolderChoices()), (std::vector<std::string>{"-\\", "+\\Work", "-\\Home"}));

    CDvItemEditorModel atRoot(d.doc, newItem(DV_ITEM_NOTE), u"");
    EXPECT_TRUE(atRoot.Item().folders.empty());

    const auto guid = d.add(u"Minutes", {u"\\home"});
    d.item(guid).folders.push_back(u"\\Gone");  // not in the tree
    CDvItemEditorModel existing(d.doc, d.item(guid), u"\\Work");
    EXPECT_FALSE(existing.IsNew());
    EXPECT_EQ(existing.Item().folders, (std::vector<std::u16string>{u"\\home", u"\\Gone"}));
    // Folders compare ignoring case; one the tree lost still shows, selected, at the end.
    EXPECT_EQ(utf8(existing.FolderChoices()), (std::vector<std::string>{"-\\", "-\\Work", "+\\Home", "+\\Gone"}));
}

TEST_F(ItemEditorModelTest, AFailedSaveSaysWhyAndLeavesTheDocumentAlone) {
    const auto guid = d.add(u"Minutes", {u"\\Work"});
    struct Case {
        const char* what;
        bool existing;
        std::u16string title;
        std::vector<std::u16string> folders;
        std::u16string message;
    };
    const Case cases[] = {
        {"new, no title", false, u"", {u"\\"}, u"You must specify the title of item."},
        {"new, no folder", false, u"Plan", {}, std::u16string(CDvItemEditorModel::kNoFolderMessage)},
        {"existing, no title", true, u"", {u"\\Work"}, u"You must specify the title of item."},
        // The title is checked first.
        {"no title and no folder", true, u"", {}, u"You must specify the title of item."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        ui.messages.clear();
        window.calls.clear();
        CDvItemEditorModel editor(d.doc, c.existing ? d.item(guid) : newItem(DV_ITEM_NOTE), u"\\Work");
        EXPECT_FALSE(editor.Save(c.title, c.folders, u"a,b"));
        EXPECT_EQ(ui.messages, std::vector<std::u16string>{c.message});
        EXPECT_EQ(d.titles(), std::vector<std::string>{"Minutes"});
        EXPECT_EQ(d.item(guid).keywords.size(), 0u);
        EXPECT_EQ(DvUndoList().Count(), 0);
        EXPECT_TRUE(window.calls.empty());
    }
    EXPECT_EQ(std::string(dv::toUtf8(CDvItemEditorModel::kNoFolderMessage)),
              "You have to specify a folder, you can select the '' folder, which means: the root");
}

TEST_F(ItemEditorModelTest, SavingANewItemAppendsItWithAGuidAndRefreshes) {
    d.add(u"Minutes", {u"\\Work"});
    CDvItemEditorModel editor(d.doc, newItem(DV_ITEM_NOTE), u"\\Work");
    ASSERT_TRUE(editor.Save(u"Plan", {u"\\"}, u" Work,,Home "));
    EXPECT_TRUE(ui.messages.empty());
    ASSERT_EQ(d.doc.items.size(), 2u);
    const CDvItem& saved = *d.doc.items[1];
    EXPECT_EQ(editor.SavedPosition(), 1);
    EXPECT_TRUE(DvLooksLikeGuid(saved.guid));
    EXPECT_EQ(editor.SavedGuid(), saved.guid);
    EXPECT_EQ(saved.title, u"Plan");
    EXPECT_EQ(saved.folders, std::vector<std::u16string>{u"\\"});  // the selection replaces the folder list
    EXPECT_EQ(saved.keywords, (std::vector<std::u16string>{u"work", u"home"}));
    EXPECT_EQ(DvUndoList().Count(), 0);  // nothing existed to restore
    EXPECT_EQ(window.calls, std::vector<std::string>{"refresh 0"});
}

TEST_F(ItemEditorModelTest, SavingAnExistingItemRecordsItAsItWasAndOverwritesIt) {
    d.add(u"First", {u"\\Work"});
    const auto guid = d.add(u"Minutes", {u"\\Work"});
    d.item(guid).vars.SetText(u"Owner", u"Ann");
    const CDvItem before = d.item(guid);

    CDvItemEditorModel editor(d.doc, d.item(guid), u"\\Elsewhere");
    editor.Item().vars.SetText(u"Owner", u"Lee");
    d.item(guid).title = u"Renamed meanwhile";  // the entry holds the item as it is at OK
    const CDvItem atOk = d.item(guid);
    ASSERT_TRUE(editor.Save(u"Minutes of May", {u"\\Work", u"\\Home"}, u"x"));

    ASSERT_EQ(d.doc.items.size(), 2u);
    EXPECT_EQ(editor.SavedPosition(), 1);
    const CDvItem& saved = d.item(guid);
    EXPECT_EQ(saved.title, u"Minutes of May");
    EXPECT_EQ(saved.folders, (std::vector<std::u16string>{u"\\Work", u"\\Home"}));
    EXPECT_EQ(saved.vars.GetText(u"Owner"), u"Lee");
    ASSERT_EQ(DvUndoList().Count(), 1);
    EXPECT_EQ(DvUndoList().At(0).kind, DvUndoKind::Modify);
    ASSERT_EQ(DvUndoList().At(0).items.size(), 1u);
    EXPECT_EQ(DvUndoList().At(0).items[0], atOk);
    EXPECT_NE(DvUndoList().At(0).items[0], before);

    ASSERT_TRUE(DvUndoList().Apply(0, &d.doc));
    EXPECT_EQ(d.item(guid).title, u"Renamed meanwhile");
}

TEST_F(ItemEditorModelTest, AnItemDeletedWhileItsEditorWasOpenComesBackAsSaved) {
    const auto guid = d.add(u"Minutes", {u"\\Work"});
    CDvItemEditorModel editor(d.doc, d.item(guid), u"");
    d.doc.items.clear();
    ASSERT_TRUE(editor.Save(u"Minutes", {u"\\Work"}, u""));
    ASSERT_EQ(d.doc.items.size(), 1u);
    EXPECT_EQ(d.doc.items[0]->guid, guid);
    EXPECT_EQ(DvUndoList().Count(), 0);
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(ItemEditorModelTest, AReadonlyEditorNeverWrites) {
    const auto guid = d.add(u"Minutes", {u"\\Work"});
    d.doc.readOnly = 1;
    CDvItemEditorModel editor(d.doc, d.item(guid), u"");
    EXPECT_FALSE(editor.Save(u"Changed", {u"\\Work"}, u""));
    EXPECT_EQ(d.item(guid).title, u"Minutes");
    EXPECT_EQ(DvUndoList().Count(), 0);
}

TEST_F(ItemEditorModelTest, ClearingTheImageAsksFirst) {
    CDvItem item = newItem(DV_ITEM_CONTACT);
    item.vars.SetText(CDvItemEditorModel::kImageVar, u"/pics/ann.png");
    CDvItemEditorModel editor(d.doc, item, u"");
    EXPECT_EQ(editor.ImageFile(), u"/pics/ann.png");

    ui.answers = {dv::Answer::No, dv::Answer::Yes};
    EXPECT_FALSE(editor.ClearImage());
    EXPECT_EQ(editor.ImageFile(), u"/pics/ann.png");
    EXPECT_TRUE(editor.ClearImage());
    EXPECT_EQ(editor.ImageFile(), u"");
    EXPECT_EQ(editor.Item().vars.Get(CDvItemEditorModel::kImageVar), nullptr);
    EXPECT_EQ(ui.questions, std::vector<std::u16string>(2, u"Are you sure you want to clear the image?"));

    editor.SetImageFile(u"/pics/lee.jpg");
    EXPECT_EQ(editor.ImageFile(), u"/pics/lee.jpg");
}

TEST_F(ItemEditorModelTest, APercentChooserWritesOnlyAChangedChoice) {
    CDvItem item = newItem(DV_ITEM_TODO);
    item.priority = 45;
    item.completion = 30;
    DvPercentChooser priority = DvPercentChooser::Priority(item, false);
    EXPECT_EQ(priority.preselected, u"medium");
    EXPECT_EQ(priority.PriorityToStore(), -1);  // 45 stays 45
    priority.chosen = u"high";
    EXPECT_EQ(priority.PriorityToStore(), 100);

    DvPercentChooser completion = DvPercentChooser::Completion(item, true);
    EXPECT_EQ(completion.preselected, u"30%");
    EXPECT_EQ(completion.CompletionToStore(), -1);
    completion.chosen = u"100%";
    EXPECT_EQ(completion.CompletionToStore(), 100);
}
