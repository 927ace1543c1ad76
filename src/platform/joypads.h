#pragma once
// Joypads: up to eight, each read as an X and Y axis in -127..127 and 32
// buttons. A hat switch counts as the axes when they rest in the centre.
#include <cstdint>

namespace kv::platform {

constexpr int kMaxJoypads = 8;
constexpr int kJoypadButtons = 32;
constexpr int kAxisLimit = 127;

struct JoypadReading {
    std::int32_t x = 0;
    std::int32_t y = 0;
    std::uint8_t buttons[kJoypadButtons] = {};  // 1 = down
};

// Opens the attached joypads in enumeration order, at most `limit`
// (capped at kMaxJoypads). Returns how many are open (0 headless).
int openJoypads(int limit);
int joypadCount();

// Current state of an open joypad; false when `index` is not open or the
// device went away.
bool readJoypad(int index, JoypadReading& reading);

void closeJoypads();

// SDL's axis range (-32768..32767) to the game's -127..127.
std::int32_t scaleAxis(int sdlValue);

}  // namespace kv::platform
