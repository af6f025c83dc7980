#include "platform/ui.h"

#include <cstdio>

#include "platform/text.h"

namespace dv {
namespace {

class StderrUi final : public Ui {
public:
    void ShowMessage(std::u16string_view text) override { std::fprintf(stderr, "%s\n", toUtf8(text).c_str()); }
    Answer Ask(std::u16string_view text, Buttons buttons) override {
        ShowMessage(text);
        return buttons == Buttons::OkCancel || buttons == Buttons::Ok ? Answer::Cancel : Answer::No;
    }
    bool AskText(std::u16string_view, std::u16string_view, std::u16string&) override { return false; }
    void Beep() override {}
    void OfferAdvisor(std::u16string_view) override {}
};

Ui* installed = nullptr;

}  // namespace

Ui& ui() {
    static StderrUi fallback;
    return installed ? *installed : fallback;
}

void setUi(Ui* port) { installed = port; }

}  // namespace dv
