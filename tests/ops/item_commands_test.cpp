#include "ops/item_commands.h"

#include <gtest/gtest.h>

#include "support/ops_document.h"
#include "support/recording_main_window.h"
#include "support/scoped_clock.h"

namespace {

class ItemCommands : public OpsTest {
protected:
    void TearDown() override {
        DvSetItemColumnTexts(nullptr);
        OpsTest::TearDown();
    }
    static DvLink link(const std::u16string& guid) { return {u"", guid, DvLink::kItem, u""}; }
    int run(const std::vector<DvLink>& selection, DvItemCommandKind kind, int value = 0, unsigned flags = 0) {
        return DvExecuteItemCommand(selection, {kind, value}, flags, u"\\A", &d.doc);
    }
};

std::vector<std::string> texts(const std::vector<DvItemMenuEntry>& entries) {
    std::vector<std::string> out;
    for (const auto& e : entries) out.push_back(dv::toUtf8(e.text));
    return out;
}

TEST(ItemContextMenu, EntriesAndSubmenus) {
    const auto menu = DvItemContextMenu();
    EXPECT_EQ(texts(menu),
              (std::vector<std::string>{"Open\t(Enter or double click)", "&Copy\t(Ctrl+C)", "&Paste\t(Ctrl+V)",
                                        "Copy as &text", "Conv&ert to", "P&riority", "C&ompleted", "&Remove\t(del)",
                                        "&Locate item", "&Properties\t(Alt+Enter)"}));
    EXPECT_EQ(texts(menu[3].submenu), (std::vector<std::string>{"&Title only", "Title && &&contents", "&Everything"}));
    EXPECT_EQ(texts(menu[4].submenu), (std::vector<std::string>{"&Task", "To &do", "&Note", "&Contact"}));
    EXPECT_EQ(texts(menu[5].submenu), (std::vector<std::string>{"0% (low)", "10%", "20%", "30%", "40%", "50%", "60%",
                                                                "70%", "80%", "90%", "100% (high)"}));
    const auto& completed = menu[6].submenu;
    ASSERT_EQ(completed.size(), 12u);
    EXPECT_EQ(texts(completed).front(), "Toogle");
    EXPECT_EQ(texts(completed)[1], "0% (no)");
    EXPECT_EQ(texts(completed).back(), "100% (yes)");
    EXPECT_EQ(completed[5].command, (DvItemCommand{DvItemCommandKind::Completion, 40}));
    EXPECT_FALSE(menu[3].command.has_value());

    const auto withActions = DvItemContextMenu({{DV_ITEM_ACTION_CALL, u"555", u"[Business] Phone"}});
    ASSERT_EQ(withActions.size(), menu.size() + 1);
    EXPECT_EQ(dv::toUtf8(withActions.back().text), "Item specific");
    EXPECT_EQ(texts(withActions.back().submenu), std::vector<std::string>{"Call 555\t([Business] Phone)"});
    EXPECT_EQ(withActions.back().submenu[0].command, (DvItemCommand{DvItemCommandKind::RunAction, 0}));
}

TEST_F(ItemCommands, CopyAsText) {
    const auto a = d.add(u"Alpha", {u"\\A"});
    const auto b = d.add(u"Beta", {u"\\A"});
    const auto c = d.add(u"Gamma", {u"\\A"});
    const std::string body = "{\\rtf1 Body of beta}";
    d.item(b).contents.Assign({reinterpret_cast<const uint8_t*>(body.data()), body.size()});
    DvSetItemColumnTexts([](const CDvItem& item) {
        return std::vector<DvColumnText>{{u"Title", item.title}, {u"Company", u""}, {u"Kind", u"note"}};
    });
    const DvLink folder = DvFolderLink(*d.folder(u"\\A"));
    struct Case {
        const char* name;
        std::vector<DvLink> selection;
        DvItemCommandKind kind;
        std::u16string text;
    };
    const Case cases[] = {
        {"one title", {link(a)}, DvItemCommandKind::CopyTitleOnly, u"Alpha"},
        {"three titles", {link(a), link(b), link(c)}, DvItemCommandKind::CopyTitleOnly, u"Alpha\r\nBeta\r\nGamma\r\n"},
        {"a folder ends it", {link(a), folder, link(c)}, DvItemCommandKind::CopyTitleOnly, u"Alpha\r\n"},
        {"title and contents of one", {link(b)}, DvItemCommandKind::CopyTitleAndContents, u"Beta\r\nBody of beta"},
        {"title and contents of two",
         {link(a), link(b)},
         DvItemCommandKind::CopyTitleAndContents,
         u"Alpha\r\n\r\n*********************Beta\r\n\r\nBody of beta"},
        {"everything",
         {link(a), link(b)},
         DvItemCommandKind::CopyEverything,
         u"Alpha\r\nTitle:Alpha\r\nKind:note\r\n\r\n*********************Beta\r\n\r\nBody of "
         u"betaTitle:Beta\r\nKind:note\r\n"},
    };
    for (const auto& k : cases) {
        SCOPED_TRACE(k.name);
        ui.clipboard.reset();
        EXPECT_EQ(run(k.selection, k.kind), 1);
        EXPECT_EQ(ui.clipboard.value_or(u"(nothing)"), k.text);
    }
    ui.clipboard.reset();
    EXPECT_EQ(run({folder, link(a)}, DvItemCommandKind::CopyTitleOnly), 0);
    EXPECT_FALSE(ui.clipboard.has_value()) << "an empty text is not put on the clipboard";
}

TEST_F(ItemCommands, EverythingWithoutAColumnManagerIsTitleAndContents) {
    const auto a = d.add(u"Alpha", {u"\\A"});
    EXPECT_EQ(DvItemsAsText({link(a)}, DvCopyDepth::Everything, &d.doc), u"Alpha");
}

TEST_F(ItemCommands, QuickPriorityAndCompletion) {
    dvtest::ScopedFakeClock clock({2024, 1, 1, 8, 0, 0});
    RecordingMainWindow window;
    struct Case {
        DvItemCommandKind kind;
        int value;
        int completionBefore;
        uint32_t flagsBefore;
        int priority;
        int completion;
    };
    const Case cases[] = {
        {DvItemCommandKind::ToggleCompletion, 0, 40, 0, 50, 100},
        {DvItemCommandKind::ToggleCompletion, 0, 100, 0, 50, 0},
        {DvItemCommandKind::Completion, 30, 100, 0, 50, 30},
        {DvItemCommandKind::Completion, 250, 0, 0, 50, 100},
        {DvItemCommandKind::Priority, 80, 0, DV_ITEM_FLAG_PRIORITY_HIGH | DV_ITEM_FLAG_DEADLINE, 80, 0},
        {DvItemCommandKind::Priority, 150, 0, 0, 100, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.kind) * 1000 + c.value);
        OpsDocument doc;
        const auto guid = doc.add(u"x", {u"\\A"}, DV_ITEM_TODO);
        CDvItem& item = doc.item(guid);
        item.completion = static_cast<uint8_t>(c.completionBefore);
        item.flags = c.flagsBefore;
        item.modified = DvDateTime::FromFields(2000, 1, 1);
        window.calls.clear();
        EXPECT_EQ(DvExecuteItemCommand({link(guid)}, {c.kind, c.value}, 0, u"\\A", &doc.doc), 1);
        EXPECT_EQ(item.priority, c.priority);
        EXPECT_EQ(item.completion, c.completion);
        EXPECT_EQ(item.flags & DV_ITEM_FLAG_PRIORITY_BITS,
                  c.kind == DvItemCommandKind::Priority ? 0u : c.flagsBefore & 7);
        EXPECT_EQ(item.flags & DV_ITEM_FLAG_DEADLINE, c.flagsBefore & DV_ITEM_FLAG_DEADLINE);
        EXPECT_EQ(item.modified, clock.now());
        EXPECT_EQ(window.calls, std::vector<std::string>{"refresh 1"});
    }
    EXPECT_EQ(DvUndoList().Count(), 0) << "quick settings record no undo entry";
}

TEST_F(ItemCommands, RemoveAsksThenRemovesFromTheCurrentFolder) {
    const auto a = d.add(u"a", {u"\\A", u"\\B"});
    const auto b = d.add(u"b", {u"\\A"});
    EXPECT_EQ(run({link(a), link(b)}, DvItemCommandKind::Remove), 0);
    EXPECT_EQ(ui.questions, std::vector<std::u16string>{u"Are you sure you want to delete selected items?"});
    EXPECT_EQ(d.doc.items.size(), 2u);

    ui.answers = {dv::Answer::Ok};
    EXPECT_EQ(run({link(a), link(b)}, DvItemCommandKind::Remove), 1);
    EXPECT_EQ(d.folders(a), "\\B");
    EXPECT_EQ(d.folders(b), "(gone)");

    const auto c = d.add(u"c", {u"\\A"});
    EXPECT_EQ(run({link(c)}, DvItemCommandKind::Remove, 0, DV_ITEM_COMMAND_NO_QUESTIONS), 1);
    EXPECT_EQ(d.folders(c), "(gone)");
    EXPECT_EQ(ui.questions.size(), 2u);
}

TEST_F(ItemCommands, OpenLocateAndPropertiesGoToTheMainWindow) {
    RecordingMainWindow window;
    const auto a = d.add(u"a", {u"\\X\\Y", u"\\B"});
    const auto b = d.add(u"b", {u"\\B"});
    const DvLink folder = DvFolderLink(*d.folder(u"\\B"));
    EXPECT_EQ(run({link(a), link(b)}, DvItemCommandKind::Open), 1);
    EXPECT_EQ(run({link(a), link(b)}, DvItemCommandKind::Locate), 1);
    EXPECT_EQ(run({link(a), folder, link(b)}, DvItemCommandKind::Properties), 1);
    for (auto kind : {DvItemCommandKind::Open, DvItemCommandKind::Locate, DvItemCommandKind::Properties})
        EXPECT_EQ(run({folder, link(a)}, kind), 0);
    const std::string ga = dv::toUtf8(a);
    EXPECT_EQ(window.calls, (std::vector<std::string>{"edit " + ga, "locate \\X\\Y " + ga, "properties " + ga}));
}

TEST_F(ItemCommands, CopyPasteAndItemActions) {
    const auto a = d.add(u"Plan http://plan.example", {u"\\B"});
    EXPECT_EQ(run({link(a)}, DvItemCommandKind::Copy), 1);
    EXPECT_EQ(run({}, DvItemCommandKind::Paste), 1);
    EXPECT_EQ(d.titles(), (std::vector<std::string>{"Plan http://plan.example", "Plan http://plan.example"}));
    EXPECT_EQ(dv::join(d.doc.items[1]->folders, u";"), u"\\A") << "pasted into the current folder";

    const auto actions = DvBuildItemActions({link(a)}, &d.doc);
    EXPECT_EQ(DvExecuteItemCommand({link(a)}, {DvItemCommandKind::RunAction, 0}, 0, u"\\A", &d.doc, actions), 1);
    EXPECT_EQ(DvExecuteItemCommand({link(a)}, {DvItemCommandKind::RunAction, 1}, 0, u"\\A", &d.doc, actions), 0);
    EXPECT_EQ(ui.opened, std::vector<std::filesystem::path>{"http://plan.example"});
}

}  // namespace
