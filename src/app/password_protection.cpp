#include "app/password_protection.h"

#include "core/backups.h"
#include "core/doc.h"
#include "platform/ui.h"

std::u16string_view DvPasswordStatusLine(std::u16string_view password) {
    return password.empty() ? u"Current status: protection inactive" : u"Current status: protection active";
}

DvPasswordChangeSteps DvPasswordChangeStepsFor(std::u16string_view newPassword) {
    // Backups made before protection was switched on stay readable, so only then is the user
    // offered to move them away.
    if (newPassword.empty()) return {false, u"OK, password protection is now removed"};
    return {true, u"OK, new password is now active"};
}

bool ChangePassword(CDvDoc& doc) {
    dv::Ui& ui = dv::ui();
    std::u16string entered;
    if (!ui.AskPassword(dv::PasswordMode::Setting, entered)) return false;
    {
        auto lock = doc.Lock();
        doc.password = entered;
    }
    const DvPasswordChangeSteps steps = DvPasswordChangeStepsFor(entered);
    if (steps.askAboutBackups && ui.Ask(kDvUnencryptedBackupsQuestion, dv::Buttons::YesNo) == dv::Answer::Yes)
        ui.OpenWithDefaultHandler(DvBackupsFolder(doc.mainFilePath));
    ui.ShowMessage(steps.doneMessage);
    return true;
}
