#pragma once
// The one way play makes sound: by chart sample number. The play scene
// forwards to the sample slots and the MIDI player; tests and the offline
// renderer record or mix what play asks for.
namespace kv {

class PlaySound {
public:
    virtual ~PlaySound() = default;
    virtual void playSample(int sample) = 0;
    // The off-pitch play of a bad hit.
    virtual void playSampleLow(int sample) = 0;
    // The chart's MIDI accompaniment from its beginning.
    virtual void startMusic() = 0;
};

}  // namespace kv
