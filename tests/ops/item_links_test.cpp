#include "ops/item_links.h"

#include <gtest/gtest.h>

#include "ops/item_operations.h"
#include "support/ops_document.h"
#include "support/recording_main_window.h"

namespace {

const std::u16string G = u"{0123ABCD-4567-89ef-ABCD-0123456789AB}";

TEST(LinkText, WritesItemsAndFoldersOnePerLine) {
    CDvItem item;
    item.guid = G;
    CDvFolder folder;
    folder.guid = G;
    DvLink withText = DvItemLink(item);
    withText.text = u"note";
    EXPECT_EQ(DvLinkText(DvItemLink(item)), u"[" + G + u"i]");
    EXPECT_EQ(DvLinksText({DvItemLink(item), DvFolderLink(folder), withText}),
              u"[" + G + u"i]\r\n[" + G + u"f]\r\n[" + G + u"i,note]");
}

TEST(LinkText, ReadsWhatItWrites) {
    std::vector<DvLink> links(3);
    links[0].guid = G;
    links[1] = {u"C:\\Users\\me\\db\\", G, DvLink::kFolder, u"with ] and , inside"};
    links[2] = {u"", G, DvLink::kItem, u""};
    std::vector<DvLink> read;
    ASSERT_TRUE(DvParseLinks(DvLinksText(links), read));
    EXPECT_EQ(read, links);
}

TEST(LinkText, Parsing) {
    struct Case {
        const char* name;
        std::u16string text;
        int links;
    };
    const Case cases[] = {
        {"one item", u"[" + G + u"i]", 1},
        {"lines with bare line feeds and blank lines", u"[" + G + u"i]\n\r\n[" + G + u"f]\r\n", 2},
        {"program name and one character skipped", u"dayvault\n[" + G + u"i]", 1},
        {"program name in another case", u"DAYVAULT [" + G + u"i]", 1},
        {"document folder in front", u"/home/me/db\\[" + G + u"i]", 1},
        {"free text", u"[" + G + u"i,Call Bob]", 1},
        {"anything after the closing bracket", u"[" + G + u"i]tail", 1},
        {"empty text", u"", 0},
        {"program name alone", u"dayvault", 0},
        {"plain text", u"Buy milk", 0},
        {"no [{", u"[ " + G + u"i]", 0},
        {"GUID one short", u"[{0123ABCD-4567-89ef-ABCD-0123456789A}i]", 0},
        {"GUID one long", u"[{0123ABCD-4567-89ef-ABCD-0123456789ABC}i]", 0},
        {"GUID never closed", u"[{0123ABCD-4567-89ef-ABCD-0123456789AB", 0},
        {"kind letter missing", u"[" + G + u"]", 0},
        {"kind letter upper case", u"[" + G + u"I]", 0},
        {"kind letter unknown", u"[" + G + u"x]", 0},
        {"no closing bracket", u"[" + G + u"i", 0},
        {"free text without closing bracket", u"[" + G + u"i,text", 0},
        {"junk after the kind letter", u"[" + G + u"ix]", 0},
        {"one good line and one bad", u"[" + G + u"i]\r\nrm -rf /", 0},
        {"nested brackets", u"[[{[{[{" + G + u"i]", 0},
        {"a NUL in the GUID", u"[{0123ABCD-4567-89ef-ABCD-0123456789A" + std::u16string(1, u'\0') + u"}i]", 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<DvLink> links;
        EXPECT_EQ(DvParseLinks(c.text, links), c.links > 0);
        EXPECT_EQ(static_cast<int>(links.size()), c.links);
    }
}

using ItemsOperation = OpsTest;

TEST_F(ItemsOperation, ItemLinksGoToTheItemOperation) {
    const auto item = d.add(u"x", {u"\\A"});
    d.folder(u"\\B");
    const std::u16string data =
        DvLinkText(DvItemLink(d.item(item))) + u"\r\n" + DvLinkText(DvFolderLink(*d.doc.FindFolder(u"\\B")));
    EXPECT_EQ(DvItemsOperation(data, DV_OPERATION_MOVE, u"\\A", u"\\B", 0, &d.doc), 1);
    EXPECT_EQ(d.folders(item), "\\B");
    EXPECT_EQ(d.tree(), "\\A \\B") << "the folder link is ignored while there are item links";
}

TEST_F(ItemsOperation, FolderLinksAloneMoveTheFolder) {
    const auto item = d.add(u"x", {u"\\A"});
    d.folder(u"\\B");
    const std::u16string data = DvLinkText(DvFolderLink(*d.doc.FindFolder(u"\\A")));
    EXPECT_EQ(DvItemsOperation(data, DV_OPERATION_MOVE, u"\\", u"\\B", 0, &d.doc), 1);
    EXPECT_EQ(d.tree(), "\\B \\B\\A");
    EXPECT_EQ(d.folders(item), "\\B\\A");
}

TEST_F(ItemsOperation, TextThatNamesNothingDoesNothing) {
    d.add(u"x", {u"\\A"});
    for (const std::u16string& data : {std::u16string(u"hello"), u"[" + G + u"i]", u"[" + G + u"f]"}) {
        SCOPED_TRACE(dv::toUtf8(data));
        EXPECT_EQ(DvItemsOperation(data, DV_OPERATION_DELETE, u"\\A", {}, 0, &d.doc), 0);
    }
    EXPECT_EQ(d.doc.items.size(), 1u);
    EXPECT_EQ(DvUndoList().Count(), 0);
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(ItemsOperation, CopyAndPasteMakeCopiesThatKeepTheirTitles) {
    RecordingMainWindow window;
    const auto a = d.add(u"Alpha", {u"\\A"});
    const auto b = d.add(u"Beta", {u"\\A", u"\\B"});
    EXPECT_FALSE(DvCopyItemsToClipboard({G}, &d.doc));
    EXPECT_FALSE(ui.clipboard.has_value());
    ASSERT_TRUE(DvCopyItemsToClipboard({a, G, b}, &d.doc));
    EXPECT_EQ(*ui.clipboard, u"[" + a + u"i]\r\n[" + b + u"i]");

    EXPECT_EQ(DvPasteItems(u"\\B", &d.doc), 1);
    EXPECT_EQ(d.titles(), (std::vector<std::string>{"Alpha", "Beta", "Alpha", "Beta"}));
    EXPECT_EQ(dv::join(d.doc.items[2]->folders, u";"), u"\\B");
    EXPECT_EQ(dv::join(d.doc.items[3]->folders, u";"), u"\\A;\\B");
    EXPECT_EQ(window.calls, std::vector<std::string>{"refresh 0"});
}

TEST_F(ItemsOperation, PasteWithoutLinksDoesNothing) {
    d.add(u"x", {u"\\A"});
    EXPECT_EQ(DvPasteItems(u"\\A", &d.doc), 0);
    ui.clipboard = u"some text from elsewhere";
    EXPECT_EQ(DvPasteItems(u"\\A", &d.doc), 0);
    EXPECT_EQ(d.doc.items.size(), 1u);
}

TEST(DropKeys, AltAddsCtrlCopiesOtherwiseMove) {
    struct Case {
        bool alt, ctrl;
        int code;
        DvDropEffect effect;
    };
    const Case cases[] = {
        {false, false, DV_OPERATION_MOVE, DvDropEffect::Move},
        {false, true, DV_OPERATION_COPY, DvDropEffect::Copy},
        {true, false, DV_OPERATION_ADD, DvDropEffect::Link},
        {true, true, DV_OPERATION_ADD, DvDropEffect::Link},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.alt ? "Alt " : "") + (c.ctrl ? "Ctrl" : ""));
        const DvDropChoice choice = DvDropChoiceForKeys(c.alt, c.ctrl);
        EXPECT_EQ(choice.code, c.code);
        EXPECT_EQ(choice.effect, c.effect);
    }
}

TEST_F(ItemsOperation, DroppedCopiesAreTitledAsCopies) {
    const auto item = d.add(u"Plan", {u"\\A"});
    const std::u16string data = DvLinkText(DvItemLink(d.item(item)));
    EXPECT_EQ(DvDropOnFolder(data, false, true, u"\\A", u"\\B", &d.doc), 1);
    EXPECT_EQ(d.titles(), (std::vector<std::string>{"Plan", "Copy of Plan"}));
    EXPECT_EQ(dv::join(d.doc.items[1]->folders, u";"), u"\\B");
    EXPECT_EQ(DvDropOnFolder(data, true, false, u"\\A", u"\\C", &d.doc), 1);
    EXPECT_EQ(d.folders(item), "\\A;\\C");
    EXPECT_EQ(DvDropOnFolder(data, false, false, u"\\A", u"\\D", &d.doc), 1);
    EXPECT_EQ(d.folders(item), "\\D;\\C");
}

}  // namespace
