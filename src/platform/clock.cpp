#include "platform/clock.h"

#include <ctime>

namespace dv {
namespace {

const Clock* installed = nullptr;

}  // namespace

CivilTime SystemClock::now() const {
    const std::time_t t = std::time(nullptr);
    std::tm tm{};
    localtime_r(&t, &tm);
    return fromTm(tm);
}

std::tm toTm(const CivilTime& t) {
    std::tm tm{};
    tm.tm_year = t.year - 1900;
    tm.tm_mon = t.month - 1;
    tm.tm_mday = t.day;
    tm.tm_hour = t.hour;
    tm.tm_min = t.minute;
    tm.tm_sec = t.second;
    tm.tm_isdst = -1;
    return tm;
}

CivilTime fromTm(const std::tm& tm) {
    return {tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday, tm.tm_hour, tm.tm_min, tm.tm_sec};
}

long long Clock::epochSeconds() const {
    std::tm tm = toTm(now());
    return static_cast<long long>(std::mktime(&tm));
}

long long SystemClock::epochSeconds() const { return static_cast<long long>(std::time(nullptr)); }

void FakeClock::advanceSeconds(long long seconds) {
    std::tm tm = toTm(current_);
    // Civil arithmetic in UTC avoids daylight-saving jumps in tests.
    const std::time_t t = timegm(&tm) + static_cast<std::time_t>(seconds);
    gmtime_r(&t, &tm);
    current_ = fromTm(tm);
}

const Clock& clock() {
    static const SystemClock system;
    return installed ? *installed : system;
}

void setClock(const Clock* c) { installed = c; }

}  // namespace dv
