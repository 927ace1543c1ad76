#pragma once
// Play's sound requests sent to the sample slots and the MIDI player.
// Samples start at the moment of the logic step that asks for them, not
// when the frame gets round to running that step.
#include <optional>

#include "platform/clock.h"
#include "play/play_sound.h"

namespace kv {

class SlotSound : public PlaySound {
public:
    // The moment of the logic step now running; until the first, sounds
    // start now.
    void setMoment(platform::Micros at) { moment_ = at; }

    void playSample(int sample) override;
    void playSampleLow(int sample) override;
    void startMusic() override;

private:
    platform::Micros moment() const { return moment_ ? *moment_ : platform::clock().nowMicros(); }

    std::optional<platform::Micros> moment_;
};

}  // namespace kv
