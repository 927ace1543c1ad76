#include "chart/chart_timing.h"

#include <algorithm>

namespace kv {

double playLengthSeconds(const Chart& chart, PlaybackRate rate) {
    constexpr double unitsPerBeat = kStandardMeasure / 4.0;
    double seconds = 0.0;
    double tempo = playbackTempo(chart.baseTempo, rate);
    int next = 0;  // tempo changes are in (measure, position) order
    const MeasureLengthTable lengths(chart);
    for (int measure = 0; measure <= chart.lastMeasure; ++measure) {
        int position = 0;
        const int length = lengths.of(measure);
        while (next < chart.tempoChanges.size() && chart.tempoChanges[next].measure <= measure) {
            const TempoChange& change = chart.tempoChanges[next++];
            const int at = std::clamp<int>(change.position, position, length);
            seconds += (at - position) * 60.0 / (tempo * unitsPerBeat);
            position = at;
            if (const double changed = playbackTempo(change.bpm, rate); changed > 0) tempo = changed;
        }
        seconds += (length - position) * 60.0 / (tempo * unitsPerBeat);
    }
    return seconds;
}

}  // namespace kv
