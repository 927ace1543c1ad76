#pragma once
// The BONUS style's screen: the field with its enemies, bullets, the ship,
// its shots and the bursts, framed by the status line and the figures.
#include "play/lane_layout.h"
#include "play/play_context.h"
#include "play/play_screen_state.h"

namespace kv {

void paintBonusFrame(PlayContext& ctx, const LaneLayout& layout, PlayScreenState& screen);

}  // namespace kv
