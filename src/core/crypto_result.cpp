#include "core/crypto_result.h"

namespace {

struct ResultText {
    int code;
    std::u16string_view text;
};

constexpr ResultText kResultTexts[] = {
    {0, u"Operation succeeded"},
    {1, u"Source error"},
    {2, u"Destination error"},
    {3, u"Insufficient Memory"},
    {5, u"File (already) encrypted"},
    {6, u"File not Encrypted"},
    {7, u"Read/write Error"},
    {8, u"Allocation Error"},
    {9, u"User signature mismatch"},
    {20, u"Wrong password (Probably)"},
};

}  // namespace

std::u16string_view DvCryptResultText(int code) {
    for (const auto& row : kResultTexts) {
        if (row.code == code) return row.text;
    }
    return {};
}
