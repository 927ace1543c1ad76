#include <gtest/gtest.h>

#include "play/run_outcome.h"
#include "play_fixture.h"

namespace kv::test {
namespace {

// A one-measure chart: the run is decided when the cursor enters measure 1.
using OutcomeFixture = PlayFixture;

struct DecisionCase {
    GaugeType gauge;
    float gaugeAtEnd;
    std::int32_t score;
    int outcome;  // 1 cleared, -1 failed
};

TEST(Outcome, DecidedByGaugeAtChartEnd) {
    const DecisionCase cases[] = {
        {Groove, 70.0f, 0, 1},        {Groove, 69.9f, 0, -1},     {Survival, 1.0f, 0, 1},
        {HighScore, 0, 170000, 1},    {HighScore, 0, 169999, -1},
    };
    for (const DecisionCase& c : cases) {
        OutcomeFixture f;
        f.config.gauge = c.gauge;
        f.start();
        f.stepToCursor(287);
        f.play->gauge = c.gaugeAtEnd;
        f.play->score = c.score;
        EXPECT_EQ(f.play->cleared, 0);
        f.step();
 // Decided, and counted once in the same step.
        EXPECT_EQ(f.play->cleared, 2 * c.outcome) << "gauge type " << int(c.gauge) << " at " << c.gaugeAtEnd;
    }
}

TEST(Outcome, DecidedRunEnds720StepsLater) {
    OutcomeFixture f;
    f.config.gauge = Survival;
    f.chart->lastMeasure = 10;  // far from the chart's end
    f.start();
    f.stepToCursor(10);
    f.play->gauge = 0.0f;
    f.step();
    ASSERT_EQ(f.play->cleared, -2);
    for (int i = 0; i < 718; ++i) f.step();
    EXPECT_EQ(f.play->endState, Running);
    f.step();
    EXPECT_EQ(f.play->endState, SongOver);
    EXPECT_EQ(f.play->cleared, -721);
}

TEST(Outcome, SurvivalFailsTheStepTheGaugeEmpties) {
    OutcomeFixture f;
    f.config.gauge = Survival;
    f.chart->lastMeasure = 3;
    f.start();
    f.stepToCursor(10);
    f.play->gauge = 0.0f;
    f.step();
    EXPECT_EQ(f.play->cleared, -2) << "failed (-1) and counted once";
}

TEST(Outcome, PerfectToggleFailsAtTheFirstMiss) {
    OutcomeFixture f;
    f.config.perfect2 = true;
    f.chart->lastMeasure = 3;
    f.start();
    f.stepToCursor(10);
    f.play->missCount = 1;
    f.step();
    EXPECT_EQ(f.play->endState, SongOver);
}

TEST(Outcome, EndsTwoMeasuresPastTheChartWithoutAReplay) {
    OutcomeFixture f;
    f.start();
    f.play->gauge = 80.0f;
    f.stepToCursor(3 * 288 - 1);
    f.play->cleared = 1;  // hold the count-down away from its own end
    f.step();
    EXPECT_EQ(f.play->endState, SongOver);
}

TEST(Outcome, AutoplayNeverEndsByItself) {
    OutcomeFixture f;
    f.chart->autoplayActive = 1;
    f.start();
    for (int i = 0; i < 3000; ++i) f.step();
    EXPECT_EQ(f.play->endState, Running);
    EXPECT_EQ(f.play->cleared, 1);
}

TEST(EndKeys, LaterKeysWin) {
    const struct {
        bool escape, retry, back;
        int endState;
    } cases[] = {{true, false, false, Escaped}, {true, true, false, Retry}, {true, false, true, Back},
                 {false, true, true, Back}};
    for (const auto& c : cases) {
        OutcomeFixture f;
        f.start();
        StepInput input;
        input.escape = c.escape;
        input.retry = c.retry;
        input.back = c.back;
        f.step(input);
        EXPECT_EQ(f.play->endState, c.endState);
    }
}

TEST(EndKeys, EscapeEndsAutoplay) {
    OutcomeFixture f;
    f.chart->autoplayActive = 1;
    f.start();
    StepInput input;
    input.escape = true;
    f.step(input);
    EXPECT_EQ(f.play->endState, Escaped);
}

}  // namespace
}  // namespace kv::test
