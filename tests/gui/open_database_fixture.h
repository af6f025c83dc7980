#pragma once
// A database folder in a temporary home, opened for a window test, with the options and the log
// kept there too.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "app/database_session.h"
#include "app/log.h"
#include "app/options.h"
#include "core/doc.h"
#include "support/scoped_env.h"
#include "support/scripted_ui.h"
#include "support/temp_dir.h"
#include "support/test_items.h"

// A temporary home with an empty database folder, the options and the log kept there; the test
// seeds and opens its own database.
struct TempHomeFixture : ::testing::Test {
    TempDir home;
    ScopedEnv config{"XDG_CONFIG_HOME", (home.path() / "config").string()};
    ScriptedUi ui;
    std::filesystem::path main = home.path() / "db" / "_main_data.dayvault";
    CDvDoc doc;

    TempHomeFixture() {
        DvSetLogFolder(home.path() / "logs");
        CreateDatabaseFolder(home.path() / "db");
    }
    ~TempHomeFixture() override { DvSetLogFolder({}); }
};

// The same home with an empty database opened.
struct OpenDatabaseFixture : TempHomeFixture {
    OpenDatabaseFixture() {
        CDvDoc().Save(main);
        GetOptions(false).LoadOptions();
        EXPECT_TRUE(OpenDocument(main, true, &doc));
    }
};
