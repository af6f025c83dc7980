#pragma once
// A database folder in a temporary home, opened for a window test, with the options and the log
// kept there too.
#include <gtest/gtest.h>

#include <string>

#include "app/database_session.h"
#include "app/log.h"
#include "app/options.h"
#include "core/doc.h"
#include "support/scoped_env.h"
#include "support/scripted_ui.h"
#include "support/temp_dir.h"
#include "support/test_items.h"

struct OpenDatabaseFixture : ::testing::Test {
    TempDir home;
    ScopedEnv config{"XDG_CONFIG_HOME", (home.path() / "config").string()};
    ScriptedUi ui;
    std::filesystem::path main = home.path() / "db" / "_main_data.dayvault";
    CDvDoc doc;

    OpenDatabaseFixture() {
        DvSetLogFolder(home.path() / "logs");
        CreateDatabaseFolder(home.path() / "db");
        CDvDoc().Save(main);
        GetOptions(false).LoadOptions();
        EXPECT_TRUE(OpenDocument(main, true, &doc));
    }
    ~OpenDatabaseFixture() override { DvSetLogFolder({}); }
};
