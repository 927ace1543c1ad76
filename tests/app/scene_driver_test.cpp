#include <gtest/gtest.h>

#include <algorithm>

#include "app/driver_steps.h"
#include "app/scene_driver.h"
#include "platform/events.h"
#include "scene/eternal_run.h"
#include "scene/shell.h"
#include "scripted_scenes.h"
#include "settings/settings.h"

namespace kv {
namespace {

using Lines = std::vector<std::string>;
using test::pick;

class SceneDriver : public ::testing::Test {
protected:
    void SetUp() override {
        platform::clearQuit();
        shell() = Shell{};
        settings() = Settings{};
        scenes.list = {test::entryNamed("a.bms"), test::entryNamed("b.bms"), test::entryNamed("c.bms")};
    }
    void TearDown() override { platform::clearQuit(); }

    DriverEnd run() { return runSceneDriver(scenes.table()); }

    test::ScriptedScenes scenes;
};

TEST_F(SceneDriver, TitleExitEndsAfterTheWipe) {
    EXPECT_EQ(run(), DriverEnd::Exit);
    EXPECT_EQ(scenes.log, (Lines{"title", "wipe"}));
}

TEST_F(SceneDriver, FreePlayRestartCountsThePlayButTheResultsReplayDoesNot) {
    scenes.titles = {TitleFreePlay};
    scenes.selects = {pick(1)};  // b.bms, then back
    scenes.plays = {kPlayRestart, kPlayDone, kPlayDone};
    scenes.results = {kSceneBack, 0};            // "play again", then done
    EXPECT_EQ(run(), DriverEnd::Exit);

    EXPECT_EQ(scenes.calls("play"), (Lines{"play b.bms -1", "play b.bms -1", "play b.bms -1"}));
    EXPECT_EQ(scenes.calls("load"), (Lines{"load b.bms"}));  // the chart stays loaded throughout
    EXPECT_EQ(scenes.calls("result"), (Lines{"result 1 7", "result 1 7"}));
    EXPECT_EQ(shell().playCount, 3);  // 1 + the restart + the finished play
    EXPECT_EQ(scenes.calls("release media").size(), 1u);
}

TEST_F(SceneDriver, FreePlayLeaveGoesStraightBackToTheList) {
    scenes.titles = {TitleFreePlay};
    scenes.selects = {pick(0)};
    scenes.plays = {kPlayLeave};
    run();
    const Lines expected = {"title", "wipe", "select 0 SELECT MUSIC 0", "load a.bms", "play a.bms -1", "wipe",
                            "gauge 80", "clear 1", "stop samples", "stop music", "stop samples", "close music",
                            "release media", "select 0 SELECT MUSIC 0", "wipe", "title", "wipe"};
    EXPECT_EQ(scenes.log, expected);
    EXPECT_EQ(shell().playCount, 2);
}

TEST_F(SceneDriver, ChartThatDoesNotLoadReturnsToTheList) {
    scenes.titles = {TitleFreePlay};
    scenes.selects = {pick(0), pick(1)};
    scenes.loads = {0, 1};
    EXPECT_EQ(run(), DriverEnd::Exit);
    EXPECT_EQ(scenes.calls("load"), (Lines{"load a.bms", "load b.bms"}));
    EXPECT_EQ(scenes.calls("play"), (Lines{"play b.bms -1"}));
}

TEST_F(SceneDriver, PuzzleKeepsThePlayCountAndPutsThePlayersOptionsBack) {
    scenes.titles = {TitlePuzzle};
    scenes.selects = {pick(0), pick(0)};
    scenes.others = {kSceneBack, 5};  // first cell pick backs out, the second chooses a cell
    EXPECT_EQ(run(), DriverEnd::Exit);
    EXPECT_EQ(scenes.calls("play"), (Lines{"play a.bms -1"}));
    EXPECT_EQ(scenes.calls("result"), (Lines{"result 2 7"}));
    EXPECT_EQ(scenes.calls("mission rules").size(), 1u);
    EXPECT_EQ(scenes.calls("restore options").size(), 1u);
    EXPECT_EQ(scenes.calls("select"), (Lines(3, "select 0 SELECT MUSIC 2")));
    EXPECT_EQ(shell().playCount, 1);
}

TEST_F(SceneDriver, ListenModePlaysWithAutoplayAndPutsTheOptionBack) {
    settings().AUTOPLAY = 0;
    scenes.titles = {TitleListen};
    scenes.selects = {pick(0)};
    int autoplayDuringPlay = -1;
    scenes.duringPlay = [&](int) { autoplayDuringPlay = settings().AUTOPLAY; };
    run();
    EXPECT_EQ(autoplayDuringPlay, 1);
    EXPECT_EQ(settings().AUTOPLAY, 0);
    EXPECT_TRUE(scenes.calls("result").empty());
    EXPECT_TRUE(scenes.calls("clear").empty());
    EXPECT_EQ(scenes.calls("select"), (Lines(2, "select 3 SELECT MUSIC 4")));
}

TEST_F(SceneDriver, EternalNonstopPlaysOnWithoutResultsOrWipesUntilAChartFails) {
    settings().NONSTOP = 1;
    settings().FILTER = 2;
    settings().SORT = 3;
    scenes.titles = {TitleEternal};
    scenes.selects = {pick(0)};
    scenes.others = {1};  // start from the options
    const PlayFacts clearedRun{kEndedNormally, 1, 11, 0, 0, 70.0f};
    const PlayFacts failedRun{kEndedNormally, 0, 11, 0, 0, 0.0f};
    scenes.facts = {clearedRun, clearedRun, clearedRun, failedRun};
    std::vector<int> filterAtPlay;
    scenes.duringPlay = [&](int) { filterAtPlay.push_back(settings().FILTER); };
    EXPECT_EQ(run(), DriverEnd::Exit);

    // a, b, c, then the list starts over with a, which fails.
    EXPECT_EQ(scenes.calls("play"), (Lines{"play a.bms -1", "play b.bms -1", "play c.bms -1", "play a.bms -1"}));
    EXPECT_TRUE(scenes.calls("result").empty());
    EXPECT_EQ(filterAtPlay, (std::vector<int>(4, 0)));  // filters are off during the run
    // Title wipe, then no wipe between the plays, then the final wipe back to the title.
    EXPECT_EQ(scenes.calls("wipe").size(), 3u);
    // After the failure: the jukebox list again, with the gauge back at 100.
    const Lines& log = scenes.log;
    const auto lastPlay = std::find(log.rbegin(), log.rend(), "play a.bms -1");
    const auto afterFail = std::find(lastPlay.base(), log.end(), "select 2 SELECT JUKEBOX 3");
    ASSERT_NE(afterFail, log.end());
    EXPECT_EQ(*(afterFail - 1), "gauge 100");
    EXPECT_EQ(settings().FILTER, 2);  // the player's list settings come back
    EXPECT_EQ(settings().SORT, 3);
}

TEST_F(SceneDriver, EternalWithoutNonstopShowsEachResult) {
    scenes.titles = {TitleEternal};
    scenes.selects = {pick(0)};
    scenes.others = {1};
    scenes.facts = {PlayFacts{kEndedNormally, 1, 11, 0, 0, 70.0f}, PlayFacts{kEndedNormally, 0, 11, 0, 0, 0.0f}};
    run();
    EXPECT_EQ(scenes.calls("result"), (Lines{"result 0 7", "result 0 7"}));
    EXPECT_EQ(scenes.calls("wipe").size(), 5u);  // title, two plays, title again
}

TEST_F(SceneDriver, EternalOnEmptyFoldersGoesBackToTheJukeboxList) {
    struct Case {
        int juke;
        std::size_t rebuilds;  // all folders empty: the run starts over and rebuilds the list once more
    } cases[] = {{JukeCurrentFolder, 2}, {JukeAllFolders, 3}};
    for (const Case& c : cases) {
        test::ScriptedScenes empty;
        empty.titles = {TitleEternal};
        empty.selects = {pick(0)};
        empty.table().runEternalOptions = [&] {
            eternalRun().juke = c.juke;
            return 1;
        };
        EXPECT_EQ(runSceneDriver(empty.table()), DriverEnd::Exit);
        EXPECT_TRUE(empty.calls("play").empty()) << c.juke;
        EXPECT_EQ(empty.calls("select").size(), 2u) << c.juke;
        EXPECT_EQ(empty.calls("rebuild list").size(), c.rebuilds) << c.juke;
    }
}

TEST_F(SceneDriver, HandPickedCourseWithAutoplayShowsNoCourseResult) {
    scenes.titles = {TitleCourse};
    scenes.selects = {kDirectSelectCourse, pick(0), pick(1), pick(2), pick(1), pick(0)};
    scenes.facts.assign(5, PlayFacts{kEndedNormally, 1, 11, 1, 0, 90.0f});
    EXPECT_EQ(run(), DriverEnd::Exit);
    EXPECT_EQ(scenes.calls("play"), (Lines{"play a.bms 0", "play b.bms 1", "play c.bms 2", "play b.bms 3",
                                            "play a.bms 4"}));
    EXPECT_EQ(scenes.calls("record stage").size(), 5u);
    EXPECT_TRUE(scenes.calls("course result").empty());
    EXPECT_EQ(scenes.calls("select 3"), (Lines{"select 3 SELECT STG.1 1", "select 3 SELECT STG.2 1",
                                                "select 3 SELECT STG.3 1", "select 3 SELECT STG.4 1",
                                                "select 3 SELECT STG.5 1"}));
}

TEST_F(SceneDriver, CourseResultNamesTheCourse) {
    struct Case {
        int choice;
        const char* expected;
    } cases[] = {{kDirectSelectCourse, "course result -3"}, {kJukeboxRandomCourse, "course result -1"},
                 {kFirstStoredCourse + 4, "course result 4"}};
    for (const Case& c : cases) {
        SetUp();
        scenes.log.clear();
        scenes.titles = {TitleCourse};
        scenes.selects = {c.choice};
        if (c.choice == kDirectSelectCourse) scenes.selects.insert(scenes.selects.end(), 5, pick(0));
        if (c.choice == kJukeboxRandomCourse) scenes.selects.push_back(pick(0));
        run();
        EXPECT_EQ(scenes.calls("course result"), (Lines{c.expected})) << c.choice;
        EXPECT_EQ(scenes.calls("play").size(), 5u) << c.choice;
    }
}

TEST_F(SceneDriver, FailedCourseStageEndsTheCourse) {
    scenes.titles = {TitleCourse};
    scenes.selects = {kFirstStoredCourse};
    scenes.facts = {PlayFacts{kEndedNormally, 1, 11, 0, 0, 50.0f}, PlayFacts{kEndedNormally, 0, 11, 0, 0, 0.0f}};
    run();
    EXPECT_EQ(scenes.calls("play").size(), 2u);
    EXPECT_EQ(scenes.calls("record stage"), (Lines{"record stage 0"}));
    EXPECT_TRUE(scenes.calls("course result").empty());
    EXPECT_EQ(scenes.calls("select 1").size(), 2u);  // back on the course list
}

TEST_F(SceneDriver, RandomCourseOfAnEmptyFolderGoesBackToTheCourseList) {
    scenes.list.clear();
    scenes.titles = {TitleCourse};
    scenes.selects = {kJukeboxRandomCourse, pick(0)};
    EXPECT_EQ(run(), DriverEnd::Exit);
    EXPECT_TRUE(scenes.calls("load").empty());
    EXPECT_EQ(scenes.calls("select"), (Lines{"select 1 SELECT COURSE 1", "select 2 JUKEBOX RANDOM 1",
                                              "select 1 SELECT COURSE 1"}));
}

TEST_F(SceneDriver, RandomCourseDrawsFromTheFolderWithRepeats) {
    scenes.list = {test::entryNamed("only.bms")};
    scenes.titles = {TitleCourse};
    scenes.selects = {kJukeboxRandomCourse, pick(0)};
    run();
    EXPECT_EQ(scenes.calls("play"), (Lines{"play only.bms 0", "play only.bms 1", "play only.bms 2",
                                            "play only.bms 3", "play only.bms 4"}));
}

TEST_F(SceneDriver, NewCourseIsSavedNotPlayed) {
    scenes.titles = {TitleCourse};
    scenes.selects = {kMakeNewCourse, pick(0), pick(1), pick(0), pick(1), pick(0)};
    scenes.others = {1};  // a name was entered
    run();
    EXPECT_EQ(scenes.calls("save course"), (Lines{"save course MYCOURSE a.bms..a.bms"}));
    EXPECT_TRUE(scenes.calls("play").empty());
}

TEST_F(SceneDriver, SetupScreensComeBackToTheTitle) {
    scenes.titles = {TitleKeySetup, TitleJoypadSetup};
    run();
    EXPECT_EQ(scenes.log, (Lines{"title", "wipe", "key setup", "title", "wipe", "joypad setup", "title", "wipe"}));
}

TEST_F(SceneDriver, QuitMessageEndsTheRunAndNeverRestartsAScene) {
    scenes.titles = {TitleFreePlay, TitleFreePlay};
    scenes.selects = {pick(0), pick(0)};
    scenes.plays = {kPlayRestart, kPlayRestart};
    scenes.duringPlay = [](int) { platform::requestQuit(); };
    EXPECT_EQ(run(), DriverEnd::Quit);
    EXPECT_EQ(scenes.plays_made, 1);
    EXPECT_EQ(scenes.calls("title").size(), 1u);
}

TEST_F(SceneDriver, ModesWhoseScenesAreMissingAreNotEntered) {
    scenes.table().resultScreen = nullptr;
    scenes.titles = {TitleFreePlay};
    EXPECT_EQ(run(), DriverEnd::Exit);
    EXPECT_EQ(scenes.log, (Lines{"title", "wipe", "title", "wipe"}));

    shell().singleSong = 1;
    test::ScriptedScenes full;
    EXPECT_TRUE(canRunChoice(full.table(), TitleFreePlay));
    EXPECT_FALSE(canRunChoice(full.table(), TitleEternal));  // one chart makes no eternal run
    EXPECT_FALSE(canRunChoice(full.table(), TitleCourse));
}

TEST(GaugeRule, PlaysStoppedBeforeTheEndFail) {
    struct Case {
        PlayFacts facts;
        bool always;
        float expected;
    } cases[] = {
        {{kEndedNormally, 1, 11, 0, 0, 80.0f}, false, 80.0f},  // reached the end
        {{kEndedNormally, 1, 10, 0, 0, 80.0f}, false, 0.0f},   // measure 10 of 10: stopped early
        {{kEndedNormally, 1, 5, 1, 0, 80.0f}, false, 80.0f},   // autoplay keeps its gauge
        {{kEndAbandoned, 1, 5, 1, 0, 80.0f}, false, 0.0f},     // ... unless abandoned
        {{kEndAbandoned, 1, 5, 0, 1, 80.0f}, false, 80.0f},    // free play spares a replay
        {{kEndAbandoned, 1, 5, 0, 1, 80.0f}, true, 0.0f},      // eternal and course do not
    };
    for (const Case& c : cases)
        EXPECT_FLOAT_EQ(gaugeAfterPlay(c.facts, 10, c.always), c.expected)
            << c.facts.endState << " " << c.facts.measure << " " << c.facts.autoplayActive << " " << c.always;
}

}  // namespace
}  // namespace kv
