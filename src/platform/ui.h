#pragma once
// The user-facing port: every message box, question, beep and advisor notice of the toolkit-free
// code goes through it. The desktop program implements it with real dialogs, the command-line
// tool on the terminal, and tests with a script that records texts and answers from a queue.
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace dv {

enum class Buttons { Ok, OkCancel, YesNo, YesNoCancel };
enum class Answer { Ok, Cancel, Yes, No };
/// Opening asks for the password of a protected database; Setting asks for a new one twice
/// (both empty removes the protection).
enum class PasswordMode { Opening, Setting };

class Ui {
public:
    virtual ~Ui() = default;
    /// A modal message box with an OK button.
    virtual void ShowMessage(std::u16string_view text) = 0;
    /// A modal question; returns the button pressed.
    virtual Answer Ask(std::u16string_view text, Buttons buttons) = 0;
    /// A one-line input box; false when cancelled. `text` holds the default and receives the entry.
    virtual bool AskText(std::u16string_view title, std::u16string_view prompt, std::u16string& text) = 0;
    /// The warning sound.
    virtual void Beep() = 0;
    /// A short notice for the advisor window, dropped when the advisor is not shown.
    virtual void OfferAdvisor(std::u16string_view text) = 0;

    // The calls below have declining defaults so that a port only implements what it can offer.

    /// A dialog of exclusive choices with OK and Cancel; the chosen index, or -1 for Cancel.
    virtual int Choose(std::u16string_view title, std::u16string_view text, const std::vector<std::u16string>& choices) {
        (void)title, (void)text, (void)choices;
        return -1;
    }
    /// A file chooser starting in `folder` showing files matching `pattern` ("*.dayvault").
    virtual bool AskOpenFile(std::u16string_view title, const std::filesystem::path& folder,
                             std::u16string_view pattern, std::filesystem::path& chosen) {
        (void)title, (void)folder, (void)pattern, (void)chosen;
        return false;
    }
    /// The password dialog; false when cancelled. Setting mode only returns once both entries agree.
    virtual bool AskPassword(PasswordMode mode, std::u16string& password) {
        (void)mode, (void)password;
        return false;
    }
    /// Opens a file, folder or URL with the desktop's default handler.
    virtual void OpenWithDefaultHandler(const std::filesystem::path& target) { (void)target; }
    /// Puts Unicode text on the clipboard; false when the clipboard cannot be had.
    virtual bool SetClipboardText(std::u16string_view text) {
        (void)text;
        return false;
    }
    /// The clipboard's Unicode text; false when it holds none.
    virtual bool GetClipboardText(std::u16string& text) {
        (void)text;
        return false;
    }
};

/// The port in use. Before any is installed, messages go to standard error and questions are
/// answered with Cancel or No, so that nothing is changed without a user's consent.
Ui& ui();
/// Installs `port` (nullptr restores the default). The caller keeps ownership.
void setUi(Ui* port);

}  // namespace dv
