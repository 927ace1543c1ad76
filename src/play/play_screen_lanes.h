#pragma once
// BEMUSIC and UPWAY: lanes whose notes fall to the keys at the bottom, or
// rise to them at the top.
#include "play/play_screen_view.h"

namespace kv {

// Lane strips, key beams, bar lines, notes and replay marks.
void drawLaneBoard(const LaneView& view);

// The marker climbing beside the lanes as the chart plays.
void drawLaneProgress(const LaneView& view);

}  // namespace kv
