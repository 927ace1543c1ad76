// Puzzle play through the scene driver with the game's own mission rules:
// the options a mission forces are in force during its play and the
// player's own are back afterwards, however the play ended.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "app/game_parts.h"
#include "app/scene_driver.h"
#include "platform/events.h"
#include "scene/shell.h"
#include "screens/modes/puzzle_scenes.h"
#include "scripted_scenes.h"
#include "settings/settings.h"

namespace kv {
namespace {

using test::pick;

constexpr int kSurvivalMission = 2;  // L1 forces the SURVIVAL gauge

struct Ending {
    std::string name;
    std::function<void(test::ScriptedScenes&)> arrange;
    bool windowClosed = false;  // during the play
};

class PuzzleDriver : public ::testing::Test {
protected:
    void SetUp() override {
        platform::clearQuit();
        shell() = Shell{};
        settings() = Settings{};
        settings().GAUGE = 2;  // HIGHSC.
        settings().STYLE = 4;  // BONUS
        settings().REPLAY = 1;
        puzzlePlay() = PuzzlePlay{};
    }
    void TearDown() override { platform::clearQuit(); }
};

TEST_F(PuzzleDriver, PlayersOptionsAreBackAfterEveryWayAPuzzlePlayEnds) {
    const Ending endings[] = {
        {"played out", [](auto&) {}},
        {"restarted with F11", [](auto& s) { s.plays = {kPlayRestart, kPlayDone}; }},
        {"left with F12", [](auto& s) { s.plays = {kPlayLeave}; }},
        {"played again from the result", [](auto& s) { s.results = {kSceneBack, 1}; }},
        {"abandoned with Escape", [](auto& s) { s.facts = {PlayFacts{kEndAbandoned, 0, 3, 0, 0, 40.0f}}; }},
        {"chart not loaded", [](auto& s) { s.loads = {0}; }},
        {"window closed", [](auto&) {}, true},
    };
    for (const Ending& ending : endings) {
        SCOPED_TRACE(ending.name);
        SetUp();
        test::ScriptedScenes scenes;
        scenes.list = {test::entryNamed("a.bms")};
        scenes.titles = {TitlePuzzle};
        scenes.selects = {pick(0)};
        scenes.others = {1};  // a cell is chosen
        scenes.table().applyMissionRules = [] {
            puzzlePlay().mission = kSurvivalMission;
            applyMissionRules(puzzlePlay(), settings());
        };
        scenes.table().restoreMissionOptions = [] { restoreMissionOptions(puzzlePlay(), settings()); };
        std::vector<int> gaugeDuringPlay;
        scenes.duringPlay = [&](int) {
            gaugeDuringPlay.push_back(settings().GAUGE);
            EXPECT_EQ(settings().STYLE, 0);
            EXPECT_EQ(settings().REPLAY, 0);
            if (ending.windowClosed) platform::requestQuit();
        };
        ending.arrange(scenes);
        EXPECT_EQ(runSceneDriver(scenes.table()), ending.windowClosed ? DriverEnd::Quit : DriverEnd::Exit);

        EXPECT_EQ(gaugeDuringPlay.empty(), ending.name == "chart not loaded");
        for (int gauge : gaugeDuringPlay) EXPECT_EQ(gauge, 1);
        EXPECT_EQ(settings().GAUGE, 2);
        EXPECT_EQ(settings().STYLE, 4);
        EXPECT_EQ(settings().REPLAY, 1);
        EXPECT_FALSE(puzzlePlay().rulesInForce);
    }
}

TEST_F(PuzzleDriver, TitleOffersPuzzlePlayInNormalAndSingleSongStart) {
    const SceneTable game = gameScenes();
    EXPECT_TRUE(canRunChoice(game, TitlePuzzle));
    shell().singleSong = 1;
    EXPECT_TRUE(canRunChoice(game, TitlePuzzle));
}

}  // namespace
}  // namespace kv
