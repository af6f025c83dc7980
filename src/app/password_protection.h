#pragma once
// Turning password protection on and off from the database properties. The new password is
// only stored in the document here; the file on disk follows at the next save, which encrypts
// when the password is not empty and writes plainly when it is.
#include <string_view>

/// The status line of the database properties for the document's current password.
std::u16string_view DvPasswordStatusLine(std::u16string_view password);

/// Asked (Yes/No) after a password was set; Yes opens the database's "backups" folder.
inline constexpr std::u16string_view kDvUnencryptedBackupsQuestion =
    u"Please note that there are probably backups which aren't encrypted, do you want to open the "
    u"'backups' folder, so you can remove them or move somewhere else (if you want)?";

/// What follows storing a newly entered password: whether to ask about the backups folder, and
/// the message that closes the change.
struct DvPasswordChangeSteps {
    bool askAboutBackups = false;
    std::u16string_view doneMessage;
    friend bool operator==(const DvPasswordChangeSteps&, const DvPasswordChangeSteps&) = default;
};

DvPasswordChangeSteps DvPasswordChangeStepsFor(std::u16string_view newPassword);

class CDvDoc;

/// The "Password protection" button: asks for a new password twice, stores it in the document,
/// offers to open the backups folder (its copies stay unencrypted), and says what happened.
/// False when cancelled. The file follows at the next save.
bool ChangePassword(CDvDoc& doc);
