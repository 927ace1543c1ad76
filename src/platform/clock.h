#pragma once
// The game's one time source. Everything that needs the time of day, a
// millisecond counter or a busy wait goes through clock(), never through
// the OS, so a headless run can swap in a manual clock and stay
// deterministic.
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

namespace kv::platform {

using Micros = std::int64_t;  // microseconds since the clock started

class Clock {
   public:
    using Listener = std::function<void(Micros from, Micros to)>;

    virtual ~Clock() = default;

    // Monotonic time since the clock was created.
    virtual Micros nowMicros() const = 0;
    std::uint32_t nowMs() const { return std::uint32_t(nowMicros() / 1000); }

    // Returns once the clock has reached `moment`. The real clock sleeps
    // most of the wait and spins the last fraction of a millisecond; the
    // manual clock jumps there.
    virtual void waitUntil(Micros moment) = 0;
    void waitFor(Micros duration) { waitUntil(nowMicros() + duration); }

    // Called once per presented frame, after the picture went out. The
    // real clock does nothing (vertical sync already waited); the manual
    // clock moves to the next 1/60 s frame boundary.
    virtual void framePresented() = 0;

    // "Time advanced from t0 to t1" notifications. Only the manual clock
    // advances in steps, so only it calls listeners; on the real clock a
    // subscription is accepted and never called.
    int subscribe(Listener listener);
    void unsubscribe(int id);

   protected:
    void notifyAdvance(Micros from, Micros to);

   private:
    struct Subscription {
        int id;
        Listener listener;
    };
    std::vector<Subscription> subscriptions_;
    int nextId_ = 1;
};

class RealClock final : public Clock {
   public:
    RealClock();
    Micros nowMicros() const override;
    void waitUntil(Micros moment) override;
    void framePresented() override {}

   private:
    std::int64_t originNs_;
};

// Moves only when the game would wait: on a present (to the next frame
// boundary, as vertical sync would) and on busy waits (to the awaited
// moment). Starts at 0.
class ManualClock final : public Clock {
   public:
    static constexpr int kFramesPerSecond = 60;

    Micros nowMicros() const override { return now_; }
    void waitUntil(Micros moment) override;
    void framePresented() override;

    // Moves the clock forward to `moment` (never backwards), notifying
    // listeners. Tests use it to let time pass without a present.
    void advanceTo(Micros moment);

    // The first 1/60 s boundary strictly after `moment`.
    static Micros nextFrameBoundary(Micros moment);

   private:
    Micros now_ = 0;
};

// The process-wide clock: a RealClock until useManualClock() is called.
Clock& clock();
// Replaces the process-wide clock by a fresh manual clock at time 0 and
// returns it. Listeners of the previous clock are dropped.
ManualClock& useManualClock();
// Back to a fresh real clock (tests that switched to a manual one).
void useRealClock();

}  // namespace kv::platform
