#include <gtest/gtest.h>

#include "app/password_protection.h"
#include "core/doc.h"
#include "support/scripted_ui.h"

TEST(ChangePassword, SettingOffersTheBackupsFolderAndRemovingSaysSo) {
    ScriptedUi ui;
    CDvDoc doc;
    doc.mainFilePath = "/data/db/_main_data.dayvault";

    ui.passwords = {u"secret"};
    ui.answers = {dv::Answer::Yes};
    ASSERT_TRUE(ChangePassword(doc));
    EXPECT_EQ(doc.password, u"secret");
    ASSERT_EQ(ui.questions.size(), 1u);
    EXPECT_EQ(ui.questions[0], kDvUnencryptedBackupsQuestion);
    EXPECT_EQ(ui.opened, (std::vector<std::filesystem::path>{"/data/db/backups"}));
    EXPECT_EQ(ui.messages.back(), u"OK, new password is now active");

    ui.passwords = {u""};
    ASSERT_TRUE(ChangePassword(doc));
    EXPECT_EQ(doc.password, u"");
    EXPECT_EQ(ui.questions.size(), 1u);
    EXPECT_EQ(ui.messages.back(), u"OK, password protection is now removed");

    ASSERT_FALSE(ChangePassword(doc));  // cancelled: nothing changes
    EXPECT_EQ(ui.messages.size(), 2u);
}
