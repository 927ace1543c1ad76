#include "play/lane_input.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "media/input/lanes.h"
#include "platform/keyboard.h"
#include "settings/settings.h"

namespace kv {

struct LaneInput::State {
    int keyMode = 0;
    platform::Micros pressLate = 0;
    LaneBindings bindings;
    LaneStates lanes;
    std::array<std::uint8_t, kKeyCount> keys{};  // as of the last step read
};

LaneInput::LaneInput(int keyMode, platform::Micros pressLateMicros) : state_(std::make_unique<State>()) {
    state_->keyMode = keyMode;
    state_->pressLate = pressLateMicros;
    state_->bindings = laneBindings(settings());
    // Keys already held come from the table; older events are in it.
    std::copy_n(platform::keyTable(), kKeyCount, state_->keys.begin());
    platform::clearKeyEvents();
}

LaneInput::~LaneInput() = default;

void LaneInput::read(platform::Micros stepTime, double msPerStep, std::int8_t* controls, std::int16_t* lateSteps,
                     int count) {
    State& s = *state_;
    // Down at the step's end, or at any moment of it: a tap is a press.
    std::array<std::uint8_t, kKeyCount> pressed = s.keys;
    std::array<platform::Micros, kKeyCount> pressedAt{};
    pressedAt.fill(stepTime);
    platform::KeyEvent event;
    while (platform::takeKeyEvent(stepTime + s.pressLate, event)) {
        const auto key = std::size_t(event.dik);
        s.keys[key] = event.down ? kKeyDown : 0;
        if (event.down && !(pressed[key] & kKeyDown)) {
            pressed[key] = kKeyDown;
            pressedAt[key] = event.at - s.pressLate;
        }
    }
    readLanes(s.keyMode, s.bindings, pressed.data(), s.lanes);

    const int lanes = std::min(count, kLaneCount);
    for (int lane = 0; lane < lanes; ++lane) {
        controls[lane] = static_cast<std::int8_t>(s.lanes.now[lane]);
        const std::int32_t key = laneKey(s.keyMode, s.bindings, lane, s.lanes.now[lane]);
        const double lateMs = key >= 0 && key < kKeyCount ? double(stepTime - pressedAt[std::size_t(key)]) / 1000.0 : 0.0;
        lateSteps[lane] = static_cast<std::int16_t>(msPerStep > 0 ? std::clamp(std::floor(lateMs / msPerStep), 0.0, 999.0) : 0.0);
    }
}

}  // namespace kv
