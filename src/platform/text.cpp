#include "platform/text.h"

#include <unicode/unistr.h>
#include <unicode/utf8.h>

namespace dv {

std::string toUtf8(std::u16string_view text) {
    std::string out;
    icu::UnicodeString(false, text.data(), static_cast<int32_t>(text.size())).toUTF8String(out);
    return out;
}

std::u16string fromUtf8(std::string_view text) {
    const auto u = icu::UnicodeString::fromUTF8(icu::StringPiece(text.data(), static_cast<int32_t>(text.size())));
    return std::u16string(u.getBuffer(), static_cast<size_t>(u.length()));
}

std::size_t firstInvalidUtf8(std::string_view text) {
    const auto* bytes = reinterpret_cast<const uint8_t*>(text.data());
    const auto length = static_cast<int64_t>(text.size());
    for (int64_t i = 0; i < length;) {
        const int64_t start = i;
        UChar32 c;
        U8_NEXT(bytes, i, length, c);
        if (c < 0) return static_cast<std::size_t>(start);
    }
    return std::string_view::npos;
}

std::u16string fromAscii(std::string_view text) { return std::u16string(text.begin(), text.end()); }

std::vector<std::u16string> split(std::u16string_view text, char16_t separator) {
    std::vector<std::u16string> parts;
    size_t start = 0;
    for (;;) {
        const size_t at = text.find(separator, start);
        parts.emplace_back(text.substr(start, at == std::u16string_view::npos ? std::u16string_view::npos : at - start));
        if (at == std::u16string_view::npos) return parts;
        start = at + 1;
    }
}

std::u16string join(const std::vector<std::u16string>& parts, std::u16string_view separator) {
    std::u16string out;
    for (size_t i = 0; i < parts.size(); ++i) {
        if (i) out += separator;
        out += parts[i];
    }
    return out;
}

std::u16string_view trimSpaces(std::u16string_view text) {
    const size_t first = text.find_first_not_of(u' ');
    if (first == std::u16string_view::npos) return {};
    const size_t last = text.find_last_not_of(u' ');
    return text.substr(first, last - first + 1);
}

void replaceAll(std::u16string& text, std::u16string_view from, std::u16string_view to) {
    if (from.empty()) return;
    for (size_t at = text.find(from); at != std::u16string::npos; at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
}

bool startsWith(std::u16string_view text, std::u16string_view prefix) { return text.substr(0, prefix.size()) == prefix; }

bool endsWith(std::u16string_view text, std::u16string_view suffix) {
    return text.size() >= suffix.size() && text.substr(text.size() - suffix.size()) == suffix;
}

std::u16string asciiLower(std::u16string_view text) {
    std::u16string out(text);
    for (auto& c : out)
        if (c >= u'A' && c <= u'Z') c = static_cast<char16_t>(c - u'A' + u'a');
    return out;
}

bool equalsAsciiNoCase(std::u16string_view a, std::u16string_view b) { return asciiLower(a) == asciiLower(b); }

}  // namespace dv
