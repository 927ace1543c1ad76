#include "screens/results/result_loop.h"

#include "media/audio/sample_slots.h"
#include "media/audio/sound_engine.h"
#include "media/gfx/display.h"
#include "media/input/input.h"
#include "platform/clock_counters.h"
#include "platform/events.h"
#include "screens/results/result_keys.h"

namespace kv {

namespace {

constexpr double kStepMs = 12.0;

int playUntilLeft(ResultFlow& flow, const std::function<void()>& drawFrame) {
    MsCounter& menuMs = clockCounters().menuMs;
    menuMs.set(0);
    readKeyboard();
    ResultKeyReader keys(input.keys);
    for (;;) {
        if (platform::pumpEvents().quit) return ResultNothing;
        while (menuMs.takeStep(kStepMs)) {
            readKeyboard();
            if (const int choice = stepResultFlow(flow, keys.newlyPressed(input.keys)); choice != ResultNothing)
                return choice;
        }
        drawFrame();
        present();
    }
}

}  // namespace

int runResultLoop(ResultFlow& flow, const std::function<void()>& drawFrame) {
    playSample(kSlotResultMusic);
    const int choice = playUntilLeft(flow, drawFrame);
    if (choice != ResultNothing) playSample(kSlotResultCheck);
    stopSample(kSlotResultMusic);
    return choice;
}

}  // namespace kv
