#pragma once
// The keyboard as the game sees it: a 256-entry state table by DirectInput
// scan code (bit 0x80 = down). The window's events feed it in real runs,
// the headless script feeds it directly; the game never sees OS key codes.
#include <cstdint>

namespace kv::platform {

// The live table; readKeyboard copies it into the game's own.
const std::uint8_t* keyTable();

// Out-of-range codes are ignored.
void setKeyDown(int dik, bool down);
bool isKeyDown(int dik);

// Everything up: on focus loss (keys released elsewhere never reach us)
// and between test runs.
void releaseAllKeys();

// DirectInput scan code of an SDL scancode (given as its number so that
// callers need no SDL header), or -1 for a key the game cannot name.
int dikFromSdlScancode(int scancode);

}  // namespace kv::platform
