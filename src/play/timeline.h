#pragma once
// The timeline: logic steps of 1/72 beat move two cursors through the
// chart. The spawn cursor releases notes into the lanes; the play cursor,
// 785 steps behind, is "now" at the judgement line and fires background
// sounds, picture changes and tempo changes.
#include "play/play_context.h"

namespace kv {

// Moves a cursor one step through the chart's measures; true when it
// entered the next measure.
bool advanceCursor(Cursor& cursor, const Chart& chart);

// Puts cursors, event indices, pictures, per-lane indices and tempo back to
// the start of the chart (run start and the switch into replay playback).
void rewindTimeline(PlayContext& ctx);

// One step of both cursors and of the play cursor's events, then the
// end-of-run rules and the switch into replay playback. The pre-roll steps
// before the clock starts leave the SCAN2 sweep alone.
void timelineStep(PlayContext& ctx, bool preRoll);

}  // namespace kv
