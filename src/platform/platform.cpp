#include "platform/platform.h"

#include <SDL.h>

#include "platform/clock.h"
#include "platform/events.h"
#include "platform/fine_timer.h"
#include "platform/frames.h"
#include "platform/joypads.h"
#include "platform/keyboard.h"
#include "platform/mouse.h"
#include "platform/window.h"

namespace kv::platform {
namespace {
bool headless = false;
bool sdlStarted = false;
}  // namespace

bool startPlatform(bool headlessRun) {
    headless = headlessRun;
    // Our own handlers turn SIGTERM and SIGINT into the quit message, in
    // headless runs too, where SDL's video part never starts.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    installQuitSignals();
    clearQuit();
    releaseAllKeys();
    clearMouseClicks();
    resetPresentedFrames();
    if (headless) {
        useManualClock();
        return true;
    }
    useRealClock();
    requestFineTimer();
    if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_EVENTS) != 0) return false;
    sdlStarted = true;
    return true;
}

void stopPlatform() {
    closeJoypads();
    closeWindow();
    if (sdlStarted) SDL_Quit();
    sdlStarted = false;
    releaseFineTimer();
}

bool isHeadless() { return headless; }

}  // namespace kv::platform
