#include "app/driver_steps.h"
#include "scene/eternal_run.h"
#include "scene/shell.h"
#include "settings/settings.h"

namespace kv {

namespace {

// Opens the next folder in display order, wrapping at the end.
void advanceFolder(const SceneTable& scenes, EternalRun& run) {
    const int count = scenes.folderCount();
    if (count <= 0) return;
    run.folder = (run.folder + 1) % count;
    scenes.openFolder(scenes.folderIdAt(run.folder));
}

// The last display position of the open folder; unchanged when none.
void findOpenFolder(const SceneTable& scenes, EternalRun& run) {
    for (int position = 0; position < scenes.folderCount(); ++position)
        if (scenes.folderIdAt(position) == scenes.currentFolderId()) run.folder = position;
}

// Moves on to a folder with charts. False when every folder is empty.
bool findFilledFolder(const SceneTable& scenes, EternalRun& run) {
    const int start = run.folder;
    while (scenes.visibleCount() == 0) {
        advanceFolder(scenes, run);
        if (run.folder == start) return false;
    }
    return true;
}

enum class RunEnd { Over, Empty, Quit };

// One run from the first chart until a chart is failed.
RunEnd playRun(const SceneTable& scenes, EternalRun& run) {
    for (;;) {
        const ChartEntry entry = scenes.visibleEntry(run.position);
        if (!scenes.loadChart(entry)) return RunEnd::Over;
        const int played = scenes.playChart(entry, -1);
        const bool nonstop = settings().NONSTOP != 0;
        if (!(nonstop && scenes.playFacts().endState == kEndedNormally)) scenes.wipeOut();
        applyGaugeRule(scenes, true);
        const int grade = scenes.evaluateClear(kPurposeStages);
        if (!nonstop && played == kPlayDone && !quitting()) scenes.resultScreen(kPurposeStages, grade);
        releaseStage(scenes);
        if (quitting()) return RunEnd::Quit;
        if (scenes.playFacts().cleared == 0) return RunEnd::Over;

        if (run.position + 1 < scenes.visibleCount()) {
            ++run.position;
        } else {
            if (run.juke == JukeAllFolders) {
                advanceFolder(scenes, run);
                if (!findFilledFolder(scenes, run)) return RunEnd::Empty;
            }
            run.position = 0;
        }
        ++run.songs;
    }
}

}  // namespace

ModeEnd runEternalPlay(const SceneTable& scenes) {
    Settings& options = settings();
    const std::int8_t filter = options.FILTER, filter2 = options.FILTER2, sort = options.SORT;
    EternalRun& run = eternalRun();
    ModeEnd end = ModeEnd::Title;
    bool startOver = true;
    while (true) {
        shell().playMode = EternalPlayMode;
        if (startOver) {
            // The player's list filters are kept aside once, so starting
            // over never takes the run's own settings for the player's.
            run.juke = JukeAllFolders;
            options.FILTER = options.FILTER2 = 0;
            scenes.rebuildSongList();
            startOver = false;
        }
        scenes.setGauge(100.0f);
        if (scenes.runSelectScreen(2, "SELECT JUKEBOX", 3) == kSceneBack) break;
        if (quitting()) break;
        if (scenes.runEternalOptions() == kSceneBack) continue;
        if (quitting()) break;
        scenes.rebuildSongList();
        run.songs = run.position = 0;
        findOpenFolder(scenes, run);
        if (scenes.visibleCount() == 0) {
            if (run.juke != JukeAllFolders) continue;
            if (!findFilledFolder(scenes, run)) {
                startOver = true;
                continue;
            }
        }
        const RunEnd result = playRun(scenes, run);
        if (result == RunEnd::Quit) break;
        startOver = result == RunEnd::Empty;
    }
    if (quitting()) end = ModeEnd::Quit;
    else scenes.wipeOut();
    options.FILTER = filter;
    options.FILTER2 = filter2;
    options.SORT = sort;
    return end;
}

}  // namespace kv
