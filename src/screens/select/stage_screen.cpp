#include "screens/select/stage_screen.h"

#include <algorithm>

#include "chart/chart_text.h"
#include "media/gfx/blit.h"
#include "media/gfx/display.h"
#include "media/gfx/picture_loading.h"
#include "media/gfx/skin.h"
#include "media/gfx/system_text.h"
#include "platform/clock_counters.h"
#include "scene/message_pump.h"
#include "scene/wipe.h"
#include "settings/settings.h"

namespace kv {

namespace {

constexpr double kStepMs = 12.0;
constexpr int kStageSlot = 0, kTextSlot = 2, kWorkSlot = 3;
constexpr int kTextX = 96, kTextWidth = 448;
constexpr Rect kGenreBand{kTextX, 152, kTextX + kTextWidth, 176};
constexpr Rect kTitleBand{kTextX, 184, kTextX + kTextWidth, 256};
constexpr Rect kArtistBand{kTextX, 264, kTextX + kTextWidth, 288};

// Runs 12 ms steps until `step` says the animation is over, drawing a
// frame after each batch. 0 when the quit message arrived.
template <typename Step, typename Draw>
int animate(Step step, Draw draw) {
    MsCounter& menuMs = clockCounters().menuMs;
    menuMs.set(0);
    bool running = true;
    while (running) {
        while (running && menuMs.takeStep(kStepMs)) {
            if (!pumpMessages()) return 0;
            running = step();
        }
        draw();
        present();
    }
    return 1;
}

}  // namespace

int showStageImage(const ChartEntry& entry) {
    // A stage picture that does not load would leave the select backdrop in
    // its slot; the text stage is shown instead.
    if (loadPicture(kStageSlot, entry.dirPath + "/" + entry.stageFile) != 1) return showStageText(entry);
    const Surface* stage = slotSurface(kStageSlot);
    grabScreen(0, 0, nullptr, kWorkSlot);
    Surface* picture = slotSurface(kWorkSlot);
    if (!stage || !picture) return 1;
    // The wipe's own stripes, run over a white mask: wherever it turns
    // black the stage picture shows through.
    Surface mask(kScreenWidth, kScreenHeight);
    std::fill(mask.pixels.begin(), mask.pixels.end(), Pixel(0xFFFFFF));
    WipeStripes stripes;
    const int result = animate(
        [&] {
            stripes.step(mask);
            for (int y = 0; y < kScreenHeight; ++y)
                for (int x = 0; x < kScreenWidth; ++x)
                    if (mask.at(x, y) == 0 && x < stage->width && y < stage->height) picture->row(y)[x] = stage->at(x, y);
            return !stripes.finished();
        },
        [&] { drawSprite(0, 0, nullptr, kWorkSlot); });
    drawSprite(0, 0, nullptr, kStageSlot);
    present();
    return result;
}

int showStageText(const ChartEntry& entry) {
    loadSkinSheet(kStageSlot, skin.LOAD);
    createSlot(kTextSlot, kScreenWidth, kScreenHeight, 0);
    createSlot(kWorkSlot, kScreenWidth, kScreenHeight, 0);
    const std::string& font = settings().LFONT;
    const auto text = [&](const std::string& bytes) { return chartTextUtf8(entry, bytes); };
    drawTextSqueezed(kTextX, kGenreBand.top, kTextWidth, text(entry.genre), 24, skin.FONTCOLOR, font, 0, kTextSlot);
    drawTextSqueezed(kTextX, kTitleBand.top, kTextWidth, text(entry.title), 72, skin.FONTCOLOR, font, 0, kTextSlot);
    drawTextSqueezed(kTextX, kArtistBand.top, kTextWidth, text(entry.artist), 24, skin.FONTCOLOR, font, 0, kTextSlot);

    int grow = 0;  // the title grows from the middle into its band
    const int grown = animate([&] { return (grow += 2) < 96; },
                              [&] {
                                  drawSprite(0, 0, nullptr, kStageSlot);
                                  stretchSpriteKeyed(grow, grow + 88, kScreenWidth - grow, 352 - grow, &kTitleBand,
                                                     kTextSlot);
                              });
    if (!grown) return 0;
    int slide = 0;  // then genre and artist slide in from above and below
    return animate([&] { return (slide += 4) < 152; },
                   [&] {
                       drawSprite(0, 0, nullptr, kStageSlot);
                       drawSpriteKeyed(kTextX, kTitleBand.top, &kTitleBand, kTextSlot);
                       drawSpriteKeyed(kTextX, slide, &kGenreBand, kTextSlot);
                       drawSpriteKeyed(kTextX, 416 - slide, &kArtistBand, kTextSlot);
                   });
}

int showStageScreen(const ChartEntry& entry) {
    return entry.stageFile.empty() ? showStageText(entry) : showStageImage(entry);
}

}  // namespace kv
