#include "media/audio/output_clock.h"

#include <algorithm>
#include <cmath>

namespace kv {
namespace {

// Each callback moves the estimate this part of the way to what it saw:
// smooth enough to hide scheduling jitter, quick enough to follow a card
// whose crystal runs a little fast or slow.
constexpr double kSmoothing = 1.0 / 32.0;
// Jitter beyond this many buffers is not jitter: the card stalled (it ran
// dry) or the callbacks came in a burst.
constexpr int kSlackBuffers = 4;

}  // namespace

OutputClock::OutputClock(int rate, int bufferFrames)
    : rate_(std::max(rate, 1)),
      leadMicros_(kDisplayFrameMicros + 2 * std::int64_t(std::max(bufferFrames, 1)) * 1'000'000 / rate_),
      slackFrames_(kSlackBuffers * std::int64_t(std::max(bufferFrames, 1))) {}

bool OutputClock::renderBegan(std::int64_t micros, std::int64_t frame) {
    const double seen = double(frame - framesAt(micros));
    bool ranDry = false;
    if (!started_ || std::abs(seen - offset_) > double(slackFrames_)) {
        // A card that fell behind the clock played silence in between.
        ranDry = started_ && seen < offset_;
        offset_ = seen;
        started_ = true;
    } else {
        offset_ += (seen - offset_) * kSmoothing;
    }
    published_.store(std::llround(offset_), std::memory_order_relaxed);
    running_.store(true, std::memory_order_release);
    return ranDry;
}

std::int64_t OutputClock::frameFor(std::int64_t micros) const {
    if (!running_.load(std::memory_order_acquire)) return 0;
    return framesAt(micros + leadMicros_) + published_.load(std::memory_order_relaxed);
}

}  // namespace kv
