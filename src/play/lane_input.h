#pragma once
// The player's lanes read from the bound keys and joypads, as the play
// logic's lane controls. Kept apart because the input and chart headers
// both name the lane count.
//
// Keys are read from the timed key events, so each logic step sees the
// presses of its own stretch of time, even when several steps run at the
// end of one frame, and a key that went down and up again within a step
// still presses its lane in that step.
#include <cstdint>
#include <memory>

#include "platform/clock.h"

namespace kv {

class LaneInput {
public:
    // Bindings from the settings, for a chart key mode. A press counts at
    // its time less `pressLateMicros` (how much later than the sound the
    // player's press comes: the sound's own lead and the JUDGEOFFSET line).
    LaneInput(int keyMode, platform::Micros pressLateMicros);
    ~LaneInput();
    LaneInput(const LaneInput&) = delete;
    LaneInput& operator=(const LaneInput&) = delete;

    // Reads the lanes for the logic step at clock time `stepTime` and writes
    // one control per lane (0 up, 1 down, 2 the turntable's other direction)
    // into `controls[0..count)`, and into `lateSteps` how many steps of
    // `msPerStep` ago a new press of the lane belonged (0 for a press of
    // this step; more when it reached us after its own step had run).
    void read(platform::Micros stepTime, double msPerStep, std::int8_t* controls, std::int16_t* lateSteps, int count);

private:
    struct State;
    std::unique_ptr<State> state_;
};

}  // namespace kv
