#pragma once
// Judging the player's presses: the note a press aims at, its timing
// against the four windows, the keysound of the press and its record.
#include <array>
#include <cstdint>

#include "play/play_context.h"

namespace kv {

// Control state of each lane this step: 0 up, 1 down, 2 the turntable's
// second direction.
using LaneControls = std::array<std::int8_t, kLaneCount>;
// Per lane, how many steps before this one a new press belongs to (it
// reached the game after its own step had run): it is judged where the
// notes stood then. 0 for every press the step sees in time.
using LaneLateness = std::array<std::int16_t, kLaneCount>;

// One logic step of input judging.
void judgeKeys(PlayContext& ctx, const LaneControls& controls, const LaneLateness& lateSteps = {});

// Advances the judgement image's animation phases by its age.
void advanceJudgeDisplay(JudgeDisplay& judge);

// Bonus score weight of a press from the distance e (in steps) to the
// nearest other judgeable note (-1: none): close notes are worth more.
int chordFactor(int distance);

}  // namespace kv
