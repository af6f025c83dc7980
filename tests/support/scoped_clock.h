#pragma once
// Installs a fake clock for the lifetime of a test, so stamps such as "modified" are exact.
#include "core/date_time.h"
#include "platform/clock.h"

namespace dvtest {

class ScopedFakeClock {
public:
    explicit ScopedFakeClock(dv::CivilTime start) : clock_(start) { dv::setClock(&clock_); }
    ~ScopedFakeClock() { dv::setClock(nullptr); }
    ScopedFakeClock(const ScopedFakeClock&) = delete;
    ScopedFakeClock& operator=(const ScopedFakeClock&) = delete;

    void advanceSeconds(long long s) { clock_.advanceSeconds(s); }
    DvDateTime now() const { return DvDateTime::FromCivil(clock_.now()); }

private:
    dv::FakeClock clock_;
};

}  // namespace dvtest
