#include <gtest/gtest.h>

#include "core/archive.h"
#include "core/folder.h"
#include "platform/text.h"
#include "support/scripted_ui.h"

namespace {

// root -> Work -> (Projects, Archive), root -> Inbox
struct Tree {
    CDvFolder root;
    CDvFolder* work;
    CDvFolder* projects;
    CDvFolder* archive;
    CDvFolder* inbox;
    Tree() {
        root.title = u"\\";
        work = CreateFolder(root, u"Work");
        projects = CreateFolder(*work, u"Projects");
        archive = CreateFolder(*work, u"Archive");
        inbox = CreateFolder(root, u"Inbox");
    }
};

}  // namespace

TEST(FolderPath, ByTitleAndByGuid) {
    Tree t;
    EXPECT_EQ(FolderPath(&t.root), u"\\");
    EXPECT_EQ(FolderPath(t.inbox), u"\\Inbox");
    EXPECT_EQ(FolderPath(t.projects), u"\\Work\\Projects");
    EXPECT_EQ(FolderPath(t.projects, true), u"\\" + t.work->guid + u"\\" + t.projects->guid);
    EXPECT_EQ(FolderPath(nullptr), u"");
}

TEST(FindFolder, AcceptsDoubledSeparatorsGuidsAndAnyCase) {
    Tree t;
    struct Case { std::u16string path; CDvFolder* expected; };
    const Case cases[] = {
        {u"", &t.root}, {u"\\", &t.root}, {u"\\Work\\Projects", t.projects},
        {u"\\Work\\\\Projects", t.projects}, {u"\\work\\PROJECTS\\", t.projects},
        {u"\\" + t.work->guid + u"\\" + t.archive->guid, t.archive},
        {u"\\" + dv::asciiLower(t.work->guid) + u"\\Archive", t.archive},
        {u"\\Work\\Nothing", nullptr}, {u"\\Inbox\\Projects", nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(dv::toUtf8(c.path));
        EXPECT_EQ(FindFolder(t.root, c.path), c.expected);
    }
}

TEST(CreateFolder, ReturnsAnExistingChildAndRefusesBadNames) {
    Tree t;
    ScriptedUi ui;
    bool existed = false;
    EXPECT_EQ(CreateFolder(*t.work, u"projects", &existed), t.projects);
    EXPECT_TRUE(existed);
    for (const char16_t* bad : {u"", u"a\\b", u"a/b", u"{x"}) {
        EXPECT_EQ(CreateFolder(t.root, bad, &existed), nullptr);
        EXPECT_FALSE(existed);
    }
    ASSERT_EQ(ui.messages.size(), 4u);
    EXPECT_EQ(ui.messages[0], u"#349sdhj3, Unacceptable folder name");
    CDvFolder* fresh = CreateFolder(t.root, u"Home", &existed);
    ASSERT_NE(fresh, nullptr);
    EXPECT_FALSE(existed);
    EXPECT_EQ(fresh->Parent(), &t.root);
    EXPECT_EQ(t.root.Children().back().get(), fresh);
    EXPECT_TRUE(DvLooksLikeGuid(fresh->guid));
}

TEST(FindOrCreateFolderPath, CreatesOnlyTheMissingComponents) {
    Tree t;
    bool existed = true;
    CDvFolder* made = FindOrCreateFolderPath(t.root, u"\\Work\\Projects\\2027\\Q1", &existed);
    ASSERT_NE(made, nullptr);
    EXPECT_FALSE(existed);
    EXPECT_EQ(FolderPath(made), u"\\Work\\Projects\\2027\\Q1");
    EXPECT_EQ(t.work->Children().size(), 2u);
    EXPECT_EQ(FindOrCreateFolderPath(t.root, u"\\work\\projects", &existed), t.projects);
    EXPECT_TRUE(existed);

    ScriptedUi ui;
    EXPECT_EQ(FindOrCreateFolderPath(t.root, u"\\Work\\{bad", &existed), nullptr);

    CDvFolder untitled;
    FindOrCreateFolderPath(untitled, u"\\A");
    EXPECT_EQ(untitled.title, u"\\");
}

TEST(PathDepth, MatchesWholeComponentsIgnoringCase) {
    struct Case { const char16_t* folder; const char16_t* path; int depth; };
    const Case cases[] = {
        {u"\\Work", u"\\work\\A\\B", 2}, {u"\\Work", u"\\Work", 0}, {u"\\Work", u"\\Work\\", 0},
        {u"\\Work", u"\\Workshop", -1}, {u"\\Work", u"\\Workshop\\A", -1}, {u"\\", u"\\Inbox", 1},
        {u"\\", u"\\", 0}, {u"\\Work\\A", u"\\Work", -1}, {u"/Work", u"\\Work\\A", 1},
        {u"\\Work", u"/Work/A/B", 2}, {u"\\Żółw", u"\\żÓŁW\\x", 1},
        {u"", u"\\Inbox", 1}, {u"\\", u"", 0}, {u"\\Work/", u"\\Work\\A", 1},  // empty reads as the root
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(dv::toUtf8(c.folder) + " in " + dv::toUtf8(c.path));
        EXPECT_EQ(PathDepth(c.folder, c.path), c.depth);
    }
}

TEST(FolderColour, OwnOrInheritedFromTheNearestColouredAncestor) {
    Tree t;
    t.root.flags = CDvFolder::kOwnColour;
    t.root.colour = 0x0000FF;
    t.work->flags = CDvFolder::kOwnColour;
    t.work->colour = 0x00FF00;
    t.projects->colour = 0xFF0000;  // bit 0 clear: the colour is not used
    EXPECT_EQ(FolderColour(t.projects, false), std::nullopt);
    EXPECT_EQ(FolderColour(t.projects, true), 0x00FF00u);
    EXPECT_EQ(FolderColour(t.inbox, true), 0x0000FFu);
    EXPECT_EQ(FolderColour(t.work, false), 0x00FF00u);
}

TEST(FolderTree, CopyIsDeepAndDetachKeepsTheSubtree) {
    Tree t;
    CDvFolder copy(*t.work);
    ASSERT_EQ(copy.Children().size(), 2u);
    EXPECT_EQ(copy.Children()[0]->Parent(), &copy);
    EXPECT_NE(copy.Children()[0].get(), t.projects);

    auto detached = t.root.DetachChild(t.work);
    ASSERT_TRUE(detached);
    t.inbox->AdoptChild(std::move(detached));
    EXPECT_EQ(FolderPath(t.projects), u"\\Inbox\\Work\\Projects");
    t.inbox->RemoveAllChildren();
    EXPECT_TRUE(t.inbox->Children().empty());
}

namespace {

std::vector<uint8_t> store(CDvFolder& f) {
    CDvArchive ar;
    f.Serialize(ar);
    return ar.TakeBytes();
}

// Element with no keywords and no variables: five bytes per empty string, 2-byte count, 24 bytes
// of date-times, 4-byte variable count; then 32-bit flags and colour, 3 strings, 3 words, 3 bytes.
size_t emptyFolderBytes(const CDvFolder& f) {
    return (4 + 2 * f.title.size()) + (f.guid.size() < 255 ? 4 : 6) + 2 * f.guid.size() + 2 + 24 + 4 + 8 +
           3 * 4 + 12 + 3;
}

}  // namespace

TEST(FolderStoredForm, ChildrenFollowTheirParentWithCounts) {
    CDvFolder root;
    root.title = u"\\";
    CDvFolder* a = CreateFolder(root, u"A");
    CreateFolder(*a, u"B");
    CreateFolder(*a, u"C");
    const auto bytes = store(root);

    auto countAt = [&](size_t offset) {
        return uint32_t(bytes[offset]) | uint32_t(bytes[offset + 1]) << 8 | uint32_t(bytes[offset + 2]) << 16 |
               uint32_t(bytes[offset + 3]) << 24;
    };
    size_t at = emptyFolderBytes(root);
    EXPECT_EQ(countAt(at), 1u);
    at += 4 + emptyFolderBytes(*a);
    EXPECT_EQ(countAt(at), 2u);
    at += 4 + emptyFolderBytes(*a->Children()[0]);
    EXPECT_EQ(countAt(at), 0u);
    at += 4 + emptyFolderBytes(*a->Children()[1]);
    EXPECT_EQ(countAt(at), 0u);
    EXPECT_EQ(at + 4, bytes.size());

    CDvFolder back;
    CDvArchive in(bytes);
    back.Serialize(in);
    EXPECT_EQ(store(back), bytes);
    EXPECT_EQ(FolderPath(FindFolder(back, u"\\A\\C")), u"\\A\\C");
    EXPECT_EQ(FindFolder(back, u"\\A\\C")->guid, a->Children()[1]->guid);
}

TEST(FolderStoredForm, HostileChildCountIsDamageNotAnAllocation) {
    CDvFolder root;
    auto bytes = store(root);
    for (int i = 1; i <= 4; ++i) bytes[bytes.size() - i] = 0xFF;  // child count 4294967295
    CDvFolder back;
    CDvArchive in(bytes);
    EXPECT_THROW(back.Serialize(in), CDvArchiveError);
}

TEST(FolderUpgrade, FlagsAndSlashesByVersion) {
    struct Case { double version; uint32_t flags; const char16_t* title; uint32_t wantFlags; const char16_t* wantTitle; };
    const Case cases[] = {
        {0.0, 6, u"A/B", 0, u"A B"}, {0.0, 7, u"A", 7, u"A"}, {1.5, 6, u"A/B", 6, u"A B"},
        {1.6, 6, u"A/B", 6, u"A/B"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.version);
        CDvFolder root;
        CDvFolder child;
        child.title = c.title;
        child.flags = c.flags;
        child.reservedWords = {1, 2, 3};
        CDvFolder* stored = root.AddChild(child);
        root.Upgrade(c.version);
        EXPECT_EQ(stored->flags, c.wantFlags);
        EXPECT_EQ(stored->title, c.wantTitle);
        EXPECT_EQ(stored->reservedWords[0], c.version < 1.0 ? 0u : 1u);
    }
}
