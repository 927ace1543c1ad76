#pragma once
// One logic step of the play scene, from explicit state: the timeline, the
// player's presses, the puzzle check, the end keys, then spawning and
// moving the objects. The play scene, tests and the offline renderer all
// drive play through this.
#include "play/judgement.h"

namespace kv {

struct StepInput {
    LaneControls lanes{};
    LaneLateness lateSteps{};  // presses that reached us after their own step
    bool escape = false;  // ends the run
    bool retry = false;   // F11: play the chart again
    bool back = false;    // F12: back without the result screen
};

void runLogicStep(PlayContext& ctx, const StepInput& input);

// Escape, F11 and F12 as a logic step reads them (later keys win). The play
// scene also reads them in frames without a step, so a run at any tempo can
// be left.
void applyEndKeys(Play& play, const StepInput& input);

}  // namespace kv
