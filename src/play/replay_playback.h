#pragma once
// Recording a run's presses and playing them back: after the live run
// (REPLAY ON) or from a replay file (REPLAY LOAD) the chart plays again,
// unjudged, while the recorded presses come down the lanes as marks and
// sound their keysounds at the line.
#include "play/play_context.h"

namespace kv {

// Appends a press at the play cursor to its lane's record (not during the
// count-in; at most 2000 a lane).
void recordPress(PlayContext& ctx, int lane, int code);

// End of a timeline step: once a recorded live run has passed the chart's
// last measure, rewind the chart and play the run back.
void switchIntoPlaybackWhenDue(PlayContext& ctx);

// Releases the recorded presses the spawn cursor has reached as marks.
void releaseReplayMarks(PlayContext& ctx);

// Moves the marks; a mark that passes the line sounds its press.
void advanceReplayMarks(PlayContext& ctx);

}  // namespace kv
