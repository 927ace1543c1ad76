#include <gtest/gtest.h>

#include "base/random.h"
#include "platform/clock.h"
#include "platform/clock_counters.h"
#include "platform/frame_pacer.h"

namespace kv {
namespace {

class ManualTime : public ::testing::Test {
protected:
    void SetUp() override { clock = &platform::useManualClock(); }
    void TearDown() override { platform::useRealClock(); }
    void pass(platform::Micros micros) { clock->advanceTo(clock->nowMicros() + micros); }

    platform::ManualClock* clock = nullptr;
};

using FramePacing = ManualTime;

TEST_F(FramePacing, AheadOfTheScheduleItWaitsForTheFrame) {
    resetPacer(500);  // 2 ms frames
    EXPECT_EQ(framePacer().period, 2000);
    EXPECT_EQ(waitFrame(), 1);
    EXPECT_EQ(clock->nowMicros(), 0);  // the first frame is due at once
    pass(500);                          // a quick frame: 1.5 ms early
    EXPECT_EQ(waitFrame(), 1);
    EXPECT_EQ(clock->nowMicros(), 2000);
    EXPECT_EQ(waitFrame(), 1);
    EXPECT_EQ(clock->nowMicros(), 4000);
}

TEST_F(FramePacing, BehindTheScheduleLogicGoesOnButDrawingIsSkippedUntilCaughtUp) {
    resetPacer(100);  // 10 ms frames
    int logicSteps = 0, drawn = 0;
    // Each pass does one logic step costing 4 ms; the first 40 ms stall puts
    // the game four frames behind.
    pass(40'000);
    std::vector<int> draws;
    for (int frame = 0; frame < 12; ++frame) {
        ++logicSteps;
        pass(4000);
        const int draw = waitFrame();
        draws.push_back(draw);
        drawn += draw;
    }
    EXPECT_EQ(logicSteps, 12);
    // Behind: 34 ms over after the first frame, made up at 6 ms per pass,
    // so six passes skip drawing; then every frame draws again.
    EXPECT_EQ(draws, (std::vector<int>{0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 1, 1}));
    EXPECT_EQ(drawn, 6);
}

TEST_F(FramePacing, ZeroOrNegativeRatesNeverDivideByZero) {
    resetPacer(0);
    EXPECT_EQ(framePacer().period, 1'000'000);
    resetPacer(-5);
    EXPECT_EQ(framePacer().period, 1'000'000);
}

using MillisecondCounters = ManualTime;

TEST_F(MillisecondCounters, GrowWithTheClockAndGiveUpWhatIsTaken) {
    MsCounter counter;
    counter.set(0);
    pass(30'500);
    EXPECT_DOUBLE_EQ(counter.value(), 30.0);  // whole milliseconds, like a 1 ms timer
    int steps = 0;
    while (counter.takeStep(12.0)) ++steps;
    EXPECT_EQ(steps, 3);  // 30 -> 18 -> 6 -> -6
    EXPECT_DOUBLE_EQ(counter.value(), -6.0);
    pass(7000);
    EXPECT_TRUE(counter.takeStep(12.0));
    counter.set(0);
    EXPECT_FALSE(counter.takeStep(12.0));
}

TEST(Random, FollowsTheCLibrarySequence) {
    seedRandom(1);
    EXPECT_EQ(nextRandom(), 41);
    EXPECT_EQ(nextRandom(), 18467);
    EXPECT_EQ(nextRandom(), 6334);
    seedRandom(0);
    EXPECT_EQ(nextRandom(), 38);
}

}  // namespace
}  // namespace kv
