#pragma once
// The keyboard as the game sees it: a 256-entry state table by DirectInput
// scan code (bit 0x80 = down). The window's events feed it in real runs,
// the headless script feeds it directly; the game never sees OS key codes.
#include <cstdint>

#include "platform/clock.h"

namespace kv::platform {

// The live table; readKeyboard copies it into the game's own.
const std::uint8_t* keyTable();

// Out-of-range codes are ignored. A change also joins the queue of key
// events with the clock time it happened at (now when not given).
void setKeyDown(int dik, bool down);
void setKeyDown(int dik, bool down, Micros at);
bool isKeyDown(int dik);

// Every key going down or up, in order, with its time: what play reads,
// so a press counts at its moment and a tap between two frames is not
// lost. The queue keeps the latest kKeyEventCapacity events.
struct KeyEvent {
    int dik = 0;
    bool down = false;
    Micros at = 0;
};
inline constexpr int kKeyEventCapacity = 256;
// Takes the oldest queued event if it happened at or before `until`.
bool takeKeyEvent(Micros until, KeyEvent& event);
void clearKeyEvents();

// Everything up (queued as releases now): on focus loss (keys released
// elsewhere never reach us) and between test runs.
void releaseAllKeys();

// DirectInput scan code of an SDL scancode (given as its number so that
// callers need no SDL header), or -1 for a key the game cannot name.
int dikFromSdlScancode(int scancode);

}  // namespace kv::platform
