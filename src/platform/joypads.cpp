#include "platform/joypads.h"

#include <SDL.h>

#include <algorithm>
#include <iterator>

#include "platform/platform.h"

namespace kv::platform {
namespace {

SDL_Joystick* joypads[kMaxJoypads] = {};
int count = 0;

}  // namespace

std::int32_t scaleAxis(int sdlValue) {
    const int clamped = std::clamp(sdlValue, -32767, 32767);
    return clamped * kAxisLimit / 32767;
}

int openJoypads(int limit) {
    closeJoypads();
    if (isHeadless() || SDL_InitSubSystem(SDL_INIT_JOYSTICK) != 0) return 0;
    limit = std::min(limit, kMaxJoypads);
    const int attached = SDL_NumJoysticks();
    // A device that cannot be opened is skipped; the next one takes its place.
    for (int device = 0; device < attached && count < limit; ++device)
        if (SDL_Joystick* joypad = SDL_JoystickOpen(device)) joypads[count++] = joypad;
    return count;
}

int joypadCount() { return count; }

bool readJoypad(int index, JoypadReading& reading) {
    reading = JoypadReading();
    if (index < 0 || index >= count || !SDL_JoystickGetAttached(joypads[index])) return false;
    SDL_Joystick* joypad = joypads[index];
    SDL_JoystickUpdate();
    if (SDL_JoystickNumAxes(joypad) >= 2) {
        reading.x = scaleAxis(SDL_JoystickGetAxis(joypad, 0));
        reading.y = scaleAxis(SDL_JoystickGetAxis(joypad, 1));
    }
    // Pads whose direction pad is a hat report it as the axes.
    if (SDL_JoystickNumHats(joypad) > 0 && reading.x == 0 && reading.y == 0) {
        const Uint8 hat = SDL_JoystickGetHat(joypad, 0);
        if (hat & SDL_HAT_LEFT) reading.x = -kAxisLimit;
        if (hat & SDL_HAT_RIGHT) reading.x = kAxisLimit;
        if (hat & SDL_HAT_UP) reading.y = -kAxisLimit;
        if (hat & SDL_HAT_DOWN) reading.y = kAxisLimit;
    }
    const int buttons = std::min(SDL_JoystickNumButtons(joypad), kJoypadButtons);
    for (int b = 0; b < buttons; ++b) reading.buttons[b] = SDL_JoystickGetButton(joypad, b) ? 1 : 0;
    return true;
}

void closeJoypads() {
    for (int i = 0; i < count; ++i) SDL_JoystickClose(joypads[i]);
    std::fill(std::begin(joypads), std::end(joypads), nullptr);
    if (count > 0 || SDL_WasInit(SDL_INIT_JOYSTICK)) SDL_QuitSubSystem(SDL_INIT_JOYSTICK);
    count = 0;
}

}  // namespace kv::platform
