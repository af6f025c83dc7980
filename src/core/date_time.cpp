#include "core/date_time.h"

#include <cmath>

namespace {

// Day 0 is 30 December 1899; days_from_civil counts from 1 January 1970.
constexpr long long kEpochOffset = 25569;
constexpr double kMaxDays = 2958465.99999;  // 31 December 9999
constexpr double kMinDays = -657434.0;      // 1 January 100

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

}  // namespace

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

bool DvDateTime::ToCivil(dv::CivilTime& out) const {
    if (!IsValid() || !std::isfinite(value) || value > kMaxDays || value < kMinDays) return false;
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
