#include "play/run_start.h"

#include "play/lane_objects.h"
#include "play/replay_file.h"
#include "play/scroll_speed.h"
#include "play/tallies.h"
#include "play/timeline.h"

namespace kv {
namespace {

void resetObjects(Play& play) {
    play.pool.fill(PoolObject{});
    play.bars.fill(BarLine{});
    play.marks.fill(ReplayMark{});
    play.lanes.fill(LaneState{});
    play.bars[0] = BarLine{true, kEntryY};
    play.bonus = BonusState{};
}

void resetTallies(Play& play, bool continueCourse) {
    play.courseScore = continueCourse ? play.courseScore + play.score : 0;
    if (!continueCourse) play.combo = play.maxCombo = 0;
    play.score = play.bonusScore = 0;
    play.coolCount = play.greatCount = play.goodCount = play.breakCount = play.missCount = 0;
    play.absorbedMisses = 0;
    play.missFlag = false;
    play.gaugeBarTarget = 0;
    play.judge = JudgeDisplay{};
}

void resetReplay(PlayContext& ctx) {
    Play& play = ctx.play;
    const PlayConfig& config = ctx.config;
    play.replayActive = 0;
    play.replay.clear();
    const bool mayLoad = config.replay == ReplayLoad && config.freePlay() && config.style != Bonus && config.objectNormal;
    if (mayLoad && loadReplay(config.replayFile, config.chartChecksum, play.replay)) play.replayActive = 1;
}

}  // namespace

void resetRun(PlayContext& ctx, bool continueCourse) {
    Play& play = ctx.play;
    play.autoplayActive = ctx.chart.autoplayActive;
    play.autoScratch = ctx.chart.autoScratch;
    play.endState = Running;
    play.cleared = 0;
    resetObjects(play);
    resetTallies(play, continueCourse);
    resetReplay(ctx);
    play.gauge = startingGauge(play, ctx.config, continueCourse);
    if (ctx.mission && ctx.mission->startGauge) play.gauge = *ctx.mission->startGauge;

    play.speed = SpeedState{};
    play.speed.freeSpeed = ctx.config.freeSpeed;
    play.tempo = TempoState{};
    play.tempo.substepsPerStep = initialSubsteps(ctx.config);
    play.scanPosition = 0;
    play.clock = PlayClock{};
    rewindTimeline(ctx);
}

void startRun(PlayContext& ctx, bool continueCourse) {
    resetRun(ctx, continueCourse);
    for (int step = 0; step < kPreRollSteps; ++step) {
        timelineStep(ctx, true);
        spawnObjects(ctx);
        advanceObjects(ctx);
    }
}

}  // namespace kv
