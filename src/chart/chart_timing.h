#pragma once
// How long a chart plays at its own tempo.
#include "chart/chart.h"
#include "chart/playback_rate.h"

namespace kv {

// No single stop lasts longer than this, whatever its value and the tempo.
constexpr double kMaxStopSeconds = 30.0;

// Seconds a stop of `length` 192nds of a 4/4 measure lasts at `tempo`
// (beats per minute in force, after the playback-rate options).
inline double stopSeconds(double length, double tempo) {
    const double seconds = length / 48.0 * 60.0 / tempo;
    return seconds < kMaxStopSeconds ? seconds : kMaxStopSeconds;
}

// Seconds from the start of measure 0 to the end of chart.lastMeasure at the
// header tempo, the chart's tempo changes and its stops, played at `rate`.
// Like play, it ignores a tempo that is not positive.
double playLengthSeconds(const Chart& chart, PlaybackRate rate = {});

}  // namespace kv
