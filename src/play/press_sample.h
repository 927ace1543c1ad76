#pragma once
// The keysound of a press: the lane's next note once the play cursor has
// passed the midpoint to it, otherwise the note that last reached the line.
#include "play/play_context.h"

namespace kv {

// Sample number the press sounds, or 0 before the lane's first note.
int pressSample(const Play& play, const Chart& chart, int lane);

// Sounds a press of the lane (played live or coming back from a replay).
void soundPress(PlayContext& ctx, int lane, bool offPitch);

}  // namespace kv
