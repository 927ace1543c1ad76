#include "platform/events.h"

#include <SDL.h>

#include <csignal>

#include "platform/keyboard.h"
#include "platform/mouse.h"
#include "platform/platform.h"
#include "platform/window.h"

namespace kv::platform {
namespace {

volatile std::sig_atomic_t quitSignalled = 0;
bool quit = false;

extern "C" void onQuitSignal(int) { quitSignalled = 1; }

// An event's time on our clock: SDL stamps it in milliseconds of its own
// tick count as it arrives, which may be a good part of a frame before we
// drain the queue.
Micros eventTime(Uint32 timestamp) {
    const Micros now = clock().nowMicros();
    const Uint32 age = SDL_GetTicks() - timestamp;  // wraps harmlessly
    return age < 1000 ? now - Micros(age) * 1000 : now;
}

void handleWindowEvent(const SDL_WindowEvent& event, PumpResult& result) {
    switch (event.event) {
        case SDL_WINDOWEVENT_CLOSE: requestQuit(); break;
        case SDL_WINDOWEVENT_FOCUS_GAINED: result.activated = true; break;
        // Keys released while another window has the focus never reach us.
        case SDL_WINDOWEVENT_FOCUS_LOST: releaseAllKeys(); break;
        case SDL_WINDOWEVENT_MOVED: result.moved = true; break;
        default: break;
    }
}

void handleEvent(const SDL_Event& event, PumpResult& result) {
    switch (event.type) {
        case SDL_QUIT: requestQuit(); break;
        case SDL_WINDOWEVENT: handleWindowEvent(event.window, result); break;
        case SDL_KEYDOWN:
        case SDL_KEYUP:
            if (!event.key.repeat)
                setKeyDown(dikFromSdlScancode(event.key.keysym.scancode), event.type == SDL_KEYDOWN,
                           eventTime(event.key.timestamp));
            break;
        case SDL_MOUSEBUTTONDOWN:
            // The renderer's logical size already maps the position into
            // the picture; clicks on the letterbox bars fall out.
            if (event.button.button == SDL_BUTTON_LEFT && event.button.x >= 0 && event.button.y >= 0 &&
                event.button.x < pictureWidth() && event.button.y < pictureHeight())
                pushMouseClick({event.button.x, event.button.y});
            break;
        case SDL_RENDER_TARGETS_RESET:
        case SDL_RENDER_DEVICE_RESET: result.activated = true; break;
        default: break;
    }
}

}  // namespace

void installQuitSignals() {
    std::signal(SIGTERM, onQuitSignal);
    std::signal(SIGINT, onQuitSignal);
}

PumpResult pumpEvents() {
    PumpResult result;
    if (!isHeadless()) {
        SDL_Event event;
        while (SDL_PollEvent(&event)) handleEvent(event, result);
    }
    if (quitSignalled) requestQuit();
    result.quit = quit;
    return result;
}

void requestQuit() { quit = true; }
bool quitRequested() { return quit || quitSignalled; }

void clearQuit() {
    quit = false;
    quitSignalled = 0;
}

}  // namespace kv::platform
