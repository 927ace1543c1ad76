#include <gtest/gtest.h>

#include "chart/chart.h"
#include "play/play_state.h"
#include "screens/results/clear_evaluation.h"
#include "screens/results/grade.h"
#include "settings/settings.h"

namespace kv {
namespace {

class ClearEvaluationTest : public ::testing::Test {
protected:
    void SetUp() override {
        settings() = Settings{};
        thePlay = Play{};
        thePlay.cleared = 721;  // the play scene's outcome counter, overwritten here
        theChart.noteCount = 100;
    }
    void TearDown() override {
        thePlay = Play{};
        settings() = Settings{};
        theChart.noteCount = 0;
    }
};

TEST_F(ClearEvaluationTest, ReadsThePlayAndLeavesClearedAsOneOrZero) {
    thePlay.gauge = 80.0f;
    thePlay.coolCount = 60;
    thePlay.greatCount = 30;
    thePlay.score = 150000;
    EXPECT_EQ(evaluateClear(PurposeFreePlay, false), GradeC);
    EXPECT_EQ(thePlay.cleared, 1);

    thePlay.gauge = 60.0f;
    EXPECT_EQ(evaluateClear(PurposeFreePlay, false), GradeFailed);
    EXPECT_EQ(thePlay.cleared, 0);
}

TEST_F(ClearEvaluationTest, SettingsChooseTheRules) {
    thePlay.gauge = 60.0f;
    thePlay.score = 95000;
    settings().GAUGE = 1;  // SURVIVAL: any gauge left clears
    settings().IGCOOL = 1;
    EXPECT_EQ(evaluateClear(PurposeFreePlay, false), GradeA);
    EXPECT_EQ(evaluateClear(PurposePuzzle, false), GradePuzzleCleared);
    EXPECT_EQ(evaluateClear(PurposePuzzle, true), GradeFailed);
    EXPECT_EQ(thePlay.cleared, 0);
}

}  // namespace
}  // namespace kv
