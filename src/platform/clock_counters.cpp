#include "platform/clock_counters.h"

#include "platform/clock.h"

namespace kv {

namespace {
std::int64_t nowMs() { return platform::clock().nowMicros() / 1000; }
}  // namespace

double MsCounter::value() const { return offset_ + double(nowMs() - originMs_); }

void MsCounter::set(double ms) {
    offset_ = ms;
    originMs_ = nowMs();
}

void MsCounter::take(double ms) { offset_ -= ms; }

bool MsCounter::takeStep(double stepMs) {
    if (value() <= 0.0) return false;
    take(stepMs);
    return true;
}

Clock& clockCounters() {
    static Clock counters;
    return counters;
}

}  // namespace kv
