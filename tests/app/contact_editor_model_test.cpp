#include "app/contact_editor_model.h"

#include <gtest/gtest.h>

#include "core/contact_fields.h"
#include "core/doc.h"
#include "platform/text.h"

TEST(ContactTitle, ComposedFromTheNamesOrTheCompany) {
    struct Case {
        std::u16string first, middle, last, company, title;
    };
    const Case cases[] = {
        {u"Ann", u"", u"Lee", u"Acme", u"Ann Lee"},  // one blank, the missing middle name leaves none
        {u"Ann", u"Marie", u"Lee", u"", u"Ann Marie Lee"},
        {u"", u"", u"Lee", u"Acme", u"Lee"},
        {u"", u"", u"", u"Acme", u"Acme"},
        {u"", u"", u"", u"", u""},
        {u"Ann ", u"", u"", u"Acme", u"Ann"},  // trailing blanks go, also the user's own
        {u" ", u"", u"", u"Acme", u""},        // a name of blanks is still a name: no company
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(dv::toUtf8(c.first + u"|" + c.middle + u"|" + c.last + u"|" + c.company));
        EXPECT_EQ(DvComposeContactTitle(c.first, c.middle, c.last, c.company), c.title);
    }
}

namespace {

enum { First, Middle, Last, Nick, Company };
constexpr size_t kPhone = 9;  // "Phone" in a section

struct ContactEditorTest : ::testing::Test {
    CDvDoc doc;
    CDvItem contact;
    ContactEditorTest() {
        contact.itemType = DV_ITEM_CONTACT;
        contact.vars.SetText(u"First name", u"Ann");
        contact.vars.SetText(u"Last name", u"Lee");
        contact.vars.SetText(u"[Personal] Phone", u"555-1");
        contact.vars.Set(u"[Business] Phone", CDvVar::FromInt64(5552));
    }
};

}  // namespace

TEST_F(ContactEditorTest, ManualTitleStartsTickedOnlyWhenTheTitleIsNotTheComposedOne) {
    struct Case {
        std::u16string title;
        bool manual;
    };
    for (const Case& c : {Case{u"", false}, Case{u"Ann Lee", false}, Case{u"Dr. Lee", true}}) {
        SCOPED_TRACE(dv::toUtf8(c.title));
        contact.title = c.title;
        CDvItemEditorModel editor(doc, contact, u"");
        CDvContactEditorModel model(editor);
        EXPECT_EQ(model.manualTitle, c.manual);
        EXPECT_EQ(model.TitleReadOnly(), !c.manual);
        EXPECT_EQ(model.Title(), c.manual ? c.title : u"Ann Lee");
    }
}

TEST_F(ContactEditorTest, TheTitleFollowsTheNamesUnlessTypedByHand) {
    CDvItemEditorModel editor(doc, contact, u"");
    CDvContactEditorModel model(editor);
    model.names[First] = u"";
    model.names[Last] = u"";
    model.names[Company] = u"Acme";
    EXPECT_EQ(model.Title(), u"Acme");
    model.title = u"The Acme people";
    EXPECT_EQ(model.Title(), u"Acme");  // ignored while the box is clear
    model.manualTitle = true;
    EXPECT_EQ(model.Title(), u"The Acme people");
    model.title = u"";
    EXPECT_EQ(model.Title(), u"Acme");  // an empty manual title is composed all the same
}

TEST_F(ContactEditorTest, SectionsReadAndWriteTheirPrefixedFieldsWithoutLosingEdits) {
    CDvItemEditorModel editor(doc, contact, u"");
    CDvContactEditorModel model(editor);
    ASSERT_EQ(model.names.size(), 5u);
    ASSERT_EQ(model.sectionFields.size(), 17u);
    EXPECT_EQ(model.Section(), DvContactSection::Personal);
    EXPECT_EQ(model.sectionFields[kPhone], u"555-1");

    model.sectionFields[kPhone] = u"555-9";
    model.ShowSection(DvContactSection::Business);
    EXPECT_EQ(model.sectionFields[kPhone], u"5552");
    model.sectionFields[kPhone] = u"777";
    model.names[Nick] = u"Annie";
    model.Apply();

    const CDvVarSet& vars = editor.Item().vars;
    EXPECT_EQ(vars.GetText(u"[Personal] Phone"), u"555-9");  // typed before switching
    EXPECT_EQ(vars.Get(u"[Business] Phone")->Type(), DV_VAR_INT64);  // an existing field keeps its type
    EXPECT_EQ(vars.GetText(u"[Business] Phone"), u"777");
    EXPECT_EQ(vars.GetText(u"Nick"), u"Annie");
    EXPECT_EQ(vars.Get(u"[Business] Fax"), nullptr);  // empty fields add no variables
    EXPECT_EQ(contact.vars.GetText(u"[Personal] Phone"), u"555-1");  // only the working copy changed
}
