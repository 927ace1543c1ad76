#include "play/run_outcome.h"

namespace kv {
namespace {

// Whether the REPLAY option can apply to this run at all.
bool replayApplies(const PlayConfig& config) {
    return config.replay != ReplayOff && !config.course && !config.eternal && config.style != Bonus;
}

int outcomeAtChartEnd(const PlayContext& ctx) {
    const Play& play = ctx.play;
    const bool bonus = ctx.config.style == Bonus;
    if (ctx.mission && missionLostAtEnd(*ctx.mission, play, ctx.chart)) return -1;
    switch (ctx.config.gauge) {
        case Survival: return 1;
        case HighScore: return play.score >= ctx.chart.scoreTarget || bonus ? 1 : -1;
        default: return play.gauge >= kGrooveClearGauge || bonus ? 1 : -1;
    }
}

}  // namespace

bool replayWaiting(const PlayContext& ctx) {
    return replayApplies(ctx.config) && !ctx.play.replayActive && !ctx.play.autoplayActive;
}

void decideRunOutcome(PlayContext& ctx) {
    Play& play = ctx.play;
    const int measure = play.playCursor.measure;
    if (play.cleared == 0) {
        if (measure > ctx.chart.lastMeasure && !replayWaiting(ctx)) play.cleared = outcomeAtChartEnd(ctx);
        if ((ctx.config.gauge == Survival || ctx.config.style == Bonus) && play.gauge <= 0.0f) play.cleared = -1;
        // The count-down below takes it to the end in this same step.
        if (ctx.config.perfect2 && play.missCount >= 1) play.cleared = -kOutcomeSteps;
    }

    if (play.cleared > 0) {
        if (play.autoplayActive) play.cleared = 1;
        else if (++play.cleared > kOutcomeSteps) play.endState = SongOver;
    } else if (play.cleared < 0) {
        if (--play.cleared < -kOutcomeSteps) play.endState = SongOver;
    }
    if (measure > ctx.chart.lastMeasure + 2 && !replayApplies(ctx.config)) play.endState = SongOver;
    // Autoplay ends only by the player's keys.
    if (play.autoplayActive) play.endState = Running;
}

}  // namespace kv
