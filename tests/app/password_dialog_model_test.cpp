#include <gtest/gtest.h>

#include "app/password_dialog_model.h"
#include "app/password_protection.h"

TEST(PasswordDlgModel, OpeningModeAsksOnceAndReturnsTheTextAsEntered) {
    CDvPasswordDlgModel dlg(DvPasswordDlgMode::Opening);
    EXPECT_EQ(dlg.PromptText(), u"The document is encrypted, please enter the password:");
    EXPECT_FALSE(dlg.HasConfirmField());
    EXPECT_EQ(dlg.InfoText(), u"");
    dlg.SetPassword(u" Secret ");
    dlg.SetConfirmation(u"left over");  // there is no confirmation to compare in this mode
    EXPECT_EQ(dlg.Ok(), (DvPasswordDlgOk{true, {}}));
    EXPECT_EQ(dlg.Password(), u" Secret ");
}

TEST(PasswordDlgModel, SettingModeShowsTheConfirmationAndTheNotes) {
    CDvPasswordDlgModel dlg(DvPasswordDlgMode::Setting);
    EXPECT_EQ(dlg.PromptText(), u"Please enter new password.");
    EXPECT_TRUE(dlg.HasConfirmField());
    EXPECT_EQ(dlg.ConfirmLabel(), u"Confirm password:");
    EXPECT_EQ(dlg.InfoText(),
              u"*Leave both fields empty if don't want a password protection.\r\n*Rinjdael (AES) 128-bit behind the "
              u"scene. Note that there is no way to open the document if you forget the password.\r\n*Please also "
              u"note that file attachments won't be encrypted");
}

TEST(PasswordDlgModel, SettingModeClosesOnlyWhenBothFieldsAreEqual) {
    struct Case { std::u16string password, confirmation; bool closes; };
    const Case cases[] = {
        {u"", u"", true},            // both empty: the protection is removed
        {u"abc", u"abc", true},
        {u"abc", u"ABC", false},     // case counts
        {u"abc", u"", false},
        {u"", u"abc", false},
        {u"abc", u"abc ", false},    // nothing is trimmed
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.password.begin(), c.password.end()) + " / " +
                     std::string(c.confirmation.begin(), c.confirmation.end()));
        CDvPasswordDlgModel dlg(DvPasswordDlgMode::Setting);
        dlg.SetPassword(c.password);
        dlg.SetConfirmation(c.confirmation);
        const DvPasswordDlgOk ok = dlg.Ok();
        EXPECT_EQ(ok.closes, c.closes);
        EXPECT_EQ(ok.message, c.closes ? u"" : u"'Password' does not match 'confirm password'");
    }
}

TEST(PasswordProtection, StatusAndStepsFollowWhetherAPasswordIsSet) {
    EXPECT_EQ(DvPasswordStatusLine(u""), u"Current status: protection inactive");
    EXPECT_EQ(DvPasswordStatusLine(u"x"), u"Current status: protection active");
    EXPECT_EQ(DvPasswordChangeStepsFor(u""), (DvPasswordChangeSteps{false, u"OK, password protection is now removed"}));
    EXPECT_EQ(DvPasswordChangeStepsFor(u"x"), (DvPasswordChangeSteps{true, u"OK, new password is now active"}));
}
