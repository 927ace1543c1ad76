#include "play/play_screen_bga.h"

#include <algorithm>

#include "media/gfx/blit.h"
#include "media/gfx/display.h"
#include "media/gfx/sprite_tables.h"
#include "play/play_scene.h"

namespace kv {

namespace {

constexpr int kBoardSlot = 2;
constexpr int kFrameTopLeft = 68, kFrameBottomRight = 69;
constexpr int kListenStrip = 80;  // the listen picture's side strips
constexpr int kTileWidth = 128;   // the left tiles show the picture's right half
constexpr int kLowerTileY = 254, kLowerTileRows = 226;

int pictureSlot(int picture) { return picture + kFirstChartSlot; }

// One picture onto the composition: a #BGA definition copies its part of
// the source bitmap to its place, a plain number the whole bitmap.
void drawPicture(const Chart& chart, std::uint16_t picture, bool isDef, bool keyed) {
    if (picture == kNoPicture || picture == kBlankPicture) return;
    auto copy = keyed ? copySlotKeyed : copySlot;
    if (!isDef) {
        const Surface* bitmap = pictureSlot(picture) < kWorkSurfaceA ? slotSurface(pictureSlot(picture)) : nullptr;
        if (!bitmap) return;
        // A bitmap larger than the frame shows its top-left corner.
        const Rect corner{0, 0, std::min(bitmap->width, kWorkSurfaceSize), std::min(bitmap->height, kWorkSurfaceSize)};
        copy(0, 0, &corner, pictureSlot(picture), kWorkSurfaceA);
        return;
    }
    if (picture >= chart.bgaDefs.size()) return;
    const BgaDef& def = chart.bgaDefs[picture];
    if (!def.defined || pictureSlot(def.source) >= kWorkSurfaceA) return;
    const Rect part{def.x1, def.y1, def.x2, def.y2};
    copy(def.dx, def.dy, &part, pictureSlot(def.source), kWorkSurfaceA);
}

// NORMAL and BIG: the composition in the loader's frame, with its border
// unless the loader hid it.
void drawPictureFrame(const Chart& chart) {
    const PictureFrame& frame = chart.frame;
    if (frame.bgaFrameSize <= 0 || frame.bgaFrameX < 0 || frame.bgaFrameY < 0) return;
    const int x = frame.bgaFrameX, y = frame.bgaFrameY, size = frame.bgaFrameSize;
    stretchSprite(x, y, x + size, y + size, &frame.bgaSourceRect, kWorkSurfaceA);
    if (frame.bgaFrameHidden) return;
    drawSpriteKeyed(x - 10, y - 10, &boardTable[kFrameTopLeft], kBoardSlot);
    drawSpriteKeyed(x + size - 52, y + size - 51, &boardTable[kFrameBottomRight], kBoardSlot);
}

}  // namespace

bool composePicture(Play& play, const Chart& chart, PlayScreenState& screen) {
    // The poor picture shows for a while after a miss, then the flag ends.
    if (play.missFlag && ++screen.missFrames > kPoorPictureFrames) {
        play.missFlag = false;
        screen.missFrames = 0;
    }
    const PictureState& shown = play.pictures;
    const bool poor = play.missFlag && shown.shownPoor != kNoPicture;
    const ComposedPicture wanted{poor ? shown.shownPoor : shown.shownBase, poor ? kNoPicture : shown.shownLayer,
                                 poor};
    auto& history = screen.pictureHistory;
    const bool due = !(wanted == history.back());
    std::copy_backward(history.begin(), history.end() - 1, history.end());
    history.front() = wanted;
    if (!due) return false;

    Surface* work = slotSurface(kWorkSurfaceA);
    if (!work) return false;
    fillRect(*work, nullptr, 0);
    drawPicture(chart, wanted.base, poor ? shown.shownPoorIsDef : shown.shownBaseIsDef, false);
    if (!poor) drawPicture(chart, wanted.layer, shown.shownLayerIsDef, true);
    return true;
}

void drawTiledPicture() {
    const Rect rightHalf{kTileWidth, 0, kWorkSurfaceSize, kWorkSurfaceSize};
    const Rect whole{0, 0, kWorkSurfaceSize, kWorkSurfaceSize};
    for (const int y : {0, kLowerTileY}) {
        Rect left = rightHalf, full = whole;
        if (y != 0) left.bottom = full.bottom = kLowerTileRows;
        drawSprite(0, y, &left, kWorkSurfaceA);
        drawSprite(kTileWidth, y, &full, kWorkSurfaceA);
        drawSprite(kTileWidth + kWorkSurfaceSize, y, &full, kWorkSurfaceA);
    }
}

void drawFullScreenPicture(const Chart& chart) {
    stretchSprite(0, 0, kScreenWidth, kScreenHeight, &chart.frame.bgaSourceRect, kWorkSurfaceA);
}

void drawListenPicture(bool withSideStrips) {
    const Rect whole{0, 0, kWorkSurfaceSize, kWorkSurfaceSize};
    stretchSprite(kListenStrip, 0, kScreenWidth - kListenStrip, kScreenHeight, &whole, kWorkSurfaceA);
    if (!withSideStrips) return;
    const Rect left{0, 0, kListenStrip, kScreenHeight};
    const Rect right{kScreenWidth - kListenStrip, 0, kScreenWidth, kScreenHeight};
    drawSprite(0, 0, &left, kBackdropSlot);
    drawSprite(right.left, 0, &right, kBackdropSlot);
}

void drawBackdrop(Play& play, const Chart& chart, const Settings& options, PlayScreenState& screen) {
    const int mode = options.BGA;
    if (!chart.frame.backdropInUse && mode != BgaOff) {
        composePicture(play, chart, screen);
        drawPictureFrame(chart);
        return;
    }
    if (mode == BgaStage) drawSprite(0, 0, nullptr, kFirstChartSlot);
    else if (screen.backgroundLoaded) drawSprite(0, 0, nullptr, kBackdropSlot);
    if (mode < BgaTile || mode == BgaStage) return;
    composePicture(play, chart, screen);
    if (mode == BgaTile) drawTiledPicture();
    else if (mode == BgaListen) drawListenPicture(true);
    else drawFullScreenPicture(chart);
}

}  // namespace kv
