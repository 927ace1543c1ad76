#pragma once
// The play scene's lane states from the key and joypad bindings.
//
// Binding index (both tables, 18 entries): 0-8 the left player, 9-17 the
// right; per side EFFECT, EFFECT ONEMORE, KEYBOARD 1-7. KEYCODE entries are
// scan codes; JOYCODE entries are 999 (unbound), j*32+b (button b of
// joypad j) or 256+4j+{0 up, 1 down, 2 left, 3 right}. Any other value
// binds nothing.
#include <array>
#include <cstdint>

#include "base/lane_count.h"
#include "media/input/input.h"
#include "settings/settings.h"

namespace kv {

struct LaneBindings {
    std::array<std::int32_t, kBindingCount> keyCodes{};  // KEYCODE
    std::array<std::int32_t, kBindingCount> joyCodes{};  // JOYCODE
    bool useJoypad = false;                              // USEJOYPAD
    bool autoTurntables = false;                         // AUTOPLAY 2: lanes 0 and 8 are autoplay's
};

// The bindings as the settings give them.
LaneBindings laneBindings(const Settings& settings);

// Per lane: 0 up, 1 down, 2 down in the turntable's second direction.
struct LaneStates {
    std::int16_t now[kLaneCount] = {};
    std::int16_t previous[kLaneCount] = {};
};

// Binding index that feeds `lane` for a chart key mode (0 five keys,
// 1 seven, 2 ten, 3 fourteen), or -1 when the lane is not read.
int laneBinding(int keyMode, int lane);

// True when a key binding names a key that is down in `keys`.
bool keyBindingDown(std::int32_t keyCode, const std::uint8_t* keys);
// True when a joypad binding names a control that is active in `joypads`.
bool joyBindingActive(std::int32_t joyCode, const JoypadState& joypads, int joypadCount);

// One step of lane sampling from given device states (no device access).
void sampleLanes(int keyMode, const LaneBindings& bindings, const std::uint8_t* keys, const JoypadState& joypads,
                 int joypadCount, LaneStates& lanes);

// The play scene's per-step read: readJoypads, then sampleLanes over the
// key table the caller kept from the timed key events.
void readLanes(int keyMode, const LaneBindings& bindings, const std::uint8_t* keys, LaneStates& lanes);

// The key whose going down pressed `lane` into `state` (1 or 2), or -1
// (no key binding, or not the keyboard).
std::int32_t laneKey(int keyMode, const LaneBindings& bindings, int lane, int state);

}  // namespace kv
