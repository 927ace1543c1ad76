#pragma once
// WAVE: every note comes as four quarters flying in along the diagonals
// that meet on the lane's key.
#include "play/play_screen_view.h"

namespace kv {

void drawWaveNotes(const LaneView& view);

// The marker climbing at the left of the lane area as the chart plays.
void drawWaveProgress(const LaneView& view);

}  // namespace kv
