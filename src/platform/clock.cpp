#include "platform/clock.h"

#include <algorithm>
#include <chrono>
#include <thread>

namespace kv::platform {

int Clock::subscribe(Listener listener) {
    subscriptions_.push_back({nextId_, std::move(listener)});
    return nextId_++;
}

void Clock::unsubscribe(int id) {
    std::erase_if(subscriptions_, [id](const Subscription& s) { return s.id == id; });
}

void Clock::notifyAdvance(Micros from, Micros to) {
    // A copy, so a listener may subscribe or unsubscribe while being told.
    const auto current = subscriptions_;
    for (const auto& s : current) s.listener(from, to);
}

namespace {

std::int64_t steadyNs() {
    return std::chrono::duration_cast<std::chrono::nanoseconds>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

// Sleeping is coarse; the last stretch of a wait spins so the moment is hit
// to the microsecond.
constexpr Micros kSpinMicros = 1500;

}  // namespace

RealClock::RealClock() : originNs_(steadyNs()) {}

Micros RealClock::nowMicros() const { return (steadyNs() - originNs_) / 1000; }

void RealClock::waitUntil(Micros moment) {
    const Micros remaining = moment - nowMicros();
    if (remaining > kSpinMicros) std::this_thread::sleep_for(std::chrono::microseconds(remaining - kSpinMicros));
    while (nowMicros() < moment) {
    }
}

Micros ManualClock::nextFrameBoundary(Micros moment) {
    // Boundary k lies at ceil(k * 1e6 / 60) microseconds.
    auto boundary = [](Micros k) { return (k * 1'000'000 + kFramesPerSecond - 1) / kFramesPerSecond; };
    Micros k = std::max<Micros>(0, moment) * kFramesPerSecond / 1'000'000;
    while (boundary(k) <= moment) ++k;
    return boundary(k);
}

void ManualClock::advanceTo(Micros moment) {
    if (moment <= now_) return;
    const Micros from = now_;
    now_ = moment;
    notifyAdvance(from, now_);
}

void ManualClock::waitUntil(Micros moment) { advanceTo(moment); }

void ManualClock::framePresented() { advanceTo(nextFrameBoundary(now_)); }

namespace {

std::unique_ptr<Clock>& theClock() {
    static std::unique_ptr<Clock> clock = std::make_unique<RealClock>();
    return clock;
}

}  // namespace

Clock& clock() { return *theClock(); }

ManualClock& useManualClock() {
    auto manual = std::make_unique<ManualClock>();
    ManualClock& result = *manual;
    theClock() = std::move(manual);
    return result;
}

void useRealClock() { theClock() = std::make_unique<RealClock>(); }

}  // namespace kv::platform
