#include <gtest/gtest.h>

#include "screens/results/grade.h"

namespace kv {
namespace {

TEST(ChartScoreGrade, BandsAreStrictlyAboveTheirThresholds) {
    struct Case { int score; bool ignoreCool; int grade; };
    const Case cases[] = {
        {180001, false, GradeA}, {180000, false, GradeB}, {160001, false, GradeB}, {160000, false, GradeC},
        {140001, false, GradeC}, {140000, false, GradeD}, {120001, false, GradeD}, {120000, false, GradeE},
        {0, false, GradeE},
        // IGCOOL turns every COOL into a GREAT, so the score counts double.
        {95000, true, GradeA}, {90000, true, GradeB}, {60000, true, GradeE}, {60001, true, GradeD},
    };
    for (const auto& c : cases)
        EXPECT_EQ(chartScoreGrade(c.score, c.ignoreCool), c.grade) << c.score << " igcool " << c.ignoreCool;
}

TEST(CourseGrade, AllCoolOrGreatFirstThenCourseScoreBands) {
    EXPECT_EQ(courseGrade(2500, 2500, 100), GradeAllCoolGreat);
    EXPECT_EQ(courseGrade(2499, 2500, 900001), GradeA);
    EXPECT_EQ(courseGrade(2499, 2500, 900000), GradeB);
    EXPECT_EQ(courseGrade(2499, 2500, 700001), GradeC);
    EXPECT_EQ(courseGrade(2499, 2500, 600001), GradeD);
    EXPECT_EQ(courseGrade(2499, 2500, 600000), GradeE);
}

ClearInput freePlay(float gauge, int score, int cool, int great, int notes) {
    ClearInput run;
    run.gauge = gauge;
    run.score = score;
    run.coolCount = cool;
    run.greatCount = great;
    run.noteCount = notes;
    return run;
}

TEST(GradeRun, GaugeKindsDecideFailure) {
    struct Case { int gaugeKind; float gauge; int score; int target; bool clears; };
    const Case cases[] = {
        {GaugeGroove, 70.0f, 0, 0, true},       {GaugeGroove, 69.9f, 0, 0, false},
        {GaugeSurvival, 0.1f, 0, 0, true},      {GaugeSurvival, 0.0f, 0, 0, false},
        {GaugeHighScore, 10.0f, 170000, 170000, true}, {GaugeHighScore, 10.0f, 169999, 170000, false},
        {GaugeHighScore, 0.0f, 170000, 170000, false},
    };
    for (const auto& c : cases) {
        ClearInput run = freePlay(c.gauge, c.score, 1, 0, 10);
        run.gaugeKind = c.gaugeKind;
        run.scoreTarget = c.target;
        EXPECT_EQ(gradeRun(run) != GradeFailed, c.clears) << "gauge kind " << c.gaugeKind << " at " << c.gauge;
    }
}

TEST(GradeRun, ClearedRunsGradeByJudgementsThenScore) {
    EXPECT_EQ(gradeRun(freePlay(80.0f, 150000, 60, 40, 100)), GradeAllCoolGreat);
    EXPECT_EQ(gradeRun(freePlay(80.0f, 150000, 60, 39, 100)), GradeC);
    ClearInput ignoreCool = freePlay(80.0f, 95000, 0, 99, 100);
    ignoreCool.ignoreCool = true;
    EXPECT_EQ(gradeRun(ignoreCool), GradeA);
}

TEST(GradeRun, PuzzleClearsOnlyWithTheMissionMet) {
    ClearInput run = freePlay(80.0f, 150000, 100, 0, 100);
    run.purpose = PurposePuzzle;
    EXPECT_EQ(gradeRun(run), GradePuzzleCleared);
    run.missionLost = true;
    EXPECT_EQ(gradeRun(run), GradeFailed);
    run.missionLost = false;
    run.gauge = 50.0f;
    EXPECT_EQ(gradeRun(run), GradeFailed);
}

TEST(GradeRun, BonusStyleFailsOnlyOnAnEmptyGauge) {
    ClearInput run = freePlay(0.5f, 130000, 10, 0, 100);
    run.bonusStyle = true;
    EXPECT_EQ(gradeRun(run), GradeD);
    run.gauge = 0.0f;
    EXPECT_EQ(gradeRun(run), GradeFailed);
}

}  // namespace
}  // namespace kv
