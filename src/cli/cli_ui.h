#pragma once
#include <string>

#include "platform/ui.h"

namespace dvcli {

/// Messages go to standard error; questions are declined, since a script cannot answer them.
class CliUi final : public dv::Ui {
public:
    CliUi() { dv::setUi(this); }
    ~CliUi() override { dv::setUi(nullptr); }
    CliUi(const CliUi&) = delete;
    CliUi& operator=(const CliUi&) = delete;

    void ShowMessage(std::u16string_view text) override;
    dv::Answer Ask(std::u16string_view text, dv::Buttons buttons) override;
    bool AskText(std::u16string_view title, std::u16string_view prompt, std::u16string& text) override;
    int Choose(std::u16string_view title, std::u16string_view text, const std::vector<std::u16string>& choices) override;
    /// Opening: DAYVAULT_PASSWORD, else the password file, else a prompt without echo on a
    /// terminal. Setting: the new-password file, else asked twice on a terminal.
    bool AskPassword(dv::PasswordMode mode, std::u16string& password) override;
    void Beep() override {}
    void OfferAdvisor(std::u16string_view) override {}

    std::string passwordFile;     // --password-file
    std::string newPasswordFile;  // --new-password-file
};

}  // namespace dvcli
