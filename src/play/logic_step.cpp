#include "play/logic_step.h"

#include "play/lane_objects.h"
#include "play/stops.h"
#include "play/timeline.h"

namespace kv {

void runLogicStep(PlayContext& ctx, const StepInput& input) {
    Play& play = ctx.play;
    // During a stop the chart stands still and only the keys are read.
    const bool standing = stopped(play);
    if (standing) {
        spendStopStep(play);
        reachLineWhileStopped(ctx);
    } else {
        timelineStep(ctx, false);
    }
    if (ctx.config.style != Bonus) judgeKeys(ctx, input.lanes, input.lateSteps);
    if (ctx.mission && play.cleared == 0 && missionLostEarly(*ctx.mission, play, ctx.chart)) play.cleared = -1;
    applyEndKeys(play, input);
    if (standing) return;
    spawnObjects(ctx);
    advanceObjects(ctx);
}

void applyEndKeys(Play& play, const StepInput& input) {
    // Later keys win: F12 over F11 over Escape.
    if (input.escape) play.endState = Escaped;
    if (input.retry) play.endState = Retry;
    if (input.back) play.endState = Back;
}

}  // namespace kv
