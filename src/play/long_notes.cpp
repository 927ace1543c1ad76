#include "play/long_notes.h"

#include "play/replay_playback.h"
#include "play/tallies.h"

namespace kv {
namespace {

PoolObject* heldNote(Play& play, int lane) {
    for (PoolObject& object : play.pool)
        if (object.kind != 0 && object.lane == lane && object.hold == Holding) return &object;
    return nullptr;
}

}  // namespace

int poolLength(const PlayContext& ctx, const ChartObject& note) {
    if (!note.isLong() || ctx.config.style == Bonus) return 0;
    const MeasureStarts& starts = ctx.play.measureStarts;
    return absoluteStep(starts, note.endMeasure, note.endPosition) - absoluteStep(starts, note.measure, note.position);
}

void startHold(PoolObject& note, JudgementCode code) {
    if (note.length <= 0 || code == Break || code == Miss) return;
    note.hold = Holding;
    note.holdCode = code;
}

void followHold(PlayContext& ctx, int lane, bool keyDown) {
    if (keyDown) return;
    PoolObject* note = heldNote(ctx.play, lane);
    if (!note) return;
    recordPress(ctx, lane, kReplayRelease);
    // The release needs no timing of its own once the end is near.
    const int endDistance = kLineY - endY(*note);
    if (endDistance < ctx.chart.judgeWindows[2]) {
        note->kind = 0;
        return;
    }
    note->hold = HoldBroken;
    breakHeldNote(ctx, JudgementCode(note->holdCode));
}

void showHold(Play& play, int lane, bool held) {
    if (!held) {
        if (PoolObject* note = heldNote(play, lane)) note->hold = NotHeld;
        return;
    }
    for (PoolObject& object : play.pool) {
        const bool headAtLine = (object.kind & 3) == kPastLine && endY(object) < kLineY;
        if (object.kind != 0 && object.lane == lane && object.length > 0 && headAtLine) object.hold = Holding;
    }
}

void finishHold(PoolObject& object) {
    if (object.hold == Holding && endY(object) >= kLineY) object.kind = 0;
}

}  // namespace kv
