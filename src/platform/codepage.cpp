#include "platform/codepage.h"

#include <unicode/ucnv.h>

#include <charconv>
#include <cstdlib>
#include <memory>
#include <vector>

namespace dv {
namespace {

struct ConverterCloser {
    void operator()(UConverter* c) const { ucnv_close(c); }
};
using Converter = std::unique_ptr<UConverter, ConverterCloser>;

Converter openConverter(const char* name) {
    UErrorCode status = U_ZERO_ERROR;
    Converter c(ucnv_open(name, &status));
    if (U_FAILURE(status)) return nullptr;
    status = U_ZERO_ERROR;
    ucnv_setSubstChars(c.get(), "?", 1, &status);
    return c;
}

std::string chooseCodePage() {
    const char* wanted = std::getenv("DAYVAULT_CODEPAGE");
    if (wanted && *wanted && openConverter(wanted)) return wanted;
    return "windows-1250";
}

std::u16string decodeWith(UConverter* conv, std::string_view bytes) {
    std::u16string out(bytes.size() * 2 + 1, u'\0');
    UErrorCode status = U_ZERO_ERROR;
    const int32_t n = ucnv_toUChars(conv, out.data(), static_cast<int32_t>(out.size()), bytes.data(),
                                    static_cast<int32_t>(bytes.size()), &status);
    out.resize(U_FAILURE(status) ? 0 : static_cast<size_t>(n));
    return out;
}

// ICU lists "windows-NNN" among the aliases of every converter that Windows numbers, its own
// names included ("windows-437" for ibm-437, "windows-65001" for UTF-8).
std::optional<int> windowsNumberOf(const char* converter) {
    constexpr std::string_view kPrefix = "windows-";
    UErrorCode status = U_ZERO_ERROR;
    const uint16_t count = ucnv_countAliases(converter, &status);
    if (U_FAILURE(status)) return std::nullopt;
    for (uint16_t i = 0; i < count; ++i) {
        status = U_ZERO_ERROR;
        const char* alias = ucnv_getAlias(converter, i, &status);
        if (U_FAILURE(status) || !alias) continue;
        std::string_view digits(alias);
        if (!digits.starts_with(kPrefix)) continue;
        digits.remove_prefix(kPrefix.size());
        int number = 0;
        const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), number);
        if (error == std::errc{} && end == digits.data() + digits.size() && number > 0) return number;  // not "windows-31j"
    }
    return std::nullopt;
}

}  // namespace

const std::string& codePageName() {
    static const std::string name = chooseCodePage();
    return name;
}

std::optional<int> windowsCodePage() {
    static const std::optional<int> number = windowsNumberOf(codePageName().c_str());
    return number;
}

std::string toCodePage(std::u16string_view text) {
    thread_local Converter conv = openConverter(codePageName().c_str());
    std::string out(text.size() * 4 + 4, '\0');
    UErrorCode status = U_ZERO_ERROR;
    const int32_t n = ucnv_fromUChars(conv.get(), out.data(), static_cast<int32_t>(out.size()), text.data(),
                                      static_cast<int32_t>(text.size()), &status);
    out.resize(U_FAILURE(status) ? 0 : static_cast<size_t>(n));
    return out;
}

std::u16string fromCodePage(std::string_view bytes) {
    thread_local Converter conv = openConverter(codePageName().c_str());
    return decodeWith(conv.get(), bytes);
}

bool decodeCharset(std::string_view charset, std::string_view bytes, std::u16string& out) {
    Converter conv = openConverter(std::string(charset).c_str());
    if (!conv) return false;
    out = decodeWith(conv.get(), bytes);
    return true;
}

}  // namespace dv
