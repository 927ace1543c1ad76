#pragma once
// Puts puzzle play into the scene table: the SELECT PUZZLE screen, the
// chosen mission's rules around each play, and the mission that the play
// scene and the clear evaluation judge the run by.
#include <functional>

#include "chart/chart.h"
#include "play/play_mission.h"
#include "scene/scene_table.h"
#include "screens/modes/mission_options.h"

namespace kv {

// Puzzle play between the screens: the mission chosen last and, while its
// rule is in force, the player's own options.
struct PuzzlePlay {
    int mission = 0;
    bool rulesInForce = false;
    PlayerOptions playerOptions;
};

PuzzlePlay& puzzlePlay();

// Saves the player's options and forces the chosen mission's; restoring
// puts the player's back. Applying twice keeps the first saved options and
// restoring twice does nothing, so the player's options are never lost.
void applyMissionRules(PuzzlePlay& puzzle, Settings& settings);
void restoreMissionOptions(PuzzlePlay& puzzle, Settings& settings);

// The mission's tests and texts for one run of a chart of `noteTotal` notes.
PlayMission playMissionFor(int mission, int noteTotal);
// Whether the run in `play` lost `mission` (early, or at the chart's end).
bool runLostMission(int mission, const Play& play, const Chart& chart);

// Registers selectPuzzleCell (which shows the chosen chart's stage screen
// through `showChosenStage`), applyMissionRules and restoreMissionOptions.
void addPuzzleScenes(SceneTable& scenes, std::function<int()> showChosenStage);

// The play scene; while puzzle play runs, under the chosen mission.
int playChartWithMission(const ChartEntry& entry, int stageIndex);

}  // namespace kv
