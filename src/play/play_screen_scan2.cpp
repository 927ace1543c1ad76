#include "play/play_screen_scan2.h"

#include "media/gfx/blit.h"
#include "media/gfx/style_sheets.h"
#include "play/lane_objects.h"
#include "play/play_screen_panels.h"

namespace kv {

namespace {

constexpr int kStyleSlot = 3;
constexpr int kTopRail = 0, kBottomRail = 1, kMarker = 42, kHitSpark = 47, kJudgementFrame = 48;
constexpr int kRowsEnd = 407, kBottomRailY = 408;
constexpr int kSweepLeft = 30, kSweepAhead = 384;
constexpr double kSweepScale = 0.666;
constexpr int kProgressLeft = 3, kProgressTravel = 630;
constexpr int kKeySocketInset = 3;
constexpr int kJudgementFrameX = 98, kJudgementFrameAbove = 63;
constexpr int kMessageOff = 3;

// Where a note of this offset stands; it keeps its place as the scan
// position and its offset grow together.
float sweepOf(const LaneView& view, int offset) { return float(kSweepAhead - offset) + view.play.scanPosition; }

int sweepX(const LaneView& view, float sweep) {
    return kSweepLeft + int(kSweepScale * (double(sweep) + view.substep));
}

int rowHeight(const LaneView& view, int lane) {
    return view.sheet[kScanNotes + 2 * noteColour(view.config, lane)].height();
}

void addHitSparks(const LaneView& view, int lane, ScanSparks& sparks) {
    static constexpr int kDirections[][2] = {{3, 0}, {2, 2}, {-2, 2}, {-3, 0}, {-2, -2}, {2, -2}};
    const int half = view.sheet[kHitSpark].width() / 2;
    ScanSpark spark;
    spark.cell = kHitSpark;
    spark.sweep = sweepOf(view, noteOffset(view.play, view.config, kLineY));
    spark.row = view.laneX(lane) + rowHeight(view, lane) / 2 - half;
    for (const auto& direction : kDirections) {
        spark.vx = direction[0], spark.vy = direction[1];
        addScanSpark(sparks, spark);
    }
}

void addMissSpark(const LaneView& view, int lane, ScanSparks& sparks) {
    ScanSpark spark;
    spark.cell = kScanMissSparks + noteColour(view.config, lane);
    spark.sweep = sweepOf(view, noteOffset(view.play, view.config, kExitY));
    spark.row = view.laneX(lane);
    spark.vx = 2;  // trails on after the note that got away
    addScanSpark(sparks, spark);
}

}  // namespace

void catchScanSparks(Play& play, const LaneView& view, ScanSparks& sparks) {
    followScanSweep(sparks, play.scanPosition);
    for (int lane = 0; lane < kLaneCount; ++lane) {
        LaneState& state = play.lanes[std::size_t(lane)];
        if (view.shown(lane) && state.hitFlash.active) addHitSparks(view, lane, sparks);
        if (view.shown(lane) && state.missSpark) addMissSpark(view, lane, sparks);
        state.hitFlash = HitFlash{};
        state.missSpark = false;
    }
}

void drawScanBoard(const LaneView& view) {
    const LaneLayout& layout = view.layout;
    const int rowsTop = layout.laneOriginX;
    const bool keyed = view.keyedBoard();
    view.cell(kTopRail, 0, rowsTop - view.sheet[kTopRail].height(), keyed);
    view.cell(kBottomRail, 0, kBottomRailY, keyed);
    for (int i = 0; i < layout.stripCount; ++i) {
        const LaneStrip& strip = layout.strips[std::size_t(i)];
        view.cell(strip.sprite, layout.stripRowY, rowsTop + strip.x, keyed);
    }

    // The scan marker: a notch on the top rail and a line down the rows,
    // where a note at the line would stand.
    const Rect& marker = view.sheet[kMarker];
    const int noteWidth = view.sheet[kScanNotes].width();
    const int markerX = sweepX(view, sweepOf(view, noteOffset(view.play, view.config, kLineY))) + noteWidth / 2 - marker.width() / 2;
    view.cell(kMarker, markerX, rowsTop - marker.height());
    stretchSpriteKeyed(markerX + 2, rowsTop, markerX + marker.width() - 2, kRowsEnd, &marker, kStyleSlot);

    const int frame = view.play.noteFrame % 2;
    forEachVisibleNote(view, kLaneBands, [&](const PoolObject& object, int offset) {
        view.cell(kScanNotes + 2 * object.colour + frame, sweepX(view, sweepOf(view, offset)), view.laneX(object.lane));
    });
    // A long note's end stands where it is due, in the other animation frame.
    forEachVisibleNote(view, kLaneBands, [&](const PoolObject& object, int offset) {
        view.cell(kScanNotes + 2 * object.colour + 1 - frame, sweepX(view, sweepOf(view, offset)), view.laneX(object.lane));
    }, true);
    forEachReplayMark(view, [&](const ReplayMark& mark, int offset) {
        view.cell(kScanReplayMarks + 5 * mark.colour + mark.code, sweepX(view, sweepOf(view, offset)),
                  view.laneX(mark.lane));
    });
}

void drawScanProgress(const LaneView& view) {
    view.cell(kMarker, kProgressLeft + songProgress(view.play, view.chart, kProgressTravel), kBottomRailY);
}

void drawScanJudgementFrame(const LaneView& view) {
    if (view.chart.frame.backdropInUse || view.options.MSGPOS == kMessageOff || !view.layout.fixedMessageRow) return;
    view.cell(kJudgementFrame, kJudgementFrameX, *view.layout.fixedMessageRow - kJudgementFrameAbove);
}

void drawScanKeys(const LaneView& view) {
    const LaneLayout& layout = view.layout;
    for (int i = 0; i < layout.keyCount; ++i) {
        const int lane = layout.keyOrder[std::size_t(i)];
        const LaneSlot& slot = layout.lanes[std::size_t(lane)];
        const bool pressed = view.play.lanes[std::size_t(lane)].control != 0;
        view.cell(slot.keySprite, layout.keyRowY, view.laneX(lane));
        view.cell(pressed ? slot.pressedKeySprite : slot.beamSet, layout.keyRowY + kKeySocketInset, view.laneX(lane));
    }
}

void drawScanSparks(const LaneView& view, const ScanSparks& sparks) {
    for (const ScanSpark& spark : sparks.slots)
        if (spark.used) view.cell(spark.cell, sweepX(view, spark.sweep) + spark.dx, spark.row + spark.dy);
}

}  // namespace kv
