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

}  // namespace

std::u16string toLowerLocale(std::u16string_view text) {
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

bool equalsNoCase(std::u16string_view a, std::u16string_view b) { return compareNoCase(a, b) == 0; }

std::string userLocaleName() { return userLocale().getName(); }

}  // namespace dv
