#include "play/listen_screen.h"

#include "chart/chart_text.h"
#include "media/gfx/blit.h"
#include "media/gfx/display.h"
#include "media/gfx/system_text.h"
#include "play/play_screen_bga.h"

namespace kv {

namespace {

constexpr int kTextX = 84, kTextWidth = 470;
constexpr Pixel kWhite = 0xFFFFFF;
constexpr const char* kFace = "impact";
constexpr int kAlignLeft = 0, kAlignRight = 2, kBackSurface = -1;

}  // namespace

void drawListenOpening(const ChartEntry& entry) {
    fillRect(display.back, nullptr, 0);
    drawSprite(0, 0, nullptr, kBackdropSlot);
    const auto text = [&](const std::string& bytes) { return chartTextUtf8(entry, bytes); };
    drawTextSqueezed(kTextX, 4, kTextWidth, text(entry.genre), 16, kWhite, kFace, kAlignLeft, kBackSurface);
    drawTextSqueezed(kTextX, 24, kTextWidth, text(entry.title), 24, kWhite, kFace, kAlignLeft, kBackSurface);
    drawTextSqueezed(kTextX, 461, kTextWidth, text(entry.artist), 16, kWhite, kFace, kAlignRight, kBackSurface);
}

void paintListenFrame(Play& play, const Chart& chart, const Settings& options, PlayScreenState& screen) {
    const int mode = options.BGA;
    if (play.playCursor.measure >= 0 && mode != BgaOff) {
        if (mode == BgaStage) drawSprite(0, 0, nullptr, kFirstChartSlot);
        else if (composePicture(play, chart, screen)) {
            if (mode >= BgaFull) drawFullScreenPicture(chart);
            else if (mode == BgaTile) drawTiledPicture();
            else drawListenPicture(false);
        }
    }
    present();
}

}  // namespace kv
