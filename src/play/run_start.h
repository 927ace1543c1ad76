#pragma once
// The start of a run: everything reset, the replay file loaded when asked
// for, and the pre-roll that fills the lanes before the clock starts.
#include "play/play_context.h"

namespace kv {

// Resets the timeline, objects, tallies, gauge and replay for a new run.
// continueCourse: a course stage after the first, which keeps the combo,
// adds the previous stage's score to the course total and keeps a SURVIVAL
// gauge.
void resetRun(PlayContext& ctx, bool continueCourse);

// resetRun, then the pre-roll: 204 unjudged steps so the first notes are
// already on their way when the clock starts.
void startRun(PlayContext& ctx, bool continueCourse);

}  // namespace kv
