#include "media/input/lanes.h"

namespace kv {

namespace {

constexpr int kKeyModes = 4;
constexpr int kJoyButtonCodes = kMaxJoypads * kJoypadButtons;  // 0-255
constexpr int kJoyAxisCodes = kMaxJoypads * 4;                 // 256-287

// Binding index per lane and chart key mode; -1 = lane not read.
constexpr int kLaneBindings[kKeyModes][kLaneCount] = {
    {1, 2, 3, 4, 5, 6, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1},
    {1, 2, 3, 4, 5, 6, 7, 8, -1, -1, -1, -1, -1, -1, -1, -1},
    {1, 2, 3, 4, 5, 6, -1, -1, 10, 13, 14, 15, 16, 17, -1, -1},
    {1, 2, 3, 4, 5, 6, 7, 8, 10, 11, 12, 13, 14, 15, 16, 17},
};

bool isTurntable(int lane) { return lane == 0 || lane == 8; }

}  // namespace

LaneBindings laneBindings(const Settings& settings) {
    return {settings.KEYCODE, settings.JOYCODE, settings.USEJOYPAD != 0, settings.AUTOPLAY == 2};
}

int laneBinding(int keyMode, int lane) {
    if (keyMode < 0 || keyMode >= kKeyModes || lane < 0 || lane >= kLaneCount) return -1;
    return kLaneBindings[keyMode][lane];
}

bool keyBindingDown(std::int32_t keyCode, const std::uint8_t* keys) {
    return keyCode >= 0 && keyCode < kKeyCount && (keys[keyCode] & kKeyDown);
}

bool joyBindingActive(std::int32_t joyCode, const JoypadState& joypads, int joypadCount) {
    if (joyCode >= 0 && joyCode < kJoyButtonCodes) {
        const int joypad = joyCode / kJoypadButtons;
        return joypad < joypadCount && joypads.buttons[joypad][joyCode % kJoypadButtons] == 1;
    }
    const int axisCode = joyCode - kJoyButtonCodes;
    if (axisCode < 0 || axisCode >= kJoyAxisCodes) return false;
    const int joypad = axisCode / 4;
    if (joypad >= joypadCount) return false;
    switch (axisCode % 4) {
        case 0: return joypads.y[joypad] < -kAxisPushedBeyond;
        case 1: return joypads.y[joypad] > kAxisPushedBeyond;
        case 2: return joypads.x[joypad] < -kAxisPushedBeyond;
        default: return joypads.x[joypad] > kAxisPushedBeyond;
    }
}

void sampleLanes(int keyMode, const LaneBindings& bindings, const std::uint8_t* keys, const JoypadState& joypads,
                 int joypadCount, LaneStates& lanes) {
    for (int lane = 0; lane < kLaneCount; ++lane) {
        // Under AUTOPLAY 2 the turntables belong to the autoplay.
        if (bindings.autoTurntables && isTurntable(lane)) continue;
        lanes.previous[lane] = lanes.now[lane];
        const int index = laneBinding(keyMode, lane);
        if (index < 0) {
            lanes.now[lane] = 0;
            continue;
        }
        std::int16_t state = keyBindingDown(bindings.keyCodes[index], keys) ? 1 : 0;
        if (isTurntable(lane) && keyBindingDown(bindings.keyCodes[index - 1], keys)) state = 2;
        if (bindings.useJoypad) {
            // Joypads only ever add a press; they never clear the keyboard's.
            const auto active = [&](int i) {
                return bindings.joyCodes[i] != kJoypadUnbound &&
                       joyBindingActive(bindings.joyCodes[i], joypads, joypadCount);
            };
            if (active(index) && state == 0) state = 1;
            if (isTurntable(lane) && active(index - 1)) state = 2;
        }
        lanes.now[lane] = state;
    }
}

void readLanes(int keyMode, const LaneBindings& bindings, const std::uint8_t* keys, LaneStates& lanes) {
    JoypadState joypads;
    readJoypads(joypads);
    sampleLanes(keyMode, bindings, keys, joypads, input.joypadCount, lanes);
}

std::int32_t laneKey(int keyMode, const LaneBindings& bindings, int lane, int state) {
    const int index = laneBinding(keyMode, lane);
    if (index < 0 || state < 1 || state > 2) return -1;
    return bindings.keyCodes[std::size_t(state == 2 && isTurntable(lane) ? index - 1 : index)];
}

}  // namespace kv
