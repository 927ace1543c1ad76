#include <gtest/gtest.h>

#include "result_scene_fixture.h"
#include "screens/results/course_stages.h"
#include "screens/results/ranking_file.h"
#include "screens/results/result_scenes.h"

namespace kv {
namespace {

// Five cleared stages recorded through the scene table, then the course
// result screen as the course loop calls it.
class CourseResultTest : public test::ResultSceneTest {
protected:
    CourseResultTest() : ResultSceneTest("kv_course_result") {}

    void SetUp() override {
        ASSERT_NO_FATAL_FAILURE(ResultSceneTest::SetUp());
        std::filesystem::create_directories(temp.path() / "course");
        ResultSceneSources sources;
        sources.courseRanking = [](int) { return CourseRankingKey{"HARD5", 0x44}; };
        sources.wipeOut = [this] { return ++wipes; };
        registerResultScenes(scenes, sources);
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
        ResultSceneTest::TearDown();
        courseStageRecords() = {};
    }

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

TEST_F(CourseResultTest, CopiedTableEndsWithTheWipeItWasGiven) {
    const SceneTable copy = scenes;
    scenes = SceneTable{};  // the table the scenes were registered in is gone
    session.runScript("wait 100\npress RETURN\nwait 100\ntype AB\npress RETURN\nwait 100\npress RETURN\nwait 500\n");
    copy.courseResultScreen(-3);
    EXPECT_EQ(wipes, 1);
}

}  // namespace
}  // namespace kv
