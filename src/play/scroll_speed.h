#pragma once
// The SPEED option: how an object's unit position maps to a pixel offset
// inside the lane, and the sub-steps that keep fast scrolling smooth.
#include "play/play_config.h"
#include "play/play_state.h"

namespace kv {

// Offset of an object that is not drawn at all (GRAVITY near the top).
constexpr int kNotDrawn = -1000;

// Pixels a step for the fixed speeds 0-15; 1 for the others.
float speedMultiplier(int speedCode);

// Sub-steps per logic step at the start of a run.
double initialSubsteps(const PlayConfig& config);

// Pixel offset of a note with unit position y; at the line (402) it is 393
// for every fixed speed. A bar line is drawn 9 pixels lower.
int noteOffset(const Play& play, const PlayConfig& config, int y);
int barOffset(const Play& play, const PlayConfig& config, int y);

// Once per drawn frame: COMBO follows the combo, FREE follows F1/F2, and a
// RANDOM speed change glides.
void updateFrameSpeed(Play& play, const PlayConfig& config, bool lowerHeld, bool raiseHeld);

// Once per 10-millisecond animation tick: frees the FREE key-repeat latch
// three ticks after a change.
void tickFreeSpeedLatch(SpeedState& speed);

}  // namespace kv
