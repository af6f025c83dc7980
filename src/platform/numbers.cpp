#include "platform/numbers.h"

#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <locale.h>

namespace dv {
namespace {

// The "C" numeric locale, so that a user's decimal comma never leaks into stored texts.
locale_t cLocale() {
    static const locale_t c = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(0));
    return c;
}

class CLocaleScope {
public:
    CLocaleScope() : previous_(uselocale(cLocale())) {}
    ~CLocaleScope() { uselocale(previous_); }
    CLocaleScope(const CLocaleScope&) = delete;
    CLocaleScope& operator=(const CLocaleScope&) = delete;

private:
    locale_t previous_;
};

// The C parsers see only ASCII; any other code unit ends the number, as it would for wcstod.
std::string narrowForParsing(std::u16string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char16_t c : text) {
        if (c >= 0x80 || c == 0) {
            out += '\x01';
            break;
        }
        out += static_cast<char>(c);
    }
    return out;
}

}  // namespace

std::u16string formatG(double value) {
    CLocaleScope scope;
    char buffer[64];
    const int n = std::snprintf(buffer, sizeof buffer, "%G", value);
    return std::u16string(buffer, buffer + (n > 0 ? n : 0));
}

std::u16string formatFixed(double value, int decimals) {
    CLocaleScope scope;
    char buffer[400];  // the widest double in fixed notation has 309 digits before the point
    const int n = std::snprintf(buffer, sizeof buffer, "%.*f", decimals < 0 ? 0 : decimals > 20 ? 20 : decimals, value);
    return std::u16string(buffer, buffer + (n > 0 && n < static_cast<int>(sizeof buffer) ? n : 0));
}

std::u16string formatInt64(int64_t value) {
    const std::string s = std::to_string(value);
    return std::u16string(s.begin(), s.end());
}

double parseLeadingDouble(std::u16string_view text) {
    CLocaleScope scope;
    const std::string narrow = narrowForParsing(text);
    return std::strtod(narrow.c_str(), nullptr);
}

std::optional<float> scanFloat(std::u16string_view text) {
    CLocaleScope scope;
    const std::string narrow = narrowForParsing(text);
    float value = 0;
    if (std::sscanf(narrow.c_str(), "%f", &value) != 1) return std::nullopt;
    return value;
}

int64_t parseLeadingInt64(std::u16string_view text) {
    const std::string narrow = narrowForParsing(text);
    return std::strtoll(narrow.c_str(), nullptr, 10);
}

}  // namespace dv
