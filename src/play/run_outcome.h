#pragma once
// Clear and fail decisions, and the end of a run.
#include "play/play_context.h"

namespace kv {

// Steps a decided run keeps going before it ends (10 beats).
constexpr int kOutcomeSteps = 720;
constexpr float kGrooveClearGauge = 70.0f;

// A live run that plays itself back as a replay once it is over.
bool replayWaiting(const PlayContext& ctx);

// Decides a run that has passed the chart's last measure, fails it when
// the gauge runs out or a PERFECT2 run misses, counts a decided run down to
// its end, and ends a run that is well past the chart.
void decideRunOutcome(PlayContext& ctx);

}  // namespace kv
