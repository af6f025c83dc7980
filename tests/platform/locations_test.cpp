#include <gtest/gtest.h>

#include <fstream>

#include "platform/locations.h"
#include "support/scoped_env.h"
#include "support/temp_dir.h"

namespace fs = std::filesystem;

TEST(Locations, XdgBaseFoldersIgnoreRelativeValues) {
    TempDir dir;
    const fs::path home = dir.path() / "home";
    ScopedEnv homeEnv("HOME", home.string());
    struct Case { const char* value; fs::path config; fs::path data; };
    const Case cases[] = {
        {nullptr, home / ".config", home / ".local" / "share"},
        {"/srv/xdg", "/srv/xdg", "/srv/xdg"},
        {"relative/xdg", home / ".config", home / ".local" / "share"},
        {"", home / ".config", home / ".local" / "share"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.value ? c.value : "(unset)");
        ScopedEnv config("XDG_CONFIG_HOME", c.value);
        ScopedEnv data("XDG_DATA_HOME", c.value);
        EXPECT_EQ(dv::configHome(), c.config);
        EXPECT_EQ(dv::dataHome(), c.data);
        EXPECT_EQ(dv::autostartFolder(), c.config / "autostart");
    }
}

TEST(Locations, DocumentsFolderFollowsUserDirs) {
    TempDir dir;
    const fs::path home = dir.path() / "home";
    ScopedEnv homeEnv("HOME", home.string());
    ScopedEnv config("XDG_CONFIG_HOME", (dir.path() / "cfg").string());
    fs::create_directories(dir.path() / "cfg");
    struct Case { const char* file; fs::path expected; };
    const Case cases[] = {
        {nullptr, home / "Documents"},
        {"XDG_DESKTOP_DIR=\"$HOME/Desktop\"\nXDG_DOCUMENTS_DIR=\"$HOME/Dokumenty\"\n", home / "Dokumenty"},
        {"XDG_DOCUMENTS_DIR=\"/srv/papers\"", "/srv/papers"},
        {"XDG_DOCUMENTS_DIR=\"$HOME/\"\n", home},                              // set to home: no own folder
        {"XDG_DOCUMENTS_DIR=\"$HOME/My \\\"Docs\\\"\"\n", home / "My \"Docs\""},  // shell escapes
        {"# XDG_DOCUMENTS_DIR=\"/srv/old\"\n", home / "Documents"},
        {"XDG_DOCUMENTS_DIR=\"Papers\"\n", home / "Documents"},                 // relative: invalid
        {"XDG_DOCUMENTS_DIR=\"/a\"\nXDG_DOCUMENTS_DIR=\"/b\"\n", "/b"},         // last assignment wins
        {"XDG_DOCUMENTS_DIRECTORY=\"/x\"\n", home / "Documents"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file ? c.file : "(no file)");
        fs::remove(dir.path() / "cfg" / "user-dirs.dirs");
        if (c.file) std::ofstream(dir.path() / "cfg" / "user-dirs.dirs") << c.file;
        EXPECT_EQ(dv::documentsFolder(), c.expected);
    }
}

TEST(Locations, ProgramFolderAndWhereItsFilesGo) {
    EXPECT_FALSE(dv::programFile().empty());
    EXPECT_EQ(dv::programFolder(), dv::programFile().parent_path());

    TempDir dir;
    ScopedEnv data("XDG_DATA_HOME", (dir.path() / "data").string());
    dv::setProgramFolder(dir.path());
    EXPECT_EQ(dv::programFolder(), dir.path());
    EXPECT_TRUE(dv::isProgramFolderWritable());
    EXPECT_EQ(dv::resourceFolder(), dir.path());
    EXPECT_EQ(dv::writableDataFolder(), dir.path());

    // An installed program: its folder cannot be written (here it does not even exist).
    const fs::path installed = dir.path() / "usr" / "bin";
    dv::setProgramFolder(installed);
    EXPECT_FALSE(dv::isProgramFolderWritable());
    EXPECT_EQ(dv::resourceFolder(), dir.path() / "usr" / "share" / "dayvault");
    EXPECT_EQ(dv::writableDataFolder(), dir.path() / "data" / "Quellmark" / "Dayvault");

    dv::setProgramFolder({});
    EXPECT_EQ(dv::programFolder(), dv::programFile().parent_path());
}
