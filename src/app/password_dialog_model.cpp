#include "app/password_dialog_model.h"

namespace {

constexpr std::u16string_view kOpeningPrompt = u"The document is encrypted, please enter the password:";
constexpr std::u16string_view kSettingPrompt = u"Please enter new password.";
constexpr std::u16string_view kConfirmLabel = u"Confirm password:";
// The notes are shown as they always were, misspelling and "128-bit" included, although the key
// is 256 bits long.
constexpr std::u16string_view kSettingInfo =
    u"*Leave both fields empty if don't want a password protection.\r\n"
    u"*Rinjdael (AES) 128-bit behind the scene. Note that there is no way to open the document if you "
    u"forget the password.\r\n"
    u"*Please also note that file attachments won't be encrypted";
constexpr std::u16string_view kMismatch = u"'Password' does not match 'confirm password'";

}  // namespace

std::u16string_view CDvPasswordDlgModel::PromptText() const {
    return mode_ == DvPasswordDlgMode::Setting ? kSettingPrompt : kOpeningPrompt;
}

std::u16string_view CDvPasswordDlgModel::ConfirmLabel() const {
    return HasConfirmField() ? kConfirmLabel : std::u16string_view{};
}

std::u16string_view CDvPasswordDlgModel::InfoText() const {
    return mode_ == DvPasswordDlgMode::Setting ? kSettingInfo : std::u16string_view{};
}

DvPasswordDlgOk CDvPasswordDlgModel::Ok() const {
    // Exact comparison: passwords are case-sensitive, and so is their confirmation.
    if (HasConfirmField() && password_ != confirmation_) return {false, kMismatch};
    return {true, {}};
}
