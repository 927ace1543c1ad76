#pragma once
// Keyboard and joypad devices and their per-frame reads. Menus test single
// keys in input.keys after readKeyboard; the play scene reads lanes
// (see lanes.h).
#include <cstdint>

#include "base/dik.h"
#include "platform/joypads.h"

namespace kv {

constexpr int kMaxJoypads = platform::kMaxJoypads;
constexpr int kJoypadButtons = platform::kJoypadButtons;

struct Input {
    std::uint8_t keys[kKeyCount] = {};  // by DIK_ scan code, 0x80 = down
    bool created = false;               // the input object exists
    bool keyboard = false;              // a keyboard device exists
    bool keyboardAcquired = false;
    int joypadCount = 0;  // 0-8
    bool joypadsAcquired = false;
};

extern Input input;

// One read of every joypad in use; joypads not in use read as centred
// with no button down.
// A stick counts as pushed a way only past half its range (-127..127), so
// the drift of a resting stick never holds a control down; digital pads
// report the full range.
constexpr std::int32_t kAxisPushedBeyond = 63;

struct JoypadState {
    std::int32_t x[kMaxJoypads] = {};
    std::int32_t y[kMaxJoypads] = {};
    std::uint8_t buttons[kMaxJoypads][kJoypadButtons] = {};  // 1 = down
};

// 1 on success, 0 on failure (the shell then shows "DirectInput error!!").
int createInput();
// 1 when a keyboard is there; 0 leaves the game without keyboard input.
int createKeyboard();
// Opens up to eight joypads; 0 when none could be opened.
int createJoypads();
void acquireKeyboard();
void acquireJoypads();

// Copies the keyboard state into input.keys. 0 (table unchanged) when
// there is no keyboard device.
int readKeyboard();
// 1 when every joypad in use was read, 0 when one failed (reading stops
// there).
int readJoypads(JoypadState& state);

void releaseInput();

}  // namespace kv
