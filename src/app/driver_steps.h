#pragma once
// Steps the mode loops of the scene driver share.
#include "scene/scene_table.h"

namespace kv {

enum class ModeEnd { Title, Quit };

// The quit message has arrived: every loop leaves at once.
bool quitting();

// A play that stopped before the chart's end fails: its gauge drops to 0
// unless autoplay played it, and always when it was abandoned. Free and
// puzzle play spare replays (`always` false); eternal and course play do
// not.
float gaugeAfterPlay(const PlayFacts& facts, int lastMeasure, bool always);
void applyGaugeRule(const SceneTable& scenes, bool always);

// After a play: stop every chart sample and the music, close the music
// device and release the chart's pictures and samples.
void chartTeardown(const SceneTable& scenes);
// The same without stopping the music first (eternal and course stages).
void releaseStage(const SceneTable& scenes);

ModeEnd runFreePlay(const SceneTable& scenes);
ModeEnd runPuzzlePlay(const SceneTable& scenes);
ModeEnd runListenMode(const SceneTable& scenes);
ModeEnd runEternalPlay(const SceneTable& scenes);
ModeEnd runCoursePlay(const SceneTable& scenes);

}  // namespace kv
