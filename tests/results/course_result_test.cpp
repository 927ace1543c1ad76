#include <gtest/gtest.h>

#include "app/shell.h"
#include "chart/chart.h"
#include "gfx/display.h"
#include "input/input.h"
#include "play/play_state.h"
#include "results/course_stages.h"
#include "results/ranking_file.h"
#include "results/result_scenes.h"
#include "settings/settings.h"
#include "support/headless_session.h"
#include "support/temp_folder.h"

namespace kv {
namespace {

// Five cleared stages recorded through the scene table, then the course
// result screen as the course loop calls it.
class CourseResultTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(createInput(), 1);
        ASSERT_EQ(createKeyboard(), 1);
        ASSERT_EQ(createSlot(0, 640, 480, 0), 1);
        ASSERT_EQ(createSlot(1, 640, 480, 0), 1);
        settings() = Settings{};
        shell().programFolder = temp.path().string() + "/";
        std::filesystem::create_directories(temp.path() / "course");
        ResultSceneSources sources;
        sources.courseRanking = [](int) { return CourseRankingKey{"HARD5", 0x44}; };
        registerResultScenes(scenes, sources);
        scenes.wipeOut = [this] { return ++wipes; };
        theChart.noteCount = 100;
        for (int stage = 0; stage < kCourseStages; ++stage) {
            thePlay = Play{};
            thePlay.coolCount = 80;
            thePlay.greatCount = 20;
            thePlay.score = 80 * 2000 + 20 * 1000;
            thePlay.maxCombo = 100 * (stage + 1);
            scenes.recordCourseStage(stage);
        }
    }
    void TearDown() override {
        releaseInput();
        thePlay = Play{};
        theChart.noteCount = 0;
        settings() = Settings{};
        courseStageRecords() = {};
    }

    test::HeadlessSession session;
    test::TempFolder temp{"kv_course_result"};
    SceneTable scenes;
    int wipes = 0;
};

TEST_F(CourseResultTest, StoredCourseRanksTheTotalsUnderTheTypedName) {
    session.runScript("wait 100\npress RETURN\nwait 100\ntype CRS\npress RETURN\nwait 100\npress RETURN\nwait 500\n");
    scenes.courseResultScreen(0);
    const Ranking ranking = decodeRanking(readRankingBlock(temp.path() / "course" / "HARD5.k2r"), 0x44);
    EXPECT_EQ(ranking.entries[0].score, 5 * 180000);
    EXPECT_EQ(ranking.entries[0].grade, 0) << "every note COOL or GREAT";
    EXPECT_EQ(ranking.entries[0].name, (std::array<char, 4>{'C', 'R', 'S', ' '}));
    EXPECT_EQ(ranking.entries[0].coolCount, 400);
    EXPECT_EQ(wipes, 1);
}

TEST_F(CourseResultTest, HandPickedCourseShowsTotalsWithoutRankingFile) {
    session.runScript("wait 100\npress RETURN\nwait 100\ntype AB\npress RETURN\nwait 100\npress RETURN\nwait 500\n");
    scenes.courseResultScreen(-3);
    EXPECT_TRUE(std::filesystem::is_empty(temp.path() / "course"));
    EXPECT_EQ(wipes, 1);
}

TEST_F(CourseResultTest, TabDoesNotRestartACourse) {
    session.runScript("wait 100\npress RETURN\nwait 100\ntype AB\npress RETURN\nwait 100\npress TAB\nwait 500\n");
    scenes.courseResultScreen(0);
    EXPECT_EQ(wipes, 0) << "still waiting when the quit message came";
}

}  // namespace
}  // namespace kv
