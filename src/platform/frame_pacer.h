#pragma once
// Paces the play scene's drawing to MAXFPS: ahead of the schedule it waits,
// behind it keeps simulating but skips drawing until it has caught up.
#include <cstdint>

namespace kv {

struct FramePacer {
    std::int64_t period = 0;   // microseconds per frame
    std::int64_t balance = 0;  // microseconds behind (positive) or ahead (negative) of the schedule
    std::int64_t last = 0;     // the previous clock reading
};

FramePacer& framePacer();

// Starts a new schedule at `fps` frames per second (at least 1).
void resetPacer(int fps);

// Returns 1 when the caller should draw this frame, 0 when it should skip
// drawing. Waits on the platform clock while ahead.
int waitFrame();

}  // namespace kv
