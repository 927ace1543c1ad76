#pragma once
// The play screen of the lane styles BEMUSIC, UPWAY, SCAN2 and WAVE:
// picture frame, the style's lanes, notes and keys, then the panels;
// composed into the back surface and presented.
#include "play/lane_layout.h"
#include "play/play_context.h"
#include "play/play_screen_state.h"

namespace kv {

void paintPlayFrame(PlayContext& ctx, const LaneLayout& layout, PlayScreenState& screen);

}  // namespace kv
