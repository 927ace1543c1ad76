// Long notes and stops in play: holding, letting go, autoplay, replays and
// the chart standing still.
#include <gtest/gtest.h>

#include "chart/chart_timing.h"
#include "play/mixdown.h"
#include "play_fixture.h"

namespace kv::test {
namespace {

constexpr int kLane = 1;

// A long note in lane 1 over the first half of measure 1, then a plain
// note at the start of measure 2.
class LongNotePlay : public ::testing::Test {
protected:
    LongNotePlay() {
        f.addNote(kLane, 1, 0, 5);
        ChartObject& head = f.chart->playLanes[kLane][0];
        head.endMeasure = 1;
        head.endPosition = 144;
        f.addNote(kLane, 2, 0, 6);
    }
    // Presses at the head and holds until the cursor reaches `releaseAt`
    // (an absolute step), then lets go and plays the plain note.
    void holdUntil(long releaseAt) {
        f.start();
        f.stepToCursor(288);
        StepInput down;
        down.lanes[kLane] = 1;
        while (f.play->playAbsStep < releaseAt) f.step(down);
        f.stepToCursor(576);
        f.press(kLane);
        f.stepToCursor(700);
    }
    PlayFixture f;
};

TEST_F(LongNotePlay, HoldingToTheEndKeepsTheHeadsJudgement) {
    holdUntil(288 + 150);
    EXPECT_EQ(f.play->coolCount, 2);
    EXPECT_EQ(f.play->breakCount + f.play->missCount, 0);
    EXPECT_EQ(f.play->score, 200000);
    EXPECT_EQ(f.play->maxCombo, 2);
}

TEST_F(LongNotePlay, LettingGoEarlyTurnsItIntoOneBreak) {
    holdUntil(288 + 72);
    EXPECT_EQ(f.play->coolCount, 1);
    EXPECT_EQ(f.play->breakCount, 1);
    EXPECT_EQ(f.play->missCount, 0);
    EXPECT_EQ(f.play->maxCombo, 1);  // the break reset the combo
    EXPECT_EQ(f.play->score, 100000 + 12500);
}

TEST_F(LongNotePlay, LettingGoInsideTheEndsGoodWindowNeedsNoExactTiming) {
    f.start();  // the windows follow the tempo: read them once the run is set up
    holdUntil(288 + 144 - f.chart->judgeWindows[2] + 1);
    EXPECT_EQ(f.play->coolCount, 2);
    EXPECT_EQ(f.play->breakCount, 0);
}

TEST_F(LongNotePlay, AMissedHeadIsOneMissAndTheBodyScrollsOut) {
    f.start();
    f.stepToCursor(288 + 144 + 20);
    EXPECT_EQ(f.play->missCount, 1);
    f.stepToCursor(700);
    EXPECT_EQ(f.play->missCount, 2);  // and the plain note
    for (const PoolObject& object : f.play->pool) EXPECT_EQ(object.kind, 0);
}

TEST_F(LongNotePlay, AutoplayHoldsToTheEndAndOnlyTheHeadSounds) {
    f.chart->autoplayActive = 1;
    f.start();
    f.stepToCursor(288 + 143);
    const auto held = [&] {
        for (const PoolObject& object : f.play->pool)
            if (object.kind != 0 && object.lane == kLane && object.length == 144) return object.hold == Holding;
        return false;
    };
    EXPECT_TRUE(held());
    f.stepToCursor(288 + 145);
    EXPECT_FALSE(held());
    f.stepToCursor(700);
    std::vector<int> sounded;
    for (const SoundEvent& event : f.sound.events)
        if (event.kind == SoundEvent::Normal) sounded.push_back(event.sample);
    EXPECT_EQ(sounded, (std::vector<int>{5, 6}));
}

TEST_F(LongNotePlay, TheReplayRecordsTheRelease) {
    f.config.replay = ReplayOn;
    holdUntil(288 + 72);
    const auto& presses = f.play->replay.lanes[kLane];
    ASSERT_EQ(presses.size(), 3);
    EXPECT_EQ(presses[0].code, Cool);
    EXPECT_EQ(presses[1].code, kReplayRelease);
    EXPECT_EQ(presses[1].step, 73);  // the first step without the key
    EXPECT_EQ(presses[2].code, Cool);
}

// A stop of one measure where a note stands: the chart and its notes stand
// still, and a press during the stop hits the note on the line.
TEST(StopPlay, TheChartStandsStillAndTheNoteOnTheLineCanBeHit) {
    PlayFixture f;
    f.addNote(kLane, 1, 0, 5);
    f.chart->stops.push(Stop{1, 0, 192});
    f.start();
    f.stepToCursor(288);
    const Cursor at = f.play->playCursor;
    for (int i = 0; i < 100; ++i) f.step();
    EXPECT_EQ(f.play->playCursor.measure, at.measure);
    EXPECT_EQ(f.play->playCursor.step, at.step);
    f.press(kLane);
    EXPECT_EQ(f.play->coolCount, 1);
}

// Mixes nothing; tells when each sample starts, in output frames.
class FrameClock : public MixdownOutput, public PlaySound {
public:
    void mix(int frames) override { mixed += frames; }
    bool ringing() const override { return false; }
    void playSample(int sample) override { starts.emplace_back(sample, mixed); }
    void playSampleLow(int sample) override { playSample(sample); }
    void startMusic() override {}
    std::int64_t mixed = 0;
    std::vector<std::pair<int, std::int64_t>> starts;
};

TEST(StopPlay, SoundsAfterAStopStartLaterByItsLength) {
    constexpr int kRate = 44100;
    for (const float length : {0.0f, 96.0f, 31.0f}) {
        PlayFixture f;
        f.addBgm(0, 0, 1);
        f.addBgm(0, 143, 2);  // before the stop
        f.addBgm(1, 0, 3);    // after it
        if (length > 0) f.chart->stops.push(Stop{0, 144, length});
        FrameClock clock;
        PlayContext ctx{*f.play, *f.chart, f.config, clock, [] { return 0; }};
        startRun(ctx, false);
        runMixdown(ctx, kRate, clock, [](int) {});
        ASSERT_EQ(clock.starts.size(), 3u);
        const double stepMs = 1000.0 / (130 * 72 / 60.0);
        const double beforeMs = (clock.starts[1].second - clock.starts[0].second) * 1000.0 / kRate;
        const double afterMs = (clock.starts[2].second - clock.starts[0].second) * 1000.0 / kRate;
        EXPECT_NEAR(beforeMs, 143 * stepMs, 1.0) << length;
        EXPECT_NEAR(afterMs, 288 * stepMs + stopSeconds(length, 130) * 1000.0, 1.0) << length;
    }
}

}  // namespace
}  // namespace kv::test
