#include "app/password_protection.h"

std::u16string_view DvPasswordStatusLine(std::u16string_view password) {
    return password.empty() ? u"Current status: protection inactive" : u"Current status: protection active";
}

DvPasswordChangeSteps DvPasswordChangeStepsFor(std::u16string_view newPassword) {
    // Backups made before protection was switched on stay readable, so only then is the user
    // offered to move them away.
    if (newPassword.empty()) return {false, u"OK, password protection is now removed"};
    return {true, u"OK, new password is now active"};
}
