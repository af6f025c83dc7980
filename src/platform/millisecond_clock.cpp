#include "platform/millisecond_clock.h"

#include <chrono>

namespace dv {
namespace {

const MillisecondClock* installed = nullptr;

}  // namespace

int64_t SteadyMillisecondClock::milliseconds() const {
    using namespace std::chrono;
    return duration_cast<std::chrono::milliseconds>(steady_clock::now().time_since_epoch()).count();
}

const MillisecondClock& millisecondClock() {
    static const SteadyMillisecondClock steady;
    return installed ? *installed : steady;
}

void setMillisecondClock(const MillisecondClock* c) { installed = c; }

}  // namespace dv
