#include "play/play_screen_view.h"

#include <algorithm>

#include "media/gfx/blit.h"
#include "media/gfx/sprite_tables.h"
#include "media/gfx/style_sheets.h"

namespace kv {

namespace {

constexpr int kBoardSlot = 2, kStyleSlot = 3;
constexpr int kTranspMask = 1;
constexpr int kGreatFlashes = 54, kCoolFlashes = 60;
constexpr int kFlashFrames = 6;

}  // namespace

bool LaneView::keyedBoard() const { return chart.frame.backdropInUse && options.TRANSP == kTranspMask; }

void LaneView::cell(int index, int x, int y, bool keyed) const {
    const Rect* source = &sheet[index];
    if (keyed) drawSpriteKeyed(x, y, source, kStyleSlot);
    else drawSprite(x, y, source, kStyleSlot);
}

const Rect* styleSheet(int style) {
    switch (style) {
        case Scan2: return scanSheet.data();
        case Wave: return waveSheet.data();
        default: return bemusicSheet.data();
    }
}

void drawKeys(const LaneView& view) {
    const LaneLayout& layout = view.layout;
    for (int i = 0; i < layout.keyCount; ++i) {
        const int lane = layout.keyOrder[std::size_t(i)];
        const LaneSlot& slot = layout.lanes[std::size_t(lane)];
        view.cell(slot.keySprite, view.laneX(lane), layout.keyRowY);
        if (view.play.lanes[std::size_t(lane)].control != 0)
            view.cell(slot.pressedKeySprite, view.laneX(lane), layout.keyRowY);
    }
}

void drawHitFlashes(const LaneView& view) {
    for (int lane = 0; lane < kLaneCount; ++lane) {
        const HitFlash& flash = view.play.lanes[std::size_t(lane)].hitFlash;
        if (!view.shown(lane) || !flash.active) continue;
        const int set = flash.great && !view.config.igCool ? kGreatFlashes : kCoolFlashes;
        const int cell = set + std::clamp((flash.age - 1) / 4, 0, kFlashFrames - 1);
        drawSpriteKeyed(view.laneX(lane) - 23, view.layout.hitFlashRowY, &boardTable[std::size_t(cell)], kBoardSlot);
    }
}

}  // namespace kv
