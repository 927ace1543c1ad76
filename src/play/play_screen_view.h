#pragma once
// What the style painters of the play screen read, and the drawing steps
// they share: style-sheet cells, notes that VIEW lets be seen, keys, hit
// flashes.
#include "base/surface.h"
#include "chart/chart.h"
#include "play/lane_layout.h"
#include "play/long_notes.h"
#include "play/note_visibility.h"
#include "play/play_config.h"
#include "play/play_state.h"
#include "play/scroll_speed.h"

namespace kv {

struct LaneView {
    const Play& play;
    const Chart& chart;
    const PlayConfig& config;
    const Settings& options;
    const LaneLayout& layout;
    const Rect* sheet;  // the style's cells on the sheet in slot 3
    int substep;        // whole sub-steps into the current logic step

    int laneX(int lane) const { return layout.laneOriginX + layout.lanes[std::size_t(lane)].x; }
    bool shown(int lane) const { return lane >= 0 && lane < kLaneCount && layout.lanes[std::size_t(lane)].x >= 0; }
    // Lane backgrounds let a claimed backdrop show through with TRANSP MASK.
    bool keyedBoard() const;
    void cell(int index, int x, int y, bool keyed = true) const;
};

// The cells of a style's sheet.
const Rect* styleSheet(int style);

// Where a note's head is drawn: a held long note keeps it on the line.
inline int drawnHeadY(const PoolObject& object) {
    return object.hold == Holding && object.y > kLineY ? kLineY : object.y;
}

// Calls draw(object, offset) for every pooled note of a shown lane that
// VIEW lets be seen, with the offset it is drawn at; with `atEnds`, for
// the end of every long note instead.
template <class Draw>
void forEachVisibleNote(const LaneView& view, const VisibilityBands& bands, Draw&& draw, bool atEnds = false) {
    for (const PoolObject& object : view.play.pool) {
        // Gone: free, hit away, or invisible.
        if (object.kind == 0 || (object.kind & kHitVanish) || object.kind >= 0x40 || !view.shown(object.lane)) continue;
        if (atEnds && object.length <= 0) continue;
        const int offset = noteOffset(view.play, view.config, atEnds ? endY(object) : drawnHeadY(object));
        if (offset == kNotDrawn) continue;
        if (const auto drawn = visibleNoteOffset(offset, object.lane, view.play.playCursor.step, view.config, bands))
            draw(object, *drawn);
    }
}

// Calls draw(mark, offset) for every replay mark of a shown lane.
template <class Draw>
void forEachReplayMark(const LaneView& view, Draw&& draw) {
    for (const ReplayMark& mark : view.play.marks) {
        if (mark.code == 0 || mark.code == kReplayRelease || !view.shown(mark.lane)) continue;
        const int offset = noteOffset(view.play, view.config, mark.y);
        if (offset != kNotDrawn) draw(mark, offset);
    }
}

// Keys at rest in key order, each pressed key drawn over its resting one.
void drawKeys(const LaneView& view);

// The COOL or GREAT flash over the key of a lane just hit.
void drawHitFlashes(const LaneView& view);

}  // namespace kv
