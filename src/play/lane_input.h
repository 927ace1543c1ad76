#pragma once
// The player's lanes read from the bound keys and joypads, as the play
// logic's lane controls. Kept apart because the input and chart headers
// both name the lane count.
#include <cstdint>
#include <memory>

namespace kv {

class LaneInput {
public:
    // Bindings from the settings, for a chart key mode.
    explicit LaneInput(int keyMode);
    ~LaneInput();
    LaneInput(const LaneInput&) = delete;
    LaneInput& operator=(const LaneInput&) = delete;

    // Reads the devices and writes one control per lane (0 up, 1 down,
    // 2 the turntable's other direction) into `controls[0..count)`.
    void read(std::int8_t* controls, int count);

private:
    struct State;
    std::unique_ptr<State> state_;
};

}  // namespace kv
