#include "ops/item_actions.h"

#include <gtest/gtest.h>

#include "support/ops_document.h"

namespace {

std::vector<uint8_t> rtf(std::string_view body) {
    const std::string text = "{\\rtf1 " + std::string(body) + "}";
    return {text.begin(), text.end()};
}

TEST(ItemActions, AContactGivesItsFieldsThenTheWebAddressesOfItsText) {
    CDvItem contact;
    contact.itemType = DV_ITEM_CONTACT;
    contact.title = u"Bob";
    contact.vars.SetText(u"[Business] E-mails", u"bob@work.example");
    contact.vars.SetText(u"[Personal] Skype", u"");
    contact.vars.SetText(u"[Personal] E-mails", u"bob@home.example");
    contact.vars.SetText(u"[Business] Mobile phone", u"+1 555 0100");
    contact.vars.SetText(u"Company", u"Acme");
    contact.contents.Assign(rtf("see https://acme.example/team now"));

    const std::vector<DvItemAction> expected = {
        {DV_ITEM_ACTION_EMAIL, u"bob@home.example", u"[Personal] E-mails"},
        {DV_ITEM_ACTION_EMAIL, u"bob@work.example", u"[Business] E-mails"},
        {DV_ITEM_ACTION_CALL, u"+1 555 0100", u"[Business] Mobile phone"},
        {DV_ITEM_ACTION_VISIT, u"https://acme.example/team", u""},
    };
    EXPECT_EQ(DvItemActionsOf(contact), expected);

    contact.itemType = DV_ITEM_NOTE;  // the same fields on a note are only variables
    EXPECT_EQ(DvItemActionsOf(contact), std::vector<DvItemAction>{expected.back()});
}

TEST(ItemActions, WebAddressesInText) {
    struct Case {
        const char* name;
        std::u16string title;
        std::vector<std::u16string> targets;
    };
    const Case cases[] = {
        {"ends at a blank", u"go http://a.example/x y", {u"http://a.example/x"}},
        {"ends at a tab, a line feed or a carriage return",
         u"http://a.example\thttps://b.example\nhttp://c.example\rz",
         {u"http://a.example", u"https://b.example", u"http://c.example"}},
        {"runs to the end", u"http://end.example", {u"http://end.example"}},
        {"a bare http:// is too short", u"http:// and http:", {}},
        {"a bare https:// is just long enough", u"https://", {u"https://"}},
        {"found inside a word", u"xhttp://a.example", {u"http://a.example"}},
        {"one address holding another",
         u"http://a.example/?u=http://b.example",
         {u"http://a.example/?u=http://b.example"}},
        {"capital letters are not an address", u"HTTP://a.example", {}},
        {"no address", u"mailto:bob@example.com", {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        CDvItem item;
        item.title = c.title;
        std::vector<DvItemAction> expected;
        for (const auto& t : c.targets) expected.push_back({DV_ITEM_ACTION_VISIT, t, u""});
        EXPECT_EQ(DvItemActionsOf(item), expected);
    }
}

TEST(ItemActions, Labels) {
    EXPECT_EQ(DvItemActionLabel({DV_ITEM_ACTION_EMAIL, u"bob@example.com", u"[Personal] E-mails"}),
              u"Write e-mail to bob@example.com\t([Personal] E-mails)");
    EXPECT_EQ(DvItemActionLabel({DV_ITEM_ACTION_VISIT, u"https://a.example", u""}), u"Visit https://a.example");
    EXPECT_EQ(DvItemActionLabel({DV_ITEM_ACTION_OPEN, u"x", u""}), u"Open x");
    EXPECT_EQ(DvItemActionLabel({DV_ITEM_ACTION_CALL, u"5", u""}), u"Call 5");
    const std::u16string longLabel =
        DvItemActionLabel({DV_ITEM_ACTION_VISIT, u"https://" + std::u16string(200, u'a'), u""});
    EXPECT_EQ(longLabel.size(), 103u);
    EXPECT_EQ(longLabel.substr(0, 14), u"Visit https://");
    EXPECT_EQ(longLabel.substr(100), u"...");
    EXPECT_EQ(DvItemActionLabel({DV_ITEM_ACTION_CALL, std::u16string(94, u'1'), u""}).size(), 99u);
}

TEST(ItemActions, RunOpensTheTargetWithTheRightScheme) {
    ScriptedUi ui;
    DvRunItemAction({DV_ITEM_ACTION_EMAIL, u"bob@example.com", u"[Personal] E-mails"});
    DvRunItemAction({DV_ITEM_ACTION_CALL, u"+1 555", u""});
    DvRunItemAction({DV_ITEM_ACTION_VISIT, u"https://a.example/ä", u""});
    DvRunItemAction({DV_ITEM_ACTION_OPEN, u"/home/me/file.txt", u""});
    EXPECT_EQ(ui.opened, (std::vector<std::filesystem::path>{"mailto:bob@example.com", "callto:+1 555",
                                                             "https://a.example/ä", "/home/me/file.txt"}));
}

TEST(ItemActions, OnlyForASelectionOfExactlyOneItem) {
    OpsDocument d;
    const auto guid = d.add(u"see http://a.example", {u"\\A"});
    const DvLink item{u"", guid, DvLink::kItem, u""};
    const DvLink folder = DvFolderLink(*d.folder(u"\\A"));
    EXPECT_EQ(DvBuildItemActions({item}, &d.doc).size(), 1u);
    EXPECT_TRUE(DvBuildItemActions({item, item}, &d.doc).empty());
    EXPECT_TRUE(DvBuildItemActions({folder}, &d.doc).empty());
    EXPECT_TRUE(
        DvBuildItemActions({{u"", u"{00000000-0000-0000-0000-000000000000}", DvLink::kItem, u""}}, &d.doc).empty());
}

}  // namespace
