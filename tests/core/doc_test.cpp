#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "core/archive.h"
#include "core/crypto_format.h"
#include "core/doc.h"
#include "platform/files.h"
#include "platform/text.h"
#include "support/scripted_ui.h"
#include "support/temp_dir.h"

namespace fs = std::filesystem;

namespace {

CDvItem& addItem(CDvDoc& doc, int type, std::u16string title, std::vector<std::u16string> folders) {
    auto item = std::make_unique<CDvItem>();
    item->itemType = type;
    item->title = std::move(title);
    item->folders = std::move(folders);
    item->NewGuid();
    doc.items.push_back(std::move(item));
    return *doc.items.back();
}

void writeBytes(const fs::path& path, const std::vector<uint8_t>& bytes) {
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()),
                                                static_cast<std::streamsize>(bytes.size()));
}

std::vector<uint8_t> readBytes(const fs::path& path) {
    std::vector<uint8_t> bytes;
    EXPECT_TRUE(dv::readFile(path, bytes));
    return bytes;
}

// A small document with folders, items of every type, variables and a subscribed item.
void fillSample(CDvDoc& doc) {
    FindOrCreateFolderPath(doc.root, u"\\Work\\Projects");
    FindOrCreateFolderPath(doc.root, u"\\Home");
    addItem(doc, 1, u"Call the dentist", {u"\\Home"});
    addItem(doc, 2, u"File taxes", {u"\\Home", u"\\Work"}).SetCompletion(40);
    addItem(doc, 3, u"Meeting notes", {u"\\Work\\Projects"}).vars.SetText(u"Colour", u"blue");
    addItem(doc, 4, u"Jan Kowalski", {u"\\"}).vars.SetText(u"[Business] Phone", u"+48 12 345");
    doc.vars.SetText(u"dv_recent_folder", u"\\Work");
}

}  // namespace

TEST(DocumentFile, OneFolderNoItemsLayout) {
    TempDir dir;
    CDvDoc doc;
    CreateFolder(doc.root, u"Inbox");
    ASSERT_TRUE(doc.Save(dir.path() / "_main_data.dayvault"));
    const auto bytes = readBytes(dir.path() / "_main_data.dayvault");

    std::vector<uint8_t> header = {0x01, 0, 0, 0, 0};
    for (int i = 0; i < 3; ++i) header.insert(header.end(), {0xFF, 0xFE, 0xFF, 0x00});
    header.insert(header.end(), 15, 0);
    ASSERT_GE(bytes.size(), header.size());
    EXPECT_EQ(std::vector<uint8_t>(bytes.begin(), bytes.begin() + static_cast<long>(header.size())), header);

    CDvVarSet vars;
    vars.Set(u"dv_app_version", CDvVar::FromDouble(2.4));
    CDvArchive expected;
    vars.Serialize(expected);
    doc.root.Serialize(expected);
    expected.WriteUInt32(0);
    EXPECT_EQ(std::vector<uint8_t>(bytes.begin() + static_cast<long>(header.size()), bytes.end()), expected.Bytes());
}

TEST(DocumentFile, SaveAndReloadGiveTheSameBytes) {
    TempDir dir;
    CDvDoc doc;
    fillSample(doc);
    addItem(doc, 3, u"From a subscription", {u"\\"}).subscribed = true;
    ASSERT_TRUE(doc.Save(dir.path() / "a.dayvault"));

    CDvDoc back;
    ASSERT_TRUE(back.Load(dir.path() / "a.dayvault"));
    ASSERT_EQ(back.items.size(), 4u);  // the subscribed item is never stored
    EXPECT_EQ(back.items[1]->title, u"File taxes");
    EXPECT_EQ(back.items[1]->folders, (std::vector<std::u16string>{u"\\Home", u"\\Work"}));
    EXPECT_EQ(back.items[3]->vars.GetText(u"[business] phone"), u"+48 12 345");
    EXPECT_EQ(back.items[2]->index, 2);
    EXPECT_EQ(back.GetVersion(), 2.4);
    ASSERT_TRUE(back.Save(dir.path() / "b.dayvault"));
    EXPECT_EQ(readBytes(dir.path() / "a.dayvault"), readBytes(dir.path() / "b.dayvault"));
}

TEST(DocumentFile, LoadTakesTheMainFileOfADatabaseFolder) {
    TempDir dir;
    CDvDoc doc;
    fillSample(doc);
    ASSERT_TRUE(doc.Save(dir.path() / "_main_data.dayvault"));
    CDvDoc back;
    ASSERT_TRUE(back.Load(dir.path()));
    EXPECT_EQ(back.mainFilePath, dir.path() / "_main_data.dayvault");
    EXPECT_EQ(back.items.size(), 4u);
}

TEST(DocumentFile, MissingAndEmptyFilesFail) {
    TempDir dir;
    ScriptedUi ui;
    CDvDoc doc;
    EXPECT_FALSE(doc.Load(dir.path() / "nothing.dayvault"));
    EXPECT_TRUE(ui.messages.empty());
    writeBytes(dir.path() / "empty.dayvault", {});
    EXPECT_FALSE(doc.Load(dir.path() / "empty.dayvault"));
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0],
              u"file:" + dv::fromUtf8((dir.path() / "empty.dayvault").string()) +
                  u"\r\n has no data (size is zero) and cannot be loaded");
}

TEST(DocumentFile, NewerFormatVersionWarnsOnceAndStillLoads) {
    TempDir dir;
    CDvDoc doc;
    fillSample(doc);
    auto bytes = doc.ToBytes();
    bytes[0] = 2;
    writeBytes(dir.path() / "newer.dayvault", bytes);
    ScriptedUi ui;
    CDvDoc back;
    ASSERT_TRUE(back.Load(dir.path() / "newer.dayvault"));
    EXPECT_EQ(back.items.size(), 4u);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0], u"this is a document from a newer version of the program, be adviced that you should "
                              u"really download the newer version.");
}

TEST(DocumentFile, OlderVersionsAreUpgradedOnLoad) {
    struct Case { double version; bool keepsReserved; };
    for (const Case c : {Case{1.4, false}, Case{2.4, true}}) {
        SCOPED_TRACE(c.version);
        TempDir dir;
        CDvDoc doc;
        doc.reservedWords = {1, 2, 3};
        doc.reservedBytes = {4, 5, 6};
        doc.vars.Set(u"dv_app_version", CDvVar::FromDouble(c.version));
        writeBytes(dir.path() / "old.dayvault", doc.ToBytes());
        CDvDoc back;
        ASSERT_TRUE(back.Load(dir.path() / "old.dayvault"));
        EXPECT_EQ(back.reservedWords[2], c.keepsReserved ? 3u : 0u);
        EXPECT_EQ(back.reservedBytes[0], c.keepsReserved ? 4u : 0u);
    }
}

TEST(DocumentFile, EveryTruncationIsAFailedLoadWithAClearedDocument) {
    TempDir dir;
    CDvDoc doc;
    fillSample(doc);
    const auto bytes = doc.ToBytes();
    ScriptedUi ui;
    CDvDoc back;
    for (size_t size = 1; size < bytes.size(); ++size) {
        writeBytes(dir.path() / "cut.dayvault", std::vector<uint8_t>(bytes.begin(), bytes.begin() + static_cast<long>(size)));
        ASSERT_TRUE(back.Load(dir.path() / "cut.dayvault") == false) << "size " << size;
        EXPECT_TRUE(back.items.empty());
        EXPECT_TRUE(back.root.Children().empty());
        EXPECT_TRUE(back.mainFilePath.empty());
    }
    EXPECT_NE(dv::toUtf8(ui.messages.back()).find("is damaged and cannot be loaded"), std::string::npos);
}

TEST(DocumentFile, AHugeItemCountInATinyFileIsDamage) {
    TempDir dir;
    CDvDoc doc;
    auto bytes = doc.ToBytes();
    for (int i = 1; i <= 4; ++i) bytes[bytes.size() - i] = 0xFF;
    writeBytes(dir.path() / "hostile.dayvault", bytes);
    ScriptedUi ui;
    EXPECT_FALSE(doc.Load(dir.path() / "hostile.dayvault"));
    EXPECT_EQ(ui.messages.size(), 1u);
}

TEST(DocumentFile, AFailedSaveKeepsThePreviousFileAndLeavesNoTemporaryFile) {
    TempDir dir;
    ScriptedUi ui;
    CDvDoc doc;
    fillSample(doc);
    const fs::path target = dir.path() / "db";
    fs::create_directory(target);  // a directory where the file should go: the rename must fail
    EXPECT_FALSE(doc.Save(target));
    EXPECT_TRUE(fs::is_directory(target));
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()), 1);
    EXPECT_FALSE(doc.Save(dir.path() / "missing-folder" / "x.dayvault"));
    EXPECT_EQ(ui.messages.size(), 2u);
}

TEST(DocumentFile, FindItemByGuidIgnoresCaseAndRenumbers) {
    CDvDoc doc;
    fillSample(doc);
    for (auto& item : doc.items) item->index = -1;
    int index = 99;
    const std::u16string lower = dv::asciiLower(doc.items[2]->guid);
    EXPECT_EQ(doc.FindItemByGuid(lower, &index), doc.items[2].get());
    EXPECT_EQ(index, 2);
    EXPECT_EQ(doc.items[1]->index, 1);
    EXPECT_EQ(doc.FindItemByGuid(u"", &index), nullptr);
    EXPECT_EQ(index, -1);
}

TEST(DocumentFile, GetVersionReadsEveryType) {
    struct Case { CDvVar value; double version; };
    const Case cases[] = {
        {CDvVar::FromDouble(2.4), 2.4}, {CDvVar::FromInt64(2), 2.0}, {CDvVar::FromString(u"1.6x"), 1.6},
        {CDvVar::FromBool(7), 1.0}, {CDvVar(), 0.0},
    };
    for (const auto& c : cases) {
        CDvDoc doc;
        doc.vars.Set(u"DV_APP_VERSION", c.value);
        EXPECT_DOUBLE_EQ(doc.GetVersion(), c.version);
    }
    EXPECT_EQ(CDvDoc().GetVersion(), 0.0);
}

TEST(DocumentFile, PropertiesTextCountsItemsByType) {
    TempDir dir;
    CDvDoc doc;
    fillSample(doc);
    addItem(doc, 2, u"Second to-do", {u"\\"});
    ASSERT_TRUE(doc.Save(dir.path() / "p.dayvault"));
    const std::string text = dv::toUtf8(doc.PropertiesText());
    EXPECT_EQ(text.rfind("Created with: Dayvault, version:2.4\r\nMain database file size:", 0), 0u) << text;
    EXPECT_NE(text.find(" KB\r\nNumber of items:\r\nTotal:5\r\nTasks:1\r\nTo do(s): 2\r\nNotes: 1\r\nContacts: 1\r\n"
                        "\r\n\r\nAll dynamic variables\r\n------------------------\r\nname:dv_recent_folder\r\n"),
              std::string::npos)
        << text;
}

TEST(DocumentFile, CurrentDocumentComplainsWhenNothingIsLoaded) {
    ScriptedUi ui;
    CDvDoc& doc = DvGetCurDoc();
    EXPECT_EQ(&doc, &DvCurDocSilently());
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0], u"error #18adf3 : DvGetCurDoc :: document not loaded yet");
}

TEST(ProtectedDocument, SavesOnlyCiphertextAndLoadsWithThePassword) {
    TempDir dir;
    ScriptedUi ui;
    CDvDoc doc;
    fillSample(doc);
    doc.password = u"Zażółć 1";
    const fs::path path = dir.path() / "_main_data.dayvault";
    ASSERT_TRUE(doc.Save(path));
    const auto stored = readBytes(path);
    EXPECT_EQ(DvIsEncryptedBytes(stored), DvCryptResult::AlreadyEncrypted);
    const std::string asText(stored.begin(), stored.end());
    EXPECT_EQ(asText.find("C\0a\0l\0l", 0, 8), std::string::npos);  // no title in plain UTF-16
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()), 1);

    CDvDoc back;
    ui.passwords = {u"Zażółć 1"};
    ASSERT_TRUE(back.Load(path));
    EXPECT_EQ(back.password, u"Zażółć 1");
    EXPECT_EQ(back.items.size(), 4u);
    EXPECT_EQ(ui.passwordRequests, 1);
}

TEST(ProtectedDocument, WrongPasswordOrCancelChangesNothing) {
    TempDir dir;
    ScriptedUi ui;
    CDvDoc doc;
    fillSample(doc);
    doc.password = u"right";
    const fs::path path = dir.path() / "_main_data.dayvault";
    ASSERT_TRUE(doc.Save(path));
    const auto before = readBytes(path);

    CDvDoc back;
    ui.passwords = {u"wrong"};
    EXPECT_FALSE(back.Load(path));
    EXPECT_EQ(back.lastLoadError, DvLoadError::WrongPassword);
    EXPECT_EQ(ui.messages.back(), u"Wrong password (Probably)");
    EXPECT_FALSE(back.Load(path));  // no password queued: the dialog is cancelled
    EXPECT_EQ(back.lastLoadError, DvLoadError::Cancelled);
    EXPECT_EQ(readBytes(path), before);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()), 1);
}

TEST(ProtectedDocument, ADocumentThatLooksEncryptedInsideIsStillEncrypted) {
    TempDir dir;
    CDvDoc doc;
    // Reserved header words placed so that bytes 21-24 of the plain file are 2, 8, 6, 5.
    doc.reservedWords[0] = 0x05060802;
    doc.password = u"pw";
    const fs::path path = dir.path() / "x.dayvault";
    ASSERT_TRUE(doc.Save(path));
    ScriptedUi ui;
    ui.passwords = {u"pw"};
    CDvDoc back;
    ASSERT_TRUE(back.Load(path));
    EXPECT_EQ(back.reservedWords[0], 0x05060802u);
}

TEST(ProtectedDocument, RemovingThePasswordWritesAPlainFileAgain) {
    TempDir dir;
    ScriptedUi ui;
    CDvDoc doc;
    fillSample(doc);
    doc.password = u"pw";
    const fs::path path = dir.path() / "x.dayvault";
    ASSERT_TRUE(doc.Save(path));
    doc.password.clear();
    ASSERT_TRUE(doc.Save(path));
    EXPECT_EQ(readBytes(path)[0], 0x01);
}
