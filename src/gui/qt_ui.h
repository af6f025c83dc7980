#pragma once
// The Ui port of the desktop program: real message boxes and dialogs, parented to the main window.
#include <QPointer>
#include <QWidget>
#include <functional>

#include "platform/ui.h"

class QtUi final : public dv::Ui {
public:
    QtUi();
    ~QtUi() override;
    QtUi(const QtUi&) = delete;
    QtUi& operator=(const QtUi&) = delete;

    /// Dialogs are parented to this window once it exists; advisor texts go to `advisor`.
    void setMainWindow(QWidget* window, std::function<void(const QString&)> advisor);

    void ShowMessage(std::u16string_view text) override;
    dv::Answer Ask(std::u16string_view text, dv::Buttons buttons) override;
    bool AskText(std::u16string_view title, std::u16string_view prompt, std::u16string& text) override;
    void Beep() override;
    void OfferAdvisor(std::u16string_view text) override;
    int Choose(std::u16string_view title, std::u16string_view text, const std::vector<std::u16string>& choices) override;
    bool AskOpenFile(std::u16string_view title, const std::filesystem::path& folder, std::u16string_view pattern,
                     std::filesystem::path& chosen) override;
    bool AskPassword(dv::PasswordMode mode, std::u16string& password) override;
    void OpenWithDefaultHandler(const std::filesystem::path& target) override;
    bool SetClipboardText(std::u16string_view text) override;
    bool GetClipboardText(std::u16string& text) override;

private:
    QPointer<QWidget> parent_;
    std::function<void(const QString&)> advisor_;
};

QString toQString(std::u16string_view text);
std::u16string fromQString(const QString& text);
