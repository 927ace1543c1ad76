#pragma once
// Tempo arithmetic: the playback-rate options and the wall time of a step.
#include "play/play_context.h"

namespace kv {

// Puts a tempo (beats per minute as the chart writes it) into force: the
// effective tempo, the step and sub-step lengths and the judgement windows,
// which follow the tempo. A tempo of 0 or less is ignored, so the clock
// never stalls.
void applyTempo(PlayContext& ctx, double bpm);

// Sub-step length after a change of sub-steps per step.
void setSubstepsPerStep(TempoState& tempo, double substepsPerStep);

}  // namespace kv
