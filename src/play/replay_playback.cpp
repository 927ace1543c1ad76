#include "play/replay_playback.h"

#include "play/long_notes.h"
#include "play/press_sample.h"
#include "play/run_outcome.h"
#include "play/timeline.h"

namespace kv {
namespace {

int markColour(const PlayConfig& config, int lane) {
    if (lane % 8 == 0) return 2;
    const bool narrowEvenLanes = config.line == 1 && config.style != Wave;
    return narrowEvenLanes && lane % 2 == 0 ? 1 : 0;
}

void releaseMark(PlayContext& ctx, int lane, int code) {
    for (ReplayMark& mark : ctx.play.marks) {
        if (mark.code != 0) continue;
        mark = ReplayMark{std::int16_t(code), lane, kEntryY, markColour(ctx.config, lane)};
        return;
    }
}

}  // namespace

void recordPress(PlayContext& ctx, int lane, int code) {
    Play& play = ctx.play;
    if (ctx.config.replay == ReplayOff || play.playCursor.measure < 0) return;
    play.replay.lanes[std::size_t(lane)].push(
        ReplayPress{std::int16_t(play.playCursor.measure), std::int16_t(play.playCursor.step), std::int16_t(code)});
}

void switchIntoPlaybackWhenDue(PlayContext& ctx) {
    Play& play = ctx.play;
    if (!replayWaiting(ctx) || play.playCursor.measure <= ctx.chart.lastMeasure) return;
    play.replayActive = 1;
    rewindTimeline(ctx);
    for (LaneState& lane : play.lanes) {
        lane.keyFlash = 0;
        lane.hitFlash = HitFlash{};
    }
    play.missFlag = false;
    play.combo = 0;
}

void releaseReplayMarks(PlayContext& ctx) {
    Play& play = ctx.play;
    if (!play.replayActive) return;
    for (int lane = 0; lane < kLaneCount; ++lane) {
        const auto& presses = play.replay.lanes[std::size_t(lane)];
        std::int32_t& index = play.lanes[std::size_t(lane)].playbackIndex;
        while (index < presses.size() && presses[index].measure <= play.spawnCursor.measure &&
               presses[index].step <= play.spawnCursor.step) {
            releaseMark(ctx, lane, presses[index].code);
            ++index;
        }
    }
}

void advanceReplayMarks(PlayContext& ctx) {
    for (ReplayMark& mark : ctx.play.marks) {
        if (mark.code == 0) continue;
        if (++mark.y <= kLineY) continue;
        // A release is silent; it ends the hold its press began.
        const bool release = mark.code == kReplayRelease;
        mark.code = 0;
        showHold(ctx.play, mark.lane, !release);
        if (!release) soundPress(ctx, mark.lane, false);
    }
}

}  // namespace kv
