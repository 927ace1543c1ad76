#include "play/lane_objects.h"

#include "play/long_notes.h"
#include "play/replay_playback.h"
#include "play/tallies.h"

namespace kv {
namespace {

PoolObject* freeSlot(Play& play) {
    for (PoolObject& object : play.pool)
        if (object.kind == 0) return &object;
    return nullptr;
}

void releaseNotes(PlayContext& ctx) {
    Play& play = ctx.play;
    const Cursor& spawn = play.spawnCursor;
    for (int lane = 0; lane < kLaneCount; ++lane) {
        const Lane& notes = ctx.chart.playLanes[std::size_t(lane)];
        std::int32_t& index = play.lanes[std::size_t(lane)].spawnIndex;
        while (index < notes.size() && notes[index].measure <= spawn.measure && notes[index].position <= spawn.step) {
            const ChartObject& note = notes[index++];
            if (PoolObject* slot = freeSlot(play)) {
                *slot = PoolObject{entryKind(note.kind), kEntryY, lane, note.sample, noteColour(ctx.config, lane)};
                slot->length = poolLength(ctx, note);
            }
        }
    }
}

void releaseBarLine(PlayContext& ctx) {
    const Cursor& spawn = ctx.play.spawnCursor;
    if (spawn.step != 0 || spawn.measure > ctx.chart.lastMeasure + 1) return;
    for (BarLine& bar : ctx.play.bars) {
        if (bar.used) continue;
        bar = BarLine{true, kEntryY};
        return;
    }
}

// The lane's next keysound switches at the midpoint between the note that
// just arrived and the one after it.
void noteArrived(PlayContext& ctx, int laneNumber) {
    Play& play = ctx.play;
    LaneState& lane = play.lanes[std::size_t(laneNumber)];
    const Lane& notes = ctx.chart.playLanes[std::size_t(laneNumber)];
    if (lane.lineIndex < notes.size() - 1) {
        const ChartObject& arrived = notes[lane.lineIndex];
        const ChartObject& next = notes[lane.lineIndex + 1];
        lane.switchAbsStep = (absoluteStep(play.measureStarts, arrived.measure, arrived.position) +
                              absoluteStep(play.measureStarts, next.measure, next.position)) / 2;
        lane.switchPassed = false;
    }
    ++lane.lineIndex;
}

void reachLine(PlayContext& ctx, PoolObject& object) {
    Play& play = ctx.play;
    ++object.kind;
    // Notes the game plays itself hold their long notes to the end.
    const bool playedByGame = object.kind < 0x40 && (play.autoplayActive || object.kind >= 0x10);
    if (playedByGame && object.length > 0) object.hold = Holding;
    if (object.kind < 0x40 && play.autoplayActive) {
        ctx.sound.playSample(object.sample);
        return;
    }
    // Doubled and auto notes always sound here; invisible ones never do.
    if (object.kind >= 0x10 && object.kind < 0x40) {
        ctx.sound.playSample(object.sample);
        if (ctx.config.style == Bonus) play.lanes[std::size_t(object.lane)].keyFlash = 10;
    }
    noteArrived(ctx, object.lane);
}

// A long note leaves once its end has; a missed head is charged as it passes.
void leaveLane(PlayContext& ctx, PoolObject& object) {
    Play& play = ctx.play;
    const bool unhitPlayable = object.kind < 4;
    if (endY(object) > kExitY) object.kind = 0;
    else if (unhitPlayable) object.kind += kHitKept;
    if (!unhitPlayable || play.autoplayActive || play.replayActive) return;
    chargePassedNote(ctx);
    if (ctx.config.style == Scan2) play.lanes[std::size_t(object.lane)].missSpark = true;
}

}  // namespace

int entryKind(NoteKind kind) {
    switch (kind) {
        case NoteKind::Doubled: return kKindDoubled;
        case NoteKind::Auto: return kKindAuto;
        case NoteKind::Invisible: return kKindInvisible;
        default: return kApproaching;
    }
}

int noteColour(const PlayConfig& config, int lane) {
    if (lane % 8 == 0) return 3;
    if (lane % 2 == 1) return 0;
    return config.line == 1 && config.style != Wave ? 2 : 1;
}

void spawnObjects(PlayContext& ctx) {
    releaseNotes(ctx);
    releaseReplayMarks(ctx);
    releaseBarLine(ctx);
}

void reachLineWhileStopped(PlayContext& ctx) {
    for (PoolObject& object : ctx.play.pool)
        if ((object.kind & 3) == kApproaching && object.y >= kLineY) reachLine(ctx, object);
}

void advanceObjects(PlayContext& ctx) {
    for (PoolObject& object : ctx.play.pool) {
        if (object.kind == 0) continue;
        ++object.y;
        const int phase = object.kind & 3;
        if (phase == kApproaching && object.y > kLineY) reachLine(ctx, object);
        else if (phase == kPastLine && object.y > kExitY) leaveLane(ctx, object);
        finishHold(object);
    }
    advanceReplayMarks(ctx);
    for (BarLine& bar : ctx.play.bars)
        if (bar.used && ++bar.y > kExitY) bar.used = false;
}

}  // namespace kv
