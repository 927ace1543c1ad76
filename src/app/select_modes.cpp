// The modes that pick one chart at a time from the select screen: free
// play, puzzle play and listen mode.
#include "app/driver_steps.h"
#include "scene/shell.h"
#include "settings/settings.h"

namespace kv {

namespace {

const char* const kSelectMusic = "SELECT MUSIC";

// Plays the loaded chart until the player is done with it: again after a
// restart (F11) or when the result screen asks for another go.
ModeEnd playUntilDone(const SceneTable& scenes, const ChartEntry& entry, int purpose, bool countPlays) {
    for (;;) {
        const int played = scenes.playChart(entry, -1);
        scenes.wipeOut();
        applyGaugeRule(scenes, false);
        const int grade = scenes.evaluateClear(purpose);
        if (quitting()) return ModeEnd::Quit;
        if (played == kPlayDone && scenes.resultScreen(purpose, grade) == kSceneBack) {
            scenes.stopChartSamples();
            scenes.stopMusic();
            continue;  // the chart stays loaded and the play count stays
        }
        if (quitting()) return ModeEnd::Quit;
        if (countPlays) ++shell().playCount;
        scenes.stopChartSamples();
        if (played != kPlayRestart) return ModeEnd::Title;
        scenes.stopMusic();
    }
}

// The select screen again; true when the player went back to the title.
bool selectedBack(const SceneTable& scenes, int banner) {
    return scenes.runSelectScreen(0, kSelectMusic, banner) == kSceneBack;
}

}  // namespace

ModeEnd runFreePlay(const SceneTable& scenes) {
    while (!selectedBack(scenes, 0)) {
        if (quitting()) return ModeEnd::Quit;
        const ChartEntry entry = scenes.chosenEntry();
        // A chart that does not load sends the player back to the list;
        // ending the program here would lose the settings.
        if (!scenes.loadChart(entry)) continue;
        if (playUntilDone(scenes, entry, kPurposeFreePlay, true) == ModeEnd::Quit) return ModeEnd::Quit;
        chartTeardown(scenes);
    }
    if (quitting()) return ModeEnd::Quit;
    scenes.wipeOut();
    return ModeEnd::Title;
}

ModeEnd runPuzzlePlay(const SceneTable& scenes) {
    for (;;) {
        shell().puzzleMode = 1;
        if (selectedBack(scenes, 2)) break;
        if (quitting()) return ModeEnd::Quit;
        if (scenes.selectPuzzleCell() == kSceneBack) continue;
        if (quitting()) return ModeEnd::Quit;
        const ChartEntry entry = scenes.chosenEntry();
        scenes.applyMissionRules();
        if (scenes.loadChart(entry)) {
            if (playUntilDone(scenes, entry, kPurposePuzzle, false) == ModeEnd::Quit) {
                scenes.restoreMissionOptions();  // the player's own options are what gets saved
                return ModeEnd::Quit;
            }
            chartTeardown(scenes);
        }
        scenes.restoreMissionOptions();
    }
    if (quitting()) return ModeEnd::Quit;
    scenes.wipeOut();
    return ModeEnd::Title;
}

ModeEnd runListenMode(const SceneTable& scenes) {
    for (;;) {
        shell().listenMode = 1;
        if (scenes.runSelectScreen(3, kSelectMusic, 4) == kSceneBack) break;
        if (quitting()) return ModeEnd::Quit;
        const ChartEntry entry = scenes.chosenEntry();
        const std::int8_t autoplay = settings().AUTOPLAY;
        settings().AUTOPLAY = 1;
        if (scenes.loadChart(entry)) {
            scenes.playChart(entry, -1);
            scenes.wipeOut();
            chartTeardown(scenes);
        }
        settings().AUTOPLAY = autoplay;
        if (quitting()) return ModeEnd::Quit;
    }
    if (quitting()) return ModeEnd::Quit;
    scenes.wipeOut();
    return ModeEnd::Title;
}

}  // namespace kv
