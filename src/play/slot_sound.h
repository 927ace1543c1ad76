#pragma once
// Play's sound requests sent to the sample slots and the MIDI player.
#include "play/play_sound.h"

namespace kv {

class SlotSound : public PlaySound {
public:
    void playSample(int sample) override;
    void playSampleLow(int sample) override;
    void startMusic() override;
};

}  // namespace kv
