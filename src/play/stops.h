#pragma once
// Stops: when the play cursor reaches one, the chart stands still for the
// stop's length at the tempo in force. The steps of a stop only read the
// keys; the last one is shorter, so the chart resumes on the millisecond.
#include "play/play_context.h"

namespace kv {

// Starts the stops the play cursor has reached (after its tempo change).
void startDueStops(PlayContext& ctx);

bool stopped(const Play& play);

// Wall time until the next logic step: a step length, or what is left of
// the stop when that is less.
double nextStepMs(const Play& play);

// A step of the stop uses up its share of it.
void spendStopStep(Play& play);

}  // namespace kv
