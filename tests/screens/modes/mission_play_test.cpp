// Runs of play under a puzzle mission: lost the moment its goal is out of
// reach, decided by the goal at the chart's end, started on its gauge.
#include <gtest/gtest.h>

#include "play/play_fixture.h"
#include "screens/modes/puzzle_scenes.h"

namespace kv::test {
namespace {

constexpr int kLane = 1;
constexpr int kNoteSpacing = 24;  // a third of a beat

class MissionPlay : public ::testing::Test {
protected:
    // `notes` notes in one lane, a third of a beat apart, under `missionIndex`.
    void begin(int missionIndex, int notes) {
        for (int i = 0; i < notes; ++i) f.addNote(kLane, 0, kNoteSpacing * i, 1);
        f.config.puzzle = true;
        f.config.combo = ComboGreat;
        mission = playMissionFor(missionIndex, f.chart->noteCount);
        f.mission = &mission;
        f.start();
    }
    // Hits note i on time: the step in which the lane goes down.
    void hit(int i) {
        f.stepToCursor(kNoteSpacing * i);
        StepInput down;
        down.lanes[kLane] = 1;
        f.step(down);
    }

    PlayFixture f;
    PlayMission mission;
};

TEST_F(MissionPlay, NoOverFiveComboIsLostTheMomentTheComboReachesSix) {
    begin(18, 10);  // L3
    for (int i = 0; i < 5; ++i) {
        hit(i);
        f.step();  // let go
    }
    EXPECT_EQ(f.play->combo, 5);
    EXPECT_EQ(f.play->cleared, 0);
    hit(5);
    EXPECT_EQ(f.play->combo, 6);
    EXPECT_EQ(f.play->cleared, -1);  // failed in the very step of the sixth hit
    f.step();
    hit(6);
    EXPECT_EQ(f.play->coolCount, 6);  // a failed run judges no more presses
    while (f.play->endState == Running && f.steps < 2000) f.step();
    EXPECT_EQ(f.play->endState, SongOver);
    EXPECT_TRUE(runLostMission(18, *f.play, *f.chart));
}

TEST_F(MissionPlay, MissionWithoutAnEarlyTestPlaysOnToTheChartsEnd) {
    begin(11, 4);  // V2: score over 120000, known only at the end
    f.stepToCursor(kNoteSpacing * 3 + 20);
    EXPECT_EQ(f.play->missCount, 4);
    EXPECT_EQ(f.play->cleared, 0);
}

struct EndCase {
    int mission;
    std::int32_t score;
    int outcome;  // 1 cleared, -1 failed
};

TEST_F(MissionPlay, ChartEndFailsAMissedGoalWhateverTheGauge) {
    const EndCase cases[] = {{11, 119999, -1}, {11, 120000, 1}, {3, 0, 1}};
    for (const EndCase& c : cases) {
        PlayFixture run;
        run.extendTo(0);
        run.config.puzzle = true;
        const PlayMission goal = playMissionFor(c.mission, 0);
        run.mission = &goal;
        run.start();
        run.stepToCursor(287);
        run.play->gauge = 80.0f;
        run.play->score = c.score;
        run.step();
        EXPECT_EQ(run.play->cleared, 2 * c.outcome) << "mission " << c.mission << " score " << c.score;
    }
}

TEST_F(MissionPlay, StartGaugeOverridesTheUsualStart) {
    f.chart->autoplayActive = 1;  // autoplay would start on a full gauge
    begin(18, 1);
    EXPECT_FLOAT_EQ(f.play->gauge, 9.0f);
    PlayFixture withoutStartGauge;
    withoutStartGauge.chart->autoplayActive = 1;
    const PlayMission noMiss = playMissionFor(0, 1);
    withoutStartGauge.mission = &noMiss;
    withoutStartGauge.start();
    EXPECT_FLOAT_EQ(withoutStartGauge.play->gauge, 100.0f);
}

}  // namespace
}  // namespace kv::test
