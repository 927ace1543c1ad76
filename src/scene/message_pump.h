#pragma once
// The per-frame message pump every scene calls.
namespace kv {

// Handles the window's waiting events and returns at once when there are
// none. Returns 0 once the quit message has arrived: the scene then
// returns at once and the driver leaves the game the clean way.
int pumpMessages();

}  // namespace kv
