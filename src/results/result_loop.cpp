#include "results/result_loop.h"

#include "app/clock_counters.h"
#include "audio/sample_slots.h"
#include "audio/sound_engine.h"
#include "gfx/display.h"
#include "input/input.h"
#include "platform/events.h"
#include "results/result_keys.h"

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
