#pragma once
// A General MIDI synthesizer playing one MIDI file. Where FluidSynth is
// built it renders on demand into our mix, its clock the samples it renders,
// so offline and real-time runs sound the same. Elsewhere (Windows) the
// system's synthesizer plays the file itself and render() gives silence.
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

// True when MIDI music is rendered into our mix; false when the system
// plays it, so an offline mixdown cannot contain it.
bool midiIsMixed();

// The General MIDI soundfont found on this machine, or "" when none.
std::string findSoundfont();

}  // namespace kv::platform
