#pragma once
// The one source of "now": local time in whole seconds. Tests install a FakeClock.
#include <ctime>

namespace dv {

struct CivilTime {
    int year = 1899, month = 12, day = 30, hour = 0, minute = 0, second = 0;
    friend bool operator==(const CivilTime&, const CivilTime&) = default;
};

/// The C library's broken-down time for these fields (no day of week, daylight saving unknown).
std::tm toTm(const CivilTime& t);
CivilTime fromTm(const std::tm& tm);

class Clock {
public:
    virtual ~Clock() = default;
    virtual CivilTime now() const = 0;
    /// Seconds since 1 January 1970 UTC; by default the local civil time read back through the
    /// time zone, which is what a fake clock needs.
    virtual long long epochSeconds() const;
};

class SystemClock final : public Clock {
public:
    CivilTime now() const override;
    long long epochSeconds() const override;
};

class FakeClock final : public Clock {
public:
    explicit FakeClock(CivilTime start) : current_(start) {}
    CivilTime now() const override { return current_; }
    void set(CivilTime t) { current_ = t; }
    void advanceSeconds(long long seconds);

private:
    CivilTime current_;
};

/// The clock in use; the system clock unless a test installed another.
const Clock& clock();
/// Installs `c` (nullptr restores the system clock). The caller keeps ownership.
void setClock(const Clock* c);

}  // namespace dv
