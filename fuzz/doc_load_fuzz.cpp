// Reads arbitrary bytes as a main file: a damaged file must be a failed load, never a crash,
// a hang or an allocation beyond what the bytes could describe.
#include <cstddef>
#include <cstdint>

#include "core/archive.h"
#include "core/doc.h"
#include "platform/ui.h"

namespace {

class SilentUi final : public dv::Ui {
public:
    void ShowMessage(std::u16string_view) override {}
    dv::Answer Ask(std::u16string_view, dv::Buttons) override { return dv::Answer::Cancel; }
    bool AskText(std::u16string_view, std::u16string_view, std::u16string&) override { return false; }
    void Beep() override {}
    void OfferAdvisor(std::u16string_view) override {}
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static SilentUi ui;
    dv::setUi(&ui);
    CDvDoc doc;
    try {
        doc.FromBytes({data, size});
        for (auto& item : doc.items) item->Upgrade(0.0);
        doc.root.Upgrade(0.0);
        (void)doc.ToBytes();
    } catch (const CDvArchiveError&) {
    }
    return 0;
}
