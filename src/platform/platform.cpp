#include "platform/platform.h"

#include <SDL.h>

#include <cstring>

#include "platform/clock.h"
#include "platform/events.h"
#include "platform/frames.h"
#include "platform/joypads.h"
#include "platform/keyboard.h"
#include "platform/mouse.h"
#include "platform/window.h"

namespace kv::platform {
namespace {
bool headless = false;
bool sdlStarted = false;
std::string problem;

// SDL falls back to these when it finds no display; windows there are never seen.
bool drawsNowhere(const char* driver) {
    return driver && (std::strcmp(driver, "offscreen") == 0 || std::strcmp(driver, "dummy") == 0);
}

bool setInEnvironment(const char* name) {
    const char* value = SDL_getenv(name);
    return value && *value;
}

// "no display found (DISPLAY and WAYLAND_DISPLAY are not set); ..."
std::string noDisplayProblem() {
    std::string where;
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY"})
        if (setInEnvironment(name)) where += std::string(where.empty() ? "" : ", ") + name + "=" + SDL_getenv(name);
    if (where.empty()) where = "DISPLAY and WAYLAND_DISPLAY are not set";
    else where = "none answers at " + where;
    return "no display found (" + where + "); start it on a desktop, or use --headless";
}
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
    if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_EVENTS) != 0) {
        problem = std::string("the display could not be opened: ") + SDL_GetError();
        return false;
    }
    if (drawsNowhere(SDL_GetCurrentVideoDriver()) && !setInEnvironment("SDL_VIDEODRIVER")) {
        SDL_Quit();
        problem = noDisplayProblem();
        return false;
    }
    sdlStarted = true;
    return true;
}

void stopPlatform() {
    closeJoypads();
    closeWindow();
    if (sdlStarted) SDL_Quit();
    sdlStarted = false;
}

bool isHeadless() { return headless; }

const std::string& startProblem() { return problem; }

}  // namespace kv::platform
