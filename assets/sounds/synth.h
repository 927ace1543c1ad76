#pragma once
// A small additive synthesizer for the menu sounds: a few instruments
// written into a stereo float track, then echoed and normalised.
#include <cstdint>
#include <vector>

namespace kv::sounds {

enum class Instrument { Pluck, Pad, Bass, Bell, Kick, Snare, Hat };

class Track {
public:
    Track(int rate, double seconds);

    int rate() const { return rate_; }
    // A note of `midiNote` (69 = A 440 Hz) from `start` for `length`
    // seconds; `pan` -1 left to 1 right. Drums ignore the note.
    void add(Instrument instrument, double start, double length, int midiNote, double velocity, double pan = 0.0);
    // Stereo feedback echo, for a little room around dry tones.
    void echo(double delaySeconds, double feedback, double mix);
    // Interleaved 16-bit frames scaled so the loudest peak is `peak` of
    // full scale. `fadeSeconds` fades the very end, so loops end clean.
    std::vector<std::int16_t> toPcm16(double peak, double fadeSeconds) const;

private:
    void mixSample(std::size_t frame, double value, double pan);

    int rate_;
    std::vector<double> left_;
    std::vector<double> right_;
    std::uint32_t noise_ = 22222;  // fixed seed: the same sounds every build
};

double noteHz(int midiNote);

}  // namespace kv::sounds
