#include "platform/frame_pacer.h"

#include <algorithm>

#include "platform/clock.h"

namespace kv {

namespace {

std::int64_t readPacer() { return platform::clock().nowMicros(); }

void catchUp(FramePacer& pacer) {
    const std::int64_t now = readPacer();
    pacer.balance += now - pacer.last;
    pacer.last = now;
}

}  // namespace

FramePacer& framePacer() {
    static FramePacer pacer;
    return pacer;
}

void resetPacer(int fps) {
    FramePacer& pacer = framePacer();
    pacer.period = 1'000'000 / std::max(fps, 1);
    pacer.balance = 0;
    pacer.last = readPacer();
}

int waitFrame() {
    FramePacer& pacer = framePacer();
    catchUp(pacer);
    while (pacer.balance < 0) {
        // The clock sleeps most of the wait and spins the rest; a manual
        // clock jumps straight to the moment.
        platform::clock().waitUntil(pacer.last - pacer.balance);
        catchUp(pacer);
    }
    pacer.balance -= pacer.period;
    return pacer.balance < 0 ? 1 : 0;
}

}  // namespace kv
