#pragma once
// The play scene: runs the loaded chart (theChart) from the pre-roll to the
// end of the run on the play clock, reading keys at every logic step.
#include "chart/chart_entry.h"
#include "play/play_mission.h"

namespace kv {

// Work surfaces the play screen draws through.
constexpr int kWorkSurfaceA = 265;
constexpr int kWorkSurfaceB = 266;
constexpr int kWorkSurfaceSize = 256;

// stageIndex: 0-based course stage, -1 outside courses. Returns 1 for
// F11 (play again) or when the game is quitting, 2 for F12 (back), 0 for
// every other end. In puzzle play `mission` is the mission the run is
// played under.
int playChart(const ChartEntry& entry, int stageIndex, const PlayMission* mission = nullptr);

}  // namespace kv
