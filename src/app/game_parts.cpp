#include "app/game_parts.h"

#include <iostream>

#include "app/setup_screens.h"
#include "app/title_screen.h"
#include "base/random.h"
#include "media/audio/headless_audio.h"
#include "media/audio/midi_music.h"
#include "media/audio/sample_slots.h"
#include "media/audio/sound_config.h"
#include "media/audio/sound_engine.h"
#include "media/gfx/display.h"
#include "media/gfx/plugins.h"
#include "media/gfx/skin.h"
#include "platform/audio_device.h"
#include "play/game_chart_load.h"
#include "play/play_scene.h"
#include "play/play_state.h"
#include "scene/shell.h"
#include "scene/wipe.h"
#include "screens/modes/course_scenes.h"
#include "screens/modes/eternal_options.h"
#include "screens/modes/puzzle_scenes.h"
#include "screens/results/ranking_file.h"
#include "screens/results/result_scenes.h"
#include "screens/select/library.h"
#include "screens/select/option_presets.h"
#include "screens/select/select_screen.h"
#include "screens/select/select_screen_run.h"
#include "screens/select/select_screen_scenes.h"
#include "screens/select/stage_screen.h"
#include "settings/settings.h"

namespace kv {

namespace {

RankingPlace rankingPlace() { return {settings().RANKING, shell().programFolder}; }

ListOptions listOptions() { return {settings().FILTER, settings().FILTER2, settings().SORT}; }

constexpr int kFirstChartPictureSlot = 4;
constexpr int kLastChartMediaSlot = 266;

// The song table's record of the chart just played: its ranking block is
// refreshed when a new ranking is stored.
ChartEntry& playedEntry() {
    static ChartEntry none;
    const int chart = selectCursors().chosenChart;
    return chart >= 0 && chart <= kMaxCharts ? songLibrary().charts[std::size_t(chart)] : none;
}

// What the driver needs between plays: the run's outcome and the chart's teardown.
void addPlayChain(SceneTable& scenes) {
    scenes.playFacts = [] {
        const Play& play = thePlay;
        return PlayFacts{play.endState, play.cleared, play.playCursor.measure, play.autoplayActive, play.replayActive, play.gauge};
    };
    scenes.setGauge = [](float gauge) { thePlay.gauge = gauge; };
    scenes.chartLastMeasure = [] { return int(theChart.lastMeasure); };
    scenes.stopChartSamples = [] {
        for (int number = 0; number < kChartSampleNumbers; ++number) stopSample(chartSampleSlot(number));
    };
    scenes.stopMusic = [] { stopMidi(); };
    scenes.closeMusic = [] { closeMidi(); };
    scenes.releaseChartMedia = [] {
        releaseSlots(kFirstChartPictureSlot, kLastChartMediaSlot);
        releaseChartSamples();
    };
    ResultSceneSources sources;
    sources.playedEntry = playedEntry;
    sources.missionIndex = [] { return puzzlePlay().mission; };
    sources.missionLost = [] { return runLostMission(puzzlePlay().mission, thePlay, theChart); };
    sources.courseRanking = storedCourseRanking;
    sources.wipeOut = wipeOut;
    registerResultScenes(scenes, sources);
}

}  // namespace

SceneTable gameScenes() {
    SceneTable scenes;
    scenes.titleScreen = titleScreen;
    scenes.keySetupScreen = keySetupScreen;
    scenes.joypadSetupScreen = joypadSetupScreen;
    scenes.wipeOut = wipeOut;
    scenes.loadChart = [](ChartEntry entry) {
        const std::int32_t topScore = loadRankingForDisplay(entry).entries[0].score;
        return loadGameChart(std::move(entry), topScore);
    };
    addSelectScenes(scenes);
    addCourseScenes(scenes);
    scenes.runEternalOptions = runEternalOptions;
    addPuzzleScenes(scenes, [] { return showStageScreen(chosenChartEntry()); });
    scenes.playChart = playChartWithMission;
    addPlayChain(scenes);
    return scenes;
}

Subsystems gameSubsystems() {
    Subsystems parts;
    // The program folder is current at start and at exit.
    parts.loadOptionPresets = [] { loadPresetFile(optionPresets(), kPresetFileName); };
    parts.saveOptionPresets = [] { savePresetFile(optionPresets(), kPresetFileName); };
    parts.resetLibrary = [] {
        SongLibrary& library = songLibrary();
        library.currentFolder = kNoFolderOpen;
        library.atFolderList = 1;
    };
    parts.scanLibrary = [] {
        SongLibrary& library = songLibrary();
        library.longNoteCharts = settings().longNotesOn();
        buildFolderList(library, shell().programFolder, settings().PATH);
        return library.folders.size();
    };
    parts.scanSingleChart = [](const std::string& folder, const std::string& file) {
        songLibrary().longNoteCharts = settings().longNotesOn();
        return loadSingleChart(songLibrary(), folder + "/" + file, shell().programFolder, rankingPlace()) == 1;
    };
    parts.enterOnlyFolder = [] {
        SongLibrary& library = songLibrary();
        library.currentFolder = 0;
        library.atFolderList = 0;
        loadFolder(library, 0, rankingPlace(), listOptions(), nextRandom);
    };
    parts.captureAudio = [](const std::string& wavPath) {
        startHeadlessAudio(wavPath);
        return true;
    };
    parts.initSound = [](int quality) {
        if (initSound(quality) == 1) return true;
        std::cerr << "game: no sound device: " << platform::AudioDevice::openProblem()
                  << "; SDL_AUDIODRIVER=NAME picks another driver, SDL_AUDIODRIVER=dummy plays silently\n";
        return false;
    };
    parts.shutdownSound = shutdownSound;
    parts.loadMenuSounds = [] { loadSoundConfig(); };
    parts.readSkins = [] {
        listSkins();
        settings().SKIN = std::int8_t(validSkinIndex(settings().SKIN));
        readSkin(skinList.names[settings().SKIN]);
    };
    parts.missingSkinFiles = missingSkinSheets;
    parts.loadPlugins = [] { loadPlugins("."); };
    return parts;
}

}  // namespace kv
