#include "scene/wipe.h"

#include "media/gfx/blit.h"
#include "media/gfx/display.h"
#include "platform/clock_counters.h"
#include "scene/message_pump.h"

namespace kv {

namespace {
constexpr int kWipeSlot = 1;
constexpr double kStepMs = 12.0;
constexpr int kStripeGrowth = 8;
constexpr int kCentre = kScreenWidth / 2;
}  // namespace

void WipeStripes::step(Surface& picture) {
    stripe_ += kStripeGrowth;
    for (int y = 0; y < kScreenHeight; y += 2) {
        // Spans that would reach past the picture are refused by the fill,
        // as every blit is; by then the rows are black already.
        const Rect closing[] = {{0, y, stripe_ + 1, y + 1}, {kScreenWidth - stripe_, y, kScreenWidth, y + 1},
                                {kCentre - stripe_, y + 1, kCentre, y + 2}, {kCentre, y + 1, kCentre + stripe_, y + 2}};
        for (const Rect& span : closing) fillRect(picture, &span, 0);
    }
}

int wipeOut() {
    MsCounter& menuMs = clockCounters().menuMs;
    menuMs.set(0);
    grabScreen(0, 0, nullptr, kWipeSlot);
    Surface* picture = slotSurface(kWipeSlot);
    if (!picture) return 1;  // no display yet: nothing on screen to wipe
    WipeStripes stripes;
    while (!stripes.finished()) {
        while (!stripes.finished() && menuMs.takeStep(kStepMs)) {
            if (!pumpMessages()) return 0;
            stripes.step(*picture);
        }
        drawSprite(0, 0, nullptr, kWipeSlot);
        present();
    }
    return 1;
}

}  // namespace kv
