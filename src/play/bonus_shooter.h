#pragma once
// The BONUS style: the chart's notes come down as enemies and the player
// flies a ship that shoots them. Runs every 16 milliseconds of play time.
#include <array>

#include "play/play_context.h"

namespace kv {

struct BonusControls {
    bool up = false, down = false, left = false, right = false;
    bool fire = false;
};

// Field coordinates: the ship stays inside this box.
constexpr int kShipTop = 80;
constexpr int kShipBottom = 341;
constexpr int kShipRight = 288;
constexpr int kFieldWidth = 320;
constexpr int kFieldHeight = 413;
constexpr int kInvulnerableTicks = 100;

// Moves the ship; a new press of fire shoots (one of 7 shots).
void bonusShipUpdate(PlayContext& ctx, const BonusControls& controls);

// Moves the shots, destroys and judges the enemies they hit (by how high on
// the field: the sooner, the better), lets the enemies fire aimed bullets
// and hurts the ship when an enemy or bullet touches it. laneX is each
// lane's x on the field.
void bonusShotUpdate(PlayContext& ctx, const std::array<int, kLaneCount>& laneX);

// Every 10-millisecond animation tick: the ship's invulnerability wears off.
void tickBonusInvulnerability(BonusState& bonus);

}  // namespace kv
