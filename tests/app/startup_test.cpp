#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>

#include "app/startup.h"
#include "media/gfx/display.h"
#include "plain_title.h"
#include "platform/events.h"
#include "platform/frames.h"
#include "scene/shell.h"
#include "scene/wipe.h"
#include "scripted_scenes.h"
#include "settings/settings.h"
#include "temp_folder.h"

namespace kv {
namespace {

// The plain title and the real wipe: the shell on its own.
SceneTable plainGame() {
    SceneTable scenes;
    scenes.titleScreen = test::plainTitleScreen;
    scenes.wipeOut = wipeOut;
    return scenes;
}

// Start-up and exit of whole headless runs in a temporary program folder.
class GameRun : public ::testing::Test {
protected:
    void SetUp() override {
        startFolder_ = std::filesystem::current_path();
        settings() = Settings{};
        options.home = home.path().string();
        options.headless = true;
        library.scanLibrary = [] { return 2; };
    }
    void TearDown() override { std::filesystem::current_path(startFolder_); }

    int run(const SceneTable& scenes) { return runGame(options, scenes, library); }

    test::TempFolder home;
    LaunchOptions options;
    Subsystems library;

private:
    std::filesystem::path startFolder_;
};

TEST_F(GameRun, NoChartsShowsTheMessageAndWritesNothing) {
    library.scanLibrary = [] { return 0; };
    ::testing::internal::CaptureStderr();
    EXPECT_EQ(run(plainGame()), ExitStartFailed);
    const std::string error = ::testing::internal::GetCapturedStderr();
    EXPECT_NE(error.find("BMS data not found!!\nplease insert BMS in subdir of Kelvarin"), std::string::npos);
    EXPECT_LT(error.find("BMS 음악"), error.find("BMS data not found"));  // the Korean lines come first
    EXPECT_TRUE(std::filesystem::is_empty(home.path()));
}

TEST_F(GameRun, QuitMessageTakesTheCleanPathAndKeepsWhatThePlayerChanged) {
    home.write("script.txt", "wait 60000\n");  // the script alone would quit much later
    options.script = (home / "script.txt").string();
    test::ScriptedScenes scenes;
    scenes.table().titleScreen = [] {
        settings().SPEED = 7;
        platform::requestQuit();  // the window is closed on the title
        return TitleFreePlay;
    };
    EXPECT_EQ(run(scenes.table()), ExitOk);
    EXPECT_NE(home.read("KV2.CFG").find("SPEED 7\r\n"), std::string::npos);
    EXPECT_TRUE(std::filesystem::is_directory(home / "course"));
    EXPECT_TRUE(scenes.calls("select").empty());  // quitting never starts the chosen mode
}

TEST_F(GameRun, EscapeOnThePlainTitleLeavesThroughTheWipeOntoBlack) {
    home.write("script.txt", "wait 200\npress ESCAPE\nwait 3000\n");
    options.script = (home / "script.txt").string();
    EXPECT_EQ(run(plainGame()), ExitOk);
    EXPECT_NE(home.read("KV2.CFG").find("- kelvarin][ beta ver. config file -\r\n"), std::string::npos);
    const Surface& last = platform::lastPresentedFrame();
    bool black = true;
    for (Pixel pixel : last.pixels) black = black && pixel == 0;
    EXPECT_TRUE(black);
    EXPECT_GT(platform::presentedFrameCount(), 20);  // the title's frames and the wipe's
}

TEST_F(GameRun, SettingsOfTheProgramFolderApplyAndAreWrittenBack) {
    home.write("KV2.CFG", "WINDOW 1\r\nSPEED 4\r\n");
    int speedSeen = -1;
    SceneTable scenes = plainGame();
    scenes.titleScreen = [&] {
        speedSeen = settings().SPEED;
        return TitleExit;
    };
    EXPECT_EQ(run(scenes), ExitOk);
    EXPECT_EQ(speedSeen, 4);
    EXPECT_TRUE(display.windowed);
    EXPECT_NE(home.read("KV2.CFG").find("SPEED 4\r\nOBJECT 0\r\n"), std::string::npos);
}

TEST_F(GameRun, DeviceFailureShowsItsMessageAndSavesNothing) {
    library.initSound = [](int) { return false; };
    test::ScriptedScenes scenes;
    ::testing::internal::CaptureStderr();
    EXPECT_EQ(run(scenes.table()), ExitStartFailed);
    EXPECT_NE(::testing::internal::GetCapturedStderr().find("DirectSound error!!"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(home / "KV2.CFG"));
    EXPECT_TRUE(scenes.log.empty());
}

TEST_F(GameRun, UnreadableSingleChartFallsBackToTheLibrary) {
    options.chart = (home / "missing.bms").string();
    std::string askedFolder, askedFile;
    library.scanSingleChart = [&](const std::string& folder, const std::string& file) {
        askedFolder = folder;
        askedFile = file;
        return false;
    };
    int scans = 0;
    library.scanLibrary = [&] { return ++scans; };
    test::ScriptedScenes scenes;
    EXPECT_EQ(run(scenes.table()), ExitOk);
    EXPECT_EQ(askedFolder, home.path().string());
    EXPECT_EQ(askedFile, "missing.bms");
    EXPECT_EQ(scans, 1);
    EXPECT_EQ(shell().singleSong, 0);
}

TEST_F(GameRun, StartUpStepsRunInOrder) {
    std::vector<std::string> steps;
    auto step = [&](const char* name) { return [&steps, name] { steps.push_back(name); }; };
    library.resetLibrary = step("reset library");
    library.loadOptionPresets = step("presets");
    library.readSkins = step("skins");
    library.scanLibrary = [&] {
        steps.push_back("scan");
        return 1;
    };
    library.sortFolders = step("sort");
    library.loadPlugins = step("plug-ins");
    library.buildSpriteTables = step("sprites");
    library.initSound = [&](int quality) {
        steps.push_back("sound " + std::to_string(quality));
        return true;
    };
    library.loadMenuSounds = step("menu sounds");
    library.enterOnlyFolder = step("enter folder");
    library.saveOptionPresets = step("save presets");
    library.shutdownSound = step("sound off");
    home.write("KV2.CFG", "WAVQUAL 1\r\n");
    test::ScriptedScenes scenes;
    scenes.table().titleScreen = [&] {
        steps.push_back("title");
        return TitleExit;
    };
    EXPECT_EQ(run(scenes.table()), ExitOk);
    EXPECT_EQ(steps, (std::vector<std::string>{"reset library", "presets", "skins", "scan", "sort", "plug-ins",
                                               "sprites", "sound 1", "menu sounds", "enter folder", "title",
                                               "save presets", "sound off"}));
}

TEST(GameProgram, EmptyProgramFolderPrintsTheNoChartMessageAndFails) {
    test::TempFolder home;
    const std::filesystem::path errors = home / "stderr.txt";
    const std::string command = std::string(KV_HOME) + "/game --home " + (home / "songs").string() +
                                " --headless 2> " + errors.string();
    std::filesystem::create_directories(home / "songs");
    const int status = std::system(command.c_str());
    EXPECT_NE(status, 0);
    EXPECT_NE(home.read("stderr.txt").find("BMS data not found!!"), std::string::npos);
    EXPECT_TRUE(std::filesystem::is_empty(home / "songs"));  // no KV2.CFG, no course folder
}

}  // namespace
}  // namespace kv
