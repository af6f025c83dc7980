#pragma once
// The password dialog without a toolkit: the Qt dialog binds its fields and texts to this model
// and asks it what OK does. Opening mode asks for the password of an encrypted document; setting
// mode asks for a new one twice (both empty removes the protection).
#include <string>
#include <string_view>
#include <utility>

enum class DvPasswordDlgMode { Opening, Setting };

/// What pressing OK does: close with the password, or show `message` and stay open.
struct DvPasswordDlgOk {
    bool closes = false;
    std::u16string_view message;
    friend bool operator==(const DvPasswordDlgOk&, const DvPasswordDlgOk&) = default;
};

class CDvPasswordDlgModel {
public:
    explicit CDvPasswordDlgModel(DvPasswordDlgMode mode) : mode_(mode) {}

    DvPasswordDlgMode Mode() const { return mode_; }
    /// The text above the password field.
    std::u16string_view PromptText() const;
    /// The confirmation field and its label exist in setting mode only.
    bool HasConfirmField() const { return mode_ == DvPasswordDlgMode::Setting; }
    std::u16string_view ConfirmLabel() const;
    /// The notes under the fields; empty in opening mode.
    std::u16string_view InfoText() const;

    void SetPassword(std::u16string text) { password_ = std::move(text); }
    void SetConfirmation(std::u16string text) { confirmation_ = std::move(text); }

    DvPasswordDlgOk Ok() const;
    /// The dialog's result once OK has closed it: the text exactly as entered, possibly empty.
    const std::u16string& Password() const { return password_; }

private:
    DvPasswordDlgMode mode_;
    std::u16string password_;
    std::u16string confirmation_;
};
