#include "play/play_screen.h"

#include <algorithm>

#include "gfx/blit.h"
#include "gfx/display.h"
#include "gfx/sprite_tables.h"
#include "gfx/style_sheets.h"
#include "play/note_visibility.h"
#include "play/play_screen_bga.h"
#include "play/play_screen_panels.h"
#include "play/scroll_speed.h"

namespace kv {

namespace {

constexpr int kBoardSlot = 2, kStyleSlot = 3;
constexpr int kTranspMask = 1;
constexpr int kSeparator = 43, kBarLine = 44, kProgressMarker = 60;
constexpr int kTopBoard = 0, kBottomBoard = 1, kGuideTopBar = 2, kGuideBottomPanel = 3;
constexpr int kBottomRowY = 433;
constexpr int kGreatFlashes = 54, kCoolFlashes = 60;
constexpr int kProgressBottom = 422, kProgressTravel = 400;

struct Painter {
    const Play& play;
    const Chart& chart;
    const PlayConfig& config;
    const Settings& options;
    const LaneLayout& layout;
    bool upway;
    int substep;

    const Rect* sheet(int cell) const { return &bemusicSheet[std::size_t(cell)]; }
    int sprite(int cell, int x, int y, bool keyed) const {
        return keyed ? drawSpriteKeyed(x, y, sheet(cell), kStyleSlot) : drawSprite(x, y, sheet(cell), kStyleSlot);
    }
    int laneX(int lane) const { return layout.laneOriginX + layout.lanes[std::size_t(lane)].x; }
    bool shown(int lane) const { return lane >= 0 && lane < kLaneCount && layout.lanes[std::size_t(lane)].x >= 0; }
    // Notes fall towards the keys at the bottom, or rise towards them at
    // the top with UPWAY.
    int noteY(int offset) const { return upway ? 440 - substep - offset : offset + substep; }
    int barY(int offset) const { return upway ? 453 - substep - offset : offset + substep; }

    void strips() const {
        const bool keyed = chart.frame.backdropInUse && options.TRANSP == kTranspMask;
        for (int i = 0; i < layout.stripCount; ++i) {
            const LaneStrip& strip = layout.strips[std::size_t(i)];
            sprite(strip.sprite, layout.laneOriginX + strip.x, layout.stripRowY, keyed);
        }
        if (layout.separatorX >= 0)
            for (int dx = 0; dx < kSideSeparatorWidth; ++dx)
                sprite(kSeparator, layout.laneOriginX + layout.separatorX + dx, layout.stripRowY, keyed);
    }

    void beams() const {
        for (int lane = 0; lane < kLaneCount; ++lane) {
            if (!shown(lane)) continue;
            const int timer = play.lanes[std::size_t(lane)].keyFlash;
            // INVERSE lights the lanes whose keys are up instead.
            int frame = -1;
            if (options.INVERSE) frame = timer < 10 ? (9 - timer) / 4 : -1;
            else if (timer > 0) frame = std::min(timer / 4, 2);
            if (frame < 0) continue;
            const LaneSlot& slot = layout.lanes[std::size_t(lane)];
            const int cell = slot.beamSet + frame;
            const int width = sheet(cell)->right - sheet(cell)->left;
            sprite(cell, laneX(lane) + (slot.noteWidth - width) / 2, layout.beamRowY, true);
        }
    }

    void barLines() const {
        Rect line = *sheet(kBarLine);
        line.right = std::min(line.right, line.left + layout.lanesWidth);
        for (const BarLine& bar : play.bars) {
            if (!bar.used) continue;
            const int offset = barOffset(play, config, bar.y);
            if (barLineVisible(offset)) drawSprite(layout.laneOriginX, barY(offset), &line, kStyleSlot);
        }
    }

    void note(int lane, int offset, int cell) const {
        if (shown(lane)) sprite(cell, laneX(lane), noteY(offset), true);
    }

    void notes() const {
        const int playStep = play.playCursor.step;
        for (const PoolObject& object : play.pool) {
            // Gone: free, hit away, or invisible.
            if (object.kind == 0 || (object.kind & kHitVanish) || object.kind >= 0x40) continue;
            const int offset = noteOffset(play, config, object.y);
            if (offset == kNotDrawn) continue;
            const auto drawn = visibleNoteOffset(offset, object.lane, playStep, config, kLaneBands);
            if (drawn) note(object.lane, *drawn, kBemusicNotes + 4 * object.colour + play.noteFrame);
        }
        for (const ReplayMark& mark : play.marks) {
            if (mark.code == 0) continue;
            const int offset = noteOffset(play, config, mark.y);
            if (offset != kNotDrawn) note(mark.lane, offset, kBemusicReplayMarks + 5 * mark.colour + mark.code);
        }
    }

    // The marker climbs a bar beside the lanes as the chart plays.
    void progress() const {
        sprite(kProgressMarker, layout.areaLeft, kProgressBottom - songProgress(play, chart, kProgressTravel), true);
    }

    void boardPieces() const {
        const auto board = chart.frame.backdropInUse ? drawSpriteKeyed : drawSprite;
        if (layout.guidePanel) {
            board(0, 0, &boardTable[kGuideTopBar], kBoardSlot);
            board(0, kBottomRowY, &boardTable[kGuideBottomPanel], kBoardSlot);
        } else {
            board(layout.boardLeft, 0, &boardTable[kTopBoard], kBoardSlot);
            board(layout.boardLeft, kBottomRowY, &boardTable[kBottomBoard], kBoardSlot);
        }
    }

    void keys() const {
        for (int i = 0; i < layout.keyCount; ++i) {
            const int lane = layout.keyOrder[std::size_t(i)];
            const LaneSlot& slot = layout.lanes[std::size_t(lane)];
            sprite(slot.keySprite, laneX(lane), layout.keyRowY, true);
            if (play.lanes[std::size_t(lane)].control != 0) sprite(slot.pressedKeySprite, laneX(lane), layout.keyRowY, true);
        }
    }

    void hitFlashes() const {
        for (int lane = 0; lane < kLaneCount; ++lane) {
            const HitFlash& flash = play.lanes[std::size_t(lane)].hitFlash;
            if (!shown(lane) || !flash.active) continue;
            const int set = flash.great && !config.igCool ? kGreatFlashes : kCoolFlashes;
            const int cell = set + std::clamp((flash.age - 1) / 4, 0, 5);
            drawSpriteKeyed(laneX(lane) - 23, layout.hitFlashRowY, &boardTable[std::size_t(cell)], kBoardSlot);
        }
    }
};

}  // namespace

void paintPlayFrame(PlayContext& ctx, const LaneLayout& layout, PlayScreenState& screen) {
    Play& play = ctx.play;
    const Settings& options = settings();
    fillRect(display.back, nullptr, 0);
    drawBackdrop(play, ctx.chart, options, screen);

    const Painter painter{play, ctx.chart, ctx.config, options, layout, ctx.config.style == Upway,
                          int(play.tempo.substep)};
    painter.strips();
    painter.beams();
    painter.barLines();
    painter.notes();
    painter.progress();
    painter.boardPieces();

    const PanelView view{play, ctx.chart, ctx.config, options, layout};
    if (layout.guidePanel) drawGuidePanel(view, screen);
    drawJudgementCounts(view, screen);
    drawJudgement(view);
    painter.keys();
    painter.hitFlashes();
    drawGauge(view, screen);
    drawScores(view, screen);
    present();
}

}  // namespace kv
