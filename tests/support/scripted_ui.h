#pragma once
// A Ui for tests: records every text shown or asked, answers from a queue, and installs itself
// for the lifetime of the object.
#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "platform/text.h"
#include "platform/ui.h"

class ScriptedUi final : public dv::Ui {
public:
    ScriptedUi() { dv::setUi(this); }
    ~ScriptedUi() override { dv::setUi(nullptr); }
    ScriptedUi(const ScriptedUi&) = delete;
    ScriptedUi& operator=(const ScriptedUi&) = delete;

    std::vector<std::u16string> messages;   // ShowMessage texts, in order
    std::vector<std::u16string> questions;  // Ask texts, in order
    std::vector<std::u16string> advisor;    // OfferAdvisor texts
    int beeps = 0;
    std::deque<dv::Answer> answers;         // consumed by Ask; Cancel when empty
    std::deque<std::u16string> textEntries; // consumed by AskText; cancelled when empty
    std::deque<int> choices;                // consumed by Choose; -1 (Cancel) when empty
    std::deque<std::filesystem::path> files; // consumed by AskOpenFile; cancelled when empty
    std::vector<std::filesystem::path> opened; // OpenWithDefaultHandler targets
    std::deque<std::u16string> passwords;   // consumed by AskPassword; cancelled when empty
    std::optional<std::u16string> clipboard; // Unicode text on the clipboard, if any
    int passwordRequests = 0;

    void ShowMessage(std::u16string_view text) override { messages.emplace_back(text); }
    dv::Answer Ask(std::u16string_view text, dv::Buttons) override {
        questions.emplace_back(text);
        if (answers.empty()) return dv::Answer::Cancel;
        const dv::Answer a = answers.front();
        answers.pop_front();
        return a;
    }
    bool AskText(std::u16string_view, std::u16string_view prompt, std::u16string& text) override {
        questions.emplace_back(prompt);
        if (textEntries.empty()) return false;
        text = textEntries.front();
        textEntries.pop_front();
        return true;
    }
    int Choose(std::u16string_view, std::u16string_view text, const std::vector<std::u16string>&) override {
        questions.emplace_back(text);
        if (choices.empty()) return -1;
        const int c = choices.front();
        choices.pop_front();
        return c;
    }
    bool AskOpenFile(std::u16string_view title, const std::filesystem::path&, std::u16string_view,
                     std::filesystem::path& chosen) override {
        questions.emplace_back(title);
        if (files.empty()) return false;
        chosen = files.front();
        files.pop_front();
        return true;
    }
    bool AskPassword(dv::PasswordMode, std::u16string& password) override {
        ++passwordRequests;
        if (passwords.empty()) return false;
        password = passwords.front();
        passwords.pop_front();
        return true;
    }
    void OpenWithDefaultHandler(const std::filesystem::path& target) override { opened.push_back(target); }
    bool SetClipboardText(std::u16string_view text) override {
        clipboard = std::u16string(text);
        return true;
    }
    bool GetClipboardText(std::u16string& text) override {
        if (!clipboard) return false;
        text = *clipboard;
        return true;
    }
    void Beep() override { ++beeps; }
    void OfferAdvisor(std::u16string_view text) override { advisor.emplace_back(text); }

    /// All message texts as UTF-8, for readable failure output.
    std::vector<std::string> messagesUtf8() const {
        std::vector<std::string> out;
        for (const auto& m : messages) out.push_back(dv::toUtf8(m));
        return out;
    }
};
