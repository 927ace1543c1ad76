#pragma once
// The play clock: wall time turns into sub-steps (for smooth scrolling)
// and whole logic steps, so the chart advances one step per step length
// whatever the frame rate.
#include "play/play_state.h"
#include "play/stops.h"

namespace kv {

// The most logic steps one frame runs (four standard measures); the rest of
// the frame's time is dropped. Far beyond any real chart's pace, it keeps a
// chart at an absurd tempo from freezing the game: it crawls through a few
// measures a frame instead.
constexpr int kMaxStepsPerFrame = 4 * kStandardMeasure;

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
        const bool standing = stopped(play);
        const double dueMs = standing ? nextStepMs(play) : tempo.tickMs;
        if (standing ? play.clock.stepClockMs < dueMs : play.clock.stepClockMs <= dueMs) break;
        if (steps == kMaxStepsPerFrame) {
            play.clock.stepClockMs = 0;
            break;
        }
        play.clock.stepClockMs -= dueMs;
        if (!standing) {
            tempo.substep += 1.0;
            if (tempo.substep < tempo.substepsPerStep) continue;
            tempo.substep -= tempo.substepsPerStep;
        }
        step();
        ++steps;
    }
    return steps;
}

}  // namespace kv
