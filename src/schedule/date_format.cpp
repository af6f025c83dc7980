#include "schedule/date_format.h"

#include <array>
#include <cstdio>
#include <ctime>
#include <cwchar>
#include <utility>

namespace {

int dayOfYear(const dv::CivilTime& c) {
    static constexpr int kBefore[] = {0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334};
    const bool leap = (c.year % 4 == 0 && c.year % 100 != 0) || c.year % 400 == 0;
    return kBefore[c.month - 1] + c.day - 1 + (leap && c.month > 2 ? 1 : 0);
}

std::wstring toWide(std::u16string_view text) {
    std::wstring out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char32_t c = text[i];
        if (c >= 0xD800 && c < 0xDC00 && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] < 0xE000) {
            out += static_cast<wchar_t>(0x10000 + ((c - 0xD800) << 10) + (text[i + 1] - 0xDC00));
            ++i;
        } else {
            out += static_cast<wchar_t>(c);
        }
    }
    return out;
}

std::u16string fromWide(const wchar_t* text, std::size_t length) {
    std::u16string out;
    out.reserve(length);
    for (std::size_t i = 0; i < length; ++i) {
        const auto c = static_cast<char32_t>(text[i]);
        if (c >= 0x10000 && c <= 0x10FFFF) {
            out += static_cast<char16_t>(0xD800 + ((c - 0x10000) >> 10));
            out += static_cast<char16_t>(0xDC00 + ((c - 0x10000) & 0x3FF));
        } else {
            out += static_cast<char16_t>(c);
        }
    }
    return out;
}

// The zone conversions need the zone in force at that moment, which only mktime knows; it is
// asked only then because it consults the time zone database on every call.
bool wantsZone(std::u16string_view pattern) {
    return pattern.find(u"%z") != std::u16string_view::npos || pattern.find(u"%Z") != std::u16string_view::npos;
}

DvDateFormatSource& formatSource() {
    static DvDateFormatSource source;
    return source;
}

}  // namespace

std::u16string DvFormatPattern(const DvDateTime& value, std::u16string_view pattern) {
    if (value.IsNull()) return {};
    dv::CivilTime c;
    if (!value.ToCivil(c)) return std::u16string(kDvInvalidDateTimeText);
    std::tm tm = dv::toTm(c);
    tm.tm_wday = value.DayOfWeek() - 1;
    tm.tm_yday = dayOfYear(c);
    // Daylight saving unknown: "%z" and "%Z" stay empty unless filled in below.
    if (wantsZone(pattern)) {
        std::tm zoned = tm;
        if (std::mktime(&zoned) != static_cast<std::time_t>(-1) && zoned.tm_hour == tm.tm_hour) {
            tm.tm_isdst = zoned.tm_isdst;
            tm.tm_gmtoff = zoned.tm_gmtoff;
            tm.tm_zone = zoned.tm_zone;
        }
    }
    const std::wstring wide = toWide(pattern);
    // One spare place for the terminator and one that stays zero: on overflow wcsftime returns 0
    // and leaves what it had written so far unterminated.
    std::array<wchar_t, kDvFormatMaxChars + 2> buffer{};
    std::size_t n = std::wcsftime(buffer.data(), kDvFormatMaxChars + 1, wide.c_str(), &tm);
    if (n == 0) n = wcsnlen(buffer.data(), kDvFormatMaxChars);
    return fromWide(buffer.data(), n);
}

std::u16string DvLocaleTimeText(const DvDateTime& value) { return DvFormatPattern(value, u"%X"); }

void DvSetDateFormatSource(DvDateFormatSource source) { formatSource() = std::move(source); }

std::u16string DvDatePattern(bool longForm) {
    const DvDateFormatSource& source = formatSource();
    std::u16string pattern = source ? source(longForm ? kDvOptLongDate : kDvOptShortDate) : std::u16string();
    if (pattern.empty()) pattern = longForm ? kDvDefaultLongDate : kDvDefaultShortDate;
    return pattern;
}

std::u16string DvFormatDate(const DvDateTime& value, bool longForm, bool withTime) {
    std::u16string pattern = DvDatePattern(longForm);
    if (withTime) pattern += u" %H:%M";
    return DvFormatPattern(value, pattern);
}

std::u16string DvFormatDateText(const DvDateTime& value, bool withDate, bool withTime, bool withSeconds,
                                bool withWeekday) {
    const int year = value.Year();
    // A valid value beyond the calendar has no fields either; it reads as unknown too.
    if (year < 0 || year == 1899) return u"unknown";
    std::u16string text;
    if (withDate) {
        if (withWeekday) text += DvFormatPattern(value, u"%A,");
        text += DvFormatPattern(value, u"%B %d, %Y ");
    }
    if (withTime) text += DvFormatPattern(value, u"%H:%M");
    if (withSeconds) text += DvFormatPattern(value, u":%S");
    while (!text.empty() && text.back() == u' ') text.pop_back();
    return text;
}

std::u16string DvIsoText(const DvDateTime& value, bool withTime) {
    dv::CivilTime c;
    if (!value.ToCivil(c)) return {};
    char buffer[32];
    const int n = withTime ? std::snprintf(buffer, sizeof buffer, "%04d-%02d-%02dT%02d:%02d:%02d", c.year, c.month,
                                           c.day, c.hour, c.minute, c.second)
                           : std::snprintf(buffer, sizeof buffer, "%04d-%02d-%02d", c.year, c.month, c.day);
    return std::u16string(buffer, buffer + n);
}

namespace {

// Reads `minDigits` to `maxDigits` decimal digits at `pos`; false when there are fewer.
bool readNumber(std::u16string_view text, std::size_t& pos, int minDigits, int maxDigits, int& out) {
    int digits = 0;
    out = 0;
    while (digits < maxDigits && pos < text.size() && text[pos] >= u'0' && text[pos] <= u'9') {
        out = out * 10 + (text[pos] - u'0');
        ++pos;
        ++digits;
    }
    return digits >= minDigits;
}

bool readChar(std::u16string_view text, std::size_t& pos, char16_t c) {
    if (pos >= text.size() || text[pos] != c) return false;
    ++pos;
    return true;
}

}  // namespace

std::optional<DvDateTime> DvParseIsoText(std::u16string_view text) {
    std::size_t pos = 0;
    int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
    if (!readNumber(text, pos, 4, 4, year) || !readChar(text, pos, u'-') || !readNumber(text, pos, 1, 2, month) ||
        !readChar(text, pos, u'-') || !readNumber(text, pos, 1, 2, day))
        return std::nullopt;
    if (pos < text.size()) {
        if (!readChar(text, pos, u' ') && !readChar(text, pos, u'T')) return std::nullopt;
        if (!readNumber(text, pos, 1, 2, hour) || !readChar(text, pos, u':') || !readNumber(text, pos, 2, 2, minute))
            return std::nullopt;
        if (pos < text.size() && (!readChar(text, pos, u':') || !readNumber(text, pos, 2, 2, second)))
            return std::nullopt;
        if (pos != text.size()) return std::nullopt;
    }
    const DvDateTime t = DvDateTime::FromFields(year, month, day, hour, minute, second);
    if (!t.IsValid()) return std::nullopt;
    return t;
}
