#include "app/scene_driver.h"

#include "app/driver_steps.h"
#include "scene/shell.h"

namespace kv {

namespace {

template <typename... Functions>
bool allSet(const Functions&... functions) {
    return (static_cast<bool>(functions) && ...);
}

// What every mode that plays charts needs.
bool canPlay(const SceneTable& s) {
    return allSet(s.runSelectScreen, s.chosenEntry, s.loadChart, s.playChart, s.wipeOut, s.playFacts,
                  s.setGauge, s.chartLastMeasure, s.evaluateClear, s.resultScreen, s.stopChartSamples,
                  s.stopMusic, s.closeMusic, s.releaseChartMedia);
}

ModeEnd runChoice(const SceneTable& scenes, int choice) {
    switch (choice) {
        case TitleFreePlay: return runFreePlay(scenes);
        case TitlePuzzle: return runPuzzlePlay(scenes);
        case TitleEternal: return runEternalPlay(scenes);
        case TitleListen: return runListenMode(scenes);
        case TitleCourse: return runCoursePlay(scenes);
        case TitleKeySetup: scenes.keySetupScreen(); break;
        case TitleJoypadSetup: scenes.joypadSetupScreen(); break;
    }
    return quitting() ? ModeEnd::Quit : ModeEnd::Title;
}

}  // namespace

bool canRunChoice(const SceneTable& s, int choice) {
    const bool courseless = shell().singleSong != 0;  // one chart makes no course or eternal run
    switch (choice) {
        case TitleFreePlay:
        case TitleListen: return canPlay(s);
        case TitlePuzzle: return canPlay(s) && allSet(s.selectPuzzleCell, s.applyMissionRules, s.restoreMissionOptions);
        case TitleEternal:
            return !courseless && canPlay(s) &&
                   allSet(s.runEternalOptions, s.rebuildSongList, s.visibleCount, s.visibleEntry, s.folderCount,
                          s.folderIdAt, s.currentFolderId, s.openFolder);
        case TitleCourse:
            return !courseless && canPlay(s) &&
                   allSet(s.inputCourseName, s.courseResultScreen, s.visibleCount, s.visibleEntry, s.saveCourse,
                          s.loadCourse, s.recordCourseStage);
        case TitleKeySetup: return allSet(s.keySetupScreen);
        case TitleJoypadSetup: return allSet(s.joypadSetupScreen);
    }
    return false;
}

DriverEnd runSceneDriver(const SceneTable& scenes) {
    for (;;) {
        Shell& state = shell();
        state.puzzleMode = state.listenMode = 0;
        state.playMode = FreePlayMode;
        const int choice = scenes.titleScreen();
        if (quitting()) return DriverEnd::Quit;
        if (scenes.wipeOut) scenes.wipeOut();
        if (quitting()) return DriverEnd::Quit;
        if (choice == TitleExit) return DriverEnd::Exit;
        if (canRunChoice(scenes, choice) && runChoice(scenes, choice) == ModeEnd::Quit) return DriverEnd::Quit;
    }
}

}  // namespace kv
