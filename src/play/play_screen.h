#pragma once
// The play screen of the lane styles: picture frame, lanes, notes, bar
// lines, keys and flashes, then the panels; composed into the back surface
// and presented.
#include "play/lane_layout.h"
#include "play/play_context.h"
#include "play/play_screen_state.h"

namespace kv {

void paintPlayFrame(PlayContext& ctx, const LaneLayout& layout, PlayScreenState& screen);

}  // namespace kv
