#include <gtest/gtest.h>

#include "play/play_clock.h"
#include "play_fixture.h"

namespace kv::test {
namespace {

TEST(PlayClock, LongFrameRunsSeveralStepsAndKeepsTheRemainder) {
    const struct {
        int speed;
        int steps;  // in a 101 ms frame at 150 BPM (5.56 ms a step)
    } cases[] = {{2, 18}, {3, 18}, {4, 18}};
    for (const auto& c : cases) {
        PlayFixture f;
        f.chart->baseTempo = 150;
        f.config.speed = std::int8_t(c.speed);
        f.start();
        int ran = runDueSteps(*f.play, 101.0, [&] { f.step(); });
        EXPECT_EQ(ran, c.steps) << "speed " << c.speed;
        // The remainder carries into the next frame.
        ran += runDueSteps(*f.play, 101.0, [&] { f.step(); });
        EXPECT_EQ(ran, 36) << "speed " << c.speed;
    }
}

TEST(PlayClock, ShortFrameRunsNoStepButAdvancesTheSubstep) {
    PlayFixture f;
    f.config.speed = 6;  // X3: three sub-steps a step
    f.start();
    const double tick = f.play->tempo.tickMs;
    EXPECT_EQ(runDueSteps(*f.play, tick * 1.5, [&] { f.step(); }), 0);
    EXPECT_DOUBLE_EQ(f.play->tempo.substep, 2.0);
    EXPECT_EQ(runDueSteps(*f.play, tick, [&] { f.step(); }), 1);
    EXPECT_DOUBLE_EQ(f.play->tempo.substep, 0.0);
}

TEST(PlayClock, AbsurdTempoRunsAtMostTheCapAFrameAndDropsTheRest) {
    PlayFixture f;
    f.chart->baseTempo = 1e7;  // a 60 Hz frame would hold 200000 steps
    f.addNote(1, 50, 0, 1);    // far enough for the run to outlast both frames
    f.start();
    for (int frame = 0; frame < 2; ++frame) {
        EXPECT_EQ(runDueSteps(*f.play, 1000.0 / 60, [&] { f.step(); }), kMaxStepsPerFrame) << frame;
        EXPECT_EQ(f.play->clock.stepClockMs, 0.0) << "no backlog carries into the next frame";
    }
}

TEST(PlayClock, StopsOnceTheRunHasEnded) {
    PlayFixture f;
    f.start();
    StepInput escape;
    escape.escape = true;
    EXPECT_EQ(runDueSteps(*f.play, 1000.0, [&] { f.step(escape); }), 1);
}

}  // namespace
}  // namespace kv::test
