// The real and the manual clock.
#include "platform/clock.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace kv::platform {
namespace {

TEST(ManualClockTest, NextFrameBoundaryIsTheNextSixtiethOfASecond) {
    const std::pair<Micros, Micros> cases[] = {
        {0, 16'667},      {1, 16'667},          {16'666, 16'667},         {16'667, 33'334},
        {33'333, 33'334}, {999'999, 1'000'000}, {1'000'000, 1'016'667}, {3'600'000'000, 3'600'016'667},
    };
    for (auto [moment, expected] : cases) EXPECT_EQ(ManualClock::nextFrameBoundary(moment), expected) << moment;
}

TEST(ManualClockTest, SixtyPresentsAreExactlyOneSecond) {
    ManualClock clock;
    for (int i = 0; i < 60; ++i) clock.framePresented();
    EXPECT_EQ(clock.nowMicros(), 1'000'000);
    EXPECT_EQ(clock.nowMs(), 1000u);
}

TEST(ManualClockTest, WaitsJumpForwardAndNeverBack) {
    ManualClock clock;
    clock.waitUntil(12'345);
    EXPECT_EQ(clock.nowMicros(), 12'345);
    clock.waitUntil(100);
    EXPECT_EQ(clock.nowMicros(), 12'345);
    clock.waitFor(5);
    EXPECT_EQ(clock.nowMicros(), 12'350);
    clock.framePresented();
    EXPECT_EQ(clock.nowMicros(), 16'667);
}

TEST(ManualClockTest, ListenersHearEveryAdvanceOnce) {
    ManualClock clock;
    std::vector<std::pair<Micros, Micros>> heard;
    const int id = clock.subscribe([&](Micros from, Micros to) { heard.emplace_back(from, to); });
    clock.framePresented();
    clock.waitUntil(20'000);
    clock.waitUntil(20'000);  // no movement, no notice
    clock.unsubscribe(id);
    clock.waitUntil(30'000);
    const std::vector<std::pair<Micros, Micros>> expected{{0, 16'667}, {16'667, 20'000}};
    EXPECT_EQ(heard, expected);
}

TEST(ManualClockTest, AListenerMayUnsubscribeWhileBeingTold) {
    ManualClock clock;
    int calls = 0, other = 0, id = 0;
    id = clock.subscribe([&](Micros, Micros) {
        ++calls;
        clock.unsubscribe(id);
    });
    clock.subscribe([&](Micros, Micros) { ++other; });
    clock.waitUntil(1);
    clock.waitUntil(2);
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(other, 2);
}

TEST(ClockTest, ProcessClockSwitchesBetweenRealAndManual) {
    ManualClock& manual = useManualClock();
    EXPECT_EQ(&clock(), &manual);
    EXPECT_EQ(clock().nowMicros(), 0);
    clock().framePresented();
    EXPECT_EQ(manual.nowMicros(), 16'667);
    useRealClock();
    EXPECT_EQ(dynamic_cast<ManualClock*>(&clock()), nullptr);
}

TEST(RealClockTest, WaitUntilDoesNotReturnEarly) {
    RealClock clock;
    const Micros start = clock.nowMicros();
    clock.waitUntil(start + 3'000);
    EXPECT_GE(clock.nowMicros(), start + 3'000);
    EXPECT_GE(clock.nowMicros(), start);  // monotonic
}

}  // namespace
}  // namespace kv::platform
