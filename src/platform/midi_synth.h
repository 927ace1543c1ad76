#pragma once
// A General MIDI synthesizer playing one MIDI file, rendered on demand
// (FluidSynth without an audio driver of its own). Its clock is the
// samples it renders, so offline and real-time runs sound the same.
#include <cstdint>
#include <memory>
#include <string>

namespace kv::platform {

class MidiSynth {
public:
    // Loads the soundfont and the MIDI file for output at `rate` Hz. Null
    // when either is missing or unreadable.
    static std::unique_ptr<MidiSynth> open(const std::string& midiPath, int rate);

    ~MidiSynth();
    MidiSynth(const MidiSynth&) = delete;
    MidiSynth& operator=(const MidiSynth&) = delete;

    // Plays the file from its beginning, cutting off what still sounds.
    void restart();
    // Renders `frames` interleaved stereo frames (silence before restart()).
    void render(std::int16_t* out, int frames);

private:
    struct Parts;
    explicit MidiSynth(std::unique_ptr<Parts> parts);
    std::unique_ptr<Parts> parts_;
};

// The General MIDI soundfont found on this machine, or "" when none.
std::string findSoundfont();

}  // namespace kv::platform
