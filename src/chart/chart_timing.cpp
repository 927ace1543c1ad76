#include "chart/chart_timing.h"

#include <algorithm>

namespace kv {

double playLengthSeconds(const Chart& chart, PlaybackRate rate) {
    constexpr double unitsPerBeat = kStandardMeasure / 4.0;
    double seconds = 0.0;
    double tempo = playbackTempo(chart.baseTempo, rate);
    int nextTempo = 0, nextStop = 0;  // both lists are in (measure, position) order
    for (int measure = 0; measure <= chart.lastMeasure; ++measure) {
        int position = 0;
        const int length = chart.measureLengthOf(measure);
        const auto runTo = [&](int at) {
            at = std::clamp(at, position, length);
            seconds += (at - position) * 60.0 / (tempo * unitsPerBeat);
            position = at;
        };
        for (;;) {
            const bool tempoDue = nextTempo < chart.tempoChanges.size() && chart.tempoChanges[nextTempo].measure <= measure;
            const bool stopDue = nextStop < chart.stops.size() && chart.stops[nextStop].measure <= measure;
            // At one place the tempo changes first; the stop lasts at the new tempo.
            if (tempoDue && (!stopDue || chart.tempoChanges[nextTempo].position <= chart.stops[nextStop].position)) {
                const TempoChange& change = chart.tempoChanges[nextTempo++];
                runTo(change.position);
                if (const double changed = playbackTempo(change.bpm, rate); changed > 0) tempo = changed;
            } else if (stopDue) {
                const Stop& stop = chart.stops[nextStop++];
                runTo(stop.position);
                seconds += stopSeconds(stop.length, tempo);
            } else {
                break;
            }
        }
        runTo(length);
    }
    return seconds;
}

}  // namespace kv
