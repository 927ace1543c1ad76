#pragma once
// Where a moment of the game clock falls in a sound card's output: a
// running estimate from the times its callbacks ask for buffers, plus a
// fixed lead, so a sound started for a moment the game has just run begins
// on its own frame, never in the past, always the same time later.
#include <atomic>
#include <cstdint>

namespace kv {

class OutputClock {
public:
    // The lead covers the display frame in which play runs its logic steps
    // late, one buffer of output being mixed, and one of callback jitter.
    static constexpr std::int64_t kDisplayFrameMicros = 1'000'000 / 60;

    OutputClock(int rate, int bufferFrames);

    // Audio thread: the render of the buffer that begins at output frame
    // `frame` began at clock time `micros`. True when the output ran dry
    // since the previous render (the card played silence): an underrun.
    bool renderBegan(std::int64_t micros, std::int64_t frame);

    // Game thread: the output frame a sound of clock time `micros` begins
    // at; 0 (at once) before the first callback.
    std::int64_t frameFor(std::int64_t micros) const;
    std::int64_t leadMicros() const { return leadMicros_; }

private:
    std::int64_t framesAt(std::int64_t micros) const { return micros * rate_ / 1'000'000; }

    int rate_;
    std::int64_t leadMicros_;
    std::int64_t slackFrames_;  // beyond this the estimate starts afresh
    // The audio thread's own: output frame minus the frames of the clock
    // time, smoothed over callbacks.
    double offset_ = 0.0;
    bool started_ = false;
    std::atomic<std::int64_t> published_{0};
    std::atomic<bool> running_{false};
};

}  // namespace kv
