#include "app/startup.h"

#include <ctime>
#include <filesystem>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "app/course_folder.h"
#include "app/scene_driver.h"
#include "base/random.h"
#include "media/gfx/display.h"
#include "media/input/input.h"
#include "platform/files.h"
#include "platform/frame_pacer.h"
#include "platform/frames.h"
#include "platform/message_box.h"
#include "platform/path_text.h"
#include "platform/platform.h"
#include "platform/save_report.h"
#include "platform/script_runner.h"
#include "platform/window.h"
#include "scene/shell.h"
#include "settings/settings_file.h"

namespace kv {

const char* const kNoChartMessage =
    "BMS 음악 파일을 찾을 수 없습니다.\n"
    "프로그램 폴더 안에 폴더를 하나 만들고 그 안에 BMS 파일을 넣어 주세요.\n"
    "\n"
    "BMS data not found!!\nplease insert BMS in subdir of Kelvarin";

namespace {

constexpr int kStartPacerFps = 999;
constexpr std::uint32_t kHeadlessSeed = 1;  // scripted runs replay the same random choices

void call(const std::function<void()>& step) {
    if (step) step();
}

std::string withSlash(std::string folder) {
    if (folder.empty() || folder.back() != '/') folder += '/';
    return folder;
}

// The chart argument: the folder it lies in (relative names lie in the
// folder the game was started from) and its file name.
bool readSingleChart(const Subsystems& subsystems, const std::string& chart) {
    if (!subsystems.scanSingleChart) return false;
    const std::filesystem::path path = std::filesystem::absolute(platform::pathFromText(chart));
    return subsystems.scanSingleChart(path.parent_path().string(), path.filename().string());
}

// Song folders found, 0 when there is nothing to play.
int buildLibrary(const Subsystems& subsystems) {
    Shell& state = shell();
    if (state.singleSong && !readSingleChart(subsystems, state.commandArgs)) {
        state.singleSong = 0;
        std::cerr << "game: cannot read the chart " << state.commandArgs << "; opening the song list instead\n";
    }
    if (state.singleSong) return 1;  // the one "-SINGLE-" folder
    return subsystems.scanLibrary ? subsystems.scanLibrary() : 0;
}

void releaseDevices(const Subsystems& subsystems) {
    releaseInput();
    call(subsystems.shutdownSound);
    releaseDisplay();
}

// A folder without the skin's pictures would show a black window.
bool skinFilesPresent(const Subsystems& subsystems) {
    if (!subsystems.missingSkinFiles) return true;
    const std::vector<std::string> missing = subsystems.missingSkinFiles();
    if (missing.empty()) return true;
    std::cerr << "game: the program folder " << shell().programFolder << " lacks the skin files";
    for (const std::string& file : missing) std::cerr << " " << file;
    std::cerr << "; `make` builds them into build/home\n";
    return false;
}

// Sound, display, the four scene sheets, input; the text of the first
// failure's message box, or null.
const char* createDevices(const Subsystems& subsystems, const LaunchOptions& options) {
    const Settings& s = settings();
    // A capture is set up first: it decides what kind of output the sound opens.
    if (!options.audioOut.empty() && !subsystems.captureAudio(options.audioOut)) return "DirectSound error!!";
    if (subsystems.initSound && !subsystems.initSound(s.WAVQUAL)) return "DirectSound error!!";
    if (!createDisplay(s.WINDOW != 0)) return "DirectX error!!";
    for (int slot = 0; slot < kFirstChartSlot; ++slot)
        if (!createSlot(slot, kScreenWidth, kScreenHeight, 0)) return "Offscr error!!";
    if (!createInput()) return "DirectInput error!!";
    // Without a keyboard or joypads the game still runs; they just stay silent.
    if (createKeyboard()) acquireKeyboard();
    if (s.USEJOYPAD && createJoypads()) acquireJoypads();
    return nullptr;
}

int startAndRun(const LaunchOptions& options, const SceneTable& scenes, const Subsystems& subsystems) {
    Shell& state = shell();
    state = Shell{};
    state.commandArgs = options.chart;
    state.singleSong = options.chart.empty() ? 0 : 1;
    call(subsystems.resetLibrary);

    if (!enterProgramFolder(options.home)) return ExitStartFailed;
    call(subsystems.loadOptionPresets);
    call(subsystems.readSkins);
    resetPacer(kStartPacerFps);

    const int folders = buildLibrary(subsystems);
    if (folders == 0) {
        platform::showMessage(kNoChartMessage);
        return ExitStartFailed;
    }
    if (!skinFilesPresent(subsystems)) return ExitStartFailed;
    ensureCourseFolder();
    call(subsystems.sortFolders);
    call(subsystems.loadPlugins);
    call(subsystems.buildSpriteTables);

    if (const char* failure = createDevices(subsystems, options)) {
        platform::showMessage(failure);
        releaseDevices(subsystems);
        return ExitStartFailed;
    }
    resetPacer(settings().MAXFPS);
    seedRandom(options.headless ? kHeadlessSeed : std::uint32_t(std::time(nullptr)));
    call(subsystems.loadMenuSounds);
    if (folders == 1) call(subsystems.enterOnlyFolder);

    runSceneDriver(scenes);

    // The title's exit and the quit message (window closed, script ended)
    // leave the same way: nothing the player changed is lost.
    platform::changeDirectory(state.programFolder);
    if (!saveSettings(settings())) platform::reportSaveFailure(kSettingsFileName);
    call(subsystems.saveOptionPresets);
    releaseDevices(subsystems);
    return ExitOk;
}

}  // namespace

bool enterProgramFolder(const std::string& home) {
    Shell& state = shell();
    state.programFolder =
        withSlash(home.empty() ? platform::executableFolder() : std::filesystem::absolute(platform::pathFromText(home)).string());
    if (!platform::changeDirectory(state.programFolder)) {
        std::cerr << "game: cannot enter the program folder " << state.programFolder << "\n";
        return false;
    }
    loadSettings(settings());
    return true;
}

int runGame(const LaunchOptions& options, const SceneTable& scenes, const Subsystems& subsystems) {
    if (!options.audioOut.empty() && !subsystems.captureAudio) {
        std::cerr << "game: --audio-out is not available yet\n";
        return ExitUsage;
    }
    platform::Script script;
    if (options.headless && !options.script.empty()) {
        platform::ScriptError error;
        if (!platform::loadScript(options.script, platform::currentDirectory(), script, error)) {
            std::cerr << "game: " << options.script << ":" << error.line << ": " << error.message << "\n";
            return ExitUsage;
        }
    }
    if (!platform::startPlatform(options.headless)) {
        std::cerr << "game: " << platform::startProblem() << "\n";
        return ExitStartFailed;
    }
    if (!options.framesDir.empty() && !platform::setFramesFolder(options.framesDir)) {
        std::cerr << "game: cannot write frames to " << options.framesDir << "\n";
        platform::stopPlatform();
        return ExitUsage;
    }
    int code = ExitStartFailed;
    if (platform::openWindow()) {
        // Headless runs follow their script; without one they quit at once.
        std::unique_ptr<platform::ScriptRunner> runner;
        if (options.headless) runner = std::make_unique<platform::ScriptRunner>(script);
        code = startAndRun(options, scenes, subsystems);
        runner.reset();
        platform::closeWindow();
    } else {
        platform::showMessage("DirectX error!!");
    }
    platform::stopPlatform();
    return code;
}

}  // namespace kv
