#pragma once
// The clear evaluation the scene driver asks for after every play.

namespace kv {

// Grades the finished run from the play state, the chart and the settings,
// and sets Play.cleared to 1 (any grade but failed) or 0. `missionLost`
// tells a puzzle play whose mission was not met.
int evaluateClear(int purpose, bool missionLost);

}  // namespace kv
