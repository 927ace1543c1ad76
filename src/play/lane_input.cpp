#include "play/lane_input.h"

#include <algorithm>

#include "media/input/lanes.h"
#include "settings/settings.h"

namespace kv {

struct LaneInput::State {
    int keyMode = 0;
    LaneBindings bindings;
    LaneStates lanes;
};

LaneInput::LaneInput(int keyMode) : state_(std::make_unique<State>()) {
    state_->keyMode = keyMode;
    state_->bindings = laneBindings(settings());
}

LaneInput::~LaneInput() = default;

void LaneInput::read(std::int8_t* controls, int count) {
    readLanes(state_->keyMode, state_->bindings, state_->lanes);
    const int lanes = std::min(count, kLaneCount);
    for (int lane = 0; lane < lanes; ++lane) controls[lane] = static_cast<std::int8_t>(state_->lanes.now[lane]);
}

}  // namespace kv
