#include "core/date_time.h"

#include <cmath>

namespace {

// Day 0 is 30 December 1899; days_from_civil counts from 1 January 1970.
constexpr long long kEpochOffset = 25569;
constexpr double kMaxDays = 2958465.99999;  // 31 December 9999 23:59:59
constexpr double kBeforeMinDays = -657435.0;  // 1 January 100 is day -657434, its hours lie below it

long long daysFromCivil(long long y, unsigned m, unsigned d) {
    y -= m <= 2;
    const long long era = (y >= 0 ? y : y - 399) / 400;
    const unsigned yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m > 2 ? m - 3 : m + 9) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<long long>(doe) - 719468;
}

void civilFromDays(long long z, int& y, int& m, int& d) {
    z += 719468;
    const long long era = (z >= 0 ? z : z - 146096) / 146097;
    const unsigned doe = static_cast<unsigned>(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    d = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    m = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    y = static_cast<int>(static_cast<long long>(yoe) + era * 400 + (m <= 2));
}

bool isLeap(int y) { return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0; }

int daysInMonth(int y, int m) {
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return m == 2 && isLeap(y) ? 29 : kDays[m - 1];
}

bool inCalendarRange(double stored) { return std::isfinite(stored) && stored <= kMaxDays && stored > kBeforeMinDays; }

// Reads the fields of a value; -1 in every field when it cannot be broken down.
dv::CivilTime fieldsOf(const DvDateTime& t) {
    dv::CivilTime c;
    if (!t.ToCivil(c)) c = {-1, -1, -1, -1, -1, -1};
    return c;
}

DvDateTimeSpan spanOf(double days) {
    DvDateTimeSpan s;
    s.value = days;
    if (!(std::fabs(days) <= DvDateTimeSpan::kMaxDays)) s.status = DvDateTimeSpanStatus::Invalid;
    return s;
}

DvDateTime fromLinearChecked(double linear) {
    DvDateTime out;
    out.value = DvDateTime::FromLinear(linear);
    if (!inCalendarRange(out.value)) out.status = DvDateTimeStatus::Invalid;
    return out;
}

}  // namespace

// --- spans ---

DvDateTimeSpan DvDateTimeSpan::FromParts(double days, double hours, double minutes, double seconds) {
    return spanOf(days + hours / 24.0 + minutes / 1440.0 + seconds / 86400.0);
}

DvDateTimeSpan DvDateTimeSpan::FromDays(double days) { return spanOf(days); }

int64_t DvDateTimeSpan::WholeDays() const {
    return std::isfinite(value) ? static_cast<int64_t>(std::trunc(value)) : 0;
}

DvDateTimeSpan operator+(const DvDateTimeSpan& a, const DvDateTimeSpan& b) {
    DvDateTimeSpan s = spanOf(a.value + b.value);
    if (!a.IsValid() || !b.IsValid()) s.status = DvDateTimeSpanStatus::Invalid;
    return s;
}

DvDateTimeSpan operator-(const DvDateTimeSpan& a, const DvDateTimeSpan& b) { return a + -b; }

DvDateTimeSpan operator-(const DvDateTimeSpan& a) { return {-a.value, a.status}; }

// --- date-times ---

DvDateTime DvDateTime::Now() { return FromCivil(dv::clock().now()); }

DvDateTime DvDateTime::FromCivil(const dv::CivilTime& t) {
    return FromFields(t.year, t.month, t.day, t.hour, t.minute, t.second);
}

DvDateTime DvDateTime::FromFields(int year, int month, int day, int hour, int minute, int second) {
    DvDateTime out;
    if (year < 100 || year > 9999 || month < 1 || month > 12 || day < 1 || day > daysInMonth(year, month) ||
        hour < 0 || hour > 23 || minute < 0 || minute > 59 || second < 0 || second > 59) {
        out.status = DvDateTimeStatus::Invalid;
        return out;
    }
    const double days = static_cast<double>(daysFromCivil(year, static_cast<unsigned>(month),
                                                          static_cast<unsigned>(day)) + kEpochOffset);
    const double time = (hour * 3600 + minute * 60 + second) / 86400.0;
    // Before day 0 the fraction still counts forward from that day's midnight: -1.25 is
    // 29 December 1899 06:00.
    out.value = days < 0 ? days - time : days + time;
    return out;
}

DvDateTime DvDateTime::Combine(const DvDateTime& date, const DvDateTime& time) {
    const dv::CivilTime d = fieldsOf(date);
    const dv::CivilTime t = fieldsOf(time);
    return FromFields(d.year, d.month, d.day, t.hour, t.minute, t.second);
}

bool DvDateTime::ToCivil(dv::CivilTime& out) const {
    if (!IsValid() || !inCalendarRange(value)) return false;
    double whole = std::trunc(value);
    long long seconds = std::llround(std::fabs(value - whole) * 86400.0);
    if (seconds >= 86400) {  // rounding carried into the next day
        seconds -= 86400;
        whole += 1;
    }
    civilFromDays(static_cast<long long>(whole) - kEpochOffset, out.year, out.month, out.day);
    out.hour = static_cast<int>(seconds / 3600);
    out.minute = static_cast<int>(seconds / 60 % 60);
    out.second = static_cast<int>(seconds % 60);
    return true;
}

int DvDateTime::Year() const { return fieldsOf(*this).year; }
int DvDateTime::Month() const { return fieldsOf(*this).month; }
int DvDateTime::Day() const { return fieldsOf(*this).day; }
int DvDateTime::Hour() const { return fieldsOf(*this).hour; }
int DvDateTime::Minute() const { return fieldsOf(*this).minute; }
int DvDateTime::Second() const { return fieldsOf(*this).second; }

int DvDateTime::DayOfWeek() const {
    const dv::CivilTime c = fieldsOf(*this);
    if (c.year < 0) return -1;
    const long long day = daysFromCivil(c.year, static_cast<unsigned>(c.month), static_cast<unsigned>(c.day)) +
                          kEpochOffset;
    // Day 0, 30 December 1899, was a Saturday (7).
    return static_cast<int>(((day % 7) + 7 + 6) % 7) + 1;
}

bool DvDateTime::IsSameDay(const DvDateTime& other) const {
    const dv::CivilTime a = fieldsOf(*this);
    const dv::CivilTime b = fieldsOf(other);
    return a.year == b.year && a.month == b.month && a.day == b.day;
}

void DvDateTime::SetDate(int year, int month, int day, bool zeroTime) {
    const dv::CivilTime t = zeroTime ? dv::CivilTime{0, 0, 0, 0, 0, 0} : fieldsOf(*this);
    *this = FromFields(year, month, day, t.hour, t.minute, t.second);
}

void DvDateTime::SetDate(const DvDateTime& from, bool zeroTime) {
    const dv::CivilTime d = fieldsOf(from);
    SetDate(d.year, d.month, d.day, zeroTime);
}

void DvDateTime::SetTime(int hour, int minute, int second) {
    const dv::CivilTime d = fieldsOf(*this);
    *this = FromFields(d.year, d.month, d.day, hour, minute, second);
}

void DvDateTime::SetTime(const DvDateTime& from) {
    const dv::CivilTime t = fieldsOf(from);
    SetTime(t.hour, t.minute, t.second);
}

double DvDateTime::ToLinear(double stored) {
    if (stored >= 0) return stored;
    const double c = std::ceil(stored);
    return c - (stored - c);
}

double DvDateTime::FromLinear(double linear) {
    if (linear >= 0) return linear;
    const double f = std::floor(linear);
    return f + (f - linear);
}

DvDateTime& DvDateTime::operator+=(const DvDateTimeSpan& span) { return *this = *this + span; }
DvDateTime& DvDateTime::operator-=(const DvDateTimeSpan& span) { return *this = *this - span; }

DvDateTime operator+(const DvDateTime& date, const DvDateTimeSpan& span) {
    return fromLinearChecked(DvDateTime::ToLinear(date.value) + span.value);
}

DvDateTime operator-(const DvDateTime& date, const DvDateTimeSpan& span) {
    return fromLinearChecked(DvDateTime::ToLinear(date.value) - span.value);
}

DvDateTimeSpan operator-(const DvDateTime& to, const DvDateTime& from) {
    DvDateTimeSpan s = spanOf(DvDateTime::ToLinear(to.value) - DvDateTime::ToLinear(from.value));
    if (!to.IsValid() || !from.IsValid()) s.status = DvDateTimeSpanStatus::Invalid;
    return s;
}

bool operator<(const DvDateTime& a, const DvDateTime& b) {
    return a.IsValid() && b.IsValid() && DvDateTime::ToLinear(a.value) < DvDateTime::ToLinear(b.value);
}

bool operator>(const DvDateTime& a, const DvDateTime& b) { return b < a; }

bool operator>=(const DvDateTime& a, const DvDateTime& b) {
    if (a.IsNull() && b.IsNull()) return true;
    return a.IsValid() && b.IsValid() && DvDateTime::ToLinear(a.value) >= DvDateTime::ToLinear(b.value);
}
