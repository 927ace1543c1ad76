#include "media/input/binding_setup.h"

#include <algorithm>

namespace kv {

namespace {

constexpr int kSlideStep = 8;
constexpr int kHighestBlockingKey = 222;
constexpr int kAxisCodeBase = kMaxJoypads * kJoypadButtons;  // 256: directions follow the buttons
constexpr const char* kControlNames[] = {"EFFECT",     "EFFECT ONEMORE", "KEYBOARD 1", "KEYBOARD 2", "KEYBOARD 3",
                                         "KEYBOARD 4", "KEYBOARD 5",     "KEYBOARD 6", "KEYBOARD 7"};
constexpr int kControlsPerSide = 9;

}  // namespace

void BindingSetup::slideIn() {
    slide -= kSlideStep;
    if (slide >= 0) return;
    slide = 0;
    index = 0;
}

void BindingSetup::take(std::int32_t code) {
    if (index < 0 || complete()) return;
    bindings[std::size_t(index)] = code;
    ++index;
    done = complete();
}

std::string setupPrompt(int index) {
    if (index < 0 || index >= kBindingCount) return {};
    const bool left = index < kControlsPerSide;
    return std::string("PRESS KEY FOR ") + (left ? "L " : "R ") + kControlNames[index % kControlsPerSide];
}

void takeKey(BindingSetup& setup, const std::uint8_t* keys) {
    int lowest = -1;
    for (int code = 0; code < kKeyCount && lowest < 0; ++code)
        if (keys[code] & 0x80) lowest = code;
    if (lowest < 0 || lowest > kHighestBlockingKey) {
        setup.latch = false;
        return;
    }
    if (setup.latch) return;
    setup.take(lowest);
    setup.latch = true;
}

JoypadControls JoypadControls::allHeld() {
    JoypadControls held;
    held.buttons.fill(1);
    held.directions.fill(1);
    return held;
}

JoypadControls joypadControls(const JoypadState& state) {
    JoypadControls controls;
    for (int joypad = 0; joypad < kMaxJoypads; ++joypad) {
        std::copy_n(state.buttons[joypad], kJoypadButtons, controls.buttons.begin() + joypad * kJoypadButtons);
        // The last joypad pushed a way is the one that counts.
        const int number = joypad + 1;
        if (state.y[joypad] < -kAxisPushedBeyond) controls.directions[0] = number;
        if (state.y[joypad] > kAxisPushedBeyond) controls.directions[1] = number;
        if (state.x[joypad] < -kAxisPushedBeyond) controls.directions[2] = number;
        if (state.x[joypad] > kAxisPushedBeyond) controls.directions[3] = number;
    }
    return controls;
}

void takeJoypadControl(BindingSetup& setup, const JoypadControls& now, JoypadControls& previous, bool spaceDown) {
    int binding = -1;
    for (int button = int(now.buttons.size()) - 1; button >= 0 && binding < 0; --button)
        if (now.buttons[std::size_t(button)] && !previous.buttons[std::size_t(button)]) binding = button;
    if (binding < 0)
        for (int direction = 0; direction < 4; ++direction) {
            const int joypad = now.directions[std::size_t(direction)];
            if (joypad != 0 && previous.directions[std::size_t(direction)] == 0)
                binding = kAxisCodeBase + 4 * (joypad - 1) + direction;
        }
    if (binding >= 0) setup.take(binding);
    if (spaceDown && !setup.latch) {
        setup.take(kJoypadUnbound);
        setup.latch = true;
    } else if (!spaceDown) {
        setup.latch = false;
    }
    previous = now;
}

}  // namespace kv
