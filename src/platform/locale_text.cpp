#include "platform/locale_text.h"

#include <unicode/coll.h>
#include <unicode/locid.h>
#include <unicode/uchar.h>
#include <unicode/unistr.h>
#include <unicode/utf16.h>

#include <memory>
#include <mutex>

namespace dv {
namespace {

icu::UnicodeString view(std::u16string_view text) {
    return icu::UnicodeString(false, text.data(), static_cast<int32_t>(text.size()));
}

const icu::Locale& userLocale() {
    // ICU reads the POSIX locale variables itself when it sets up its default.
    static const icu::Locale locale = icu::Locale::getDefault();
    return locale;
}

// Collators are not safe for concurrent use; each thread keeps its own clone.
icu::Collator& userCollator() {
    static std::unique_ptr<icu::Collator> prototype = [] {
        UErrorCode status = U_ZERO_ERROR;
        std::unique_ptr<icu::Collator> c(icu::Collator::createInstance(userLocale(), status));
        if (U_FAILURE(status) || !c) {
            status = U_ZERO_ERROR;
            c.reset(icu::Collator::createInstance(icu::Locale::getRoot(), status));
        }
        return c;
    }();
    thread_local std::unique_ptr<icu::Collator> mine(prototype->clone());
    return *mine;
}

int sign(int v) { return (v > 0) - (v < 0); }

// Outside Turkish, Azeri and Lithuanian, whose rules depend on the language, full lower-casing
// maps each character to one character of the same length, as the simple case mapping does, with
// two exceptions: the capital I with a dot (to two characters) and the capital sigma (to a final
// or a medial sigma by its neighbours). Text without them, and without surrogates, is lower-cased
// a character at a time, which is many times faster than ICU's full mapping.
bool lowersSimply() {
    static const bool simple = [] {
        const std::string language = userLocale().getLanguage();
        return language != "tr" && language != "az" && language != "lt";
    }();
    return simple;
}

constexpr int kNotSimple = -1;

int simpleLower(char16_t c) {
    if (c < 0x80) return c >= u'A' && c <= u'Z' ? c + (u'a' - u'A') : c;
    if (c == 0x0130 || c == 0x03A3 || U16_IS_SURROGATE(c)) return kNotSimple;
    return u_tolower(c);
}

void fullLowerInto(std::u16string_view text, std::u16string& out) {
    icu::UnicodeString u(text.data(), static_cast<int32_t>(text.size()));
    u.toLower(userLocale());
    out.assign(u.getBuffer(), static_cast<size_t>(u.length()));
}

}  // namespace

void toLowerLocaleInto(std::u16string_view text, std::u16string& out) {
    if (lowersSimply()) {
        out.resize(text.size());
        size_t i = 0;
        for (; i < text.size(); ++i) {
            const int lower = simpleLower(text[i]);
            if (lower == kNotSimple) break;
            out[i] = static_cast<char16_t>(lower);
        }
        if (i == text.size()) return;
    }
    fullLowerInto(text, out);
}

std::u16string toLowerLocale(std::u16string_view text) {
    std::u16string out;
    toLowerLocaleInto(text, out);
    return out;
}

bool lowerContains(std::u16string_view text, std::u16string_view lowerPart) {
    if (lowerPart.empty()) return true;
    const auto byFullMapping = [&] {
        thread_local std::u16string lowered;
        fullLowerInto(text, lowered);
        return lowered.find(lowerPart) != std::u16string::npos;
    };
    if (!lowersSimply()) return byFullMapping();
    const size_t n = text.size(), m = lowerPart.size();
    const size_t starts = n >= m ? n - m + 1 : 0;
    for (size_t i = 0; i < starts; ++i) {
        const int first = simpleLower(text[i]);
        if (first == kNotSimple) return byFullMapping();
        if (first != lowerPart[0]) continue;
        size_t j = 1;
        for (; j < m; ++j) {
            const int next = simpleLower(text[i + j]);
            if (next == kNotSimple) return byFullMapping();
            if (next != lowerPart[j]) break;
        }
        if (j == m) return true;
    }
    // Characters after the last start were never looked at: one of them could lengthen the
    // lower-case text enough to hold the part.
    for (size_t i = starts; i < n; ++i)
        if (simpleLower(text[i]) == kNotSimple) return byFullMapping();
    return false;
}

int collate(std::u16string_view a, std::u16string_view b) {
    UErrorCode status = U_ZERO_ERROR;
    const auto r = userCollator().compare(view(a), view(b), status);
    if (U_FAILURE(status)) return sign(a.compare(b));
    return sign(static_cast<int>(r));
}

int compareNoCase(std::u16string_view a, std::u16string_view b) {
    if (a == b) return 0;
    return collate(toLowerLocale(a), toLowerLocale(b));
}

std::string collationKey(std::u16string_view text) {
    icu::Collator& collator = userCollator();
    const auto length = static_cast<int32_t>(text.size());
    std::string key(text.size() * 4 + 16, '\0');
    auto* bytes = reinterpret_cast<uint8_t*>(key.data());
    int32_t needed = collator.getSortKey(text.data(), length, bytes, static_cast<int32_t>(key.size()));
    if (needed > static_cast<int32_t>(key.size())) {
        key.resize(static_cast<size_t>(needed));
        bytes = reinterpret_cast<uint8_t*>(key.data());
        needed = collator.getSortKey(text.data(), length, bytes, needed);
    }
    // The key ends with a zero byte that every key shares; leaving it out keeps the order.
    key.resize(needed > 0 ? static_cast<size_t>(needed - 1) : 0);
    return key;
}

bool equalsNoCase(std::u16string_view a, std::u16string_view b) { return compareNoCase(a, b) == 0; }

std::string userLocaleName() { return userLocale().getName(); }

}  // namespace dv
