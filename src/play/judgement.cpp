#include "play/judgement.h"

#include <cstdlib>

#include "play/long_notes.h"
#include "play/press_sample.h"
#include "play/replay_playback.h"
#include "play/tallies.h"

namespace kv {
namespace {

bool judgeable(const PoolObject& object) { return object.kind >= 1 && object.kind <= 3; }

// Objects move one unit a step, so `stepsAgo` steps back each stood that
// much higher.
int distanceFromLine(const PoolObject& object, int stepsAgo) { return std::abs(object.y - stepsAgo - kLineY); }

// The judgeable note of the lane nearest the line `stepsAgo` steps ago, or -1.
int aimedNote(const Play& play, int lane, int stepsAgo) {
    int best = -1;
    int bestDistance = kLineY;
    for (int slot = 0; slot < kObjectPoolSize; ++slot) {
        const PoolObject& object = play.pool[std::size_t(slot)];
        if (object.lane != lane || !judgeable(object) || distanceFromLine(object, stepsAgo) >= bestDistance) continue;
        best = slot;
        bestDistance = distanceFromLine(object, stepsAgo);
    }
    return best;
}

bool laneHasObject(const Play& play, int lane) {
    for (const PoolObject& object : play.pool)
        if (object.kind != 0 && object.lane == lane) return true;
    return false;
}

int nearestOtherNote(const Play& play, int slot) {
    const int y = play.pool[std::size_t(slot)].y;
    int nearest = -1;
    for (int other = 0; other < kObjectPoolSize; ++other) {
        const PoolObject& object = play.pool[std::size_t(other)];
        if (other == slot || !judgeable(object)) continue;
        const int distance = std::abs(object.y - y);
        if (nearest < 0 || distance < nearest) nearest = distance;
    }
    return nearest;
}

JudgementCode judgeDistance(int d, const Chart& chart, const PlayConfig& config) {
    const auto& w = chart.judgeWindows;
    if (d < w[0] && !config.igCool) return Cool;
    if (d < w[1]) return Great;
    if (d < w[2]) return Good;
    if (d < w[3]) return Break;
    return Miss;
}

void hitNote(PlayContext& ctx, PoolObject& note, JudgementCode code) {
    if (code == Cool || code == Great) ctx.play.lanes[std::size_t(note.lane)].hitFlash = HitFlash{true, code == Great, 1};
    if (note.length > 0 && code != Miss) {
        note.kind += kHitKept;  // a long note stays to be held
        startHold(note, code);
    } else if (code == Cool || code == Great) {
        note.kind += kHitVanish;
    } else if (code == Good || code == Break) {
        note.kind += kHitKept;
    }
}

// Judges a new press; returns the code a replay records (MISS also for a
// press that judged nothing).
JudgementCode judgePress(PlayContext& ctx, int lane, int stepsAgo) {
    Play& play = ctx.play;
    const int slot = aimedNote(play, lane, stepsAgo);
    if (slot < 0) {
        if (!ctx.config.igMiss && laneHasObject(play, lane)) chargeMiss(ctx);
        return Miss;
    }
    PoolObject& note = play.pool[std::size_t(slot)];
    const int c = chordFactor(nearestOtherNote(play, slot));
    const JudgementCode code = judgeDistance(distanceFromLine(note, stepsAgo), ctx.chart, ctx.config);
    if (code == Cool) play.bonusScore += 2 * c;
    if (code == Great) play.bonusScore += c;
    if (code != Miss || !ctx.config.igMiss) applyJudgement(ctx, code);
    hitNote(ctx, note, code);
    updateScore(ctx);
    return code;
}

// Anything worse than GREAT on show.
bool badJudgementShowing(const JudgeDisplay& judge) {
    return judge.phase != 0 && judge.code > judgementImage(Great);
}

}  // namespace

int chordFactor(int distance) {
    if (distance <= 0) return 1;  // no other note, or an exact chord
    if (distance < 19) return 4;
    if (distance < 37) return 3;
    if (distance < 73) return 2;
    return 1;
}

void advanceJudgeDisplay(JudgeDisplay& judge) {
    // Phase n lasts until the age passes its limit, then the next frame shows.
    static constexpr int kPhaseEnd[] = {0, 4, 8, 12, 50};
    if (judge.phase < 1 || judge.phase > 4 || judge.age <= kPhaseEnd[judge.phase]) return;
    if (judge.phase == 4) {
        judge.phase = 0;
        return;
    }
    ++judge.phase;
    ++judge.image;
}

void judgeKeys(PlayContext& ctx, const LaneControls& controls, const LaneLateness& lateSteps) {
    Play& play = ctx.play;
    advanceJudgeDisplay(play.judge);
    if (play.autoplayActive || play.replayActive) {
        play.judge.phase = 10;
        play.judge.image = play.autoplayActive ? kAutoplayImage : kPlaybackImage;
        return;
    }
    for (int lane = 0; lane < kLaneCount; ++lane) {
        if (play.autoScratch == 2 && lane % 8 == 0) continue;  // the game plays the turntables
        LaneState& state = play.lanes[std::size_t(lane)];
        state.previousControl = state.control;
        state.control = controls[std::size_t(lane)];
        if (state.control != 0) state.keyFlash = 10;
        followHold(ctx, lane, state.control != 0);
        const bool newPress = (state.control == 1 || state.control == 2) && state.control != state.previousControl;
        if (!newPress) continue;

        const JudgementCode code = play.cleared >= 0 ? judgePress(ctx, lane, lateSteps[std::size_t(lane)]) : Miss;
        soundPress(ctx, lane, ctx.config.missPitch && badJudgementShowing(play.judge));
        recordPress(ctx, lane, code);
    }
}

}  // namespace kv
