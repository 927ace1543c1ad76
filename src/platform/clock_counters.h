#pragma once
// The millisecond counters that pace menu animation, the frame-rate meter
// and play-screen animation. They grow by one per millisecond of the
// platform clock; scenes reset them and take time out of them. Deriving
// them from the clock when read (instead of a ticking timer thread) keeps
// headless runs deterministic.
#include <cstdint>

namespace kv {

class MsCounter {
public:
    // Milliseconds accumulated since the last set(), less what was taken.
    double value() const;
    void set(double ms);
    void take(double ms);
    // One animation step: when the counter is above 0, takes `stepMs` and
    // returns true. Menu loops run `while (menuMs.takeStep(12.0))`.
    bool takeStep(double stepMs);

private:
    double offset_ = 0.0;
    std::int64_t originMs_ = 0;
};

struct Clock {
    MsCounter menuMs;  // menu screens: 12 ms logic steps
    MsCounter fpsMs;   // play screen's frames-per-second meter
    MsCounter animMs;  // play and select animations, in 10 ms steps
};

// The game's one set of counters.
Clock& clockCounters();

}  // namespace kv
