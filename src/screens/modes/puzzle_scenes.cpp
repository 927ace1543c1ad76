#include "screens/modes/puzzle_scenes.h"

#include "play/play_scene.h"
#include "scene/shell.h"
#include "screens/modes/puzzle_missions.h"
#include "screens/modes/puzzle_select.h"
#include "settings/settings.h"

namespace kv {

namespace {

MissionTallies talliesOf(const Play& play, const Chart& chart) {
    return {play.coolCount, play.greatCount, play.goodCount, play.missCount, play.maxCombo, play.score,
            chart.noteCount};
}

}  // namespace

PuzzlePlay& puzzlePlay() {
    static PuzzlePlay puzzle;
    return puzzle;
}

void applyMissionRules(PuzzlePlay& puzzle, Settings& settings) {
    // Rules already in force give way to the player's options first, never become them.
    if (puzzle.rulesInForce) restorePlayerOptions(settings, puzzle.playerOptions);
    else puzzle.playerOptions = savePlayerOptions(settings);
    puzzle.rulesInForce = true;
    forceMissionOptions(settings, puzzle.mission);
}

void restoreMissionOptions(PuzzlePlay& puzzle, Settings& settings) {
    if (!puzzle.rulesInForce) return;
    restorePlayerOptions(settings, puzzle.playerOptions);
    puzzle.rulesInForce = false;
}

PlayMission playMissionFor(int mission, int noteTotal) {
    PlayMission play;
    play.boardText = missionBoardText(mission, noteTotal);
    play.startGauge = missionStartGauge(mission);
    play.stillPossible = [mission](const Play& run, const Chart& chart) {
        return missionStillPossible(mission, talliesOf(run, chart));
    };
    play.goalMet = [mission](const Play& run, const Chart& chart) {
        return missionGoalMet(mission, talliesOf(run, chart));
    };
    return play;
}

bool runLostMission(int mission, const Play& play, const Chart& chart) {
    return missionLostAtEnd(playMissionFor(mission, chart.noteCount), play, chart);
}

void addPuzzleScenes(SceneTable& scenes, std::function<int()> showChosenStage) {
    scenes.selectPuzzleCell = [showChosenStage] { return selectPuzzleCell(puzzlePlay().mission, showChosenStage); };
    scenes.applyMissionRules = [] { applyMissionRules(puzzlePlay(), settings()); };
    scenes.restoreMissionOptions = [] { restoreMissionOptions(puzzlePlay(), settings()); };
}

int playChartWithMission(const ChartEntry& entry, int stageIndex) {
    if (!shell().puzzleMode) return playChart(entry, stageIndex);
    const PlayMission mission = playMissionFor(puzzlePlay().mission, theChart.noteCount);
    return playChart(entry, stageIndex, &mission);
}

}  // namespace kv
