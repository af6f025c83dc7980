#include "cli/cli_ui.h"

#include <termios.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <string>

#include "platform/text.h"

namespace dvcli {
namespace {

// Message texts use Windows line ends; a terminal wants plain ones.
std::string forTerminal(std::u16string_view text) {
    std::u16string t(text);
    dv::replaceAll(t, u"\r\n", u"\n");
    return dv::toUtf8(t);
}

// The first line of a password file, without its line end.
bool readPasswordFile(const std::string& path, std::u16string& password) {
    std::ifstream in(path);
    if (!in) {
        std::fprintf(stderr, "dayvault-cli: cannot read the password file %s\n", path.c_str());
        return false;
    }
    std::string line;
    std::getline(in, line);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    password = dv::fromUtf8(line);
    return true;
}

bool promptWithoutEcho(const char* prompt, std::u16string& password) {
    if (!isatty(STDIN_FILENO)) return false;
    std::fprintf(stderr, "%s", prompt);
    termios saved{};
    tcgetattr(STDIN_FILENO, &saved);
    termios quiet = saved;
    quiet.c_lflag &= ~static_cast<tcflag_t>(ECHO);
    tcsetattr(STDIN_FILENO, TCSAFLUSH, &quiet);
    std::string line;
    const bool got = static_cast<bool>(std::getline(std::cin, line));
    tcsetattr(STDIN_FILENO, TCSAFLUSH, &saved);
    std::fprintf(stderr, "\n");
    password = dv::fromUtf8(line);
    return got;
}

}  // namespace

void CliUi::ShowMessage(std::u16string_view text) { std::fprintf(stderr, "%s\n", forTerminal(text).c_str()); }

dv::Answer CliUi::Ask(std::u16string_view text, dv::Buttons buttons) {
    ShowMessage(text);
    const bool okCancel = buttons == dv::Buttons::Ok || buttons == dv::Buttons::OkCancel;
    std::fprintf(stderr, "(answered %s: no one to ask)\n", okCancel ? "Cancel" : "No");
    return okCancel ? dv::Answer::Cancel : dv::Answer::No;
}

bool CliUi::AskText(std::u16string_view, std::u16string_view, std::u16string&) { return false; }


int CliUi::Choose(std::u16string_view title, std::u16string_view text, const std::vector<std::u16string>&) {
    ShowMessage(std::u16string(title) + u": " + std::u16string(text));
    return -1;
}

bool CliUi::AskPassword(dv::PasswordMode mode, std::u16string& password) {
    if (mode == dv::PasswordMode::Opening) {
        if (const char* fromEnv = std::getenv("DAYVAULT_PASSWORD")) {
            password = dv::fromUtf8(fromEnv);
            return true;
        }
        if (!passwordFile.empty()) return readPasswordFile(passwordFile, password);
        return promptWithoutEcho("The document is encrypted, please enter the password: ", password);
    }
    if (!newPasswordFile.empty()) return readPasswordFile(newPasswordFile, password);
    for (int attempt = 0; attempt < 3; ++attempt) {
        std::u16string confirmation;
        if (!promptWithoutEcho("Please enter new password (empty: no protection): ", password) ||
            !promptWithoutEcho("Confirm password: ", confirmation))
            return false;
        if (password == confirmation) return true;
        ShowMessage(u"'Password' does not match 'confirm password'");
    }
    return false;
}

}  // namespace dvcli
