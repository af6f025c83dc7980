#include <gtest/gtest.h>

#include <fstream>

#include "app/database_session.h"
#include "app/log.h"
#include "app/options.h"
#include "app/startup.h"
#include "core/doc.h"
#include "core/open_mark.h"
#include "platform/files.h"
#include "platform/locations.h"
#include "platform/text.h"
#include "support/scoped_env.h"
#include "support/scripted_ui.h"
#include "support/temp_dir.h"

namespace fs = std::filesystem;

namespace {

// A clean home folder and a program folder of its own for each test.
struct CleanHome : ::testing::Test {
    TempDir home;
    ScopedEnv homeVar{"HOME", home.path().string()};
    ScopedEnv config{"XDG_CONFIG_HOME", (home.path() / ".config").string()};
    ScopedEnv data{"XDG_DATA_HOME", (home.path() / ".local/share").string()};
    ScopedEnv docs{"XDG_DOCUMENTS_DIR", (home.path() / "Documents").string()};
    ScriptedUi ui;
    CleanHome() {
        fs::create_directories(home.path() / "program");
        dv::setProgramFolder(home.path() / "program");
        DvSetLogFolder(home.path() / "logs");
    }
    ~CleanHome() override {
        CloseDocument(false);
        dv::setProgramFolder({});
        DvSetLogFolder({});
    }
};

}  // namespace

TEST_F(CleanHome, FirstStartCreatesTheDefaultDatabaseAndANewDocument) {
    ASSERT_TRUE(InitInstance());
    const fs::path folder = home.path() / "Documents" / "My Dayvault Documents" / "default";
    EXPECT_EQ(DefaultDatabaseFolder(), folder);
    EXPECT_TRUE(fs::is_directory(folder / "backups"));
    CDvDoc& doc = DvCurDocSilently();
    EXPECT_EQ(doc.mainFilePath, folder / "_main_data.dayvault");
    EXPECT_FALSE(dv::fileExists(doc.mainFilePath));  // the first auto-save writes it
    EXPECT_TRUE(DvLooksLikeGuid(doc.root.guid));
    EXPECT_TRUE(dv::fileExists(home.path() / ".config" / "autostart" / "dayvault.desktop"));
    EXPECT_EQ(GetOptions(false).GetInt(kDvOptUsageCount, 0), 1);
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(CleanHome, AMissingLastDocumentFallsBackToTheDefault) {
    ASSERT_TRUE(InitInstance());
    ASSERT_TRUE(SaveDocument());
    CloseDocument(false);
    GetOptions(false).SetString(kDvOptLastOpenDocMainFile, u"/nowhere/_main_data.dayvault");
    GetOptions(false).SaveOptions();

    ASSERT_TRUE(InitInstance());
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0], u"Recently opened document does not exists. Default document will be open.\r\nRecent "
                              u"document path:/nowhere/_main_data.dayvault");
    EXPECT_EQ(DvCurDocSilently().mainFilePath, DefaultMainFile());
    EXPECT_TRUE(dv::fileExists(DvOpenMarkPath(DefaultMainFile())));
    EXPECT_EQ(GetOptions(false).GetInt(kDvOptUsageCount, 0), 2);
}

TEST_F(CleanHome, AnOldSingleFileDatabaseIsMovedIntoTheDefaultFolder) {
    fs::create_directories(DocumentsFolder(true));
    CDvDoc old;
    CreateFolder(old.root, u"Kept");
    ASSERT_TRUE(old.Save(DocumentsFolder(false) / "default.dayvault"));
    ASSERT_TRUE(InitInstance());
    EXPECT_FALSE(dv::fileExists(DocumentsFolder(false) / "default.dayvault"));
    EXPECT_EQ(DvCurDocSilently().root.Children().size(), 1u);
    ASSERT_EQ(ui.messages.size(), 2u);
    EXPECT_EQ(dv::toUtf8(ui.messages[0]).rfind("moving\r\n", 0), 0u);
}

TEST_F(CleanHome, PortableModeKeepsEverythingInTheProgramFolder) {
    std::ofstream(home.path() / "program" / "portable_on.txt") << "";
    dv::setProgramFolder(home.path() / "program");  // portable mode is decided per program folder
    ASSERT_TRUE(IsPortable());
    EXPECT_EQ(OptionsFilePath(), home.path() / "program" / "dv_options.ini");
    EXPECT_EQ(DocumentsFolder(false), home.path() / "program" / "My Dayvault Documents");
    ASSERT_TRUE(InitInstance());
    EXPECT_FALSE(dv::fileExists(home.path() / ".config" / "autostart" / "dayvault.desktop"));
}

TEST_F(CleanHome, ADatabaseNamedAtStartIsOpenedInsteadOfTheLastOne) {
    const fs::path other = home.path() / "elsewhere";
    ASSERT_TRUE(CreateDatabaseFolder(other));
    CDvDoc seed;
    CreateFolder(seed.root, u"From elsewhere");
    ASSERT_TRUE(seed.Save(other / "_main_data.dayvault"));

    for (const fs::path& named : {other, other / "_main_data.dayvault"}) {
        ASSERT_TRUE(InitInstance(named));
        EXPECT_EQ(DvCurDocSilently().mainFilePath, other / "_main_data.dayvault");
        EXPECT_EQ(DvCurDocSilently().root.Children().size(), 1u);
        CloseDocument(false);
    }
    EXPECT_FALSE(InitInstance(home.path() / "missing"));
    EXPECT_NE(dv::toUtf8(ui.messages.back()).find("this file does not exist"), std::string::npos);
}
