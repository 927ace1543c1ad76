#pragma once
// The playback-rate options: TEMPO speeds the whole chart up or down,
// BPMEDIT trims it by tenths of a percent.
#include <cstdint>

namespace kv {

// TEMPO codes 0-4: normal, HIGH, HIGH2, LOW1, LOW2; other codes play normally.
constexpr double tempoFactor(int tempo) {
    constexpr double factors[] = {1.0, 1.5, 2.0, 0.75, 0.5};
    return tempo >= 0 && tempo <= 4 ? factors[tempo] : 1.0;
}

// BPMEDIT 0-100, 50 leaves the rate unchanged.
constexpr double bpmEditFactor(std::int32_t bpmEdit) { return 1.0 + (bpmEdit - 50) * 0.001; }

struct PlaybackRate {
    int tempo = 0;              // the TEMPO code
    std::int32_t bpmEdit = 50;  // the BPMEDIT trim
};

// The tempo play runs at for a tempo the chart writes. The rate option
// works in single precision, the trim in double.
constexpr double playbackTempo(double bpm, PlaybackRate rate) {
    double tempo = bpm;
    if (rate.tempo != 0) tempo = float(bpm) * float(tempoFactor(rate.tempo));
    if (rate.bpmEdit != 50) tempo = bpmEditFactor(rate.bpmEdit) * tempo;
    return tempo;
}

}  // namespace kv
