#include "play/play_screen_lanes.h"

#include <algorithm>

#include "media/gfx/blit.h"
#include "media/gfx/style_sheets.h"
#include "play/play_screen_panels.h"

namespace kv {

namespace {

constexpr int kStyleSlot = 3;
constexpr int kSeparator = 43, kBarLine = 44, kProgressMarker = 60;
constexpr int kProgressBottom = 422, kProgressTravel = 400;
constexpr int kUpwayNoteBase = 440, kUpwayBarBase = 453;

bool upway(const LaneView& view) { return view.config.style == Upway; }

int noteY(const LaneView& view, int offset) {
    return upway(view) ? kUpwayNoteBase - view.substep - offset : offset + view.substep;
}

int barY(const LaneView& view, int offset) {
    return upway(view) ? kUpwayBarBase - view.substep - offset : offset + view.substep;
}

void strips(const LaneView& view) {
    const LaneLayout& layout = view.layout;
    const bool keyed = view.keyedBoard();
    for (int i = 0; i < layout.stripCount; ++i) {
        const LaneStrip& strip = layout.strips[std::size_t(i)];
        view.cell(strip.sprite, layout.laneOriginX + strip.x, layout.stripRowY, keyed);
    }
    if (layout.separatorX >= 0)
        for (int dx = 0; dx < kSideSeparatorWidth; ++dx)
            view.cell(kSeparator, layout.laneOriginX + layout.separatorX + dx, layout.stripRowY, keyed);
}

void beams(const LaneView& view) {
    for (int lane = 0; lane < kLaneCount; ++lane) {
        if (!view.shown(lane)) continue;
        const int timer = view.play.lanes[std::size_t(lane)].keyFlash;
        // INVERSE lights the lanes whose keys are up instead.
        int frame = -1;
        if (view.options.INVERSE) frame = timer < 10 ? (9 - timer) / 4 : -1;
        else if (timer > 0) frame = std::min(timer / 4, 2);
        if (frame < 0) continue;
        const LaneSlot& slot = view.layout.lanes[std::size_t(lane)];
        const int cell = slot.beamSet + frame;
        view.cell(cell, view.laneX(lane) + (slot.noteWidth - view.sheet[cell].width()) / 2, view.layout.beamRowY);
    }
}

void barLines(const LaneView& view) {
    Rect line = view.sheet[kBarLine];
    line.right = std::min(line.right, line.left + view.layout.lanesWidth);
    for (const BarLine& bar : view.play.bars) {
        if (!bar.used) continue;
        const int offset = barOffset(view.play, view.config, bar.y);
        if (barLineVisible(offset)) drawSprite(view.layout.laneOriginX, barY(view, offset), &line, kStyleSlot);
    }
}

// A long note's body runs from its end down to its head (held: to the
// line), under the note sprites and whatever VIEW hides of them.
void longNoteBodies(const LaneView& view) {
    const int noteHeight = view.sheet[kBemusicNotes].height();
    const int lineOffset = noteOffset(view.play, view.config, kLineY);
    for (const PoolObject& object : view.play.pool) {
        if (object.kind == 0 || object.length <= 0 || object.kind >= 0x40 || !view.shown(object.lane)) continue;
        const int head = noteOffset(view.play, view.config, drawnHeadY(object));
        if (head == kNotDrawn) continue;
        const int end = std::max(0, noteOffset(view.play, view.config, endY(object)));
        const int bottom = std::min(head, lineOffset + noteHeight);
        if (bottom <= end) continue;
        const int a = noteY(view, end) + noteHeight / 2, b = noteY(view, bottom) + noteHeight / 2;
        const int cell = (object.hold == Holding ? kBemusicHeldBodies : kBemusicLongBodies) + object.colour;
        const Rect& body = view.sheet[cell];
        const int x = view.laneX(object.lane);
        stretchSpriteKeyed(x, std::min(a, b), x + body.width(), std::max(a, b), &body, kStyleSlot);
    }
}

void notes(const LaneView& view) {
    longNoteBodies(view);
    forEachVisibleNote(view, kLaneBands, [&](const PoolObject& object, int offset) {
        view.cell(kBemusicNotes + 4 * object.colour + view.play.noteFrame, view.laneX(object.lane), noteY(view, offset));
    });
    forEachReplayMark(view, [&](const ReplayMark& mark, int offset) {
        view.cell(kBemusicReplayMarks + 5 * mark.colour + mark.code, view.laneX(mark.lane), noteY(view, offset));
    });
}

}  // namespace

void drawLaneBoard(const LaneView& view) {
    strips(view);
    beams(view);
    barLines(view);
    notes(view);
}

void drawLaneProgress(const LaneView& view) {
    view.cell(kProgressMarker, view.layout.areaLeft, kProgressBottom - songProgress(view.play, view.chart, kProgressTravel));
}

}  // namespace kv
