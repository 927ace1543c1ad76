#pragma once
// The play clock: wall time turns into sub-steps (for smooth scrolling)
// and whole logic steps, so the chart advances one step per step length
// whatever the frame rate.
#include "play/play_state.h"
#include "play/stops.h"

namespace kv {

// Adds elapsed wall time and runs `step()` for every logic step now due;
// stops early once the run has ended. Returns the number of steps run.
template <class Step>
int runDueSteps(Play& play, double elapsedMs, Step step) {
    play.clock.stepClockMs += elapsedMs;
    play.clock.bonusClockMs += elapsedMs;
    int steps = 0;
    TempoState& tempo = play.tempo;
    while (play.endState == Running) {
        // A stop's steps take wall time whole; the scroll's sub-steps wait.
        if (stopped(play)) {
            const double stepMs = nextStepMs(play);
            if (play.clock.stepClockMs < stepMs) break;
            play.clock.stepClockMs -= stepMs;
            step();
            ++steps;
            continue;
        }
        if (play.clock.stepClockMs <= tempo.tickMs) break;
        play.clock.stepClockMs -= tempo.tickMs;
        tempo.substep += 1.0;
        if (tempo.substep < tempo.substepsPerStep) continue;
        tempo.substep -= tempo.substepsPerStep;
        step();
        ++steps;
    }
    return steps;
}

}  // namespace kv
