#pragma once
// Where the BONUS style's field, lanes and panels sit: the lanes spread
// over a 320-pixel field in the middle of the screen, the figures where
// the guide panel keeps them.
#include "play/lane_layout.h"

namespace kv {

// The field's top-left corner on the screen; field coordinates (ship,
// shots, bullets, enemy boxes) are relative to it.
constexpr int kBonusFieldX = 158;
constexpr int kBonusFieldY = 20;
constexpr int kBonusFieldHeight = 413;
// An enemy's box starts this far right of its lane's x.
constexpr int kEnemyInset = 32;

LaneLayout layoutBonusLanes(int keyMode);

// Each lane's x on the field (-1 for lanes the key mode does not use), as
// the shooter rules take them.
std::array<int, kLaneCount> bonusLaneXs(const LaneLayout& layout);

}  // namespace kv
