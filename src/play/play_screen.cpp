#include "play/play_screen.h"

#include "media/gfx/blit.h"
#include "media/gfx/display.h"
#include "media/gfx/sprite_tables.h"
#include "play/play_screen_bga.h"
#include "play/play_screen_lanes.h"
#include "play/play_screen_panels.h"
#include "play/tallies.h"
#include "play/play_screen_scan2.h"
#include "play/play_screen_view.h"
#include "play/play_screen_wave.h"

namespace kv {

namespace {

constexpr int kBoardSlot = 2;
constexpr int kTopBoard = 0, kBottomBoard = 1, kGuideTopBar = 2, kGuideBottomPanel = 3;
constexpr int kBottomRowY = 433;

void boardPieces(const LaneView& view) {
    const auto board = view.chart.frame.backdropInUse ? drawSpriteKeyed : drawSprite;
    if (view.layout.guidePanel) {
        board(0, 0, &boardTable[kGuideTopBar], kBoardSlot);
        board(0, kBottomRowY, &boardTable[kGuideBottomPanel], kBoardSlot);
    } else {
        board(view.layout.boardLeft, 0, &boardTable[kTopBoard], kBoardSlot);
        board(view.layout.boardLeft, kBottomRowY, &boardTable[kBottomBoard], kBoardSlot);
    }
}

void lanes(const LaneView& view) {
    switch (view.config.style) {
        case Scan2: drawScanBoard(view); drawScanProgress(view); break;
        case Wave: drawWaveNotes(view); drawWaveProgress(view); break;
        default: drawLaneBoard(view); drawLaneProgress(view); break;
    }
}

void keysAndEffects(const LaneView& view, const PlayScreenState& screen) {
    if (view.config.style == Scan2) {
        drawScanKeys(view);
        drawScanSparks(view, screen.sparks);
        return;
    }
    drawKeys(view);
    drawHitFlashes(view);
}

}  // namespace

void paintPlayFrame(PlayContext& ctx, const LaneLayout& layout, PlayScreenState& screen) {
    Play& play = ctx.play;
    const Settings& options = settings();
    const LaneView view{play, ctx.chart, ctx.config, options, layout, styleSheet(ctx.config.style),
                        int(play.tempo.substep)};
    if (ctx.config.style == Scan2) catchScanSparks(play, view, screen.sparks);

    fillRect(display.back, nullptr, 0);
    drawBackdrop(play, ctx.chart, options, screen);
    lanes(view);
    boardPieces(view);

    const PanelView panels{play, ctx.chart, ctx.config, options, layout};
    if (layout.guidePanel) drawGuidePanel(panels, screen);
    drawJudgementCounts(panels, screen);
    if (ctx.config.style == Scan2) drawScanJudgementFrame(view);
    drawJudgement(panels);
    keysAndEffects(view, screen);
    clampGauge(play);
    drawGauge(panels, screen);
    drawScores(panels, screen);
    present();
}

}  // namespace kv
