#include "core/rtf_code_pages_p.h"

#include <algorithm>
#include <string>

#include "platform/codepage.h"

namespace dv::rtf {
namespace {

struct CharsetCodePage {
    int charset;
    int codePage;
};

// The Windows charsets a rich-text editor writes in \fcharset; sorted by charset.
constexpr CharsetCodePage kCharsets[] = {
    {0, 1252},                   // ANSI
    {2, kSymbolCodePage},        // symbol
    {77, 10000},                 // Macintosh
    {128, 932},                  // Shift_JIS
    {129, 949},                  // Hangul
    {134, 936},                  // GB2312
    {136, 950},                  // Big5
    {161, 1253},                 // Greek
    {162, 1254},                 // Turkish
    {163, 1258},                 // Vietnamese
    {177, 1255},                 // Hebrew
    {178, 1256},                 // Arabic
    {186, 1257},                 // Baltic
    {204, 1251},                 // Russian
    {222, 874},                  // Thai
    {238, 1250},                 // Eastern European
    {255, 437},                  // OEM
};
static_assert(std::ranges::is_sorted(kCharsets, {}, &CharsetCodePage::charset));

struct CodePageName {
    int codePage;
    const char* converter;
};

// Code pages whose ICU converter is not called "windows-NNN".
constexpr CodePageName kConverterNames[] = {
    {437, "ibm-437"}, {850, "ibm-850"}, {10000, "macintosh"}, {65001, "UTF-8"},
};

std::string converterName(int codePage) {
    const auto* known = std::ranges::find(kConverterNames, codePage, &CodePageName::codePage);
    if (known != std::end(kConverterNames)) return known->converter;
    return "windows-" + std::to_string(codePage);
}

bool isAscii(std::string_view bytes) {
    return std::ranges::all_of(bytes, [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

std::u16string widenBytes(std::string_view bytes) {
    std::u16string out;
    out.reserve(bytes.size());
    for (const char c : bytes) out.push_back(static_cast<unsigned char>(c));
    return out;
}

}  // namespace

std::optional<int> codePageOfCharset(int charset) {
    const auto* found = std::ranges::lower_bound(kCharsets, charset, {}, &CharsetCodePage::charset);
    if (found == std::end(kCharsets) || found->charset != charset) return std::nullopt;
    return found->codePage;
}

std::u16string decodeCodePage(int codePage, std::string_view bytes) {
    // Every code page we meet keeps ASCII as it is, and most text is ASCII: skip the converter.
    if (isAscii(bytes) || codePage == kSymbolCodePage) return widenBytes(bytes);
    if (codePage == kSystemCodePage) return fromCodePage(bytes);
    std::u16string out;
    if (decodeCharset(converterName(codePage), bytes, out)) return out;
    return fromCodePage(bytes);
}

}  // namespace dv::rtf
