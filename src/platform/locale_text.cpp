#include "platform/locale_text.h"

#include <unicode/coll.h>
#include <unicode/locid.h>
#include <unicode/unistr.h>

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

// Turkish and Azeri lower-case the ASCII capital I to a dotless i; every other locale maps
// ASCII letters to ASCII letters, which lets pure ASCII text skip ICU.
bool asciiLowersPlainly() {
    static const bool plain = [] {
        const std::string language = userLocale().getLanguage();
        return language != "tr" && language != "az";
    }();
    return plain;
}

bool isAscii(std::u16string_view text) {
    for (char16_t c : text)
        if (c >= 0x80) return false;
    return true;
}

}  // namespace

std::u16string toLowerLocale(std::u16string_view text) {
    if (asciiLowersPlainly() && isAscii(text)) {
        std::u16string out(text);
        for (char16_t& c : out)
            if (c >= u'A' && c <= u'Z') c = static_cast<char16_t>(c + (u'a' - u'A'));
        return out;
    }
    icu::UnicodeString u(text.data(), static_cast<int32_t>(text.size()));
    u.toLower(userLocale());
    return std::u16string(u.getBuffer(), static_cast<size_t>(u.length()));
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
