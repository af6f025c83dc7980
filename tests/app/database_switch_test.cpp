#include <gtest/gtest.h>

#include <fstream>

#include "app/database_session.h"
#include "app/database_switch.h"
#include "core/doc.h"
#include "core/open_mark.h"
#include "platform/files.h"
#include "support/scoped_env.h"
#include "support/scripted_ui.h"
#include "support/temp_dir.h"

namespace fs = std::filesystem;

namespace {

struct SwitchFixture : ::testing::Test {
    TempDir dir;
    ScopedEnv home{"HOME", dir.path().string()};
    ScriptedUi ui;
    fs::path first = dir.path() / "first" / "_main_data.dayvault";
    fs::path second = dir.path() / "second" / "_main_data.dayvault";
    CDvDoc doc;

    SwitchFixture() {
        CreateDatabaseFolder(first.parent_path());
        CreateDatabaseFolder(second.parent_path());
        CDvDoc seed;
        CreateFolder(seed.root, u"Inbox");
        seed.Save(first);
        EXPECT_TRUE(OpenDocument(first, false, &doc));
        CreateFolder(doc.root, u"Typed before the switch");
    }

    void expectFirstStillOpenAndSaved() {
        EXPECT_EQ(doc.mainFilePath, first);
        EXPECT_NE(doc.FindFolder(u"\\Typed before the switch"), nullptr);
        EXPECT_TRUE(dv::fileExists(DvOpenMarkPath(first)));
    }
};

}  // namespace

TEST_F(SwitchFixture, AFailedOpenBringsThePreviousDatabaseBack) {
    const struct {
        const char* name;
        void (*prepare)(const fs::path& mainFile, ScriptedUi& ui);
    } cases[] = {
        {"damaged file",
         [](const fs::path& mainFile, ScriptedUi&) { std::ofstream(mainFile, std::ios::binary) << "not a database"; }},
        {"password prompt cancelled",
         [](const fs::path& mainFile, ScriptedUi&) {
             CDvDoc locked;
             locked.password = u"secret";
             locked.Save(mainFile);
         }},
        {"in use, access denied cancelled",
         [](const fs::path& mainFile, ScriptedUi& script) {
             CDvDoc plain;
             plain.Save(mainFile);
             WriteOpenMark(mainFile);
             script.choices = {0};
         }},
        {"missing file", [](const fs::path&, ScriptedUi&) {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        std::error_code ec;
        fs::remove(second, ec);
        fs::remove(DvOpenMarkPath(second), ec);
        c.prepare(second, ui);
        EXPECT_FALSE(DvSwitchDatabase(doc, second));
        expectFirstStillOpenAndSaved();
    }
}

TEST_F(SwitchFixture, OpenCommandRefusesTheOpenDatabaseAndIgnoresACancelledChooser) {
    ui.files = {first.parent_path() / "." / "_main_data.dayvault"};
    EXPECT_FALSE(DvOpenDatabaseCommand(doc));
    EXPECT_EQ(ui.messages, std::vector<std::u16string>{u"You are currently working with this database, aborting"});
    EXPECT_FALSE(DvOpenDatabaseCommand(doc));  // chooser cancelled
    EXPECT_EQ(ui.questions, (std::vector<std::u16string>{u"Select a file", u"Select a file"}));
    EXPECT_EQ(doc.mainFilePath, first);
    EXPECT_NE(doc.FindFolder(u"\\Typed before the switch"), nullptr);
}

TEST_F(SwitchFixture, SwitchingSavesAndReleasesThePreviousDatabase) {
    CDvDoc other;
    CreateFolder(other.root, u"Travel");
    other.Save(second);
    ASSERT_TRUE(DvSwitchDatabase(doc, second));
    EXPECT_EQ(doc.mainFilePath, second);
    EXPECT_NE(doc.FindFolder(u"\\Travel"), nullptr);
    EXPECT_FALSE(dv::fileExists(DvOpenMarkPath(first)));
    CDvDoc saved;
    ASSERT_TRUE(saved.Load(first));
    EXPECT_NE(saved.FindFolder(u"\\Typed before the switch"), nullptr);
}
