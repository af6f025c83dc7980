#include "cli/cli_ui.h"

#include <cstdio>
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

}  // namespace

void CliUi::ShowMessage(std::u16string_view text) { std::fprintf(stderr, "%s\n", forTerminal(text).c_str()); }

dv::Answer CliUi::Ask(std::u16string_view text, dv::Buttons buttons) {
    ShowMessage(text);
    const bool okCancel = buttons == dv::Buttons::Ok || buttons == dv::Buttons::OkCancel;
    std::fprintf(stderr, "(answered %s: no one to ask)\n", okCancel ? "Cancel" : "No");
    return okCancel ? dv::Answer::Cancel : dv::Answer::No;
}

bool CliUi::AskText(std::u16string_view, std::u16string_view, std::u16string&) { return false; }

}  // namespace dvcli
