#pragma once
// How long a chart plays at its own tempo.
#include "chart/chart.h"
#include "chart/playback_rate.h"

namespace kv {

// Seconds from the start of measure 0 to the end of chart.lastMeasure at the
// header tempo and the chart's tempo changes, played at `rate`. Like play,
// it ignores a tempo that is not positive.
double playLengthSeconds(const Chart& chart, PlaybackRate rate = {});

}  // namespace kv
