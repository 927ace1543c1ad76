#pragma once
// Long notes in play. The head is judged like a note; holding the key to
// the end keeps that judgement, letting go before the end's GOOD window
// turns it into a BREAK. The end makes no sound. A held note whose end
// reaches the line is done and leaves the lane.
#include "play/play_context.h"

namespace kv {

// Unit position of a pooled note's end (its head's for a plain note).
inline int endY(const PoolObject& object) { return object.y - object.length; }

// Steps from a chart note's head to its end; 0 for a plain note and in
// BONUS, which shoots long notes like plain ones.
int poolLength(const PlayContext& ctx, const ChartObject& note);

// A long note's head was judged: COOL to GOOD hold it, a BREAK stays one.
void startHold(PoolObject& note, JudgementCode code);

// Live play, every step: a lane's key let go ends its held note, inside the
// end's GOOD window as held, before it as a BREAK.
void followHold(PlayContext& ctx, int lane, bool keyDown);

// Autoplay and replay playback hold the long note that reaches the line.
void showHold(Play& play, int lane, bool held);

// After the move: a held note whose end reached the line is done.
void finishHold(PoolObject& object);

}  // namespace kv
