#pragma once
// The moving objects: notes released into the pool as the spawn cursor
// reaches them, bar lines, and one unit of movement per logic step with
// what happens at the judgement line and past it.
#include "play/play_context.h"

namespace kv {

// Releases the notes, replay marks and bar lines the spawn cursor reached.
// A full pool drops the new object.
void spawnObjects(PlayContext& ctx);

// Moves every object one unit: notes sound at the line when the game plays
// them, set up the lane's next keysound, and an unhit note that leaves the
// lane is a miss.
void advanceObjects(PlayContext& ctx);

// While the chart stands still, the notes standing on the line reach it
// (and sound under autoplay) as they would have in the next step.
void reachLineWhileStopped(PlayContext& ctx);

// Pool kind of a chart note as it enters.
int entryKind(NoteKind kind);

// Note colour of a lane (3 turntable, 0 odd keys, 1 or 2 even keys).
int noteColour(const PlayConfig& config, int lane);

}  // namespace kv
