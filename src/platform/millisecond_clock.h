#pragma once
// Elapsed time in milliseconds, for rules that give up after a while (the quick search stops
// reading item contents 1500 ms into a pass). The seconds clock in clock.h cannot measure that,
// and tests need the moment a budget runs out to be exact.
#include <cstdint>

namespace dv {

class MillisecondClock {
public:
    virtual ~MillisecondClock() = default;
    /// A reading that only ever grows; its zero means nothing.
    virtual int64_t milliseconds() const = 0;
};

/// The monotonic system clock: unaffected by changes of the wall time.
class SteadyMillisecondClock final : public MillisecondClock {
public:
    int64_t milliseconds() const override;
};

/// Starts at `start` and moves on by `step` after every reading, so a test decides which reading
/// is the first one past a budget.
class FakeMillisecondClock final : public MillisecondClock {
public:
    explicit FakeMillisecondClock(int64_t start = 0, int64_t step = 0) : now_(start), step_(step) {}
    int64_t milliseconds() const override {
        const int64_t reading = now_;
        now_ += step_;
        ++readings_;
        return reading;
    }
    void set(int64_t now) { now_ = now; }
    void setStep(int64_t step) { step_ = step; }
    int readings() const { return readings_; }

private:
    mutable int64_t now_;
    int64_t step_;
    mutable int readings_ = 0;
};

/// The clock in use; the steady clock unless a test installed another.
const MillisecondClock& millisecondClock();
/// Installs `c` (nullptr restores the steady clock). The caller keeps ownership.
void setMillisecondClock(const MillisecondClock* c);

}  // namespace dv
