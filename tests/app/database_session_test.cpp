#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fstream>

#include "app/database_session.h"
#include "app/new_database_model.h"
#include "core/doc.h"
#include "core/open_mark.h"
#include "platform/files.h"
#include "platform/text.h"
#include "support/scripted_ui.h"
#include "support/temp_dir.h"

namespace fs = std::filesystem;

namespace {

const std::u16string kAccessDenied =
    u"The document you are trying to open is already in use. Probably another instance of Dayvault is using it. "
    u"What would you like to do?";

struct SessionFixture : ::testing::Test {
    TempDir dir;
    ScriptedUi ui;
    fs::path main = dir.path() / "db" / "_main_data.dayvault";

    SessionFixture() {
        CreateDatabaseFolder(dir.path() / "db");
        CDvDoc doc;
        CreateFolder(doc.root, u"Inbox");
        doc.Save(main);
    }
};

}  // namespace

TEST_F(SessionFixture, OpenWritesTheMarkAndTakesTheDailyBackupCloseRemovesIt) {
    CDvDoc doc;
    ASSERT_TRUE(OpenDocument(main, false, &doc));
    EXPECT_TRUE(dv::fileExists(DvOpenMarkPath(main)));
    EXPECT_FALSE(fs::is_empty(dir.path() / "db" / "backups"));
    EXPECT_EQ(doc.root.Children().size(), 1u);
    ASSERT_TRUE(CloseDocument(true, &doc));
    EXPECT_FALSE(dv::fileExists(DvOpenMarkPath(main)));
    EXPECT_TRUE(doc.mainFilePath.empty());
    EXPECT_TRUE(ui.questions.empty());
}

TEST_F(SessionFixture, AFreshMarkAsksAndCancelOpensNothing) {
    WriteOpenMark(main);
    CDvDoc doc;
    ui.choices = {0};
    EXPECT_FALSE(OpenDocument(main, false, &doc));
    ASSERT_EQ(ui.questions.size(), 1u);
    EXPECT_EQ(ui.questions[0], kAccessDenied);
    EXPECT_TRUE(doc.mainFilePath.empty());
}

TEST_F(SessionFixture, ReadOnlyOpenNeverSaves) {
    WriteOpenMark(main);
    std::vector<uint8_t> before;
    dv::readFile(main, before);
    CDvDoc doc;
    ui.choices = {2};
    ASSERT_TRUE(OpenDocument(main, false, &doc));
    EXPECT_EQ(doc.readOnly, 1u);
    CreateFolder(doc.root, u"Changed");
    EXPECT_FALSE(SaveDocument(&doc));
    EXPECT_EQ(ui.advisor, (std::vector<std::u16string>{u"Document is 'readonly' and cannot be saved"}));
    std::vector<uint8_t> after;
    dv::readFile(main, after);
    EXPECT_EQ(before, after);
}

TEST_F(SessionFixture, TryAgainRepeatsWhileTheMarkIsFresh) {
    WriteOpenMark(main);
    CDvDoc doc;
    ui.choices = {1, 0};  // try again (still in use), then cancel
    EXPECT_FALSE(OpenDocument(main, false, &doc));
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_NE(dv::toUtf8(ui.messages[0]).find("Sorry, the file is still open by another instance"), std::string::npos);
    EXPECT_EQ(ui.questions.size(), 2u);
}

TEST_F(SessionFixture, OpenAnotherDocumentOpensTheChosenFile) {
    const fs::path other = dir.path() / "other.dayvault";
    CDvDoc seed;
    CreateFolder(seed.root, u"A");
    CreateFolder(seed.root, u"B");
    seed.Save(other);
    WriteOpenMark(main);
    CDvDoc doc;
    ui.choices = {3};
    ui.files = {other};
    ASSERT_TRUE(OpenDocument(main, false, &doc));
    EXPECT_EQ(doc.mainFilePath, other);
    EXPECT_EQ(doc.root.Children().size(), 2u);
}

TEST_F(SessionFixture, ASecondProcessIsKeptOff) {
    int ready[2], release[2];
    ASSERT_EQ(pipe(ready), 0);
    ASSERT_EQ(pipe(release), 0);
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        CDvDoc doc;
        const bool opened = OpenDocument(main, false, &doc);
        char c = opened ? '1' : '0';
        (void)!write(ready[1], &c, 1);
        (void)!read(release[0], &c, 1);
        CloseDocument(true, &doc);
        _exit(opened ? 0 : 1);
    }
    char c = 0;
    ASSERT_EQ(read(ready[0], &c, 1), 1);
    ASSERT_EQ(c, '1');

    CDvDoc doc;
    ui.choices = {0};
    EXPECT_FALSE(OpenDocument(main, false, &doc));
    EXPECT_EQ(ui.questions.size(), 1u);

    (void)!write(release[1], &c, 1);
    int status = 0;
    waitpid(child, &status, 0);
    EXPECT_EQ(WEXITSTATUS(status), 0);
    EXPECT_TRUE(OpenDocument(main, false, &doc));  // the first instance closed: no question now
    EXPECT_EQ(ui.questions.size(), 1u);
    CloseDocument(false, &doc);
}

TEST(NewDatabase, TextsAndRefusals) {
    TempDir dir;
    ScriptedUi ui;
    DvNewDatabaseModel model;
    EXPECT_EQ(model.LocationText(), u"Please enter folder location");
    model.parentFolder = dv::fromUtf8(dir.path().string());
    EXPECT_EQ(model.LocationText(), u"Please enter the name");
    EXPECT_FALSE(model.Ok());
    EXPECT_EQ(ui.messages.back(), u"Please enter both folder and name of new project");

    model.name = u"Family";
    const std::u16string folder = dv::fromUtf8((dir.path() / "Family").string());
    EXPECT_EQ(model.LocationText(),
              u"Since I need a separate folder for every single database, I will create it at:\r\n\"" + folder +
                  u"\"\r\n\r\nThe main database file will be located at:\r\n\"" + folder +
                  u"/_main_data.dayvault\"");

    model.parentFolder += u"/missing";
    EXPECT_FALSE(model.Ok());
    EXPECT_EQ(ui.messages.back(), model.parentFolder + u"\r\nis not a folder");
}

TEST(NewDatabase, AnExistingFolderIsOnlyOverwrittenOnYes) {
    TempDir dir;
    ScriptedUi ui;
    fs::create_directory(dir.path() / "Family");
    std::ofstream(dir.path() / "Family" / "keep.txt") << "mine";
    DvNewDatabaseModel model;
    model.parentFolder = dv::fromUtf8(dir.path().string());
    model.name = u"Family";
    ui.answers = {dv::Answer::No};
    EXPECT_FALSE(model.Ok());
    EXPECT_FALSE(dv::fileExists(model.MainFile()));

    ui.answers = {dv::Answer::Yes};
    ASSERT_TRUE(model.Ok());
    EXPECT_TRUE(dv::fileExists(model.MainFile()));
    EXPECT_TRUE(fs::is_directory(dir.path() / "Family" / "backups"));
    EXPECT_EQ(ui.messages.back(), u"Created and open.\r\nYou're working now with \"Family\"");
    CDvDoc& doc = DvCurDocSilently();
    EXPECT_EQ(doc.mainFilePath, model.MainFile());
    EXPECT_TRUE(DvLooksLikeGuid(doc.root.guid));
    CloseDocument(false, &doc);
}
