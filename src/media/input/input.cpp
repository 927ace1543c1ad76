#include "media/input/input.h"

#include <cstring>

#include "platform/joypads.h"
#include "platform/keyboard.h"

namespace kv {

Input input;

int createInput() {
    input = Input();
    input.created = true;
    return 1;
}

int createKeyboard() {
    if (!input.created) createInput();
    input.keyboard = true;
    return 1;
}

int createJoypads() {
    if (!input.created) createInput();
    input.joypadCount = platform::openJoypads(kMaxJoypads);
    return input.joypadCount > 0 ? 1 : 0;
}

void acquireKeyboard() { input.keyboardAcquired = input.keyboard; }

void acquireJoypads() { input.joypadsAcquired = input.joypadCount > 0; }

int readKeyboard() {
    if (!input.keyboard) return 0;
    std::memcpy(input.keys, platform::keyTable(), sizeof input.keys);
    return 1;
}

int readJoypads(JoypadState& state) {
    state = JoypadState();
    for (int j = 0; j < input.joypadCount; ++j) {
        platform::JoypadReading reading;
        if (!platform::readJoypad(j, reading)) return 0;
        state.x[j] = reading.x;
        state.y[j] = reading.y;
        std::memcpy(state.buttons[j], reading.buttons, kJoypadButtons);
    }
    return 1;
}

void releaseInput() {
    platform::closeJoypads();
    input = Input();
}

}  // namespace kv
