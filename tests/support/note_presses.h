#pragma once
// A player's hands as a script: every note of a chart pressed on the key
// the settings bind to its lane, at the moment it reaches the line plus an
// optional offset per press.
#include <vector>

#include "settings/settings.h"
#include "support/note_times.h"
#include "support/timed_script.h"

namespace kv::test {

// Adds one press per note, `playStartMs` being the game time the play
// clock starts at. `offsetsMs[i]` (when given) moves note i's press later
// (positive) or earlier (negative). A press is held 40 ms (a long note: until
// 20 ms after its end reached the line), or less when the lane's next press
// follows sooner, so every press is a new one. Returns
// false (adding nothing) when a lane has no key.
bool addNotePresses(TimedScript& script, double playStartMs, const ChartTiming& timing, const Settings& bindings,
                    const std::vector<double>& offsetsMs = {});

}  // namespace kv::test
